#include "statusbar/ProviderArtwork.h"
#include "support/Palettes.h"

#include <QDir>
#include <QPainter>
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
        for (const int size : {13, 16, 17, 24, 48}) {
            const QImage logo = ProviderArtwork::providerPNG(QStringLiteral("claude"), size, Qt::gray, folder);
            QCOMPARE(logo.size(), QSize(size, size));
            QVERIFY(opaquePixels(logo) > 0);
        }
    }

    void letterTileStandsInForAMissingLogo()
    {
        const QImage tile = ProviderArtwork::providerPNG(QStringLiteral("openai"), 32, QColor(0x10, 0xA3, 0x7F),
                                                         QStringLiteral("/nonexistent"));
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
            const QImage plain = ProviderArtwork::panelIcon(Provider::claude, false, colour, 24, folder);
            QVERIFY(onlyColour(plain, colour));
            QVERIFY(opaquePixels(plain) > 24 * 24 / 8);
            QVERIFY(opaquePixels(plain) < 24 * 24); // a shape, not a filled square
            const QImage warned = ProviderArtwork::panelIcon(Provider::claude, true, colour, 24, folder);
            QVERIFY(hasOrange(warned));
            QVERIFY(!hasOrange(plain));
        }
    }

    void menuBarIcon()
    {
        QVERIFY(opaquePixels(ProviderArtwork::menuBarIcon(18, Qt::black, shippedArtwork)) > 0);
        const QImage missing = ProviderArtwork::menuBarIcon(18, Qt::black, QStringLiteral("/nonexistent"));
        QCOMPARE(missing.size(), QSize(18, 18));
        QCOMPARE(opaquePixels(missing), 0);
    }

    // Renderings for a person to look at, in the build folder.
    void saveRenderings()
    {
        const QString out = Palettes::renderingsFolder();
        QImage sheet(6 * 52, 2 * 52, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(Qt::transparent);
        QPainter painter(&sheet);
        const QList<QPair<QColor, QColor>> panels{{QColor(0xF5, 0xF5, 0xF5), Qt::black}, {QColor(0x2B, 0x2B, 0x2B), Qt::white}};
        for (int row = 0; row < panels.size(); ++row) {
            painter.fillRect(0, row * 52, sheet.width(), 52, panels[row].first);
            const QColor ink = panels[row].second;
            const QList<QImage> icons{
                ProviderArtwork::panelIcon(Provider::claude, false, ink, 48, shippedArtwork),
                ProviderArtwork::panelIcon(Provider::openAI, false, ink, 48, shippedArtwork),
                ProviderArtwork::panelIcon(Provider::claude, true, ink, 48, shippedArtwork),
                ProviderArtwork::panelIcon(Provider::openAI, true, ink, 48, QStringLiteral("/nonexistent")),
                ProviderArtwork::menuBarIcon(48, ink, shippedArtwork),
                ProviderArtwork::providerLogo(QChar('C'), QColor(0xD9, 0x77, 0x57), 48),
            };
            for (int i = 0; i < icons.size(); ++i)
                painter.drawImage(2 + i * 52, row * 52 + 2, icons[i]);
        }
        painter.end();
        QVERIFY(sheet.save(out + QStringLiteral("/panel-icons.png")));
    }
};

QTEST_MAIN(TestProviderArtwork)
#include "tst_providerartwork.moc"
