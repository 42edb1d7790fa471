#include "HistoryChartPane.h"

#include "platform/qt/SemanticColors.h"
#include "usage/Figures.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

using namespace UsageHistory;

namespace {

QColor windowColour(Window window, const QPalette &palette)
{
    return window == Window::session ? SemanticColors::accent(palette) : SemanticColors::systemOrange(palette);
}

// What a series draws, kept on it so that colours can be given again when the palette changes.
const char *const windowProperty = "quotabarWindow";
const char *const paceProperty = "quotabarPace";

QPointF chartPoint(qint64 at, double left)
{
    return {double(at) * 1000, left};
}

QString pointText(const QString &name, const Point &point, bool withValue)
{
    const QString time = QLocale().toString(QDateTime::fromSecsSinceEpoch(point.at), QStringLiteral("ddd d MMM HH:mm"));
    if (!withValue)
        return name + QLatin1Char('\n') + time;
    //: A chart point's tooltip: %1 the line ("Session"), %2 the percentage left, %3 the record's day and time
    return QCoreApplication::translate("HistoryChartPane", "%1: %2 left\n%3")
        .arg(name, Figures::pct(100 - point.left), time);
}

} // namespace

HistoryChartPane::HistoryChartPane(const Account &account, QWidget *parent)
    : HistoryPane(account, parent)
    , m_chart(new QChart)
{
    auto *layout = new QVBoxLayout(this);
    m_chart->setMargins(QMargins(4, 4, 4, 4));
    m_chart->setBackgroundRoundness(0);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    // Six entries share the width of the window: a point smaller keeps them whole.
    QFont legendFont = m_chart->legend()->font();
    legendFont.setPointSizeF(legendFont.pointSizeF() - 1);
    m_chart->legend()->setFont(legendFont);
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumHeight(300);
    //: What a screen reader calls the chart; %1 is the provider (Claude, ChatGPT)
    m_view->setAccessibleName(tr("%1 usage chart").arg(Providers::of(account.provider).name));
    layout->addWidget(m_view, 1);

    m_standing = new QLabel(this);
    m_standing->setTextFormat(Qt::PlainText);
    m_standing->setWordWrap(true);
    layout->addWidget(m_standing);

    //: The heading of the list of times a limit was used up
    auto *hitsTitle = new QLabel(tr("Limits reached"), this);
    QFont bold = hitsTitle->font();
    bold.setBold(true);
    hitsTitle->setFont(bold);
    layout->addWidget(hitsTitle);
    m_hits = new QListWidget(this);
    m_hits->setAccessibleName(tr("Limits reached"));
    m_hits->setMaximumHeight(96);
    m_hits->setSelectionMode(QAbstractItemView::NoSelection);
    m_hits->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(m_hits);
    applyPalette();
}

