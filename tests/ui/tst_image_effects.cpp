#include "ui/ColorHex.h"
#include "ui/ImageEffects.h"
#include "ui/Pictures.h"
#include "ui/ScreenMetrics.h"
#include "ui/Shuffle.h"

#include <QRandomGenerator>
#include <QTest>
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

class TestImageEffects : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boxWidth_data()
    {
        QTest::addColumn<qreal>("radius");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("width");
        QTest::newRow("light effect at 2x") << 30.0 << 2.0 << 113; // floor(112.8 + 0.5) is odd already
        QTest::newRow("light effect at 1x") << 30.0 << 1.0 << 57;
        QTest::newRow("even raised by one") << 10.0 << 2.0 << 39; // floor(37.6 + 0.5) = 38
        QTest::newRow("tiny radius") << 1.0 << 1.0 << 3;          // floor(1.88 + 0.5) = 2
        QTest::newRow("no blur") << 0.0 << 2.0 << 0;
    }
    void boxWidth()
    {
        QFETCH(qreal, radius);
        QFETCH(qreal, scale);
        QFETCH(int, width);
        QCOMPARE(ImageEffects::boxBlurWidth(radius, scale), width);
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
                         qPrintable(QStringLiteral("at %1,%2: %3, expected %4")
                                        .arg(x)
                                        .arg(y)
                                        .arg(qRed(blurred.pixel(x, y)))
                                        .arg(red[y][x])));
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

    // The house saturation of 1.8 in 1/256 steps, worked out by hand from the
    // luminance weights 0.2126, 0.7152, 0.0722 (with the platform's 0.7873 in
    // the red-to-red entry): row = input channel, column = output channel.
    void saturationMatrixOfTheLightEffect()
    {
        const ImageEffects::FixedPointMatrix expected{{{417, -44, -44}, {-146, 314, -146}, {-15, -15, 446}}};
        QCOMPARE(ImageEffects::fixedPointMatrix(ImageEffects::saturationMatrix(1.8)), expected);
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
    // never above its alpha: 128 becomes 128 (1 - 0.302) + 77 = 166.
    void lightEffectOfASeeThroughPicture()
    {
        QImage glass(48, 64, QImage::Format_ARGB32);
        glass.fill(qRgba(200, 40, 40, 128));
        const QImage out = ImageEffects::applyLightEffect(glass, 2.0);
        QCOMPARE(out.format(), QImage::Format_ARGB32_Premultiplied);
        const QRgb pixel = out.pixel(24, 32); // premultiplied as stored
        QVERIFY2(qAbs(qAlpha(pixel) - 166) <= 1, qPrintable(QString::number(qAlpha(pixel))));
        QVERIFY(qRed(pixel) <= qAlpha(pixel) && qGreen(pixel) <= qAlpha(pixel) && qBlue(pixel) <= qAlpha(pixel));
        QVERIFY(qRed(pixel) > qGreen(pixel) + 40);
    }

    void otherEffects()
    {
        // A picture's transparent corners stay transparent in grey.
        QImage seeThrough(4, 4, QImage::Format_ARGB32);
        seeThrough.fill(qRgba(200, 40, 40, 0));
        seeThrough.setPixel(1, 1, qRgba(200, 40, 40, 255));
        const QImage grey = ImageEffects::greyscale(seeThrough);
        QCOMPARE(qAlpha(grey.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(grey.pixel(1, 1)), 255);
        QCOMPARE(qRed(grey.pixel(1, 1)), qBlue(grey.pixel(1, 1)));
        QImage image(20, 10, QImage::Format_ARGB32_Premultiplied);
        image.fill(QColor(200, 40, 40));
        QCOMPARE(ImageEffects::resized(image, QSize(7, 3)).size(), QSize(7, 3));
        const QImage rounded = ImageEffects::withRoundedCorners(image, 5);
        QCOMPARE(qAlpha(rounded.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(rounded.pixel(10, 5)), 255);
        QCOMPARE(colorWithHex(0x2BB4CB, 0.5).rgba(), qRgba(43, 180, 203, 128));
    }

    void shufflingKeepsEveryElement()
    {
        QRandomGenerator random(3);
        const QList<int> items{1, 2, 3, 4, 5, 6, 7, 8};
        QList<int> mixed = shuffled(items, random);
        QVERIFY(mixed != items);
        std::sort(mixed.begin(), mixed.end());
        QCOMPARE(mixed, items);
        QString text = shuffledString(QStringLiteral("abcdefgh"), random);
        std::sort(text.begin(), text.end());
        QCOMPARE(text, QStringLiteral("abcdefgh"));
    }

    // Only the 640 x 1136 display is tall; there the backgrounds' tall pictures are used.
    void backgroundPictureForTheDisplay_data()
    {
        QTest::addColumn<QSize>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("jpg on tall") << QSize(640, 1136) << "menu-bg.jpg"
                                     << "menu-bg-568h.jpg";
        QTest::newRow("other on tall") << QSize(640, 1136) << "home-menu"
                                       << "home-menu-568h";
        QTest::newRow("png on tall") << QSize(640, 1136) << "foo.png"
                                     << "foo.png-568h";
        QTest::newRow("640 x 960") << QSize(640, 960) << "menu-bg.jpg"
                                   << "menu-bg.jpg";
        QTest::newRow("landscape") << QSize(1136, 640) << "menu-bg.jpg"
                                   << "menu-bg.jpg";
        QTest::newRow("larger phone") << QSize(750, 1334) << "menu-bg.jpg"
                                      << "menu-bg.jpg";
        QTest::newRow("no mode") << QSize() << "menu-bg.jpg"
                                 << "menu-bg.jpg";
    }
    void backgroundPictureForTheDisplay()
    {
        QFETCH(QSize, mode);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        ScreenMetrics::shared().setDisplayMode(mode);
        QCOMPARE(Pictures::backgroundName(name, ScreenMetrics::shared().isTall()), expected);
    }

    void picturesAreFoundLikeThePlatformLoader()
    {
        QCOMPARE(Pictures::path(QStringLiteral("menu-bg-568h.jpg")), QStringLiteral(":/pictures/menu-bg-568h@2x.jpg"));
        QCOMPARE(Pictures::path(QStringLiteral("home-menu")), QStringLiteral(":/pictures/home-menu@2x.png"));
        QCOMPARE(Pictures::path(QStringLiteral("skin-3-big.jpg")), QStringLiteral(":/pictures/skin-3-big.jpg"));
        QVERIFY(Pictures::path(QStringLiteral("no-such-picture")).isEmpty());
        QCOMPARE(Pictures::load(QStringLiteral("home-menu")).devicePixelRatio(), 2.0);
    }
};

QTEST_GUILESS_MAIN(TestImageEffects)
#include "tst_image_effects.moc"
