#include "NoticesGroup.h"

#include "app/AppSettings.h"
#include "preferences/PreferencesModel.h"
#include "preferences/PreferencesStyles.h"
#include "preferences/SwitchToggle.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace PreferencesStyles;

namespace {

constexpr int thresholdPickerWidth = 64;

void choose(QComboBox *picker, int percentLeft)
{
    const QSignalBlocker blocker(picker);
    picker->setCurrentIndex(picker->findData(percentLeft));
}

} // namespace

NoticesGroup::NoticesGroup(PreferencesModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *group = new GroupBox(this);
    layout->addWidget(group);
    auto *rows = new QVBoxLayout(group);
    rows->setContentsMargins(6, 6, 6, 6);

    // The low switch shares its row with the two thresholds it watches.
    auto *lowControls = new QWidget(group);
    auto *lowLayout = new QHBoxLayout(lowControls);
    lowLayout->setContentsMargins(0, 0, 0, 0);
    m_firstThreshold = thresholdPicker(&PreferencesModel::setNotifyFirstThreshold);
    m_secondThreshold = thresholdPicker(&PreferencesModel::setNotifySecondThreshold);
    m_low = new SwitchToggle(lowControls);
    lowLayout->addWidget(m_firstThreshold);
    lowLayout->addWidget(m_secondThreshold);
    lowLayout->addSpacing(4);
    lowLayout->addWidget(m_low);
    //: Followed by two pickers of the percentages left that each bring a notice
    rows->addWidget(row(tr("Notify when usage runs low"), lowControls, group));
    rows->addWidget(new Divider(group));

    m_reset = new SwitchToggle(group);
    rows->addWidget(row(tr("Notify when a limit resets"), m_reset, group));
    rows->addWidget(new Divider(group));
    m_available = new SwitchToggle(group);
    rows->addWidget(row(tr("Notify when a limit is available again"), m_available, group));
    rows->addWidget(new Divider(group));
    m_expired = new SwitchToggle(group);
    rows->addWidget(row(tr("Notify when a key expires"), m_expired, group));

    connect(m_low, &SwitchToggle::toggled, this, [this](bool on) { m_model.setNotifyLow(on); });
    connect(m_reset, &SwitchToggle::toggled, this, [this](bool on) { m_model.setNotifyReset(on); });
    connect(m_available, &SwitchToggle::toggled, this, [this](bool on) { m_model.setNotifyAvailable(on); });
    connect(m_expired, &SwitchToggle::toggled, this, [this](bool on) { m_model.setNotifyExpired(on); });
    connect(&model, &PreferencesModel::changed, this, &NoticesGroup::sync);
    sync();
}

QComboBox *NoticesGroup::thresholdPicker(void (PreferencesModel::*store)(int))
{
    auto *picker = new QComboBox(this);
    picker->setFixedWidth(thresholdPickerWidth);
    for (const int percent : AppSettings::thresholdChoices)
        picker->addItem(QStringLiteral("%1%").arg(percent), percent);
    connect(picker, &QComboBox::activated, this,
            [model = &m_model, picker, store](int index) { (model->*store)(picker->itemData(index).toInt()); });
    return picker;
}

void NoticesGroup::sync()
{
    const AppSettings &settings = m_model.settings();
    for (const auto &[toggle, on] : {std::pair{m_low, settings.notifyLow()}, std::pair{m_reset, settings.notifyReset()},
                                     std::pair{m_available, settings.notifyAvailable()},
                                     std::pair{m_expired, settings.notifyExpired()}}) {
        const QSignalBlocker blocker(toggle);
        toggle->setChecked(on);
    }
    choose(m_firstThreshold, settings.notifyFirstThreshold());
    choose(m_secondThreshold, settings.notifySecondThreshold());
    m_firstThreshold->setEnabled(settings.notifyLow());
    m_secondThreshold->setEnabled(settings.notifyLow());
}
