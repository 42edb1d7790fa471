// Draws the panel icons, Preferences and every page of the welcome guide, light and dark, into PNG
// files for a person to look at: quotabar-renderings [folder] (default: ./renderings).
#include "Palettes.h"
#include "app/AppSettings.h"
#include "app/DefaultsKeys.h"
#include "app/Notifications.h"
#include "onboarding/OnboardingPager.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/OnboardingWindowController.h"
#include "platform/qt/ProviderArtwork.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/SystemClock.h"
#include "preferences/PreferencesModel.h"
#include "preferences/PreferencesView.h"
#include "preferences/PreferencesWindowController.h"
#include "platform/dummy/MemoryDefaultsStore.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTextStream>

namespace {

bool saved(const QImage &image, const QString &path)
{
    if (image.save(path))
        return true;
    QTextStream(stderr) << "Could not write " << path << '\n';
    return false;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

bool panelIcons(const QString &out)
{
    const QString shipped = QStringLiteral(QUOTABAR_SOURCE_DIR "/resources/images");
    const QList<QPair<QColor, QColor>> panels{{QColor(0xF5, 0xF5, 0xF5), Qt::black}, {QColor(0x2B, 0x2B, 0x2B), Qt::white}};
    const QColor brand(0xD9, 0x77, 0x57);
    QImage sheet(6 * 52, 2 * 52, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    ProviderArtwork::LogoCache logos(shipped);
    ProviderArtwork::LogoCache missing(QStringLiteral("/nonexistent"));
    for (int row = 0; row < panels.size(); ++row) {
        painter.fillRect(0, row * 52, sheet.width(), 52, panels[row].first);
        const QColor ink = panels[row].second;
        const QList<QImage> icons{
            ProviderArtwork::panelIcon(logos, QStringLiteral("claude"), false, ink, 48),
            ProviderArtwork::panelIcon(logos, QStringLiteral("openai"), false, ink, 48),
            ProviderArtwork::panelIcon(logos, QStringLiteral("claude"), true, ink, 48),
            ProviderArtwork::panelIcon(missing, QStringLiteral("openai"), true, ink, 48),
            ProviderArtwork::menuBarIcon(logos, 48, ink),
            ProviderArtwork::figuresIcon(QStringLiteral("claude"), {"73%", "41%"}, ink, brand, 48),
        };
        for (int i = 0; i < icons.size(); ++i)
            painter.drawImage(2 + i * 52, row * 52 + 2, icons[i]);
    }
    painter.end();

    // The figures at panel sizes, 4× enlarged without smoothing to judge each pixel.
    const QList<QStringList> figures{{"73%", "41%"}, {"100%"}, {"73%", "3h"}, {"18%", "4%"}, {"new", "45m"}};
    QImage small(figures.size() * 30 + 2, 2 * 30, QImage::Format_ARGB32_Premultiplied);
    small.fill(Qt::transparent);
    QPainter smallPainter(&small);
    for (int row = 0; row < panels.size(); ++row) {
        smallPainter.fillRect(0, row * 30, small.width(), 30, panels[row].first);
        for (int i = 0; i < figures.size(); ++i) {
            const bool claude = i % 2 == 0; // alternately each provider, at 22 and 24 px
            smallPainter.drawImage(2 + i * 30, row * 30 + 3,
                                   ProviderArtwork::figuresIcon(claude ? QStringLiteral("claude") : QStringLiteral("openai"),
                                                                figures[i], panels[row].second,
                                                                claude ? brand : QColor(0x10, 0xA3, 0x7F), claude ? 22 : 24));
        }
    }
    smallPainter.end();
    return saved(sheet, out + QStringLiteral("/panel-icons.png"))
        && saved(small.scaled(small.size() * 4), out + QStringLiteral("/figures-icons.png"));
}

bool preferences(const QString &out, const QString &appearance)
{
    QtScheduler scheduler;
    SystemClock clock;
    MemoryDefaultsStore defaults;
    AppSettings settings(defaults, {});
    NotificationCenter notifications;
    defaults.setString(DefaultsKeys::sessionKey, QStringLiteral("sk-ant-sid01-AbCdEf"));
    settings.setOpenAISessionExpired(true);
    defaults.setString(DefaultsKeys::openAISessionKey, QStringLiteral("eyJhbGciOiJkaXIi"));
    PreferencesModel model({settings, notifications, scheduler, clock, [] {}, [] {}, [](const QUrl &) {}});
    PreferencesWindowController controller(model);
    controller.showWindow();
    settle();
    return saved(controller.window()->grab().toImage(), out + QStringLiteral("/preferences-%1.png").arg(appearance));
}

bool guide(const QString &out, const QString &appearance, const QString &iconPath, const QString &name, int pages)
{
    MemoryDefaultsStore defaults;
    OnboardingWindowController controller(defaults, [] {}, iconPath);
    controller.showWindow();
    settle();
    for (int page = 0; page < pages; ++page) {
        controller.window()->finishTransition();
        settle();
        const QString file = pages == 1 ? name : QStringLiteral("%1-page%2-%3").arg(name).arg(page + 1).arg(appearance);
        if (!saved(controller.window()->grab().toImage(), out + QLatin1Char('/') + file + QStringLiteral(".png")))
            return false;
        controller.pager().navigate(+1);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = QDir(app.arguments().value(1, QStringLiteral("renderings"))).absolutePath();
    if (!QDir().mkpath(out)) {
        QTextStream(stderr) << "Could not create " << out << '\n';
        return 1;
    }
    bool ok = panelIcons(out);
    const QString icon = QStringLiteral(":/images/quotabar-icon.png");
    Palettes::forEachAppearance([&](const QString &appearance) {
        ok = preferences(out, appearance) && guide(out, appearance, icon, QStringLiteral("guide"), 5) && ok;
    });
    // Without the icon file the first page still shows its glow and texts.
    ok = guide(out, QString(), QStringLiteral("/nonexistent/quotabar-icon.png"), QStringLiteral("guide-page1-without-icon"), 1) && ok;
    QTextStream(stdout) << "Renderings in " << out << '\n';
    return ok ? 0 : 1;
}
