#pragma once

#include "usage/ResetLabel.h"
#include "usage/UsageData.h"

#include <QByteArray>

// Readers of the Claude account and usage bodies.
namespace ClaudeResponses {

inline const QString orgNotFoundMessage = QStringLiteral("Could not find org UUID in /api/account");
inline const QString unexpectedUsageMessage = QStringLiteral("Unexpected usage response format");

// The first membership's organisation uuid, or absent.
std::optional<QString> organisationID(const QByteArray &accountBody);
// Every organisation of the sign-in, in the order the service lists them.
struct Organisation
{
    QString uuid;
    QString name;
};
QList<Organisation> organisations(const QByteArray &accountBody);

// The usage record for a body: a success record, or the "unexpected format" error record.
UsageData usageRecord(const QByteArray &usageBody, const QDateTime &now, const ResetLabelMaker &label);

}
