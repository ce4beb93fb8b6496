#pragma once
#include <QString>
#include <QUrl>

// Finds the app's sound files by name and type ("Airship", "mp3"). They are
// compiled into the program under ":/sounds" (assets/sounds, made by
// tools/sounds/generate.sh); folders added with addSearchDirectory are looked
// in first, so a packager or a test can supply other files.
namespace SoundResources {
// The path of the resource, or "" when there is none.
QString pathForResource(const QString &name, const QString &type);
// A file name as the players take it: split at "."; the first piece is the
// name and the second the type. "" for a name without a type (the marker
// "RandomSound" among them) or a missing resource.
QString pathForSoundFile(const QString &fileName);
// A path from the functions above as a URL for Qt Multimedia ("qrc:" or "file:").
QUrl urlForPath(const QString &path);
void addSearchDirectory(const QString &directory);
} // namespace SoundResources
