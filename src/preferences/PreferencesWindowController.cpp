#include "PreferencesWindowController.h"

#include "preferences/PreferencesView.h"

#include "platform/qt/UtilityWindow.h"

PreferencesWindowController::PreferencesWindowController(PreferencesModel &model, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_window(std::make_unique<PreferencesView>(model))
{
    UtilityWindow::prepare(*m_window, QStringLiteral("Quotabar"));
}

PreferencesWindowController::~PreferencesWindowController() = default;

void PreferencesWindowController::showWindow()
{
    UtilityWindow::bringToFront(*m_window);
}
