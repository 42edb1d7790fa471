#pragma once

#include <QWidget>

class PreferencesModel;
class QComboBox;
class SwitchToggle;

// The "Notifications" group of the Preferences window: which desktop notices the user wants.
class NoticesGroup final : public QWidget
{
    Q_OBJECT
public:
    explicit NoticesGroup(PreferencesModel &model, QWidget *parent = nullptr);

    SwitchToggle *lowToggle() const { return m_low; }
    QComboBox *firstThresholdPicker() const { return m_firstThreshold; }
    QComboBox *secondThresholdPicker() const { return m_secondThreshold; }
    SwitchToggle *resetToggle() const { return m_reset; }
    SwitchToggle *availableToggle() const { return m_available; }
    SwitchToggle *expiredToggle() const { return m_expired; }

private:
    QComboBox *thresholdPicker(void (PreferencesModel::*store)(int));
    void sync();

    PreferencesModel &m_model;
    SwitchToggle *m_low = nullptr;
    QComboBox *m_firstThreshold = nullptr;
    QComboBox *m_secondThreshold = nullptr;
    SwitchToggle *m_reset = nullptr;
    SwitchToggle *m_available = nullptr;
    SwitchToggle *m_expired = nullptr;
};
