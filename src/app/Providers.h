#pragma once

#include "app/DefaultsKeys.h"

#include <QString>

#include <array>
#include <optional>

enum class Provider { claude, openAI };

// Who a provider is wherever the application names, stores, reports or draws it.
struct ProviderIdentity
{
    Provider provider;
    QString id;        // in names, files and icons: "claude", "openai"
    QString name;      // shown to people: "Claude", "ChatGPT"
    QString maker;     // "Anthropic", "OpenAI": their names sort the providers in their order
    QString reportKey; // its member in the status document: "claude", "chatgpt"
    struct Colour
    {
        double red, green, blue; // sRGB, 0 to 1

        quint32 rgb() const // 0xRRGGBB
        {
            const auto byte = [](double component) { return quint32(component * 255 + 0.5); };
            return byte(red) << 16 | byte(green) << 8 | byte(blue);
        }
    } brandColour;
    // The keys of its settings in the defaults store.
    QString showKey;
    QString credentialKey;
    QString expiredKey;
};

namespace Providers {

// In the order the panel, the menu and the status document list them.
inline const std::array<ProviderIdentity, 2> all{{
    {Provider::claude, QStringLiteral("claude"), QStringLiteral("Claude"), QStringLiteral("Anthropic"), QStringLiteral("claude"),
     {0.82, 0.43, 0.27}, DefaultsKeys::showClaude, DefaultsKeys::sessionKey, DefaultsKeys::claudeSessionExpired},
    {Provider::openAI, QStringLiteral("openai"), QStringLiteral("ChatGPT"), QStringLiteral("OpenAI"), QStringLiteral("chatgpt"),
     {0.06, 0.64, 0.5}, DefaultsKeys::showOpenAI, DefaultsKeys::openAISessionKey, DefaultsKeys::openAISessionExpired},
}};

inline const ProviderIdentity &of(Provider provider)
{
    return all[static_cast<std::size_t>(provider)];
}

inline std::optional<Provider> fromId(const QString &id)
{
    for (const ProviderIdentity &identity : all) {
        if (identity.id == id)
            return identity.provider;
    }
    return std::nullopt;
}

}
