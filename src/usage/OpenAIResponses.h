#pragma once

#include "usage/ResetLabel.h"
#include "usage/UsageData.h"

// Readers of the ChatGPT session and usage bodies.
namespace OpenAIResponses {

// The failures these readers report, in the user's language.
QString sessionInvalidMessage();
QString unexpectedUsageMessage();

// The `accessToken` text of a session body, or absent.
std::optional<QString> accessToken(const QByteArray &sessionBody);

// Where a sign-in's accounts are listed, with its access token.
inline const QString accountsPath = QStringLiteral("/backend-api/accounts/check/v4-2023-04-27");

// A workspace a sign-in reaches beside its personal account, as the accounts check lists it.
struct Workspace
{
    QString accountId;
    QString name;
};
// The workspaces of an accounts-check body, in the service's order; personal accounts are not listed.
QList<Workspace> workspaces(const QByteArray &accountsBody);

// The usage record for a body: a success record, or the "unexpected format" error record.
// A window that states its length is placed by it: up to a day is the session window, six to eight
// days the weekly one, any other length a window of its own.
OpenAIUsageData usageRecord(const QByteArray &usageBody, const QDateTime &now, const ResetLabelMaker &label);

}
