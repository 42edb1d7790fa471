#pragma once

#include <QString>

class QWidget;

// Window chores shared by the application's two small windows.
namespace UtilityWindow {

// Titled and closable only, hidden (not destroyed) when closed, centred on the screen.
void prepare(QWidget &window, const QString &title);
// Brings the window to the front and gives it the keyboard.
void bringToFront(QWidget &window);

}
