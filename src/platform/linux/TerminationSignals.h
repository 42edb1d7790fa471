#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns the signals that ask a program to end (SIGTERM at logout, SIGINT, SIGHUP) into a call on
// the event loop, so the program ends as after Quit: its lock file and settings are left in order.
// One at a time.
class TerminationSignals final : public QObject
{
public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject *parent = nullptr);
    // After this the signals are ignored: the program is ending already, and a second request must
    // not cut its ending short.
    ~TerminationSignals() override;

    // Holds the signals back until a TerminationSignals takes them, so that one arriving while the
    // program starts ends it the same way; call first thing in main.
    static void holdUntilHandled();

private:
    static void handle(int signal);

    std::function<void()> m_onSignal;
    QSocketNotifier *m_notifier = nullptr;
};
