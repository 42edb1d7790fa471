#include "PreferencesView.h"

#include "app/AppSettings.h"
#include "app/Providers.h"
#include "preferences/AccountsBlock.h"
#include "preferences/BrowserImportDialog.h"
#include "preferences/NoticesGroup.h"
#include "preferences/PreferencesModel.h"
#include "preferences/PreferencesStyles.h"
#include "preferences/SecretField.h"
#include "preferences/SwitchToggle.h"
#include "platform/qt/ProviderArtwork.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PreferencesStyles;

namespace {

constexpr int logoSize = 17;
constexpr int pickerWidth = 180;

// The logo tinted with the brand colour, or a brand-coloured rounded square without the file.
QPixmap providerLogo(const QString &name, const QColor &brand, qreal scale)
{
    const int pixels = qRound(logoSize * scale);
    QImage image;
    if (const std::optional<QImage> file = ProviderArtwork::logo(name, pixels)) {
        image = ProviderArtwork::tinted(*file, brand);
    } else {
        image = QImage(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(brand);
        painter.drawRoundedRect(QRectF(0, 0, pixels, pixels), 3 * scale, 3 * scale);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

// A small filled circle with a cross, in the secondary label colour.
QIcon removeKeyIcon(const QPalette &palette)
{
    QPixmap pixmap(24, 24);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(secondaryLabelColor(palette));
    painter.drawEllipse(QRectF(0.5, 0.5, 11, 11));
    painter.setPen(QPen(palette.color(QPalette::Window), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(8, 8));
    painter.drawLine(QPointF(8, 4), QPointF(4, 8));
    return QIcon(pixmap);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

} // namespace

PreferencesView::PreferencesView(PreferencesModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    const auto look = [](Provider provider, const QString &placeholder, const QString &keyHelpText) {
        const ProviderIdentity &identity = Providers::of(provider);
        const ProviderIdentity::Colour &brand = identity.brandColour;
        return ProviderLook{provider, identity.id, QColor::fromRgbF(float(brand.red), float(brand.green), float(brand.blue)),
                            identity.name, placeholder, keyHelpText};
    };
    //: sessionKey is the cookie's own name: keep it as it is
    const QString claudePlaceholder = tr("Enter sessionKey");
    //: __Secure-next-auth.session-token is the cookie's own name: keep it as it is
    const QString openAIPlaceholder = tr("Enter __Secure-next-auth.session-token");
    const ProviderLook claudeLook = look(Provider::claude, claudePlaceholder, tr("How to get your Claude key →"));
    const ProviderLook openAILook = look(Provider::openAI, openAIPlaceholder, tr("How to get your ChatGPT key →"));

    // The page scrolls only when it is taller than the screen (many accounts on a small one).
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidgetResizable(true);
    outer->addWidget(m_scroll);
    m_content = new QWidget(m_scroll);
    m_content->setFixedWidth(pageWidth);
    auto *page = new QVBoxLayout(m_content);
    page->setContentsMargins(20, 0, 20, 20);
    page->setSpacing(0);

    page->addWidget(sectionHeader(tr("Choose AI Provider"), this));
    auto *providers = new GroupBox(this);
    auto *providersLayout = new QVBoxLayout(providers);
    providersLayout->setContentsMargins(6, 6, 6, 6);
    providersLayout->setSpacing(0);
    providersLayout->addWidget(providerToggleRow(claudeLook, m_claude, providers));
    providersLayout->addWidget(credentialBlock(claudeLook, model.claude(), m_claude, [this] { m_model.openClaudeKeyHelp(); },
                                               providers));
    providersLayout->addWidget(new Divider(providers));
    providersLayout->addWidget(providerToggleRow(openAILook, m_openAI, providers));
    providersLayout->addWidget(credentialBlock(openAILook, model.openAI(), m_openAI, [this] { m_model.openOpenAIKeyHelp(); },
                                               providers));
    page->addWidget(providers);

    const auto groupedRow = [this, page](const QString &section, const QString &label, QWidget *control) {
        page->addWidget(sectionHeader(section, this));
        auto *group = new GroupBox(this);
        auto *layout = new QVBoxLayout(group);
        layout->setContentsMargins(6, 6, 6, 6);
        layout->addWidget(row(label, control, group));
        page->addWidget(group);
        return layout;
    };

    m_formatPicker = new QComboBox(this);
    m_formatPicker->setFixedWidth(pickerWidth);
    for (const DisplayFormat format : DisplayFormats::allCases)
        m_formatPicker->addItem(DisplayFormats::label(format), static_cast<int>(format));
    connect(m_formatPicker, &QComboBox::activated, this, [this](int index) {
        m_model.setDisplayFormat(static_cast<DisplayFormat>(m_formatPicker->itemData(index).toInt()));
    });
    //: A section heading; its row picks what the panel item shows
    QVBoxLayout *display = groupedRow(tr("Display"), tr("Show in menu bar"), m_formatPicker);

    m_panelStylePicker = new QComboBox(this);
    m_panelStylePicker->setFixedWidth(pickerWidth);
    for (const PanelStyle style : PanelStyles::allCases)
        m_panelStylePicker->addItem(PanelStyles::label(style), static_cast<int>(style));
    connect(m_panelStylePicker, &QComboBox::activated, this, [this](int index) {
        m_model.setPanelStyle(static_cast<PanelStyle>(m_panelStylePicker->itemData(index).toInt()));
    });
    //: Picks how the panel item looks
    display->addWidget(row(tr("Panel style"), m_panelStylePicker, display->parentWidget()));
    // Offered once there is more than one account to tell apart.
    m_panelItemsPicker = new QComboBox(this);
    m_panelItemsPicker->setFixedWidth(pickerWidth);
    //: One panel item for each provider, or for each account
    m_panelItemsPicker->addItem(tr("One per provider"), false);
    m_panelItemsPicker->addItem(tr("One per account"), true);
    connect(m_panelItemsPicker, &QComboBox::activated, this,
            [this](int index) { m_model.setPanelItemPerAccount(m_panelItemsPicker->itemData(index).toBool()); });
    m_panelItemsRow = row(tr("Panel items"), m_panelItemsPicker, display->parentWidget());
    display->addWidget(m_panelItemsRow);

    m_intervalPicker = new QComboBox(this);
    m_intervalPicker->setFixedWidth(pickerWidth);
    for (const auto &interval : PreferencesModel::intervals)
        m_intervalPicker->addItem(QCoreApplication::translate("PreferencesModel", interval.label), interval.seconds);
    connect(m_intervalPicker, &QComboBox::activated, this,
            [this](int index) { m_model.setRefreshInterval(m_intervalPicker->itemData(index).toDouble()); });
    //: A section heading; its row picks how often usage is asked for, "Check every" "5 minutes"
    groupedRow(tr("Refresh"), tr("Check every"), m_intervalPicker);

    m_launchToggle = new SwitchToggle(this);
    connect(m_launchToggle, &SwitchToggle::toggled, this, [this](bool on) { m_model.setLaunchAtLogin(on); });
    //: A section heading
    groupedRow(tr("System"), tr("Launch at login"), m_launchToggle);
    page->addWidget(sectionHeader(tr("Notifications"), this));
    m_notices = new NoticesGroup(model, this);
    page->addWidget(m_notices);
    page->addSpacing(20);

    connect(m_claude.toggle, &SwitchToggle::toggled, this, [this](bool on) { m_model.setShowClaude(on); });
    connect(m_openAI.toggle, &SwitchToggle::toggled, this, [this](bool on) { m_model.setShowOpenAI(on); });
    connect(&model, &PreferencesModel::changed, this, &PreferencesView::sync);
    if (AccountRows *rows = model.accountRows())
        connect(rows, &AccountRows::changed, this, &PreferencesView::sync);
    sync();
    m_scroll->setWidget(m_content);
    m_content->installEventFilter(this);
    // A wheel turned over the page scrolls it; it changes a picker only once the picker has focus.
    for (QComboBox *picker : m_content->findChildren<QComboBox *>()) {
        picker->setFocusPolicy(Qt::StrongFocus);
        picker->installEventFilter(this);
    }
    fitToContent();
}

QWidget *PreferencesView::providerToggleRow(const ProviderLook &look, ProviderControls &controls, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 6, 0, 6);
    layout->setSpacing(6);
    auto *logo = new QLabel(row);
    logo->setFixedSize(logoSize, logoSize);
    logo->setPixmap(providerLogo(look.logoName, look.brand, devicePixelRatioF()));
    layout->addWidget(logo);
    auto *title = new SecondaryLabel(look.title.toUpper(), row);
    title->setFont(sectionFont());
    layout->addWidget(title);
    layout->addStretch(1);
    controls.toggle = new SwitchToggle(row);
    controls.toggle->setAccessibleName(look.title);
    layout->addWidget(controls.toggle);
    return row;
}

QWidget *PreferencesView::credentialBlock(const ProviderLook &look, CredentialTest &test, ProviderControls &controls,
                                          std::function<void()> openKeyHelp, QWidget *parent)
{
    auto *block = new QWidget(parent);
    auto *layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->setSpacing(6);

    auto *fieldRow = new QHBoxLayout;
    fieldRow->setSpacing(8);
    controls.field = new QLineEdit(block);
    controls.field->setPlaceholderText(look.placeholder);
    controls.field->setFont(monoFont());
    controls.field->setText(test.text());
    controls.reveal = SecretField::mask(controls.field);
    fieldRow->addWidget(controls.field, 1);
    //: The button that stores the key typed beside it and tries it
    controls.testButton = new QPushButton(tr("Test"), block);
    fieldRow->addWidget(controls.testButton);
    layout->addLayout(fieldRow);
    controls.storage = new QLabel(block);
    controls.storage->setWordWrap(true); // "Imported from … · stored in …" may need two lines
    controls.storage->setFont(captionFont());
    controls.storage->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(controls.storage);

    auto *signInRow = new QHBoxLayout;
    signInRow->setSpacing(6);
    controls.signInInUse = new QLabel(block);
    controls.signInInUse->setFont(captionFont());
    signInRow->addWidget(controls.signInInUse);
    controls.signInChoice = linkButton(QString(), block);
    signInRow->addWidget(controls.signInChoice);
    signInRow->addStretch(1);
    controls.importFromBrowser = linkButton(tr("Import from Browser…"), block);
    controls.importFromBrowser->setToolTip(tr("Take the sign-in from a browser where you are signed in"));
    controls.importFromBrowser->setVisible(m_model.offersBrowserImport());
    signInRow->addWidget(controls.importFromBrowser);
    layout->addLayout(signInRow);

    auto *statusRow = new QHBoxLayout;
    statusRow->setSpacing(0);
    controls.status = new QLabel(block);
    controls.status->setFont(captionFont());
    statusRow->addWidget(controls.status);
    controls.removeKey = new QToolButton(block);
    controls.removeKey->setAutoRaise(true);
    controls.removeKey->setIcon(removeKeyIcon(palette()));
    controls.removeKey->setIconSize(QSize(12, 12));
    controls.removeKey->setToolTip(tr("Remove the stored key"));
    controls.removeKey->setCursor(Qt::PointingHandCursor);
    statusRow->addSpacing(4);
    statusRow->addWidget(controls.removeKey);
    statusRow->addStretch(1);
    controls.keyHelp = linkButton(look.keyHelpText, block);
    statusRow->addWidget(controls.keyHelp);
    layout->addLayout(statusRow);

    // Any change counts: typing, pasting, or a screen reader or on-screen keyboard setting the text.
    connect(controls.field, &QLineEdit::textChanged, &test, &CredentialTest::setText);
    connect(controls.field, &QLineEdit::returnPressed, &test, [&test] {
        if (test.canTest())
            test.saveAndTest();
    });
    connect(controls.testButton, &QPushButton::clicked, &test, &CredentialTest::saveAndTest);
    connect(controls.removeKey, &QToolButton::clicked, &test, &CredentialTest::removeKey);
    connect(controls.signInChoice, &QPushButton::clicked, &test, [&test] {
        if (test.usesSignIn())
            test.useSessionKey();
        else
            test.useSignIn();
    });
    connect(controls.keyHelp, &QPushButton::clicked, this, std::move(openKeyHelp));
    // The browsers are looked into when the dialog opens, never before.
    connect(controls.importFromBrowser, &QPushButton::clicked, this, [this, provider = look.provider] {
        auto *dialog = new BrowserImportDialog(m_model.browserImport(provider), this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    if (AccountRows *rows = m_model.accountRows())
        layout->addWidget(new AccountsBlock(*rows, look.provider, block));
    controls.credentialBlock = block;
    return block;
}

void PreferencesView::syncProvider(const CredentialTest &test, ProviderControls &controls, bool shown)
{
    const QSignalBlocker blocker(controls.toggle);
    controls.toggle->setChecked(shown);
    controls.credentialBlock->setVisible(shown);
    if (controls.field->text() != test.text()) {
        const QSignalBlocker fieldBlocker(controls.field); // the model's own text is not news to it
        controls.field->setText(test.text());
    }
    controls.testButton->setEnabled(test.canTest());
    const QString storage = test.storageNote();
    controls.storage->setText(storage);
    controls.storage->setVisible(!storage.isEmpty() && !test.usesSignIn());
    const QString inUse = test.signInInUse();
    controls.signInInUse->setText(inUse);
    controls.signInInUse->setVisible(!inUse.isEmpty());
    const QString choice = inUse.isEmpty() ? test.signInOffer() : tr("Use a session key instead");
    controls.signInChoice->setText(choice);
    controls.signInChoice->setVisible(!choice.isEmpty());
    // An import is for the key: with a sign-in in use the row has room for that one's words only.
    controls.importFromBrowser->setVisible(m_model.offersBrowserImport() && !test.usesSignIn());
    const auto &status = test.status();
    controls.status->setVisible(status.has_value());
    // With a sign-in in use there is no key of ours to remove.
    controls.removeKey->setVisible(status && status->kind == StatusBadge::Kind::ok && !test.usesSignIn());
    if (status) {
        controls.status->setText(status->text);
        setTextColour(controls.status, status->kind == StatusBadge::Kind::ok ? okColor(palette()) : errorColor(palette()));
    }
}

void PreferencesView::sync()
{
    const AppSettings &settings = m_model.settings();
    syncProvider(m_model.claude(), m_claude, settings.showClaude());
    syncProvider(m_model.openAI(), m_openAI, settings.showOpenAI());

    const QSignalBlocker formatBlocker(m_formatPicker);
    m_formatPicker->setCurrentIndex(m_formatPicker->findData(static_cast<int>(settings.displayFormat())));
    const QSignalBlocker styleBlocker(m_panelStylePicker);
    m_panelStylePicker->setCurrentIndex(m_panelStylePicker->findData(static_cast<int>(settings.panelStyle())));
    const QSignalBlocker itemsBlocker(m_panelItemsPicker);
    m_panelItemsPicker->setCurrentIndex(settings.panelItemPerAccount() ? 1 : 0);
    const AccountRows *accounts = m_model.accountRows();
    m_panelItemsRow->setVisible(settings.panelItemPerAccount()
                                || (accounts && accounts->rows(Provider::claude).size() + accounts->rows(Provider::openAI).size() > 2));
    const QSignalBlocker intervalBlocker(m_intervalPicker);
    m_intervalPicker->setCurrentIndex(m_model.intervalIndex().value_or(-1));
    const QSignalBlocker launchBlocker(m_launchToggle);
    m_launchToggle->setChecked(settings.launchAtLogin());
}

bool PreferencesView::eventFilter(QObject *watched, QEvent *event)
{
    // The width is fixed; the height always follows the content (blocks come and go).
    if (watched == m_content && event->type() == QEvent::LayoutRequest)
        fitToContent();
    if (event->type() == QEvent::Wheel && watched != m_content && !static_cast<QWidget *>(watched)->hasFocus()) {
        event->ignore(); // on to the scroll area
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PreferencesView::fitToContent()
{
    const int wanted = m_content->layout()->sizeHint().height();
    const QScreen *shown = screen();
    // Room for the window's frame and a panel at either edge.
    const int room = shown ? shown->availableGeometry().height() - 96 : wanted;
    const bool scrolls = wanted > room;
    setFixedWidth(pageWidth + (scrolls ? m_scroll->verticalScrollBar()->sizeHint().width() : 0));
    setFixedHeight(scrolls ? room : wanted);
}

void PreferencesView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange) {
        m_claude.removeKey->setIcon(removeKeyIcon(palette()));
        m_openAI.removeKey->setIcon(removeKeyIcon(palette()));
        sync();
    }
    QWidget::changeEvent(event);
}
