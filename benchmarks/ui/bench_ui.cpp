// Run: QT_QPA_PLATFORM=offscreen ./bench_ui
#include "themes/SkinCatalogue.h"
#include "assembly/AppAssembly.h"
#include "assembly/AppWindow.h"
#include "ui/ImageEffects.h"
#include "ui/UiSetup.h"

#include <QElapsedTimer>
#include <QEventLoop>
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
} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    UiSetup::prepareEnvironment(argc, argv);
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);

    AppAssembly::registerScreens();
    AppWindow window;
    if (!window.load())
        return 1;
    QEventLoop firstFrame;
    QObject::connect(window.window(), &QQuickWindow::frameSwapped, &firstFrame, &QEventLoop::quit);
    window.show();
    firstFrame.exec();
    out << "app start to first frame: " << sinceStart.elapsed() << " ms (target < 400 ms)\n";

    const QImage skin = SkinCatalogue::load(QStringLiteral("skin-1-big"), true).picture;
    const int width = ImageEffects::boxBlurWidth(30, 2);
    const double light = medianMs([&] { ImageEffects::applyLightEffect(skin, 2); });
    const double box = medianMs([&] { ImageEffects::boxBlur(skin, width, 3); });

    const QImage argb = skin.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cv::Mat source(argb.height(), argb.width(), CV_8UC4, const_cast<uchar *>(argb.constBits()), argb.bytesPerLine());
    cv::Mat a, b;
    const double opencv = medianMs([&] {
        cv::blur(source, a, cv::Size(width, width), cv::Point(-1, -1), cv::BORDER_REPLICATE);
        cv::blur(a, b, cv::Size(width, width), cv::Point(-1, -1), cv::BORDER_REPLICATE);
        cv::blur(b, a, cv::Size(width, width), cv::Point(-1, -1), cv::BORDER_REPLICATE);
    });
    out << "picture " << skin.width() << " x " << skin.height() << ", box width " << width << ", median of "
        << kRuns << " runs\n";
    out << "light blur (3 box passes, saturation, tint): " << light << " ms (target < 30 ms)\n";
    out << "  of which the 3 box passes: " << box << " ms\n";
    out << "OpenCV box filter x3: " << opencv << " ms\n";
    out << "ratio light blur / OpenCV: " << light / opencv << " (target <= 1.5)\n";
    return 0;
}
