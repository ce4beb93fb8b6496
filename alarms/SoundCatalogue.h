#pragma once
#include <QStringList>

// The ring sounds users choose from: display names (translated) and file
// names, indexed alike. The last entry is the "RandomSound" marker, not a file.
namespace SoundCatalogue {
inline const QString kRandomSoundMarker = QStringLiteral("RandomSound");
QStringList fileNames();
QStringList displayNames(); // translated
// A file name for an alarm's sound: the marker becomes a uniform pick among
// the real sound files (never the marker itself, which would ring silently);
// other names pass through.
QString resolve(const QString &soundFile);
} // namespace SoundCatalogue
