#pragma once

#include <QObject>

// Tells when the machine wakes from sleep, from logind's PrepareForSleep(false).
class LogindWakeMonitor final : public QObject
{
    Q_OBJECT
public:
    explicit LogindWakeMonitor(QObject *parent = nullptr);

signals:
    void didWake();

private slots:
    void prepareForSleep(bool sleeping);
};
