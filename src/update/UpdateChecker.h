#pragma once

#include "update/Appcast.h"

#include <QObject>

#include <functional>
#include <variant>

class Alerts;
class HttpTransport;
class OsRelease;
class UrlOpener;

// Tells the user when a newer build is published in the appcast feed.
class UpdateChecker final : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        HttpTransport &transport; // its own, not the usage fetchers'
        Alerts &alerts;
        UrlOpener &urlOpener;
        const OsRelease &system; // which of the listed packages fits
        std::function<void()> terminate;
    };
    // The running application's build and display version, as text.
    struct Running
    {
        QString build;
        QString version;
    };

    UpdateChecker(QUrl feedURL, Services services, Running running, QObject *parent = nullptr);

    static UpdateChecker &shared();

    // Speaks only when a newer build exists.
    void checkSilently();
    // Always answers with one of the three alerts.
    void checkWithUI();

    qint64 currentBuild() const;
    QString currentVersion() const { return m_running.version; }

private:
    using FetchResult = std::variant<UpdateInfo, QString>; // the feed's newest build, or why not
    void fetch(std::function<void(const FetchResult &)> completion);
    bool isNewer(const UpdateInfo &info) const { return currentBuild() < info.build; }
    void showAvailable(const UpdateInfo &info);
    void showUpToDate();
    void showError();

    QUrl m_feedURL;
    Services m_services;
    Running m_running;
};
