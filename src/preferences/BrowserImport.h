#pragma once

#include "app/Providers.h"
#include "browser/BrowserCookie.h"

#include <QCoreApplication>

#include <functional>

class Clock;
class CredentialTest;

// The "Import from Browser…" dialog without its widgets: the browser profiles signed in to one
// provider, looked up once when the dialog opens, and the import of the chosen one, stored and
// tested as a pasted key is.
class BrowserImport
{
    Q_DECLARE_TR_FUNCTIONS(BrowserImport)

public:
    using Scan = std::function<CookieScan(Provider)>;
    using Import = std::function<CookieImport(Provider, const BrowserProfile &)>;

    struct Row
    {
        QString text; // "Firefox (default-release) · expires 2027-01-05 14:00"
        bool enabled; // an expired sign-in is shown, not offered
    };

    BrowserImport(Provider provider, const Scan &scan, Import import, CredentialTest &test);

    QString title() const;
    const std::vector<Row> &rows() const { return m_rows; }
    // Why nothing can be imported, or why the last choice failed; empty otherwise.
    const QString &message() const { return m_message; }
    // Imports the row's sign-in; true once the key is stored and its test has started.
    bool choose(std::size_t row);

private:
    // "until the browser closes", "expires 2027-01-05 14:00", "expired …".
    static QString expiryText(const CookieCandidate &candidate);

    Provider m_provider;
    Import m_import;
    CredentialTest &m_test;
    std::vector<CookieCandidate> m_candidates;
    std::vector<Row> m_rows;
    QString m_message;
};
