#pragma once

#include <QObject>

// Lets the program end only by its own choice (Quit, a termination signal). Requests to quit made
// elsewhere, such as a library releasing a QEventLoopLocker or a tray implementation, are logged
// and ignored: a panel program has no window whose closing could mean "done".
class QuitGuard final : public QObject
{
    Q_OBJECT
public:
    // Guards the running application; one guard while the event loop runs.
    explicit QuitGuard(QObject *parent = nullptr);
    ~QuitGuard() override;

    // Ends the event loop with status 0: the program's own way out.
    static void quit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
