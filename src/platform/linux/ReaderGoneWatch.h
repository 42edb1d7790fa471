#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Tells when nobody reads a pipe any more, so a program that writes to a bar only now and then
// learns that the bar has gone at once rather than at its next line.
class ReaderGoneWatch final : public QObject
{
public:
    // Watches `fd` only when it is the writing end of a pipe; a terminal or a file is never "gone".
    ReaderGoneWatch(int fd, std::function<void()> onGone, QObject *parent = nullptr);

private:
    std::function<void()> m_onGone;
    QSocketNotifier *m_notifier = nullptr;
};
