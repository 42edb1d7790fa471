#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

// Why one request of a fetcher failed: a message for the user, or a refused credential.
struct FetchError
{
    enum class Kind { parse, unauthorized };

    Kind kind = Kind::parse;
    QString message; // for parse: what the user is shown
    int status = 0;  // the HTTP status that failed, when one did
    QByteArray retryAfter; // the service's Retry-After field, as sent (empty when none)

    static FetchError parse(const QString &message) { return {Kind::parse, message, 0, {}}; }
    static FetchError unauthorized(int status) { return {Kind::unauthorized, QString(), status, {}}; }
    bool isUnauthorized() const { return kind == Kind::unauthorized; }
    bool isRateLimited() const { return status == 429; }
};

// A response body, or why there is none.
using FetchResult = std::variant<QByteArray, FetchError>;
