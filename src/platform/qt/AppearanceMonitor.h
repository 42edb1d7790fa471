#pragma once

#include <QObject>

// Tells when the desktop's colours change (light and dark, or another theme).
class AppearanceMonitor final : public QObject
{
    Q_OBJECT
public:
    explicit AppearanceMonitor(QObject *parent = nullptr);

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
