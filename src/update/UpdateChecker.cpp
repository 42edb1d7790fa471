#include "UpdateChecker.h"

#include "platform/Alerts.h"
#include "platform/HttpTransport.h"
#include "platform/OsRelease.h"
#include "platform/UrlOpener.h"

#include <QPointer>
#include <QStringDecoder>

UpdateChecker::UpdateChecker(QUrl feedURL, Services services, Running running, QObject *parent)
    : QObject(parent)
    , m_feedURL(std::move(feedURL))
    , m_services(std::move(services))
    , m_running(std::move(running))
{
}

qint64 UpdateChecker::currentBuild() const
{
    return Appcast::toInt64(m_running.build).value_or(0);
}

void UpdateChecker::checkSilently()
{
    fetch([self = QPointer(this)](const FetchResult &result) {
        if (!self)
            return;
        if (const auto *info = std::get_if<UpdateInfo>(&result); info && self->isNewer(*info))
            self->showAvailable(*info);
    });
}

void UpdateChecker::checkWithUI()
{
    fetch([self = QPointer(this)](const FetchResult &result) {
        if (!self)
            return;
        if (const auto *info = std::get_if<UpdateInfo>(&result))
            self->isNewer(*info) ? self->showAvailable(*info) : self->showUpToDate();
        else
            self->showError();
    });
}

void UpdateChecker::fetch(std::function<void(const FetchResult &)> completion)
{
    const QString releaseTag = Appcast::releaseTag(m_services.system.current());
    m_services.transport.get(HttpRequest{m_feedURL, {}}, [completion = std::move(completion), releaseTag](const HttpResponse &response) {
        if (response.transportError) {
            completion(*response.transportError);
            return;
        }
        // The status is not looked at: any body holding the three values is a feed.
        if (response.body) {
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString text = decoder.decode(*response.body);
            if (!decoder.hasError()) {
                if (const std::optional<UpdateInfo> info = Appcast::parse(text, releaseTag)) {
                    completion(*info);
                    return;
                }
            }
        }
        completion(QStringLiteral("cannot parse response"));
    });
}

void UpdateChecker::showAvailable(const UpdateInfo &info)
{
    const int choice = m_services.alerts.runModal(Alert{
        //: A dialog's title: %1 is the new version ("1.4.0")
        tr("Quotabar %1 is Available").arg(info.version),
        //: %1 is the running version ("1.3.2"); "Download" names the dialog's "Download Update" button
        tr("You have version %1. Click Download to get the latest version.").arg(currentVersion()),
        //: The dialog's buttons: download the new version now, or not now
        {tr("Download Update"), tr("Later")},
        true,
    });
    if (choice != 0)
        return;
    // Quitting is only right once the download is on its way.
    if (m_services.urlOpener.open(info.downloadURL))
        m_services.terminate();
    else
        showError();
}

void UpdateChecker::showUpToDate()
{
    m_services.alerts.runModal(Alert{
        tr("Quotabar is Up to Date"),
        //: %1 is the running version ("1.3.2")
        tr("Quotabar %1 is currently the newest version available.").arg(currentVersion()),
        //: The dialog's only button, closing it
        {tr("OK")},
        true,
    });
}

void UpdateChecker::showError()
{
    m_services.alerts.runModal(Alert{
        tr("Update Check Failed"),
        tr("Could not retrieve update information. Please try again later."),
        //: The dialog's only button, closing it
        {tr("OK")},
        false,
    });
}
