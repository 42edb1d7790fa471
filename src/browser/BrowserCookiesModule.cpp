// The browser plugin's root object: the panel program loads this module at the first import, and
// with it Qt SQL and libcrypto's ciphers.
#include "browser/BrowserCookieReader.h"
#include "browser/BrowserCookies.h"

#include <QObject>

class BrowserCookiesModule final : public QObject, public BrowserCookiesMaker
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BrowserCookiesMaker_iid)
    Q_INTERFACES(BrowserCookiesMaker)
public:
    std::unique_ptr<BrowserCookieReader> makeReader(BrowserKeyring *keyring, const Clock &clock) const override
    {
        return std::make_unique<BrowserCookies>(BrowserProfiles::Home::fromEnvironment(), keyring, clock);
    }
};

#include "BrowserCookiesModule.moc"
