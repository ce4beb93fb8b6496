// tolvek-render-icon IN.svg OUT.png SIZE: renders the app's icon at one size
// for the hicolor theme (the build makes every size from the one drawing).
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the app's icon at one size."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("IN.svg"), QStringLiteral("the drawing"));
    parser.addPositionalArgument(QStringLiteral("OUT.png"), QStringLiteral("the picture to write"));
    parser.addPositionalArgument(QStringLiteral("SIZE"), QStringLiteral("its width and height, 8 to 1024 pixels"));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    bool sizeOk = false;
    const int size = args.value(2).toInt(&sizeOk);
    if (args.size() != 3 || !sizeOk || size < 8 || size > 1024)
        parser.showHelp(2);
    QSvgRenderer svg(args.at(0));
    if (!svg.isValid()) {
        std::fprintf(stderr, "tolvek-render-icon: cannot read %s\n", qPrintable(args.at(0)));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    svg.render(&painter);
    painter.end();
    if (!image.save(args.at(1))) {
        std::fprintf(stderr, "tolvek-render-icon: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
