#include "platform/Broadcaster.h"
#include "platform/Paths.h"
#include "platform/Preferences.h"
#include "themes/SkinCatalogue.h"
#include "themes/BlurredBackground.h"
#include "themes/ThemedBackground.h"
#include "ui/ImageEffects.h"
#include "ui/ScreenMetrics.h"

#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

class TestSkins : public QObject
{
    Q_OBJECT
private:
    static void setPreference(const QString &value)
    {
        Preferences::shared().setString(SkinCatalogue::kPreferenceKey, value);
        Preferences::shared().synchronize();
    }
    static void writeCustomSkin(const QString &name, QColor colour)
    {
        QDir().mkpath(Paths::documentsDirectory());
        QImage picture(64, 96, QImage::Format_RGB32);
        picture.fill(colour);
        QVERIFY(picture.save(Paths::documentPath(name), "JPEG"));
    }

private Q_SLOTS:
    void init()
    {
        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kTallMode);
        Preferences::shared().remove(SkinCatalogue::kPreferenceKey);
        for (const bool tall : {true, false})
            QFile::remove(Paths::documentPath(SkinCatalogue::customSkinStoredName(tall)));
    }

    void everyBuiltInSkinHasItsPictures()
    {
        for (int n = 1; n <= SkinCatalogue::kBuiltInCount; ++n) {
            for (const bool tall : {true, false}) {
                const auto skin = SkinCatalogue::load(SkinCatalogue::skinFileName(n), tall);
                QCOMPARE(skin.skinFile, SkinCatalogue::skinFileName(n));
                QCOMPARE(skin.picture.size(), tall ? QSize(640, 1136) : QSize(640, 960));
            }
            QVERIFY(QFile::exists(QStringLiteral(":/pictures/skin-%1@2x.jpg").arg(n)));
        }
    }

    void fallbackRules_data()
    {
        QTest::addColumn<QString>("preference");
        QTest::addColumn<QString>("shown");
        QTest::newRow("missing") << QString() << "skin-1-big";
        QTest::newRow("empty") << ""
                               << "skin-1-big";
        QTest::newRow("built-in") << "skin-4-big"
                                  << "skin-4-big";
        QTest::newRow("unknown name") << "skin-12-big"
                                      << "skin-1-big";
        QTest::newRow("custom without its file") << "CustomSkin"
                                                 << "skin-1-big";
    }
    void fallbackRules()
    {
        QFETCH(QString, preference);
        QFETCH(QString, shown);
        if (!preference.isNull())
            setPreference(preference);
        ThemedBackground view;
        QCOMPARE(view.skinFile(), shown);
        QVERIFY(!view.patternImage().isNull());
        // A fallback never rewrites the preference.
        QCOMPARE(Preferences::shared().stringForKey(SkinCatalogue::kPreferenceKey), preference);
    }

    void customSkinFollowsTheScreenHeight()
    {
        setPreference(SkinCatalogue::kCustomSkin);
        writeCustomSkin(QStringLiteral("CustomSkin@2x.jpg"), Qt::red); // saved on a normal screen
        ThemedBackground tallView;
        QCOMPARE(tallView.skinFile(), QStringLiteral("skin-1-big"));

        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kNormalMode);
        ThemedBackground normalView;
        QCOMPARE(normalView.skinFile(), SkinCatalogue::kCustomSkin);
        QVERIFY(normalView.patternImage().pixelColor(10, 10).red() > 200);
    }

    void changeBroadcastReachesEveryView()
    {
        ThemedBackground plain;
        BlurredBackground blurred;
        QCOMPARE(plain.skinFile(), QStringLiteral("skin-1-big"));
        setPreference(QStringLiteral("skin-7-big"));
        Broadcaster::shared().post(SkinCatalogue::kChangeNotification);
        QCOMPARE(plain.skinFile(), QStringLiteral("skin-7-big"));
        QCOMPARE(blurred.skinFile(), QStringLiteral("skin-7-big"));
        QTRY_VERIFY_WITH_TIMEOUT(!blurred.isBlurring(), 20000);
        const QImage expected
            = ImageEffects::applyLightEffect(SkinCatalogue::load(QStringLiteral("skin-7-big"), true).picture, 2.0);
        const QImage shown = blurred.blurredBackgroundImage();
        QCOMPARE(shown.size(), expected.size());
        for (int y = 0; y < shown.height(); y += 37)
            for (int x = 0; x < shown.width(); x += 23)
                QCOMPARE(shown.pixel(x, y), expected.pixel(x, y));
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
        QCOMPARE(view.backgroundImage().pixelColor(0, 0), QColor(Qt::blue));
    }

    void tallFrameIs568PointsHigh()
    {
        BlurredBackground view;
        view.setSize(QSizeF(320, 700));
        QCOMPARE(view.backgroundImageFrame(), QRectF(0, 0, 320, 568));
        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kNormalMode);
        QCOMPARE(view.backgroundImageFrame(), QRectF(0, 0, 320, 700));
    }
};

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
