#pragma once
#include <QDir>
#include <QImage>
#include <QString>

class QCoreApplication;

// The command line and the output folder of a picture generator: --help,
// --version and one OUTPUT_DIR, which is made if missing. Every picture is
// saved there; a picture that cannot be written is reported on stderr and
// makes the run fail, after the others have been written.
class PictureOutput
{
public:
    // Pictures are drawn off screen: call before the application object
    // exists, so that no display is needed, even for --help.
    static void drawOffscreen();

    // Parses the command line; exits for --help, --version or a wrong one.
    PictureOutput(const QCoreApplication &app, const QString &description, int jpegQuality);

    // A name ending in ".jpg" is written as JPEG, anything else as PNG.
    void save(const QImage &image, const QString &name);
    // The exit code of the run.
    int exitCode() const { return allSaved_ ? 0 : 1; }

private:
    QDir folder_;
    int jpegQuality_;
    bool allSaved_ = true;
};
