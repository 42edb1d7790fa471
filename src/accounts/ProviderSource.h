#pragma once

#include "usage/ProviderUsage.h"
#include "usage/UsageSource.h"

#include <memory>

// One provider's typed usage source seen as records of either provider, kept or borrowed.
template<typename Record>
class ProviderSource final : public UsageSource<ProviderUsage>
{
public:
    explicit ProviderSource(UsageSource<Record> &source)
        : m_source(source)
    {
        forward();
    }
    explicit ProviderSource(std::unique_ptr<UsageSource<Record>> owned)
        : m_owned(std::move(owned))
        , m_source(*m_owned)
    {
        forward();
    }

    ~ProviderSource() override
    {
        if (!m_owned) { // a borrowed source outlives this one: it must not call into it
            m_source.onUsageData = nullptr;
            m_source.onNeedsLogin = nullptr;
        }
    }
    ProviderSource(const ProviderSource &) = delete;
    ProviderSource &operator=(const ProviderSource &) = delete;

    void fetchUsage() override { m_source.fetchUsage(); }
    std::optional<QDateTime> nextTryAt() const override { return m_source.nextTryAt(); }
    Awaiting awaiting() const override { return m_source.awaiting(); }

private:
    void forward()
    {
        m_source.onUsageData = [this](const Record &record) {
            if (onUsageData)
                onUsageData(ProviderUsage::from(record));
        };
        m_source.onNeedsLogin = [this] {
            if (onNeedsLogin)
                onNeedsLogin();
        };
    }

    std::unique_ptr<UsageSource<Record>> m_owned;
    UsageSource<Record> &m_source;
};
