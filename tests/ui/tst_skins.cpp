// The skins behind the screens, and the picture effects they and the screens
// use: the blur (against its definition), the light effect, grey, colours
// and the pictures for the display.
#include "platform/Broadcaster.h"
#include "platform/Paths.h"
#include "platform/Preferences.h"
#include "themes/SkinCatalogue.h"
#include "themes/BlurredBackground.h"
#include "themes/ThemedBackground.h"
#include "ui/ColorHex.h"
#include "ui/ImageEffects.h"
#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QRandomGenerator>
#include <QThreadPool>
#include <QtConcurrent>
#include <algorithm>

// Reference box pass on one channel, straight from the definition: the
// rounded mean of the w samples around each pixel, edges extended.
static QList<int> referenceBox(const QList<int> &in, int width)
{
    QList<int> out(in.size());
    const int half = width / 2;
    for (int x = 0; x < in.size(); ++x) {
        int sum = 0;
        for (int k = -half; k <= half; ++k)
            sum += in[std::clamp<qsizetype>(x + k, 0, in.size() - 1)];
        out[x] = (2 * sum + width) / (2 * width);
    }
    return out;
}

// An opaque picture of seeded noise.
static QImage noise(QSize size, quint32 seed)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(random.bounded(256), random.bounded(256), random.bounded(256), 255));
    return image;
}

