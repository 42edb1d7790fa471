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
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace UsageHistory;

HistoryView::HistoryView(const HistoryStore &store, const Clock &clock, ShownProviders shownProviders,
                         PaneMaker makePane, QWidget *parent)
    : QWidget(parent)
    , m_store(store)
    , m_clock(clock)
    , m_shownProviders(std::move(shownProviders))
    , m_makePane(std::move(makePane))
{
    setFixedSize(640, 600);
    auto *layout = new QVBoxLayout(this);

    auto *bar = new QHBoxLayout;
    m_spans = new QButtonGroup(this);
    for (const auto &[span, title] : {std::pair{Span::day, QStringLiteral("24 Hours")},
                                      std::pair{Span::week, QStringLiteral("7 Days")}}) {
        auto *button = new QPushButton(title, this);
        button->setCheckable(true);
        button->setChecked(span == m_span);
        m_spans->addButton(button, int(span));
        bar->addWidget(button);
    }
    m_spans->setExclusive(true);
    connect(m_spans, &QButtonGroup::idClicked, this, [this](int id) { setSpan(Span(id)); });
    bar->addStretch(1);
    auto *exportButton = new QPushButton(QStringLiteral("Export CSV…"), this);
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
    QList<Provider> providers = m_shownProviders();
    if (providers.isEmpty())
        providers = {Provider::claude};
    // Pages are kept for providers still shown, so a redraw keeps the page the user looks at.
    for (int index = m_tabs->count() - 1; index >= 0; --index) {
        if (!providers.contains(pane(index)->provider()))
            delete m_tabs->widget(index);
    }
    for (qsizetype position = 0; position < providers.size(); ++position) {
        const Provider provider = providers[position];
        if (position >= m_tabs->count() || pane(int(position))->provider() != provider)
            m_tabs->insertTab(int(position), m_makePane(provider, m_tabs), Providers::of(provider).name);
    }
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    for (int index = 0; index < m_tabs->count(); ++index)
        pane(index)->show(m_store.entries(), m_span, now);
}

bool HistoryView::exportTo(const QString &path) const
{
    const HistoryPane *current = pane(m_tabs->currentIndex());
    if (!current)
        return false;
    const qint64 now = m_clock.now().toSecsSinceEpoch();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(csv(m_store.entries(), current->provider(), now - spanSeconds(m_span), now));
    return file.commit();
}

void HistoryView::exportChosen()
{
    const HistoryPane *current = pane(m_tabs->currentIndex());
    if (!current)
        return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString suggested = folder + QStringLiteral("/quotabar-%1-%2.csv")
                                           .arg(Providers::of(current->provider()).id,
                                                m_span == Span::day ? QStringLiteral("24h") : QStringLiteral("7d"));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export CSV"), suggested,
                                                      QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportTo(path))
        QMessageBox::warning(this, QStringLiteral("Export CSV"), QStringLiteral("The file could not be written."));
}

void HistoryView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    reload();
}
