#pragma once

#include <QAbstractButton>

// An on/off switch: a rounded track with a sliding knob.
class SwitchToggle final : public QAbstractButton
{
    Q_OBJECT
public:
    explicit SwitchToggle(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {32, 18}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
