// Run: ./bench_ui
// The light blur of a tall skin (640 x 1136): the whole effect, its three box
// passes, OpenCV's 2-D box filter three times into a new picture, and how far
// the passes stray from the rounded mean of each box, computed here by running
// sums on their own.
#include "../Figures.h"
#include "themes/SkinCatalogue.h"
#include "ui/ImageEffects.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace {
constexpr int kRuns = 15;

template<typename F>
double medianMs(F &&run)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One box pass over `count` values `step` apart: the mean of the `width`
// values around each, edges extended, rounded half up.
void boxLine(const int *in, int *out, int count, int step, int width)
{
    const int half = width / 2;
    long sum = 0;
    for (int k = -half; k <= half; ++k)
        sum += in[std::clamp(k, 0, count - 1) * step];
    for (int i = 0; i < count; ++i) {
        out[i * step] = int((2 * sum + width) / (2 * width));
        sum += in[std::clamp(i + half + 1, 0, count - 1) * step] - in[std::clamp(i - half, 0, count - 1) * step];
    }
}

// Largest difference of any channel between `blurred` and the passes by
// definition, all along the rows first, then all down the columns.
int largestStray(const QImage &picture, const QImage &blurred, int width, int passes)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = source.width(), h = source.height();
    int stray = 0;
    for (int channel = 0; channel < 4; ++channel) {
        const int shift = channel * 8;
        std::vector<int> a(size_t(w) * h), b(a.size());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                a[size_t(y) * w + x] = int((source.pixel(x, y) >> shift) & 0xff);
        for (int p = 0; p < passes; ++p) {
            for (int y = 0; y < h; ++y)
                boxLine(&a[size_t(y) * w], &b[size_t(y) * w], w, 1, width);
            std::swap(a, b);
        }
        for (int p = 0; p < passes; ++p) {
            for (int x = 0; x < w; ++x)
                boxLine(&a[x], &b[x], h, w, width);
            std::swap(a, b);
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                stray = std::max(stray, std::abs(int((blurred.pixel(x, y) >> shift) & 0xff) - a[size_t(y) * w + x]));
    }
    return stray;
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);

    const QImage skin = SkinCatalogue::load(QStringLiteral("skin-1-big"), true).picture;
    const int width = ImageEffects::boxBlurWidth(30, 2);
    const double light = medianMs([&] { ImageEffects::applyLightEffect(skin, 2); });
    const double box = medianMs([&] { ImageEffects::boxBlur(skin, width, 3); });

    const QImage argb = skin.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cv::Mat source(argb.height(), argb.width(), CV_8UC4, const_cast<uchar *>(argb.constBits()), argb.bytesPerLine());
    // Into a new picture each time, as a blur that returns one must; the
    // buffer in between is kept.
    cv::Mat between;
    const double opencv = medianMs([&] {
        cv::Mat out;
        cv::blur(source, out, cv::Size(width, width), cv::Point(-1, -1), cv::BORDER_REPLICATE);
        cv::blur(out, between, cv::Size(width, width), cv::Point(-1, -1), cv::BORDER_REPLICATE);
        cv::blur(between, out, cv::Size(width, width), cv::Point(-1, -1), cv::BORDER_REPLICATE);
    });
    const int stray = largestStray(skin, ImageEffects::boxBlur(skin, width, 3), width, 3);
    out << "picture " << skin.width() << " x " << skin.height() << ", box width " << width << ", median of " << kRuns
        << " runs\n";
    out << "light blur (3 box passes, saturation, tint): " << light << " ms (target <= 30 ms)\n";
    out << "  of which the 3 box passes: " << box << " ms\n";
    out << "OpenCV box filter x3 into a new picture: " << opencv << " ms\n";
    out << "ratio light blur / OpenCV: " << light / opencv << " (target <= 1.5)\n";
    out << "largest difference from the box passes by definition: " << stray << " level(s)\n";
    out.flush();
    const std::string size = std::to_string(skin.width()) + "x" + std::to_string(skin.height());
    reportFigure("Skin blur " + size + " (light effect)", withUnit(light, "ms"), "<= 30 ms", light <= 30);
    reportFigure("Skin blur / OpenCV box filter x3", withUnit(light / opencv, "x", 2), "<= 1.5 x",
                 light / opencv <= 1.5);
    reportFigure("Skin blur, largest difference from exact box passes", std::to_string(stray) + " level(s)",
                 "<= 1 level", stray <= 1);
    return 0;
}
