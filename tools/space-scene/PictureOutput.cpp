#include "PictureOutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

void PictureOutput::drawOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

PictureOutput::PictureOutput(const QCoreApplication &app, const QString &description, int jpegQuality)
    : jpegQuality_(jpegQuality)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("OUTPUT_DIR"), QStringLiteral("where the pictures are written"));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    folder_.setPath(parser.positionalArguments().first());
    folder_.mkpath(QStringLiteral("."));
}

void PictureOutput::save(const QImage &image, const QString &name)
{
    const bool jpeg = name.endsWith(QLatin1String(".jpg"));
    if (image.save(folder_.filePath(name), nullptr, jpeg ? jpegQuality_ : -1))
        return;
    QTextStream(stderr) << "cannot write " << folder_.filePath(name) << '\n';
    allSaved_ = false;
}