class TestSkins : public QObject
{
    Q_OBJECT
private:
    static void setPreference(const QString &value)
    {
        Preferences::shared().setString(SkinCatalogue::kPreferenceKey, value);
        Preferences::shared().synchronize();
    }

private Q_SLOTS:
    void init()
    {
        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kTallMode);
        Preferences::shared().remove(SkinCatalogue::kPreferenceKey);
        for (const bool tall : {true, false})
            QFile::remove(Paths::documentPath(SkinCatalogue::customSkinStoredName(tall)));
    }

    // A missing, empty, unknown or fileless choice shows the first skin, and
    // never rewrites the preference; a custom skin only for the screen height it was made for.
    void whatEachChoiceShows()
    {
        // Every built-in skin has its pictures for both heights.
        for (int n = 1; n <= SkinCatalogue::kBuiltInCount; ++n) {
            for (const bool tall : {true, false}) {
                const auto skin = SkinCatalogue::load(SkinCatalogue::skinFileName(n), tall);
                QCOMPARE(skin.skinFile, SkinCatalogue::skinFileName(n));
                QCOMPARE(skin.picture.size(), tall ? QSize(640, 1136) : QSize(640, 960));
            }
            QVERIFY(QFile::exists(QStringLiteral(":/pictures/skin-%1@2x.jpg").arg(n)));
        }

        const std::pair<QString, QString> cases[] = {{QString(), "skin-1-big"},
                                                     {"", "skin-1-big"},
                                                     {"skin-4-big", "skin-4-big"},
                                                     {"skin-12-big", "skin-1-big"},
                                                     {"CustomSkin", "skin-1-big"}};
        for (const auto &[preference, shown] : cases) {
            Preferences::shared().remove(SkinCatalogue::kPreferenceKey);
            if (!preference.isNull())
                setPreference(preference);
            ThemedBackground view;
            QCOMPARE(view.skinFile(), shown);
            QVERIFY(!view.patternImage().isNull());
            QCOMPARE(Preferences::shared().stringForKey(SkinCatalogue::kPreferenceKey), preference);
        }

        // The custom skin chosen (the last case), its picture saved on a normal screen:
        // the first skin on a tall one, itself on a normal one.
        QDir().mkpath(Paths::documentsDirectory());
        QImage picture(64, 96, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(Paths::documentPath(QStringLiteral("CustomSkin@2x.jpg"))));
        ThemedBackground tallView;
        QCOMPARE(tallView.skinFile(), QStringLiteral("skin-1-big"));
        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kNormalMode);
        ThemedBackground normalView;
        QCOMPARE(normalView.skinFile(), SkinCatalogue::kCustomSkin);
        QVERIFY(normalView.patternImage().pixelColor(10, 10).red() > 200);
    }

    // The blurred views follow a change of skin with the new skin's blur (the plain
    // ones: tst_skin_manager).
    void blurredViewsFollowTheSkinInTheirFrame()
    {
        BlurredBackground blurred;
        setPreference(QStringLiteral("skin-7-big"));
        Broadcaster::shared().post(SkinCatalogue::kChangeNotification);
        QCOMPARE(blurred.skinFile(), QStringLiteral("skin-7-big"));
        QTRY_VERIFY_WITH_TIMEOUT(!blurred.isBlurring(), 20000);
        QCOMPARE(blurred.blurredBackgroundImage(),
                 ImageEffects::applyLightEffect(SkinCatalogue::load(QStringLiteral("skin-7-big"), true).picture, 2.0));

        // On a tall display the picture's frame is 568 points high.
        BlurredBackground view;
        view.setSize(QSizeF(320, 700));
        QCOMPARE(view.backgroundImageFrame(), QRectF(0, 0, 320, 568));
        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kNormalMode);
        QCOMPARE(view.backgroundImageFrame(), QRectF(0, 0, 320, 700));
    }

    void blurredViewEndsOnTheNewestSkin()
    {
        QThreadPool::globalInstance()->setMaxThreadCount(std::max(2, QThreadPool::globalInstance()->maxThreadCount()));
        BlurredBackground view;
        QTRY_VERIFY_WITH_TIMEOUT(!view.isBlurring(), 20000);
        // The first picture's blur is held back until the second one has finished.
        QSemaphore release;
        QImage older(8, 8, QImage::Format_RGB32), newer(8, 8, QImage::Format_RGB32);
        older.fill(Qt::red);
        newer.fill(Qt::blue);
        view.setBlurOperation([&](const QImage &image) {
            if (image.pixelColor(0, 0) == QColor(Qt::red))
                release.acquire();
            return image;
        });
        QSignalSpy blurredChanged(&view, &BlurredBackground::blurredImageChanged);
        view.setBackgroundImage(older);
        view.setBackgroundImage(newer);
        QTRY_COMPARE(blurredChanged.count(), 1);
        QCOMPARE(view.blurredBackgroundImage().pixelColor(0, 0), QColor(Qt::blue));
        release.release();
        QTRY_VERIFY(!view.isBlurring());
        QCOMPARE(view.blurredBackgroundImage().pixelColor(0, 0), QColor(Qt::blue));
    }

    void boxBlurIsWithinALevelOfTheDefinition_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("passes");
        QTest::newRow("w3 x1") << 3 << 1;
        QTest::newRow("w5 x3") << 5 << 3;
        QTest::newRow("box wider than the picture") << 41 << 3;
        QTest::newRow("the light effect's box at 2x") << 113 << 3;
    }
    void boxBlurIsWithinALevelOfTheDefinition()
    {
        QFETCH(int, width);
        QFETCH(int, passes);
        const QImage image = noise(QSize(131, 17), 7); // wider than the box one way, narrower the other
        // Reference on the red channel: all horizontal passes, then all vertical ones.
        QList<QList<int>> red(image.height());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                red[y].append(qRed(image.pixel(x, y)));
            for (int p = 0; p < passes; ++p)
                red[y] = referenceBox(red[y], width);
        }
        for (int x = 0; x < image.width(); ++x) {
            QList<int> column;
            for (int y = 0; y < image.height(); ++y)
                column.append(red[y][x]);
            for (int p = 0; p < passes; ++p)
                column = referenceBox(column, width);
            for (int y = 0; y < image.height(); ++y)
                red[y][x] = column[y];
        }
        const QImage blurred = ImageEffects::boxBlur(image, width, passes);
        // Within one level of the rounded definition (the blur may round a
        // half the other way); alpha untouched on an opaque picture.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QVERIFY2(qAbs(qRed(blurred.pixel(x, y)) - red[y][x]) <= 1,
                         qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
                QCOMPARE(qAlpha(blurred.pixel(x, y)), 255);
            }
    }

    void blurOfASharedPictureOnSeveralThreadsIsTheSame()
    {
        // Pictures are shared between threads; the parallel bands must never
        // detach a shared picture on their own.
        const QImage picture = noise(QSize(200, 300), 11);
        const QImage alone = ImageEffects::applyLightEffect(picture, 2.0);
        auto first = QtConcurrent::run([picture] { return ImageEffects::applyLightEffect(picture, 2.0); });
        auto second = QtConcurrent::run([picture] { return ImageEffects::applyLightEffect(picture, 2.0); });
        QCOMPARE(first.result(), alone);
        QCOMPARE(second.result(), alone);
    }

    // Hand-computed: saturation 1.8 keeps greys and takes (150, 100, 100) to
    // (181.4, 91.0, 91.4); white at 77/255 over the result gives the figures.
    void lightEffectOfFlatColours_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("black tints to grey") << QColor(Qt::black) << QColor(77, 77, 77);
        QTest::newRow("grey stays grey") << QColor(128, 128, 128) << QColor(166, 166, 166);
        QTest::newRow("reddish gets redder") << QColor(150, 100, 100) << QColor(204, 140, 141);
    }
    void lightEffectOfFlatColours()
    {
        QFETCH(QColor, colour);
        QFETCH(QColor, expected);
        QImage flat(48, 64, QImage::Format_RGB32);
        flat.fill(colour);
        const QColor out = ImageEffects::applyLightEffect(flat, 2.0).pixelColor(24, 32);
        QVERIFY2(qAbs(out.red() - expected.red()) <= 1 && qAbs(out.green() - expected.green()) <= 1
                     && qAbs(out.blue() - expected.blue()) <= 1,
                 qPrintable(out.name()));
        QCOMPARE(out.alpha(), 255);
    }

    // A see-through picture stays see-through under the tint, its colours
    // never above its alpha: 128 becomes 128 (1 - 0.302) + 77 = 166; and in grey.
    void seeThroughPicturesStaySeeThrough()
    {
        QImage glass(48, 64, QImage::Format_ARGB32);
        glass.fill(qRgba(200, 40, 40, 128));
        const QImage out = ImageEffects::applyLightEffect(glass, 2.0);
        QCOMPARE(out.format(), QImage::Format_ARGB32_Premultiplied);
        const QRgb pixel = out.pixel(24, 32); // premultiplied as stored
        QVERIFY2(qAbs(qAlpha(pixel) - 166) <= 1, qPrintable(QString::number(qAlpha(pixel))));
        QVERIFY(qRed(pixel) <= qAlpha(pixel) && qGreen(pixel) <= qAlpha(pixel) && qBlue(pixel) <= qAlpha(pixel));
        QVERIFY(qRed(pixel) > qGreen(pixel) + 40);

        // A picture's transparent corners stay transparent in grey.
        QImage seeThrough(4, 4, QImage::Format_ARGB32);
        seeThrough.fill(qRgba(200, 40, 40, 0));
        seeThrough.setPixel(1, 1, qRgba(200, 40, 40, 255));
        const QImage grey = ImageEffects::greyscale(seeThrough);
        QCOMPARE(qAlpha(grey.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(grey.pixel(1, 1)), 255);
        QCOMPARE(qRed(grey.pixel(1, 1)), qBlue(grey.pixel(1, 1)));
        QCOMPARE(colorWithHex(0x2BB4CB, 0.5).rgba(), qRgba(43, 180, 203, 128));
    }

    // Only the 640 x 1136 display is tall; there the backgrounds' tall pictures are used.
    // Pictures are found like the platform's loader finds them.
    void picturesForTheDisplay()
    {
        const std::tuple<QSize, const char *, const char *> cases[] = {{{640, 1136}, "menu-bg.jpg", "menu-bg-568h.jpg"},
                                                                       {{640, 1136}, "home-menu", "home-menu-568h"},
                                                                       {{640, 1136}, "foo.png", "foo.png-568h"},
                                                                       {{640, 960}, "menu-bg.jpg", "menu-bg.jpg"},
                                                                       {{1136, 640}, "menu-bg.jpg", "menu-bg.jpg"},
                                                                       {{750, 1334}, "menu-bg.jpg", "menu-bg.jpg"},
                                                                       {{}, "menu-bg.jpg", "menu-bg.jpg"}};
        for (const auto &[mode, name, expected] : cases) {
            ScreenMetrics::shared().setDisplayMode(mode);
            QCOMPARE(Pictures::backgroundName(QLatin1String(name), ScreenMetrics::shared().isTall()),
                     QLatin1String(expected));
        }
        QCOMPARE(Pictures::path(QStringLiteral("menu-bg-568h.jpg")), QStringLiteral(":/pictures/menu-bg-568h@2x.jpg"));
        QCOMPARE(Pictures::path(QStringLiteral("home-menu")), QStringLiteral(":/pictures/home-menu@2x.png"));
        QCOMPARE(Pictures::path(QStringLiteral("skin-3-big.jpg")), QStringLiteral(":/pictures/skin-3-big.jpg"));
        QVERIFY(Pictures::path(QStringLiteral("no-such-picture")).isEmpty());
        QCOMPARE(Pictures::load(QStringLiteral("home-menu")).devicePixelRatio(), 2.0);
    }
};

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
