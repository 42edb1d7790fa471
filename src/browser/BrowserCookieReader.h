#pragma once

#include "app/Providers.h"
#include "browser/BrowserCookie.h"

#include <QtPlugin>

#include <memory>

class BrowserKeyring;
class Clock;

// A look into the browsers' cookie stores for one provider's sign-in: the profiles holding it, and
// the value from the one the user chose.
class BrowserCookieReader
{
public:
    virtual ~BrowserCookieReader() = default;
    virtual CookieScan scan(Provider provider) const = 0;
    virtual CookieImport import(Provider provider, const BrowserProfile &profile) const = 0;
    // The command line's `--from-browser NAME[:PROFILE]` (BrowserCookies says how it is read).
    virtual CookieImport import(Provider provider, const QString &browserArgument) const = 0;
};

// What the browser plugin's root object offers: a reader of the user's own browsers (found from
// the environment), asking `keyring` for Chromium's password; both collaborators outlive it.
class BrowserCookiesMaker
{
public:
    virtual ~BrowserCookiesMaker() = default;
    virtual std::unique_ptr<BrowserCookieReader> makeReader(BrowserKeyring *keyring, const Clock &clock) const = 0;
};

#define BrowserCookiesMaker_iid "app.quotabar.BrowserCookiesMaker/1"
Q_DECLARE_INTERFACE(BrowserCookiesMaker, BrowserCookiesMaker_iid)
