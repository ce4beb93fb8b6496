#include "ProcessStats.h"
#include "TestSupport.h"
#include "assembly/AppAssembly.h"
#include "skins/CropScreen.h"
#include "skins/CustomSkin.h"
#include "skins/PhotoLoader.h"
#include "skins/SkinManagerScreen.h"
#include "skins/SkinPreviewScreen.h"
#include "themes/SkinCatalogue.h"
#include "themes/ThemedBackground.h"
#include "ui/ModalLayer.h"
#include "ui/ScreenMetrics.h"

#include <QImageWriter>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString data(const char *name) { return qEnvironmentVariable("TOLVEK_SKIN_TEST_DATA") + QLatin1Char('/') + name; }

template<typename Screen>
Screen *front()
{
    const QList<ScreenController *> screens = ModalLayer::shared().presentedScreens();
    for (auto it = screens.rbegin(); it != screens.rend(); ++it)
        if (auto *screen = qobject_cast<Screen *>(*it))
            return screen;
    return nullptr;
}

// Peak resident memory since the last reset, in MiB.
qint64 peakMemoryMib() { return ProcessStats::statusKb(QCoreApplication::applicationPid(), "VmHWM") / 1024; }

void resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

QImage halves(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), Qt::red);
    return image;
}
} // namespace

class TestSkinManager : public QObject
{
    Q_OBJECT
private:
    TestSupport::RecordingAlerts alerts;
    QTemporaryDir files;
    const QSizeF tallFrame{260, 260.0 * 1136 / 640};

private Q_SLOTS:
    void initTestCase()
    {
        AppAssembly::registerScreens();
        ScreenMetrics::shared().setDisplayMode(ScreenMetrics::kTallMode);
    }
    void init()
    {
        TestSupport::wipeUserData();
        alerts.shown.clear();
    }
    void cleanup()
    {
        for (ScreenController *screen : ModalLayer::shared().presentedScreens())
            screen->close(false);
    }

    void settingEachSkinStoresItAndEveryBackgroundFollows()
    {
        SkinManagerScreen manager;
        ThemedBackground openScreenBackground;
        QCOMPARE(manager.currentSkin(), 1);
        for (int n = 1; n <= SkinCatalogue::kBuiltInCount; ++n) {
            manager.previewSkin(n % 9 + 1); // looked at, then left: nothing changes
            QVERIFY(front<SkinPreviewScreen>());
            front<SkinPreviewScreen>()->cancel();
            QVERIFY(!front<SkinPreviewScreen>());
            QCOMPARE(SkinCatalogue::currentSkinFile(), SkinCatalogue::skinFileName(n == 1 ? 1 : n - 1));

            manager.previewSkin(n);
            front<SkinPreviewScreen>()->confirm();
            QCOMPARE(Preferences::shared().stringForKey(SkinCatalogue::kPreferenceKey),
                     QStringLiteral("skin-%1-big").arg(n));
            QCOMPARE(manager.currentSkin(), n);
            QCOMPARE(openScreenBackground.skinFile(), QStringLiteral("skin-%1-big").arg(n));
        }

        // The skin marked current, from what is stored; anything else marks none.
        const QList<std::pair<QString, int>> numbers{{"skin-4-big", 4}, {"skin-9-big", 9}, {"skin-10-big", 0},
                                                     {"CustomSkin", 0}, {"", 0},           {"skin-4", 0},
                                                     {"skin-x-big", 0}};
        for (const auto &[skinFile, number] : numbers)
            QCOMPARE(SkinManagerScreen::skinNumberOf(skinFile), number);
    }

    // Square, portrait, landscape, tiny and a 20:1 panorama.
    void cropGeometryAlwaysCoversTheFrame_data()
    {
        QTest::addColumn<QSize>("photo");
        for (const QSize size :
             {QSize(1000, 1000), QSize(1536, 2048), QSize(2048, 1536), QSize(40, 60), QSize(2048, 102)})
            QTest::addRow("%dx%d", size.width(), size.height()) << size;
    }
    void cropGeometryAlwaysCoversTheFrame()
    {
        QFETCH(QSize, photo);
        CropGeometry geometry(tallFrame, photo);
        auto covers = [&] {
            const QRectF shown(geometry.offset(), geometry.shownSize());
            return shown.left() <= 1e-9 && shown.top() <= 1e-9 && shown.right() >= tallFrame.width() - 1e-9
                   && shown.bottom() >= tallFrame.height() - 1e-9;
        };
        // At first: just covering (one side fits exactly), centred.
        QVERIFY(covers());
        QVERIFY(qFuzzyCompare(geometry.shownSize().width(), tallFrame.width())
                || qFuzzyCompare(geometry.shownSize().height(), tallFrame.height()));
        QCOMPARE(geometry.offset().x() * 2, tallFrame.width() - geometry.shownSize().width());

        geometry.pan(QPointF(1e6, 1e6));
        QCOMPARE(geometry.offset(), QPointF(0, 0));
        geometry.pan(QPointF(-1e6, -1e6));
        QVERIFY(covers());
        geometry.setZoom(0.1);
        QCOMPARE(geometry.zoom(), 1.0);
        QVERIFY(covers());

        // Zooming around a point keeps the photo point under it.
        geometry.setZoom(3, QPointF(100, 200));
        geometry.pan(QPointF(-20, -30));
        const QPointF anchor(130, 170);
        const QPointF before = (anchor - geometry.offset()) / geometry.scale();
        geometry.setZoom(4, anchor);
        QVERIFY((before - (anchor - geometry.offset()) / geometry.scale()).manhattanLength() < 1e-6);
        geometry.setZoom(100);
        QCOMPARE(geometry.zoom(), CropGeometry::kMaxZoom);
        QVERIFY(covers());

        // What is cut out has the frame's shape and lies inside the photo.
        const QRectF source = geometry.sourceRect();
        QVERIFY(QRectF(QPointF(0, 0), QSizeF(photo)).contains(source));
        QVERIFY(qAbs(source.width() / source.height() - tallFrame.width() / tallFrame.height()) < 0.01);
    }