void HistoryChartPane::show(const QList<HistoryEntry> &entries, Span span, qint64 now)
{
    m_chart->removeAllSeries();
    for (QAbstractAxis *axis : m_chart->axes())
        m_chart->removeAxis(axis), delete axis;

    auto *time = new QDateTimeAxis(m_chart);
    time->setRange(QDateTime::fromSecsSinceEpoch(now - spanSeconds(span)), QDateTime::fromSecsSinceEpoch(now));
    time->setFormat(span == Span::day ? QStringLiteral("HH:mm") : QStringLiteral("ddd d"));
    time->setTickCount(span == Span::day ? 7 : 8);
    m_chart->addAxis(time, Qt::AlignBottom);
    auto *left = new QValueAxis(m_chart);
    left->setRange(0, 100);
    left->setTickCount(5);
    left->setLabelFormat(QStringLiteral("%d%%"));
    m_chart->addAxis(left, Qt::AlignLeft);

    QStringList standings;
    QStringList summaries;
    m_hits->clear();
    QList<std::pair<qint64, QString>> hits;
    for (const Window window : allWindows) {
        const QList<Point> points = samples(entries, account(), window);
        addWindow(window, points, span, now);
        summaries << summary(points, window, span, now);
        if (const auto stands = standing(points, window, now))
            //: %1 is the limit ("Session", "Weekly"), %2 how it stands against the even pace
            standings << tr("%1: %2").arg(windowLabel(window), standingText(*stands));
        for (const LimitHit &hit : limitHits(points, window, now)) {
            const bool shown = hit.reachedAt >= now - spanSeconds(span) || !hit.over
                               || (hit.availableAt && *hit.availableAt >= now - spanSeconds(span));
            if (shown)
                hits.append({hit.reachedAt, hitText(hit, QTimeZone::systemTimeZone())});
        }
    }
    for (QAbstractSeries *series : m_chart->series())
        series->attachAxis(time), series->attachAxis(left);

    std::sort(hits.begin(), hits.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    for (const auto &[at, text] : hits)
        m_hits->addItem(text);
    if (hits.isEmpty())
        m_hits->addItem(span == Span::day ? tr("No limit reached in the last 24 hours.")
                                          : tr("No limit reached in the last 7 days."));
    //: Shown in place of the pace when no limit has a period running
    m_standing->setText(standings.isEmpty() ? tr("No current period to pace.")
                                            : standings.join(QLatin1Char('\n')));
    m_view->setAccessibleDescription(summaries.join(QLatin1Char(' ')));
    m_view->setToolTip(QString());
    applyPalette();
}

void HistoryChartPane::addWindow(Window window, const QList<Point> &samples, Span span, qint64 now)
{
    const QString title = windowLabel(window);
    const QList<Point> shown = bucketed(samples, span, now);
    auto *line = new QLineSeries(m_chart);
    follow(line, shown, title, true);
    line->setName(title);
    line->setProperty(windowProperty, int(window));
    for (const Point &point : shown)
        line->append(chartPoint(point.at, point.left));
    m_chart->addSeries(line);

    // The even pace of the current period, drawn up to now.
    if (const auto pace = paceLine(samples, window, now)) {
        const qint64 from = std::max(pace->startAt, now - spanSeconds(span));
        auto *even = new QLineSeries(m_chart);
        //: The chart's legend: the even pace line of a limit; %1 is "Session" or "Weekly"
        even->setName(tr("%1 pace").arg(title));
        even->setProperty(windowProperty, int(window));
        even->setProperty(paceProperty, true);
        even->append(chartPoint(from, pace->leftAt(from)));
        even->append(chartPoint(now, pace->leftAt(now)));
        m_chart->addSeries(even);
    }

    const QList<qint64> instants = resets(samples, now - spanSeconds(span), now);
    if (!instants.isEmpty()) {
        auto *marks = new QScatterSeries(m_chart);
        //: The chart's legend: the marks where a limit reset; %1 is "Session" or "Weekly"
        marks->setName(tr("%1 resets").arg(title));
        marks->setProperty(windowProperty, int(window));
        marks->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
        marks->setMarkerSize(11);
        QList<Point> points;
        for (const qint64 at : instants) {
            marks->append(chartPoint(at, 100));
            points.append({at, 100, std::nullopt});
        }
        //: A reset mark's tooltip, over its day and time; %1 is "Session" or "Weekly"
        follow(marks, points, tr("%1 reset").arg(title), false);
        m_chart->addSeries(marks);
    }
}

void HistoryChartPane::follow(QXYSeries *series, const QList<Point> &points, const QString &name, bool withValue)
{
    // Hovering tells the nearest record's exact value and time.
    connect(series, &QXYSeries::hovered, this, [this, points, name, withValue](const QPointF &at, bool entered) {
        if (!entered || points.isEmpty()) {
            QToolTip::hideText();
            return;
        }
        const auto nearest = std::min_element(points.cbegin(), points.cend(), [&at](const Point &a, const Point &b) {
            return std::abs(double(a.at) * 1000 - at.x()) < std::abs(double(b.at) * 1000 - at.x());
        });
        QToolTip::showText(QCursor::pos(), pointText(name, *nearest, withValue), m_view);
    });
}

void HistoryChartPane::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
}

void HistoryChartPane::applyPalette()
{
    const QPalette &colours = palette();
    const QColor text = SemanticColors::label(colours);
    const QColor secondary = SemanticColors::secondaryLabel(colours);
    m_chart->setBackgroundBrush(SemanticColors::windowBackground(colours));
    m_chart->setPlotAreaBackgroundVisible(false);
    m_chart->legend()->setLabelColor(text);
    for (QAbstractAxis *axis : m_chart->axes()) {
        axis->setLabelsColor(secondary);
        axis->setLinePenColor(SemanticColors::withOpacity(secondary, 0.6));
        axis->setGridLineColor(SemanticColors::withOpacity(secondary, 0.25));
    }
    for (QAbstractSeries *series : m_chart->series()) {
        const QColor colour = windowColour(Window(series->property(windowProperty).toInt()), colours);
        if (auto *marks = qobject_cast<QScatterSeries *>(series)) {
            marks->setColor(colour);
            marks->setBorderColor(colour);
        } else if (auto *line = qobject_cast<QLineSeries *>(series)) {
            const bool even = series->property(paceProperty).toBool();
            QPen pen(even ? SemanticColors::withOpacity(colour, 0.7) : colour, even ? 1.5 : 2.25);
            pen.setStyle(even ? Qt::DashLine : Qt::SolidLine);
            line->setPen(pen);
        }
    }
}
