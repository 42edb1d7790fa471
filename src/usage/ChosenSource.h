#pragma once

#include "usage/UsageSource.h"

// One provider's usage from whichever of its two sources the user chose: a pasted session key
// or a command-line tool's sign-in. Both report through this one's callbacks.
template<typename Record>
class ChosenSource final : public UsageSource<Record>
{
public:
    ChosenSource(UsageSource<Record> &sessionKey, UsageSource<Record> &signIn, std::function<bool()> usesSignIn)
        : m_sessionKey(sessionKey)
        , m_signIn(signIn)
        , m_usesSignIn(std::move(usesSignIn))
    {
        for (UsageSource<Record> *source : {&m_sessionKey, &m_signIn}) {
            source->onUsageData = [this](const Record &record) {
                if (this->onUsageData)
                    this->onUsageData(record);
            };
            source->onNeedsLogin = [this] {
                if (this->onNeedsLogin)
                    this->onNeedsLogin();
            };
        }
    }

    void fetchUsage() override { chosen().fetchUsage(); }
    std::optional<QDateTime> nextTryAt() const override { return chosen().nextTryAt(); }
    Awaiting awaiting() const override { return chosen().awaiting(); }

private:
    UsageSource<Record> &chosen() const { return m_usesSignIn() ? m_signIn : m_sessionKey; }

    UsageSource<Record> &m_sessionKey;
    UsageSource<Record> &m_signIn;
    std::function<bool()> m_usesSignIn;
};
