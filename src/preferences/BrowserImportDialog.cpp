#include "BrowserImportDialog.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

BrowserImportDialog::BrowserImportDialog(BrowserImport import, QWidget *parent)
    : QDialog(parent)
    , m_model(std::move(import))
{
    setWindowTitle(m_model.title());
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Quotabar reads a copy of the browser's cookies once, now, and keeps only "
                                "the sign-in you choose."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_list = new QListWidget(this);
    for (const BrowserImport::Row &row : m_model.rows()) {
        auto *item = new QListWidgetItem(row.text, m_list);
        if (!row.enabled)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
    m_list->setVisible(m_list->count() > 0);
    // As tall as its rows, three at least.
    if (m_list->count() > 0)
        m_list->setFixedHeight(m_list->sizeHintForRow(0) * std::max(3, m_list->count()) + 2 * m_list->frameWidth() + 4);
    layout->addWidget(m_list);
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_message);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    //: Imports the sign-in of the chosen browser profile
    m_import = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_import, &QPushButton::clicked, this, &BrowserImportDialog::importChosen);
    connect(m_list, &QListWidget::itemActivated, this, &BrowserImportDialog::importChosen);
    connect(m_list, &QListWidget::currentRowChanged, this, &BrowserImportDialog::sync);
    // The one usable sign-in is chosen already.
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->flags() & Qt::ItemIsEnabled) {
            m_list->setCurrentRow(row);
            break;
        }
    }
    setMinimumWidth(420);
    sync();
}

void BrowserImportDialog::importChosen()
{
    const int row = m_list->currentRow();
    if (row < 0 || m_importing)
        return;
    // A second click while the keyring asks would start a second import inside the first.
    m_importing = true;
    m_import->setEnabled(false);
    m_message->hide(); // the last choice's failure is not this one's
    const bool imported = m_model.choose(static_cast<std::size_t>(row));
    m_importing = false;
    if (imported)
        accept();
    else
        sync();
}

void BrowserImportDialog::reject()
{
    if (!m_importing)
        QDialog::reject();
}

void BrowserImportDialog::sync()
{
    m_message->setText(m_model.message());
    m_message->setVisible(!m_model.message().isEmpty());
    // A message that comes after the dialog is shown gets room of its own instead of being
    // squeezed over the list.
    if (isVisible()) {
        layout()->invalidate();
        resize(width(), std::max(height(), heightForWidth(width())));
    }
    const int row = m_list->currentRow();
    m_import->setEnabled(row >= 0 && m_model.rows()[static_cast<std::size_t>(row)].enabled);
}
