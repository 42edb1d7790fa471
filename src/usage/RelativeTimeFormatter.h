#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

struct URelativeDateTimeFormatter;

// Short numeric relative-time phrases ("in 2 hr.", "in 1 wk.") in a given locale, by ICU.
class RelativeTimeFormatter
{
public:
    explicit RelativeTimeFormatter(const QString &localeName);
    ~RelativeTimeFormatter();

    // The largest whole unit between the two moments, truncated toward zero.
    QString phrase(const QDateTime &date, const QDateTime &relativeTo) const;

private:
    struct Closer
    {
        void operator()(URelativeDateTimeFormatter *formatter) const;
    };
    std::unique_ptr<URelativeDateTimeFormatter, Closer> m_formatter;
};
