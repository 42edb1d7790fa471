#pragma once

#include "credentials/SignInFile.h"
#include "usage/FetcherBase.h"
#include "usage/LimitWindows.h"

#include <QCoreApplication>
#include <QPointer>

// Usage through a command-line tool's own sign-in: reads its file afresh for every cycle (so a
// token the tool has renewed is used at once), never writes it and never renews a token itself.
// An expired or refused token asks for a login; an expired one is never sent.
template<typename Record>
class SignInUsageFetcher final : public FetcherBase<Record>
{
    Q_DECLARE_TR_FUNCTIONS(SignInUsageFetcher)
public:
    struct Tool
    {
        QString filePath;
        std::function<std::optional<SignIn>(const QByteArray &)> read;
        QString usagePath;
        std::function<QList<HeaderField>(const SignIn &)> extraHeaders; // after the Authorization
        std::function<Record(const QByteArray &, const QDateTime &, const ResetLabelMaker &)> record;
        // Asked once per access token after its first figures, with the same Authorization: the
        // other accounts the sign-in reaches. Its answer is handed on; its failure goes unheard.
        QString accountsPath;
        std::function<void(const QByteArray &)> onAccounts;
    };

    SignInUsageFetcher(const QString &base, Tool tool, const FetcherServices &services, QObject *parent = nullptr)
        : FetcherBase<Record>(base, QString(), services, parent)
        , m_tool(std::move(tool))
    {
    }

    const QString &filePath() const { return m_tool.filePath; }

private:
    std::optional<SignIn> signIn() const
    {
        const std::optional<QByteArray> contents = SignInFile::contents(m_tool.filePath);
        return contents ? m_tool.read(*contents) : std::nullopt;
    }

    // A token the tool renewed while a cycle ran starts a cycle of its own.
    QString credentialInUse() const override
    {
        const std::optional<SignIn> current = signIn();
        return current ? current->accessToken : QString();
    }

    void startCycle() override
    {
        const std::optional<SignIn> signIn = this->signIn();
        if (!signIn || (signIn->expiresAt && *signIn->expiresAt <= this->m_services.clock.now())) {
            this->deliverNeedsLogin();
            return;
        }
        QList<HeaderField> headers{{QByteArrayLiteral("Authorization"), "Bearer " + signIn->accessToken.toUtf8()}};
        headers += m_tool.extraHeaders(*signIn);
        const bool safe = std::all_of(headers.cbegin(), headers.cend(), [](const HeaderField &field) {
            return HTTPClient::isSafeHeaderValue(QString::fromUtf8(field.second));
        });
        if (!safe) {
            this->deliverError(tr("Sign-in file holds invalid characters"));
            return;
        }
        this->m_services.http.fetchWithBearer(
            QUrl(this->base + m_tool.usagePath), headers,
            this->whileCurrent([this, plan = signIn->plan, headers](const FetchResult &result) {
                if (const auto *error = std::get_if<FetchError>(&result)) {
                    this->deliverFailure(*error);
                    return;
                }
                Record record = m_tool.record(std::get<QByteArray>(result), this->m_services.clock.now(),
                                              this->resetLabelMaker());
                // The sign-in names the plan when the usage reply does not.
                if (!record.error && !record.plan && plan)
                    record.plan = LimitWindows::planName(*plan);
                this->deliver(record);
                lookUpAccounts(headers.first());
            }));
    }

    void lookUpAccounts(const HeaderField &authorization)
    {
        if (!m_tool.onAccounts || authorization.second == m_accountsLookedUpWith)
            return;
        m_accountsLookedUpWith = authorization.second;
        this->m_services.http.fetchWithBearer(QUrl(this->base + m_tool.accountsPath), {authorization},
                                              [self = QPointer(this)](const FetchResult &result) {
                                                  if (const auto *body = std::get_if<QByteArray>(&result); body && self)
                                                      self->m_tool.onAccounts(*body);
                                              });
    }

    Tool m_tool;
    QByteArray m_accountsLookedUpWith; // the Authorization of the last lookup
};
