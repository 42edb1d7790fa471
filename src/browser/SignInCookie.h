#pragma once

#include "app/Providers.h"
#include "browser/BrowserCookie.h"

// Which cookie signs a provider in, and what to tell when no browser offers one: the words the
// import, the command line and Preferences share (QtCore only).
namespace SignInCookie {

QString site(Provider provider);       // "claude.ai", "chatgpt.com"
QString cookieName(Provider provider); // "sessionKey", "__Secure-next-auth.session-token"
QStringList hosts(Provider provider);  // the cookie's hosts, with and without the leading dot
// Whether the cookie may be split into name.0, name.1, … (a long token).
bool maySplit(Provider provider);

// Why a scan offers nothing to import (no browser, no cookie, only expired ones, unreadable).
CookieFailure nothingToImport(const CookieScan &scan, Provider provider);
// "The claude.ai sign-in in Firefox (default) expired on …": shared by the scan and the import.
CookieFailure expired(Provider provider, const BrowserProfile &profile, const QDateTime &expiry);
// The date and time a message names.
QString timeText(const QDateTime &when);

} // namespace SignInCookie
