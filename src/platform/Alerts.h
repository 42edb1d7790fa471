#pragma once

#include <QString>
#include <QStringList>

// A modal message with buttons.
struct Alert
{
    QString messageText;
    QString informativeText;
    QStringList buttons;          // the first is the default
    bool applicationIcon = false; // else the platform's default icon
};

// Shows alerts and waits for the user's choice.
class Alerts
{
public:
    virtual ~Alerts() = default;
    // The index of the chosen button, or -1 when the alert was dismissed otherwise.
    virtual int runModal(const Alert &alert) = 0;
};
