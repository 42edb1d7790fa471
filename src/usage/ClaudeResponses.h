#pragma once

#include "usage/ResetLabel.h"
#include "usage/UsageData.h"

#include <QByteArray>

// Readers of the Claude account and usage bodies.
namespace ClaudeResponses {

// The failures these readers report, in the user's language.
QString orgNotFoundMessage();
QString unexpectedUsageMessage();

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
