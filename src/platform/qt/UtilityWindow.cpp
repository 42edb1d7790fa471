#include "UtilityWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace UtilityWindow {

void prepare(QWidget &window, const QString &title)
{
    window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    window.setWindowTitle(title);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

void bringToFront(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

}
