#include "DisplayFormat.h"

#include <QCoreApplication>

namespace DisplayFormats {

QString rawValue(DisplayFormat format)
{
    switch (format) {
    case DisplayFormat::both:
        return QStringLiteral("Session & Weekly");
    case DisplayFormat::sessionOnly:
        return QStringLiteral("Session Only");
    case DisplayFormat::weeklyOnly:
        return QStringLiteral("Weekly Only");
    case DisplayFormat::sessionAndTimer:
        return QStringLiteral("Session & Timer");
    case DisplayFormat::weeklyAndTimer:
        return QStringLiteral("Weekly & Timer");
    }
    return {};
}

QString label(DisplayFormat format)
{
    switch (format) {
    case DisplayFormat::both:
        //: A choice of what the panel shows: the session and weekly figures
        return QCoreApplication::translate("DisplayFormats", "Session & Weekly");
    case DisplayFormat::sessionOnly:
        //: A choice of what the panel shows: the session figure alone
        return QCoreApplication::translate("DisplayFormats", "Session Only");
    case DisplayFormat::weeklyOnly:
        //: A choice of what the panel shows: the weekly figure alone
        return QCoreApplication::translate("DisplayFormats", "Weekly Only");
    case DisplayFormat::sessionAndTimer:
        //: A choice of what the panel shows: the session figure and the time to its reset
        return QCoreApplication::translate("DisplayFormats", "Session & Timer");
    case DisplayFormat::weeklyAndTimer:
        //: A choice of what the panel shows: the weekly figure and the time to its reset
        return QCoreApplication::translate("DisplayFormats", "Weekly & Timer");
    }
    return {};
}

std::optional<DisplayFormat> fromRawValue(const QString &value)
{
    for (const DisplayFormat format : allCases) {
        if (rawValue(format) == value)
            return format;
    }
    return std::nullopt;
}

}
