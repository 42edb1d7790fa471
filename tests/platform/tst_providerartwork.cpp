#include "platform/qt/FileIconEngine.h"
#include "platform/qt/PanelInk.h"
#include "platform/qt/ProviderArtwork.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString shippedArtwork = QStringLiteral(QUOTABAR_SOURCE_DIR "/resources/images");

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).alpha() > 128;
    return count;
}

// Whether every visible pixel has the colour (up to anti-aliasing).
bool onlyColour(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 200 && (qAbs(pixel.red() - colour.red()) > 8 || qAbs(pixel.green() - colour.green()) > 8
                                        || qAbs(pixel.blue() - colour.blue()) > 8))
                return false;
        }
    }
    return true;
}

bool hasOrange(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == ProviderArtwork::systemOrange)
                return true;
    return false;
}

} // namespace

// Logos, their tinting, the warning sign and the fallbacks for missing files.
class TestProviderArtwork : public QObject
{
    Q_OBJECT

private slots:
    void logosHaveTheRequestedSize_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("shipped files") << shippedArtwork;
        QTest::newRow("files missing") << QStringLiteral("/nonexistent");
    }

    void logosHaveTheRequestedSize()
    {
        QFETCH(QString, folder);
        ProviderArtwork::LogoCache logos(folder);
        for (const int size : {13, 16, 17, 24, 48}) {
            const QImage logo = ProviderArtwork::providerPNG(logos, QStringLiteral("claude"), size, Qt::gray);
            QCOMPARE(logo.size(), QSize(size, size));
            QVERIFY(opaquePixels(logo) > 0);
        }
    }

    void letterTileStandsInForAMissingLogo()
    {
        ProviderArtwork::LogoCache missing(QStringLiteral("/nonexistent"));
        const QImage tile = ProviderArtwork::providerPNG(missing, QStringLiteral("openai"), 32, QColor(0x10, 0xA3, 0x7F));
        QCOMPARE(tile.pixelColor(4, 16), QColor(0x10, 0xA3, 0x7F)); // the tile
        bool white = false;
        for (int x = 8; x < 24 && !white; ++x)
            white = tile.pixelColor(x, 16) == Qt::white; // the letter
        QVERIFY(white);
    }

    void panelIconsAreSilhouettesInTheLabelColour_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("dark text on a light panel") << QColor(Qt::black);
        QTest::newRow("light text on a dark panel") << QColor(0xEE, 0xEE, 0xEE);
    }

    void panelIconsAreSilhouettesInTheLabelColour()
    {
        QFETCH(QColor, colour);
        for (const QString &folder : {shippedArtwork, QStringLiteral("/nonexistent")}) {
            ProviderArtwork::LogoCache logos(folder);
            const QImage plain = ProviderArtwork::panelIcon(logos, QStringLiteral("claude"), false, colour, 24);
            QVERIFY(onlyColour(plain, colour));
            QVERIFY(opaquePixels(plain) > 24 * 24 / 8);
            QVERIFY(opaquePixels(plain) < 24 * 24); // a shape, not a filled square
            const QImage warned = ProviderArtwork::panelIcon(logos, QStringLiteral("claude"), true, colour, 24);
            QVERIFY(hasOrange(warned));
            QVERIFY(!hasOrange(plain));
        }
    }

    void menuBarIcon()
    {
        ProviderArtwork::LogoCache shipped(shippedArtwork);
        QVERIFY(opaquePixels(ProviderArtwork::menuBarIcon(shipped, 18, Qt::black)) > 0);
        ProviderArtwork::LogoCache absent(QStringLiteral("/nonexistent"));
        const QImage missing = ProviderArtwork::menuBarIcon(absent, 18, Qt::black);
        QCOMPARE(missing.size(), QSize(18, 18));
        QCOMPARE(opaquePixels(missing), 0);
    }

    // Each size of each logo is decoded once: a file removed after its first use still draws.
    void logosAreDecodedOnce()
    {
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("claude.png"));
        QVERIFY(QFile::copy(shippedArtwork + QStringLiteral("/claude.png"), copy));
        ProviderArtwork::LogoCache logos(folder.path());
        const std::optional<QImage> first = logos.logo(QStringLiteral("claude"), 22);
        QVERIFY(first);
        QVERIFY(QFile::remove(copy));
        QCOMPARE(logos.logo(QStringLiteral("claude"), 22), first);
        QVERIFY(!logos.logo(QStringLiteral("claude"), 24)); // another size reads the file, now gone
    }

    // The figures icon: the provider's letter at the left, the lines beside it in the ink, the mark below.
    void figuresIcon_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("size");
        for (const int size : {22, 24, 44}) {
            const QByteArray px = QByteArray::number(size) + " px";
            QTest::newRow("session over weekly, " + px) << QStringList{"73%", "41%"} << size;
            QTest::newRow("one figure, " + px) << QStringList{"100%"} << size;
            QTest::newRow("full over countdown, " + px) << QStringList{"100%", "45m"} << size;
        }
    }

    void figuresIcon()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, size);
        const QColor ink(0x20, 0x20, 0x20);
        const QColor mark(0xD9, 0x77, 0x57);
        const int bar = std::max(2, qRound(size / 11.0));
        const auto inked = [](const QImage &image, int x, int y) { return image.pixelColor(x, y).alpha() >= 160; };
        const QStringList noDigits(lines.size(), QString());
        const QImage icon = ProviderArtwork::figuresIcon(QStringLiteral("claude"), lines, ink, mark, size);
        const QImage cue = ProviderArtwork::figuresIcon(QStringLiteral("claude"), noDigits, ink, mark, size);
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.pixelColor(size / 2, size - 1), mark);

        // The letter is there, in the ink, as tall as both lines; the digits are beside or below it, never over it.
        QRect cueBox, digitBox;
        QList<int> digitRows(size, 0);
        for (int y = 0; y < size - bar; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor pixel = icon.pixelColor(x, y);
                if (inked(cue, x, y))
                    cueBox |= QRect(x, y, 1, 1);
                else if (inked(icon, x, y))
                    digitBox |= QRect(x, y, 1, 1), ++digitRows[y];
                QVERIFY2(!inked(icon, x, y) || pixel.red() < 0x60, "logo and figures are drawn in the ink only");
            }
        }
        const int cueHeight = lines.size() == 2 ? (size - bar) * 6 / 10 : size * 38 / 100;
        QVERIFY2(cueBox.width() >= size / 5 && cueBox.height() >= cueHeight, qPrintable(QString::number(cueBox.height())));
        QVERIFY(!cueBox.intersects(digitBox));

        // Each line stands apart, its digits tall enough to read.
        QList<int> heights;
        for (int y = 0; y < size; ++y) {
            if (digitRows[y] && (y == 0 || !digitRows[y - 1]))
                heights.append(0);
            if (digitRows[y])
                ++heights.last();
        }
        QCOMPARE(heights.size(), lines.size());
        for (const int height : heights)
            QVERIFY2(height >= std::max(6, size * 27 / 100), qPrintable(QString::number(height)));

        // The other provider's letter differs in shape, not in colour alone: by a stroke as long as the letter is tall.
        const QImage openai = ProviderArtwork::figuresIcon(QStringLiteral("openai"), noDigits, ink, mark, size);
        int differing = 0;
        for (int y = 0; y < size - bar; ++y)
            for (int x = 0; x < size; ++x)
                differing += inked(cue, x, y) != inked(openai, x, y);
        QVERIFY2(differing >= cueBox.height(), qPrintable(QString::number(differing)));
    }

    // The digits are the title's texts: two icons for different figures differ, equal ones are equal.
    void figuresIconShowsItsLines()
    {
        const QString claude = QStringLiteral("claude");
        const QImage a = ProviderArtwork::figuresIcon(claude, {"73%", "41%"}, Qt::black, Qt::red, 24);
        QCOMPARE(ProviderArtwork::figuresIcon(claude, {"73%", "41%"}, Qt::black, Qt::red, 24), a);
        QVERIFY(ProviderArtwork::figuresIcon(claude, {"73%", "47%"}, Qt::black, Qt::red, 24) != a);
    }

    // Plasma's colour scheme is read from kdeglobals, and a new scheme is noticed while running.
    void panelInkFollowsPlasmaColourScheme()
    {
        QTemporaryDir config;
        const auto writeScheme = [&](const char *foreground) {
            QFile file(config.filePath(QStringLiteral("kdeglobals")));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray("[Colors:Window]\nBackgroundNormal=42,46,50\nForegroundNormal=") + foreground + "\n");
        };
        writeScheme("35,38,41");
        PanelInk ink(QStringLiteral("KDE"), config.path());
        QCOMPARE(ink.color(), QColor(35, 38, 41));
        QSignalSpy changed(&ink, &PanelInk::changed);
        writeScheme("252,252,252");
        QVERIFY(changed.wait(5000));
        QCOMPARE(ink.color(), QColor(252, 252, 252));
    }

    // A user's sheet that builds on another with @import: the imported rules come first, the user's
    // own override them, and an import that cannot be read is passed over.
    void waybarSheetWithImports_data()
    {
        QTest::addColumn<QString>("userSheet");
        QTest::addColumn<int>("background");
        QTest::newRow("the imported tray") << "@import \"base.css\";\nwindow#waybar { color: white; }" << 0x2980B9;
        QTest::newRow("url() form") << "@import url('base.css');" << 0x2980B9;
        QTest::newRow("the user's own rule wins") << "@import 'base.css';\n#tray { background: #222222; }" << 0x222222;
        QTest::newRow("a missing import") << "@import 'gone.css';\n#tray { background: #222222; }" << 0x222222;
    }

    void waybarSheetWithImports()
    {
        QFETCH(QString, userSheet);
        QFETCH(int, background);
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("waybar")));
        const auto write = [&](const char *name, const QString &text) {
            QFile file(config.filePath(QStringLiteral("waybar/") + QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
        };
        write("base.css", QStringLiteral("window#waybar { background: #333333; }\n#tray { background-color: #2980b9; }"));
        write("style.css", userSheet);
        const PanelInk ink(QStringLiteral("sway"), config.path());
        const std::optional<QColor> read = ink.read().barBackground;
        QCOMPARE(read ? int(read->rgb() & 0xFFFFFF) : -1, background);
    }

    // The application icon, read from its file whenever drawn: at the sizes asked, never larger than
    // the image, and nothing for a file that is not there.
    void applicationIconFromItsFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("drawn");
        QTest::newRow("64 of the shipped 256") << shippedArtwork + "/quotabar-icon.png" << QSize(64, 64) << QSize(64, 64);
        QTest::newRow("larger than the image") << shippedArtwork + "/quotabar-icon.png" << QSize(512, 512) << QSize(256, 256);
        QTest::newRow("wide image keeps its shape") << QStringLiteral("wide.png") << QSize(32, 32) << QSize(32, 16);
        QTest::newRow("missing file") << shippedArtwork + "/absent.png" << QSize(64, 64) << QSize();
    }

    void applicationIconFromItsFile()
    {
        QFETCH(QString, path);
        QFETCH(QSize, asked);
        QFETCH(QSize, drawn);
        QTemporaryDir scratch;
        if (QDir::isRelativePath(path)) {
            QImage wide(40, 20, QImage::Format_ARGB32);
            wide.fill(Qt::red);
            path = scratch.filePath(path);
            QVERIFY(wide.save(path));
        }
        const QIcon icon = FileIconEngine::icon(path);
        QCOMPARE(icon.isNull(), !drawn.isValid());
        const QPixmap pixmap = icon.pixmap(asked);
        QCOMPARE(pixmap.isNull() ? QSize() : pixmap.size(), drawn);
        if (drawn.isValid()) {
            QVERIFY(opaquePixels(pixmap.toImage()) > drawn.width() * drawn.height() / 4);
            QImage painted(asked, QImage::Format_ARGB32_Premultiplied);
            painted.fill(Qt::transparent);
            QPainter painter(&painted);
            icon.paint(&painter, painted.rect());
            painter.end();
            QCOMPARE(opaquePixels(painted), opaquePixels(pixmap.toImage()));
        }
    }

    // Xfce's own settings name the GTK theme before GTK's file does.
    void gtkThemeFromXfceSettings_data()
    {
        QTest::addColumn<QByteArray>("xsettings");
        QTest::addColumn<QString>("theme");
        const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><channel name=\"xsettings\" version=\"1.0\">"
                                "<property name=\"Net\" type=\"empty\">";
        QTest::newRow("named") << head + "<property name=\"ThemeName\" type=\"string\" value=\"Greybird-dark\"/>"
                               << "Greybird-dark";
        QTest::newRow("icon theme only")
            << head + "<property name=\"IconThemeName\" type=\"string\" value=\"elementary\"/>" << "Adwaita";
        QTest::newRow("value cut short") << head + "<property name=\"ThemeName\" type=\"string\" value=\"Grey"
                                         << "Adwaita";
    }

    void gtkThemeFromXfceSettings()
    {
        QFETCH(QByteArray, xsettings);
        QFETCH(QString, theme);
        if (qEnvironmentVariableIsSet("GTK_THEME"))
            QSKIP("GTK_THEME names the theme before any file");
        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("xfce4/xfconf/xfce-perchannel-xml")));
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("gtk-3.0")));
        QFile xfce(config.filePath(QStringLiteral("xfce4/xfconf/xfce-perchannel-xml/xsettings.xml")));
        QVERIFY(xfce.open(QIODevice::WriteOnly));
        xfce.write(xsettings);
        xfce.close();
        QFile gtk(config.filePath(QStringLiteral("gtk-3.0/settings.ini")));
        QVERIFY(gtk.open(QIODevice::WriteOnly));
        gtk.write("[Settings]\ngtk-theme-name=Adwaita\n");
        gtk.close();
        const PanelInk ink(QStringLiteral("XFCE"), config.path(), {});
        QCOMPARE(ink.read().shade.gtkTheme, theme);
    }
};

QTEST_MAIN(TestProviderArtwork)
#include "tst_providerartwork.moc"
