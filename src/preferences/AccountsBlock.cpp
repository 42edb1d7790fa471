#include "AccountsBlock.h"

#include "preferences/PreferencesStyles.h"
#include "preferences/SecretField.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace PreferencesStyles;

namespace {

QToolButton *smallButton(const QString &text, const QString &toolTip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setAutoRaise(true);
    button->setFont(captionFont());
    return button;
}

} // namespace

AccountsBlock::AccountsBlock(AccountRows &rows, Provider provider, QWidget *parent)
    : QWidget(parent)
    , m_model(rows)
    , m_provider(provider)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(4);
    auto *header = new QHBoxLayout;
    auto *title = new SecondaryLabel(
        //: The heading of the list of one provider's accounts, in capitals like the other section headings
        tr("ACCOUNTS"), this);
    title->setFont(sectionFont());
    header->addWidget(title);
    header->addStretch(1);
    m_add = linkButton(tr("Add Account…"), this);
    header->addWidget(m_add);
    layout->addLayout(header);
    m_list = new QVBoxLayout;
    m_list->setSpacing(4);
    layout->addLayout(m_list);
    connect(m_add, &QPushButton::clicked, this, &AccountsBlock::offerChoices);
    connect(&m_model, &AccountRows::changed, this, &AccountsBlock::sync);
    sync();
}

void AccountsBlock::sync()
{
    const QList<AccountRows::Row> rows = m_model.rows(m_provider);
    if (rows == m_shown)
        return;
    const auto ids = [](const QList<AccountRows::Row> &list) {
        QStringList ids;
        for (const AccountRows::Row &row : list)
            ids.append(row.id);
        return ids;
    };
    // The same accounts in the same order keep their widgets, so a label being typed stays.
    if (ids(rows) != ids(m_shown) || m_rows.size() != rows.size())
        rebuild(rows);
    m_shown = rows;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const AccountRows::Row &row = rows.at(i);
        RowWidgets &widgets = m_rows[i];
        widgets.shown->setChecked(row.shown);
        if (!widgets.label->hasFocus())
            widgets.label->setText(row.label);
        widgets.status->setText(row.source + QStringLiteral(" · ") + row.status);
        QPalette palette = widgets.status->palette();
        palette.setColor(QPalette::WindowText, row.ok ? okColor(this->palette()) : secondaryLabelColor(this->palette()));
        widgets.status->setPalette(palette);
        widgets.up->setEnabled(row.canMoveUp);
        widgets.down->setEnabled(row.canMoveDown);
    }
    // A single account is the field above; the list is worth its room once there are more.
    for (const RowWidgets &widgets : std::as_const(m_rows))
        widgets.shown->parentWidget()->setVisible(rows.size() > 1);
}

void AccountsBlock::rebuild(const QList<AccountRows::Row> &rows)
{
    for (const RowWidgets &widgets : std::as_const(m_rows))
        delete widgets.shown->parentWidget();
    m_rows.clear();
    for (const AccountRows::Row &row : rows)
        m_rows.append(makeRow(row));
}

