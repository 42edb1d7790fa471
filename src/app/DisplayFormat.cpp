#include "DisplayFormat.h"

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

std::optional<DisplayFormat> fromRawValue(const QString &value)
{
    for (const DisplayFormat format : allCases) {
        if (rawValue(format) == value)
            return format;
    }
    return std::nullopt;
}

}
