#include "PreferencesWindowController.h"

#include "preferences/PreferencesView.h"

#include <QGuiApplication>
#include <QScreen>

PreferencesWindowController::PreferencesWindowController(PreferencesModel &model, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_window(std::make_unique<PreferencesView>(model))
{
    m_window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    m_window->setWindowTitle(QStringLiteral("Quotabar"));
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), m_window->size());
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
}

PreferencesWindowController::~PreferencesWindowController() = default;

void PreferencesWindowController::showWindow()
{
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
