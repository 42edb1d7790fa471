#pragma once

#include "browser/BrowserCookieReader.h"

#include <QString>

// The browsers' cookie stores through the browser plugin in a folder, loaded at the first call; when
// it cannot be loaded, every call says why instead.
class BrowserCookiesPlugin final : public BrowserCookieReader
{
public:
    static inline const QString fileName = QStringLiteral("quotabar-browser-cookies.so");

    BrowserCookiesPlugin(QString folder, BrowserKeyring *keyring, const Clock &clock);
    ~BrowserCookiesPlugin() override;

    CookieScan scan(Provider provider) const override;
    CookieImport import(Provider provider, const BrowserProfile &profile) const override;
    CookieImport import(Provider provider, const QString &browserArgument) const override;

private:
    const BrowserCookieReader *reader() const;
    CookieFailure failure() const;

    QString m_folder;
    BrowserKeyring *m_keyring;
    const Clock &m_clock;
    mutable std::unique_ptr<BrowserCookieReader> m_reader;
    mutable QString m_error; // why the plugin could not be loaded
};
