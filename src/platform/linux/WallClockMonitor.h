#pragma once

#include <QObject>

class QSocketNotifier;

// Tells when the wall clock jumps: set by hand or by time synchronisation, or moved on after
// a resume, while the timers that measure waiting stood still.
class WallClockMonitor final : public QObject
{
    Q_OBJECT
public:
    explicit WallClockMonitor(QObject *parent = nullptr);
    ~WallClockMonitor() override;

signals:
    void changed();

private:
    bool arm();
    void fired();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
