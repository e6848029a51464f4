// Every image name the code uses exists where the program will look for it: skin files in the
// built application directory, ":/" names in the compiled-in resources. The sources are
// scanned, so images named by code written later are checked too.
#include "store/app_paths.h"
#include "store/product_definition.h"
#include "ui/kit/kit_resources.h"
#include "ui/kit/skin_images.h"
#include "skin_png.h"

#include <QBitmap>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>
#include <QMovie>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString appDir()
{
    return qEnvironmentVariable("ZEL_APP_DIR");
}

struct Use {
    QString name;
    QString where;
};

// String literals of the program's own sources that name skin files or resources.
QVector<Use> scanSources(const QRegularExpression &pattern)
{
    QVector<Use> uses;
    const QString root = qEnvironmentVariable("ZEL_SOURCE_DIR");
    for (const char *dir : {"app", "device", "store", "ui"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(dir), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (int n = 0; n < lines.size(); ++n) {
                const QString trimmed = lines[n].trimmed();
                if (trimmed.startsWith(QLatin1String("//")) || trimmed.startsWith(QLatin1Char('*')))
                    continue; // comments name things in passing
                auto matches = pattern.globalMatch(lines[n]);
                while (matches.hasNext())
                    uses.append({matches.next().captured(1), path.mid(root.size() + 1) + QLatin1Char(':') + QString::number(n + 1)});
            }
        }
    }
    return uses;
}

bool isImageName(const QString &name)
{
    static const QRegularExpression image(QStringLiteral("\\.(png|ico|gif|jpg|bmp)$"), QRegularExpression::CaseInsensitiveOption);
    return image.match(name).hasMatch();
}

// The same pixels, however the two regions split them into rectangles.
bool samePoints(const QRegion &a, const QRegion &b)
{
    return (a ^ b).isEmpty();
}

// "mouse_%d.png" -> any file matching "mouse_*.png" will do; the product pictures are checked
// one by one below.
bool skinFileExists(const QString &relative)
{
    if (!relative.contains(QLatin1Char('%')))
        return QFileInfo(appDir() + relative).isFile();
    const QFileInfo info(appDir() + relative);
    QString glob = info.fileName();
    glob.replace(QRegularExpression(QStringLiteral("%[-0-9.]*[a-z]")), QStringLiteral("*"));
    return !QDir(info.path()).entryList({glob}, QDir::Files).isEmpty();
}

} // namespace

class SkinInventoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!appDir().isEmpty(), "ZEL_APP_DIR is not set");
        setApplicationDirectoryOverride(appDir());
        initKitResources();
    }

    // Runs first, before any other test has these pictures in the shared cache.
    void prefetchedPicturesAreTheFilesPictures()
    {
        const QString asked = appDir() + QStringLiteral("/skin/close-1.png");
        const QPixmap before = skinImage(asked);
        const QStringList paths{appDir() + QStringLiteral("/skin/lightpage.png"), appDir() + QStringLiteral("/skin/min-1.png"),
                                asked, appDir() + QStringLiteral("/skin/no-such-picture.png"),
                                appDir() + QStringLiteral("/skin/effect-1.png")};
        {
            const SkinPrefetch prefetch(paths);
            QCOMPARE(skinPicture(paths[0]), QImage(paths[0]));
            QCOMPARE(skinImage(paths[1]).toImage(), QPixmap(paths[1]).toImage());
            QVERIFY(skinImage(paths[3]).isNull());
        }
        QVERIFY(!before.isNull());
        // Asked for before the prefetch: decoded once, by the asker, and shared since.
        QCOMPARE(skinImage(asked).cacheKey(), before.cacheKey());
        // Not asked for while the prefetch ran: decoded from the file now.
        QCOMPARE(skinImage(paths[4]).toImage(), QPixmap(paths[4]).toImage());
    }

    void everySkinImageNamedInTheCodeExists()
    {
        // "/skin/..." (not ":/skin/...", a resource) up to the end of the literal, a quote, a space or a ")" of a style sheet.
        static const QRegularExpression literal(QStringLiteral("\"[^\"]*?(?<!:)(/skin/[^\"\\s)]+)"));
        const QVector<Use> uses = scanSources(literal);
        QVERIFY2(uses.size() >= 10, "the scan found too few skin names; has the code moved?");
        QStringList missing;
        int checked = 0;
        for (const Use &use : uses) {
            if (!isImageName(use.name))
                continue; // folders and the firmware updater's programs
            ++checked;
            if (!skinFileExists(use.name))
                missing << use.name + QStringLiteral(" (") + use.where + QLatin1Char(')');
        }
        QVERIFY(checked >= 10);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void everyResourceNamedInTheCodeIsCompiledIn()
    {
        static const QRegularExpression literal(QStringLiteral("\"(:/[^\"]+)\""));
        const QVector<Use> uses = scanSources(literal);
        QSet<QString> names;
        QStringList missing;
        for (const Use &use : uses) {
            names.insert(use.name);
            if (!QFile::exists(use.name))
                missing << use.name + QStringLiteral(" (") + use.where + QLatin1Char(')');
        }
        QVERIFY(names.contains(QStringLiteral(":/yes_Btn")));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void designedResourcesAreUsable()
    {
        for (const char *name : {":/yes_Btn", ":/no_Btn"}) {
            const QImage image(QString::fromLatin1(name));
            QVERIFY2(!image.isNull(), name);
            QVERIFY(image.width() >= 30);
        }
        QMovie movie(QStringLiteral(":/skin/loading.gif"));
        QVERIFY(movie.isValid());
        QVERIFY(movie.frameCount() > 1);
        QVERIFY(movie.jumpToFrame(0));
        QCOMPARE(movie.currentImage().size(), QSize(128, 128));
    }

    // The painter writes its own PNGs: they read back pixel for pixel, translucent ones too,
    // as a palette picture up to 256 colours and as RGBA past that.
    void paintedImagesReadBackExactly()
    {
        for (const int width : {37, 60}) {
            QImage image(width, 5, QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, qRgba(x * 4, y * 50, (x * y) & 0xFF, x == 0 ? 0 : 255 - x * 3));
            }
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("t.png"));
            QString error;
            QVERIFY2(writeSkinPng(image, path, &error), qPrintable(error));
            QImage back(path);
            QCOMPARE(back.size(), image.size());
            QCOMPARE(back.format() == QImage::Format_Indexed8, width * 5 <= 256);
            back = back.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    QCOMPARE(back.pixel(x, y), image.pixel(x, y));
            }
        }
    }

    // Past the limit, only the rarest colours move, each to the nearest colour kept.
    void colourLimitMovesOnlyTheRarest()
    {
        const QRgb back = qRgba(10, 20, 30, 255);
        QImage image(420, 2, QImage::Format_ARGB32);
        image.fill(back);
        for (int x = 0; x < 410; ++x) // 199 reds twice each, then 12 reds once
            image.setPixel(x, 1, x < 398 ? qRgba(x / 2, 100, 0, 255) : qRgba(200 + (x - 398) * 4, 100, 0, 255));
        const QImage limited = limitColours(image, 200).convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 420; ++x)
                colours.insert(limited.pixel(x, y));
        }
        QCOMPARE(colours.size(), 200);
        QCOMPARE(limited.pixel(415, 1), back);
        QCOMPARE(limited.pixel(101, 1), qRgba(50, 100, 0, 255));
        for (int x = 398; x < 410; ++x)
            QCOMPARE(limited.pixel(x, 1), qRgba(198, 100, 0, 255));
        QCOMPARE(limitColours(image, 256), image);
    }

    void mainBackgroundShapesTheWindow()
    {
        const QImage back(appDir() + QStringLiteral("/skin/cfgMainback.png"));
        QCOMPARE(back.size(), QSize(999, 640));
        // Held as it is stored all the while the window lives: a palette is a quarter the memory.
        QCOMPARE(back.format(), QImage::Format_Indexed8);
        // Drawn from the palette, the exposed parts look as the picture does, corners included.
        const QRegion exposed = QRegion(0, 0, 60, 50) + QRegion(400, 300, 200, 100) + QRegion(980, 620, 40, 40);
        QImage drawn(back.size(), QImage::Format_ARGB32_Premultiplied);
        QImage expected = drawn;
        drawn.fill(qRgb(0, 80, 0));
        expected.fill(qRgb(0, 80, 0));
        {
            QPainter p(&drawn);
            drawSkinPicture(p, drawn.rect(), back, exposed);
            QPainter q(&expected);
            q.setClipRegion(exposed);
            q.drawImage(0, 0, back.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        QCOMPARE(drawn, expected);
        QVERIFY(drawn.pixel(2, 2) != drawn.pixel(500, 350));
        // Its shape read through the palette is the painter's own alpha mask of it.
        const QRegion shape = opaqueRegion(back);
        QVERIFY(samePoints(shape, QRegion(QBitmap::fromImage(back.convertToFormat(QImage::Format_ARGB32).createAlphaMask()))));
        QVERIFY(shape.contains(QPoint(500, 320)) && !shape.contains(QPoint(0, 0)));
        QImage edge(9, 1, QImage::Format_Indexed8);
        edge.setColorTable({qRgba(9, 9, 9, 127), qRgba(9, 9, 9, 128)});
        for (int x = 0; x < 9; ++x)
            edge.setPixel(x, 0, x >= 3 && x < 7 ? 1 : 0);
        QCOMPARE(opaqueRegion(edge), QRegion(3, 0, 4, 1));
        // Several runs a row, rows alike and unlike, a transparent row between and at the end.
        QImage holes(12, 7, QImage::Format_Indexed8);
        holes.setColorTable(edge.colorTable());
        const char *const rows[] = {"011100011110", "011100011110", "000000000000", "111111111111",
                                    "101010101010", "101010101010", "000000000000"};
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 12; ++x)
                holes.setPixel(x, y, uint(rows[y][x] - '0'));
        }
        const QRegion holesShape = opaqueRegion(holes);
        QVERIFY(samePoints(holesShape, QRegion(QBitmap::fromImage(holes.convertToFormat(QImage::Format_ARGB32).createAlphaMask()))));
        QCOMPARE(holesShape.rectCount(), 9); // alike rows share their rectangles
        QVERIFY(back.hasAlphaChannel());
        QCOMPARE(qAlpha(back.pixel(0, 0)), 0);     // outside: not part of the window
        QCOMPARE(qAlpha(back.pixel(998, 639)), 0);
        QCOMPARE(qAlpha(back.pixel(500, 320)), 255); // inside: opaque
        // Every control of the window lies on opaque pixels.
        for (const QPoint &p : {QPoint(933, 42), QPoint(912, 42), QPoint(720, 43), QPoint(826, 43), QPoint(146, 105), QPoint(372, 603),
                                QPoint(635, 603), QPoint(110, 604), QPoint(852, 604), QPoint(860, 320)})
            QVERIFY2(qAlpha(back.pixel(p)) == 255, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    }

    void imagesHaveTheSizesTheirControlsUse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QSize button(19, 19);
        for (const char *n : {"close-1", "close-2", "close-3", "min-1", "min-2", "min-3"})
            QTest::newRow(n) << QStringLiteral("/skin/%1.png").arg(QLatin1String(n)) << button;
        QTest::newRow("bat1") << QStringLiteral("/skin/bat1.png") << QSize(86, 47);
        QTest::newRow("bat2") << QStringLiteral("/skin/bat2.png") << QSize(86, 47);
        QTest::newRow("lightning") << QStringLiteral("/skin/lightning.png") << QSize(26, 40);
        QTest::newRow("dongle") << QStringLiteral("/skin/dongle.png") << QSize(48, 48);
        QTest::newRow("logo") << QStringLiteral("/skin/mouselogo.png") << QSize(200, 50);
        QTest::newRow("dlg") << QStringLiteral("/skin/dlg.png") << QSize(478, 309);
        QTest::newRow("dlg_gun") << QStringLiteral("/skin/dlg_gun.png") << QSize(619, 400);
        QTest::newRow("bullet") << QStringLiteral("/skin/gunset_bullet.png") << QSize(9, 39);
        QTest::newRow("process") << QStringLiteral("/skin/process.png") << QSize(128, 128);
        QTest::newRow("lang") << QStringLiteral("/skin/lang.png") << QSize(105, 20);
    }

    void imagesHaveTheSizesTheirControlsUse()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(QImageReader(appDir() + name).size(), size);
    }

    void messageIconsAreSharpAtDoubleScale()
    {
        for (const char *n : {"/skin/warn.png", "/skin/dongle2.png"})
            QVERIFY(QImageReader(appDir() + QLatin1String(n)).size().width() >= 90);
    }

    void iconIsARealIco()
    {
        QFile file(appDir() + QStringLiteral("/skin/icon.ico"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(4);
        QCOMPARE(head, QByteArray("\x00\x00\x01\x00", 4));
        QImageReader reader(appDir() + QStringLiteral("/skin/icon.ico"));
        QCOMPARE(reader.format(), QByteArray("ico"));
        QVERIFY(!reader.read().isNull());
        QVERIFY(!QIcon(appDir() + QStringLiteral("/skin/icon.ico")).isNull());
    }

    void productPicturesExistForEveryButton()
    {
        const QString product = productName();
        QVERIFY(!product.isEmpty());
        const int buttons = productButtonCount();
        QVERIFY(buttons > 0);
        const QString folder = appDir() + QStringLiteral("/skin/mouse/") + product;
        QCOMPARE(QImageReader(folder + QStringLiteral("/Mouse.png")).size(), QSize(300, 400));
        const QImage plain(folder + QStringLiteral("/Mouse.png"));
        for (int i = 1; i <= buttons; ++i) {
            const QImage lit(folder + QStringLiteral("/mouse_%1.png").arg(i));
            QVERIFY2(!lit.isNull(), qPrintable(QString::number(i)));
            QCOMPARE(lit.size(), plain.size());
            QVERIFY2(lit != plain, "each picture highlights its button");
        }
        QVERIFY(!QImage(appDir() + QStringLiteral("/skin/mouse/") + product + QStringLiteral("_Side.png")).isNull());
    }
};

QTEST_MAIN(SkinInventoryTest)
#include "skin_inventory_test.moc"
