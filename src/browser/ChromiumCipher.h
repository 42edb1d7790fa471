#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Chromium's cookie encryption on Linux: "v10" values use a fixed password, "v11" values the
// password the browser keeps in the desktop keyring; both are AES-128-CBC under a PBKDF2 key.
namespace ChromiumCipher {

// The password of "v10" values.
inline const QByteArray fixedPassword = QByteArrayLiteral("peanuts");

// The AES key Chromium derives from a password.
QByteArray key(const QByteArray &password);

// The plain value of one encrypted cookie (its "v1x" prefix included), or nothing when this key
// does not decrypt it to a valid cookie value: newer versions put the SHA-256 of the cookie's host
// before the value, which is taken off here.
std::optional<QByteArray> decrypt(const QByteArray &encrypted, const QByteArray &key, const QString &host);

// Whether the bytes can be a cookie's value (RFC 6265 cookie-octets), as decrypting with a wrong
// key practically never gives.
bool isCookieValue(const QByteArray &value);

} // namespace ChromiumCipher
