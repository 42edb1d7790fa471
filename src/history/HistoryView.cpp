#include "HistoryView.h"

#include "platform/Clock.h"
#include "usage/ProviderUsage.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace UsageHistory;

namespace {

// The accounts that get a page: the shown ones, and hidden ones whose records are kept; Claude's
// first account when there are none, so that the window is never empty.
QList<Account> pagedAccounts(const QList<Account> &accounts, const QList<HistoryEntry> &entries)
{
    QSet<AccountId> recorded;
    for (const HistoryEntry &entry : entries)
        recorded.insert(entry.account);
    QList<Account> paged;
    for (const Account &account : accounts) {
        if (account.shown || recorded.contains(account.id))
            paged.append(account);
    }
    if (paged.isEmpty())
        paged.append(Account{Account::firstId(Provider::claude), Provider::claude, Providers::of(Provider::claude).name});
    return paged;
}

// The provider's name, and the label after it when the provider has more than one page.
QString pageTitle(const Account &account, const QList<Account> &paged)
{
    const QString &name = Providers::of(account.provider).name;
    const auto sameProvider = [&account](const Account &other) { return other.provider == account.provider; };
    if (std::count_if(paged.cbegin(), paged.cend(), sameProvider) < 2 || account.label.isEmpty() || account.label == name)
        return name;
    return name + QStringLiteral(" · ") + account.label;
}

} // namespace

HistoryView::HistoryView(const HistoryStore &store, const Clock &clock, Accounts accounts, PaneMaker makePane,
                         QWidget *parent)
    : QWidget(parent)
    , m_store(store)
    , m_clock(clock)
    , m_accounts(std::move(accounts))
    , m_makePane(std::move(makePane))
{
    setFixedSize(640, 600);
    auto *layout = new QVBoxLayout(this);

    auto *bar = new QHBoxLayout;
    m_spans = new QButtonGroup(this);
    //: The span the history window shows: the last 24 hours, or the last 7 days
    for (const auto &[span, title] : {std::pair{Span::day, tr("24 Hours")}, std::pair{Span::week, tr("7 Days")}}) {
        auto *button = new QPushButton(title, this);
        button->setCheckable(true);
        button->setChecked(span == m_span);
        m_spans->addButton(button, int(span));
        bar->addWidget(button);
    }
    m_spans->setExclusive(true);
    connect(m_spans, &QButtonGroup::idClicked, this, [this](int id) { setSpan(Span(id)); });
    bar->addStretch(1);
    auto *exportButton = new QPushButton(tr("Export CSV…"), this);
    connect(exportButton, &QPushButton::clicked, this, &HistoryView::exportChosen);
    bar->addWidget(exportButton);
    layout->addLayout(bar);

    m_tabs = new QTabWidget(this);
    layout->addWidget(m_tabs, 1);
}

HistoryPane *HistoryView::pane(int index) const
{
    return static_cast<HistoryPane *>(m_tabs->widget(index)); // every page is one m_makePane made
}

void HistoryView::setSpan(Span span)
{
    m_span = span;
    if (QAbstractButton *button = m_spans->button(int(span)))
        button->setChecked(true);
    reload();
}

void HistoryView::reload()
{
    m_paged = pagedAccounts(m_accounts(), m_store.entries());
    const auto isPaged = [this](const AccountId &id) {
        return std::any_of(m_paged.cbegin(), m_paged.cend(), [&id](const Account &account) { return account.id == id; });
    };
    // Pages are kept for accounts still paged, so a redraw keeps the page the user looks at.
    for (int index = m_tabs->count() - 1; index >= 0; --index) {
        if (!isPaged(pane(index)->account()))
            delete m_tabs->widget(index);
    }
    for (qsizetype position = 0; position < m_paged.size(); ++position) {
        const Account &account = m_paged[position];
        if (position >= m_tabs->count() || pane(int(position))->account() != account.id)
            m_tabs->insertTab(int(position), m_makePane(account, m_tabs), QString());
        m_tabs->setTabText(int(position), pageTitle(account, m_paged));
    }
    // Pages left over from accounts that moved.
    while (m_tabs->count() > m_paged.size())
        delete m_tabs->widget(m_tabs->count() - 1);
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    for (int index = 0; index < m_tabs->count(); ++index)
        pane(index)->show(m_store.entries(), m_span, now);
}

std::optional<Account> HistoryView::currentAccount() const
{
    const int index = m_tabs->currentIndex();
    return index >= 0 && index < m_paged.size() ? std::optional(m_paged[index]) : std::nullopt;
}

bool HistoryView::exportTo(const QString &path) const
{
    const auto account = currentAccount();
    if (!account)
        return false;
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(csv(m_store.entries(), *account, now - spanSeconds(m_span), now));
    return file.commit();
}

void HistoryView::exportChosen()
{
    const auto account = currentAccount();
    if (!account)
        return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    // The first account's file is named by the provider alone; another's by its id after it.
    const QString who = Providers::of(account->provider).id
                        + (account->isFirst() ? QString() : QLatin1Char('-') + account->id);
    const QString suggested = folder + QStringLiteral("/quotabar-%1-%2.csv")
                                           .arg(who, m_span == Span::day ? QStringLiteral("24h") : QStringLiteral("7d"));
    const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"), suggested,
                                                      //: The save dialog's filter: keep "(*.csv)" as it is
                                                      tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportTo(path))
        QMessageBox::warning(this, tr("Export CSV"), tr("The file could not be written."));
}

void HistoryView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    reload();
}