    // The cropped picture is what the frame shows; "Done" stores it as the custom
    // skin and makes it current; on a full disk the stored one and the current
    // skin stay as they were.
    void doneStoresWhatTheFrameShowsAtomically()
    {
        SkinManagerScreen manager;
        ThemedBackground background;
        // Red left half, blue right half; the frame is narrower than the photo.
        CropScreen first(halves(QSize(2000, 1000)));
        const auto edges = [&] {
            const QImage picture = first.croppedPicture();
            return QList<QColor>{picture.pixelColor(5, 500), picture.pixelColor(634, 500)};
        };
        QCOMPARE(edges(), (QList<QColor>{Qt::red, Qt::blue}));
        first.pan(1e6, 0); // the photo's left edge at the frame's
        QCOMPARE(edges(), (QList<QColor>{Qt::red, Qt::red}));
        first.done();
        const QString path = Paths::documentPath(QStringLiteral("CustomSkin-568h@2x.jpg"));
        QCOMPARE(QImage(path).size(), QSize(640, 1136));
        QCOMPARE(SkinCatalogue::currentSkinFile(), QStringLiteral("CustomSkin"));
        QVERIFY(manager.customSkinCurrent());
        QCOMPARE(background.skinFile(), QStringLiteral("CustomSkin"));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        SkinCatalogue::setCurrentSkin(QStringLiteral("skin-3-big"));
        CropScreen second(halves(QSize(900, 700)).mirrored(true, false));
        QSignalSpy failed(&second, &CropScreen::failed);
        {
            TestSupport::FileSizeLimit diskFull(4096);
            second.done();
        }
        QCOMPARE(failed.count(), 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(SkinCatalogue::currentSkinFile(), QStringLiteral("skin-3-big"));
        QCOMPARE(QDir(Paths::documentsDirectory()).entryList({QStringLiteral("CustomSkin*")}, QDir::Files).size(), 1);
    }

    // Hostile files are refused with a word and the skin stays; a huge photo
    // is read scaled down, an upright one upright, and the crop cancelled.
    // None takes much memory.
    void photosFromFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("photo"); // as the crop gets it; none: refused
        QTest::newRow("not a picture") << data("not-a-picture.jpg") << QSize();
        QTest::newRow("truncated JPEG") << data("truncated.jpg") << QSize();
        QTest::newRow("PNG of 100000 x 100000") << data("bomb.png") << QSize();
        QTest::newRow("removed before reading") << files.filePath(QStringLiteral("gone.jpg")) << QSize();
        QTest::newRow("a folder") << files.path() << QSize();
        const QString huge = files.filePath(QStringLiteral("huge.jpg"));
        QImage picture(10000, 10000, QImage::Format_Grayscale8);
        for (int y = 0; y < picture.height(); ++y)
            std::memset(picture.scanLine(y), y % 256, picture.width());
        QVERIFY(picture.save(huge, "jpeg", 60));
        QTest::newRow("100 megapixels") << huge << QSize(PhotoLoader::kMaxSide, PhotoLoader::kMaxSide);
        // Stored 400 x 200 with the "turn a quarter" mark, as a phone held upright writes it.
        const QString portrait = files.filePath(QStringLiteral("portrait.jpg"));
        QImageWriter writer(portrait, "jpeg");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(halves(QSize(400, 200))));
        QTest::newRow("upright photo") << portrait << QSize(200, 400);
    }
    void photosFromFiles()
    {
        QFETCH(QString, path);
        QFETCH(QSize, photo);
        const bool usable = photo.isValid();
        SkinCatalogue::setCurrentSkin(QStringLiteral("skin-6-big"));
        SkinManagerScreen manager;
        QSignalSpy pickerAgain(&manager, &SkinManagerScreen::photoPickerRequested);
        resetPeakMemory();
        const qint64 baseline = peakMemoryMib();
        manager.usePhoto(QUrl::fromLocalFile(path));
        if (usable) {
            QTRY_VERIFY(front<CropScreen>());
            QCOMPARE(front<CropScreen>()->photo().size(), photo);
            front<CropScreen>()->cancel(); // back to choosing a photo, the skin as it was
            QCOMPARE(pickerAgain.count(), 1);
        } else {
            QTRY_COMPARE(alerts.shown.size(), 1);
            QCOMPARE(alerts.shown.first().message, QStringLiteral("This picture cannot be used"));
            QVERIFY(!front<CropScreen>());
        }
        qInfo("peak memory +%lld MiB", peakMemoryMib() - baseline);
        QVERIFY(peakMemoryMib() - baseline < 200);
        QCOMPARE(alerts.shown.isEmpty(), usable);
        QVERIFY(!manager.readingPhoto());
        QCOMPARE(SkinCatalogue::currentSkinFile(), QStringLiteral("skin-6-big"));
    }
};

QTEST_MAIN(TestSkinManager)
#include "tst_skin_manager.moc"
