#include "MessageBoxAlerts.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>

int MessageBoxAlerts::runModal(const Alert &alert)
{
    QMessageBox box;
    box.setWindowTitle(QStringLiteral("Quotabar"));
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);
    if (alert.applicationIcon)
        box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    else
        box.setIcon(QMessageBox::Warning);
    QList<QAbstractButton *> buttons;
    for (const QString &title : alert.buttons)
        buttons.append(box.addButton(title, buttons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole));
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));

    // Waits for the choice without blocking the rest of the application: the panel icons and
    // their menus keep answering while the alert is open.
    box.setWindowModality(Qt::NonModal);
    QEventLoop choice;
    QObject::connect(&box, &QMessageBox::finished, &choice, &QEventLoop::quit);
    box.show();
    box.raise();
    box.activateWindow();
    choice.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}
