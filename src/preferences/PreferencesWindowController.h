#pragma once

#include <QObject>

#include <memory>

class PreferencesModel;
class PreferencesView;

// Owns the one Preferences window: made on first demand, hidden (never destroyed) when closed.
class PreferencesWindowController final : public QObject
{
    Q_OBJECT
public:
    explicit PreferencesWindowController(PreferencesModel &model, QObject *parent = nullptr);
    ~PreferencesWindowController() override;

    static PreferencesWindowController &shared();

    PreferencesView *window() const { return m_window.get(); }
    // Brings the window to the front and gives it the keyboard.
    void showWindow();

private:
    PreferencesModel &m_model;
    std::unique_ptr<PreferencesView> m_window;
};
