#pragma once

#include "app/Providers.h"

#include <QWidget>

class CredentialTest;
class NoticesGroup;
class PreferencesModel;
class QComboBox;
class QLabel;
class QAction;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class SwitchToggle;

// The content of the Preferences window: a thin view over PreferencesModel.
class PreferencesView final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int pageWidth = 420;

    explicit PreferencesView(PreferencesModel &model, QWidget *parent = nullptr);

    // The controls of one provider, for the tests and the layout.
    struct ProviderControls
    {
        SwitchToggle *toggle = nullptr;
        QWidget *credentialBlock = nullptr;
        QLineEdit *field = nullptr;
        QAction *reveal = nullptr; // shows the key while checked; it is hidden otherwise
        QPushButton *testButton = nullptr;
        QLabel *storage = nullptr; // where the stored key is kept
        QLabel *signInInUse = nullptr;
        QPushButton *signInChoice = nullptr; // "Found your … sign-in — use it" or back to the key
        QLabel *status = nullptr;
        QToolButton *removeKey = nullptr;
        QPushButton *keyHelp = nullptr;
        QPushButton *importFromBrowser = nullptr; // shown while the model offers it
    };
    const ProviderControls &claudeControls() const { return m_claude; }
    const ProviderControls &openAIControls() const { return m_openAI; }
    QComboBox *displayFormatPicker() const { return m_formatPicker; }
    QComboBox *panelStylePicker() const { return m_panelStylePicker; }
    QComboBox *panelItemsPicker() const { return m_panelItemsPicker; }
    QComboBox *intervalPicker() const { return m_intervalPicker; }
    SwitchToggle *launchAtLoginToggle() const { return m_launchToggle; }
    NoticesGroup *notices() const { return m_notices; }
    // The page inside the window's scroll area.
    QWidget *content() const { return m_content; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct ProviderLook
    {
        Provider provider;
        QString logoName;
        QColor brand;
        QString title;
        QString placeholder;
        QString keyHelpText;
    };
    QWidget *providerToggleRow(const ProviderLook &look, ProviderControls &controls, QWidget *parent);
    QWidget *credentialBlock(const ProviderLook &look, CredentialTest &test, ProviderControls &controls,
                             std::function<void()> openKeyHelp, QWidget *parent);
    void sync();
    void fitToContent();
    void syncProvider(const CredentialTest &test, ProviderControls &controls, bool shown);

    PreferencesModel &m_model;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_content = nullptr;
    ProviderControls m_claude;
    ProviderControls m_openAI;
    QComboBox *m_formatPicker = nullptr;
    QComboBox *m_panelStylePicker = nullptr;
    QComboBox *m_panelItemsPicker = nullptr;
    QWidget *m_panelItemsRow = nullptr;
    QComboBox *m_intervalPicker = nullptr;
    SwitchToggle *m_launchToggle = nullptr;
    NoticesGroup *m_notices = nullptr;
};
