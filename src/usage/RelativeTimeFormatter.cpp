#include "RelativeTimeFormatter.h"

#include <unicode/ureldatefmt.h>

#include <array>
#include <cstdlib>

namespace {

struct UnitSpan
{
    qint64 seconds;
    URelativeDateTimeUnit unit;
};

constexpr std::array<UnitSpan, 7> units{{
    {365 * 86400, UDAT_REL_UNIT_YEAR},
    {30 * 86400, UDAT_REL_UNIT_MONTH},
    {7 * 86400, UDAT_REL_UNIT_WEEK},
    {86400, UDAT_REL_UNIT_DAY},
    {3600, UDAT_REL_UNIT_HOUR},
    {60, UDAT_REL_UNIT_MINUTE},
    {1, UDAT_REL_UNIT_SECOND},
}};

} // namespace

void RelativeTimeFormatter::Closer::operator()(URelativeDateTimeFormatter *formatter) const
{
    ureldatefmt_close(formatter);
}

RelativeTimeFormatter::RelativeTimeFormatter(const QString &localeName)
{
    UErrorCode status = U_ZERO_ERROR;
    const QByteArray locale = localeName.toUtf8();
    URelativeDateTimeFormatter *formatter = ureldatefmt_open(locale.constData(), nullptr, UDAT_STYLE_SHORT,
                                                             UDISPCTX_CAPITALIZATION_NONE, &status);
    if (U_SUCCESS(status))
        m_formatter.reset(formatter);
    else if (formatter)
        ureldatefmt_close(formatter);
}

RelativeTimeFormatter::~RelativeTimeFormatter() = default;

QString RelativeTimeFormatter::phrase(const QDateTime &date, const QDateTime &relativeTo) const
{
    const qint64 difference = relativeTo.secsTo(date);
    UnitSpan chosen = units.back();
    for (const UnitSpan &span : units) {
        if (std::llabs(difference) >= span.seconds) {
            chosen = span;
            break;
        }
    }
    const double amount = static_cast<double>(difference / chosen.seconds);
    if (!m_formatter)
        return QString::number(amount);

    std::array<UChar, 128> buffer{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = ureldatefmt_formatNumeric(m_formatter.get(), amount, chosen.unit, buffer.data(),
                                                     static_cast<int32_t>(buffer.size()), &status);
    if (U_FAILURE(status))
        return QString::number(amount);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(buffer.data()), length);
}
