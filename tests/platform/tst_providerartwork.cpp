#include "platform/qt/PanelInk.h"
#include "platform/qt/ProviderArtwork.h"

#include <QFile>
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

    // The figures icon: the lines it is given, in the ink, with the provider's mark below them.
    void figuresIcon_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("size");
        for (const int size : {22, 24, 48}) {
            const QByteArray px = QByteArray::number(size) + " px";
            QTest::newRow("session over weekly, " + px) << QStringList{"73%", "41%"} << size;
            QTest::newRow("one figure, " + px) << QStringList{"100%"} << size;
            QTest::newRow("figure over countdown, " + px) << QStringList{"5%", "45m"} << size;
        }
    }

    void figuresIcon()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, size);
        const QColor ink(0x20, 0x20, 0x20);
        const QColor mark(0xD9, 0x77, 0x57);
        const QImage icon = ProviderArtwork::figuresIcon(lines, ink, mark, size);
        QCOMPARE(icon.size(), QSize(size, size));
        QCOMPARE(icon.pixelColor(size / 2, size - 1), mark);

        // Each line is drawn in its own band, and its digits fill most of the band's height.
        const int bar = std::max(2, qRound(size / 11.0));
        const qreal band = qreal(size - bar - 1) / lines.size();
        for (int line = 0; line < lines.size(); ++line) {
            int top = size, bottom = -1, left = size, right = -1, inked = 0;
            for (int y = int(line * band); y < int((line + 1) * band); ++y) {
                for (int x = 0; x < size; ++x) {
                    const QColor pixel = icon.pixelColor(x, y);
                    if (pixel.alpha() < 160)
                        continue;
                    QVERIFY2(pixel.red() < 0x60, "figures are drawn in the ink only");
                    ++inked;
                    top = std::min(top, y);
                    left = std::min(left, x);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
            }
            QVERIFY2(inked > size / 2, qPrintable(lines[line]));
            // A long figure is limited by the width instead.
            QVERIFY2(bottom - top + 1 >= band * 0.55 || right - left + 1 >= size * 0.8, qPrintable(lines[line]));
        }
        // Nothing drawn between the figures and the mark but anti-aliasing.
        QVERIFY(opaquePixels(icon) > size);
    }

    // The digits are the title's texts: two icons for different figures differ, equal ones are equal.
    void figuresIconShowsItsLines()
    {
        const QImage a = ProviderArtwork::figuresIcon({"73%", "41%"}, Qt::black, Qt::red, 24);
        QCOMPARE(ProviderArtwork::figuresIcon({"73%", "41%"}, Qt::black, Qt::red, 24), a);
        QVERIFY(ProviderArtwork::figuresIcon({"73%", "47%"}, Qt::black, Qt::red, 24) != a);
    }

    void panelInkFromTheDesktop_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("gtkTheme");
        QTest::addColumn<QColor>("ink");
        const QColor light = PanelInk::lightInk;
        const QColor dark = PanelInk::darkInk;
        QTest::newRow("GNOME's bar is dark even with a light theme") << "ubuntu:GNOME" << "Adwaita" << light;
        QTest::newRow("Xfce with Adwaita-dark") << "XFCE" << "Adwaita-dark" << light;
        QTest::newRow("Xfce with Adwaita") << "XFCE" << "Adwaita" << dark;
        QTest::newRow("MATE with nothing told") << "MATE" << "" << QColor(Qt::magenta);
    }

    void panelInkFromTheDesktop()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, gtkTheme);
        QFETCH(QColor, ink);
        QCOMPARE(PanelInk::choose({desktop, std::nullopt, gtkTheme, false, Qt::magenta}), ink);
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
};

QTEST_MAIN(TestProviderArtwork)
#include "tst_providerartwork.moc"
