#pragma once

#include "browser/BrowserCookieReader.h"
#include "browser/BrowserProfiles.h"

#include <QCoreApplication>

// The providers' sign-in cookies in the user's own browsers: which profiles hold one (without its
// value), and the value itself when the user asks for it. Every call looks anew, reading private
// copies of the databases; nothing is kept open or remembered between calls.
class BrowserCookies final : public BrowserCookieReader
{
    Q_DECLARE_TR_FUNCTIONS(BrowserCookies)

public:
    // `keyring` is asked only while decrypting a "v11" Chromium value; null: there is none.
    // `scratch` holds the private copies (empty: CookieScratch::defaultBase()).
    BrowserCookies(BrowserProfiles::Home home, BrowserKeyring *keyring, const Clock &clock, QString scratch = {});

    // Every profile holding the provider's sign-in, expired ones included, and the databases that
    // could not be read.
    CookieScan scan(Provider provider) const override;
    // The value of the provider's sign-in in that profile.
    CookieImport import(Provider provider, const BrowserProfile &profile) const override;
    // The command line's `--from-browser NAME[:PROFILE]`: NAME is one of BrowserProfiles::browserIds(),
    // with "-flatpak" or "-snap" for that install (BrowserProfile::install()); a plain NAME is the
    // install that is not sandboxed, or any when there is none. PROFILE is a profile's folder or
    // name; without it, the profile whose sign-in lasts longest.
    CookieImport import(Provider provider, const QString &browserArgument) const override;

private:
    struct Examined;
    Examined examine(Provider provider, const BrowserProfile &profile) const;
    CookieImport decode(const Examined &examined) const;

    BrowserProfiles::Home m_home;
    BrowserKeyring *m_keyring;
    const Clock &m_clock;
    QString m_scratch;
};
