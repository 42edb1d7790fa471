#include "LimitWindows.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace LimitWindows {

LimitWindow::Kind kindForLength(qint64 seconds)
{
    if (seconds <= daySeconds)
        return LimitWindow::Kind::session;
    if (seconds >= 6 * daySeconds && seconds <= 8 * daySeconds)
        return LimitWindow::Kind::weekly;
    return LimitWindow::Kind::otherLength;
}

void limitExtraRows(QList<LimitWindow> &windows)
{
    int extras = 0;
    windows.removeIf([&extras](const LimitWindow &w) {
        return w.kind != LimitWindow::Kind::session && w.kind != LimitWindow::Kind::weekly && ++extras > maxExtraRows;
    });
}

QString lengthLabel(qint64 seconds)
{
    const qint64 days = std::llround(static_cast<double>(seconds) / daySeconds);
    // Services state whole days with a little slack; anything else is counted in hours.
    if (days >= 1 && std::llabs(seconds - days * daySeconds) < 3600) {
        //: A limit window's length as its name ("30-day"), also in rows such as "Code review 30-day"
        return QCoreApplication::translate("LimitWindows", "%1-day").arg(days);
    }
    //: A limit window's length as its name ("12-hour")
    return QCoreApplication::translate("LimitWindows", "%1-hour").arg(std::llround(static_cast<double>(seconds) / 3600));
}

QString planName(const QString &serviceName)
{
    static const QRegularExpression gaps(QStringLiteral("[_\\s]+"));
    QStringList words = serviceName.split(gaps, Qt::SkipEmptyParts);
    for (QString &word : words)
        word[0] = word[0].toUpper();
    return words.join(QLatin1Char(' '));
}

}
