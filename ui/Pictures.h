#pragma once
#include <QImage>
#include <QString>

// The pictures bundled with the app, found by name the way the platform's
// picture loader does: the exact name first, then with "@2x" before the
// extension, and for names without an extension ".png" or ".jpg".
namespace Pictures {
inline constexpr const char *kResourceFolder = ":/pictures/";

// The resource path of the picture, empty when there is none.
QString path(const QString &name);
// The picture with its device-pixel ratio set (2 for "@2x" files); null when missing.
QImage load(const QString &name);
// "qrc:" URL for QML, empty when missing.
QString url(const QString &name);

// The background-picture rule: on a tall screen a name ending in ".jpg" becomes
// "<name less .jpg>-568h.jpg" and any other name "<name>-568h".
QString backgroundName(const QString &name, bool tall);
} // namespace Pictures
