#include "MessageBoxAlerts.h"

#include <QApplication>
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
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}