AccountsBlock::RowWidgets AccountsBlock::makeRow(const AccountRows::Row &row)
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *line = new QHBoxLayout;
    line->setSpacing(4);
    RowWidgets widgets;
    widgets.id = row.id;
    widgets.shown = new QCheckBox(box);
    widgets.shown->setToolTip(tr("Show this account in the panel and the menu"));
    //: What a screen reader calls the check box that shows an account in the panel
    widgets.shown->setAccessibleName(tr("Shown"));
    line->addWidget(widgets.shown);
    widgets.label = new QLineEdit(box);
    //: What a screen reader calls the field holding an account's name
    widgets.label->setAccessibleName(tr("Label"));
    widgets.label->setFont(labelFont());
    line->addWidget(widgets.label, 1);
    //: A small button that asks the account's service for its usage now
    widgets.test = smallButton(tr("Test"), tr("Ask the service now"), box);
    line->addWidget(widgets.test);
    widgets.up = smallButton(QStringLiteral("▲"), tr("Move up"), box);
    widgets.down = smallButton(QStringLiteral("▼"), tr("Move down"), box);
    line->addWidget(widgets.up);
    line->addWidget(widgets.down);
    auto *remove = smallButton(QStringLiteral("✕"), tr("Remove this account"), box);
    line->addWidget(remove);
    if (row.first) {
        // The provider's own account is cleared with its key above; its room keeps the columns aligned.
        QSizePolicy keepRoom = remove->sizePolicy();
        keepRoom.setRetainSizeWhenHidden(true);
        remove->setSizePolicy(keepRoom);
        remove->hide();
    } else {
        widgets.remove = remove;
    }
    layout->addLayout(line);
    widgets.status = new QLabel(box);
    widgets.status->setFont(captionFont());
    widgets.status->setWordWrap(true);
    widgets.status->setContentsMargins(widgets.shown->sizeHint().width() + 4, 0, 0, 0);
    layout->addWidget(widgets.status);
    m_list->addWidget(box);

    const AccountId id = row.id;
    connect(widgets.shown, &QCheckBox::toggled, this, [this, id](bool on) { m_model.setShown(id, on); });
    connect(widgets.label, &QLineEdit::editingFinished, this, [this, id, label = widgets.label] {
        if (!m_model.rename(id, label->text()))
            sync(); // an empty label is refused: the stored one comes back
    });
    connect(widgets.test, &QToolButton::clicked, this, [this, id] { m_model.test(id); });
    connect(widgets.up, &QToolButton::clicked, this, [this, id] { m_model.move(id, -1); });
    connect(widgets.down, &QToolButton::clicked, this, [this, id] { m_model.move(id, 1); });
    if (widgets.remove)
        connect(widgets.remove, &QToolButton::clicked, this, [this, id] { m_model.remove(id); });
    return widgets;
}

void AccountsBlock::offerChoices()
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const AccountRows::Choice &choice : m_model.choices(m_provider)) {
        menu->addAction(choice.text, this, [this, choice] {
            if (choice.kind == AccountRows::Choice::Kind::pasteKey)
                pasteKey();
            else
                m_model.add(m_provider, choice);
        });
    }
    menu->popup(m_add->mapToGlobal(QPoint(0, m_add->height())));
}

void AccountsBlock::pasteKey()
{
    auto *dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    //: %1 is the provider (Claude, ChatGPT)
    dialog->setWindowTitle(tr("Add %1 Account").arg(Providers::of(m_provider).name));
    auto *form = new QFormLayout(dialog);
    auto *label = new QLineEdit(dialog);
    //: Example names for an account
    label->setPlaceholderText(tr("Work, Personal…"));
    //: The account's name
    form->addRow(tr("Label"), label);
    auto *key = new QLineEdit(dialog);
    key->setFont(monoFont());
    if (m_provider == Provider::claude)
        //: sessionKey is the cookie's own name: keep it as it is
        key->setPlaceholderText(tr("Enter sessionKey"));
    else
        //: __Secure-next-auth.session-token is the cookie's own name: keep it as it is
        key->setPlaceholderText(tr("Enter __Secure-next-auth.session-token"));
    SecretField::mask(key);
    //: The session key the account signs in with
    form->addRow(tr("Key"), key);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog);
    QPushButton *add = buttons->addButton(
        //: Adds the account with the pasted key
        tr("Add"), QDialogButtonBox::AcceptRole);
    add->setEnabled(false);
    form->addRow(buttons);
    connect(key, &QLineEdit::textChanged, add, [add](const QString &text) { add->setEnabled(!text.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(add, &QPushButton::clicked, dialog, [this, dialog, label, key] {
        m_model.add(m_provider, AccountRows::Choice{}, label->text(), key->text());
        key->clear(); // the key lives in the store from here on, not in a widget
        dialog->accept();
    });
    dialog->setMinimumWidth(380);
    dialog->open();
}
