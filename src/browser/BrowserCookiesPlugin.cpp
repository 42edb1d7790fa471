#include "BrowserCookiesPlugin.h"

#include "platform/LogCategories.h"

#include <QCoreApplication>
#include <QPluginLoader>

BrowserCookiesPlugin::BrowserCookiesPlugin(QString folder, BrowserKeyring *keyring, const Clock &clock)
    : m_folder(std::move(folder))
    , m_keyring(keyring)
    , m_clock(clock)
{
}

BrowserCookiesPlugin::~BrowserCookiesPlugin() = default;

const BrowserCookieReader *BrowserCookiesPlugin::reader() const
{
    if (!m_reader) {
        // Qt keeps the library once loaded; the reader made from it lives as long as this object.
        QPluginLoader loader(m_folder + QLatin1Char('/') + fileName);
        if (const auto *maker = qobject_cast<BrowserCookiesMaker *>(loader.instance())) {
            m_reader = maker->makeReader(m_keyring, m_clock);
        } else {
            m_error = loader.errorString();
            qCWarning(panelLog, "browser import: %s", qPrintable(m_error));
        }
    }
    return m_reader.get();
}

CookieFailure BrowserCookiesPlugin::failure() const
{
    //: %1 is the reason the system gives for not loading the import's library
    return {CookieFailure::Kind::unreadable,
            QCoreApplication::translate("BrowserCookiesPlugin", "The browser import could not be loaded: %1").arg(m_error)};
}

CookieScan BrowserCookiesPlugin::scan(Provider provider) const
{
    if (const BrowserCookieReader *cookies = reader())
        return cookies->scan(provider);
    CookieScan none;
    none.problems.push_back(failure());
    return none;
}

CookieImport BrowserCookiesPlugin::import(Provider provider, const BrowserProfile &profile) const
{
    if (const BrowserCookieReader *cookies = reader())
        return cookies->import(provider, profile);
    CookieImport none;
    none.failure = failure();
    return none;
}

CookieImport BrowserCookiesPlugin::import(Provider provider, const QString &browserArgument) const
{
    if (const BrowserCookieReader *cookies = reader())
        return cookies->import(provider, browserArgument);
    CookieImport none;
    none.failure = failure();
    return none;
}
