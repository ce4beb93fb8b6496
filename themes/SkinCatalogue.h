#pragma once
#include "platform/StoredNames.h"
#include <QImage>
#include <QString>

// The skins: nine built-in pictures and the user's custom photo. A skin is
// known by its skin file name ("skin-3-big", "CustomSkin"); the current one is
// the preference StoredNames::kSkinKey, and the skin-changed broadcast
// tells every themed view that it changed.
namespace SkinCatalogue {
inline constexpr int kBuiltInCount = 9;
inline const QString kPreferenceKey = StoredNames::kSkinKey;
inline const QString kChangeNotification = StoredNames::Broadcast::kSkinChanged;
inline const QString kDefaultSkin = QStringLiteral("skin-1-big");
inline const QString kCustomSkin = QStringLiteral("CustomSkin");

QString skinFileName(int number);  // "skin-N-big"
QString thumbnailName(int number); // "skin-N"
// The bundle resource of a built-in skin: "<skin>.jpg", or "<skin>-568h@2x.jpg" when tall.
QString bundleResourceName(const QString &skinFile, bool tall);
// The custom photo in the documents directory as read ("CustomSkin.jpg",
// "CustomSkin-568h.jpg") and as stored, with "@2x" before ".jpg".
QString customSkinReadName(bool tall);
QString customSkinStoredName(bool tall);

// The preference, "skin-1-big" when missing or empty.
QString currentSkinFile();
// Stores `skinFile` as the current skin, then tells every themed view.
void setCurrentSkin(const QString &skinFile);

struct LoadedSkin
{
    QString skinFile; // what is shown; skin 1 after a fallback
    QImage picture;   // at double resolution
};
// The picture of `skinFile`, or skin 1 when it cannot be read.
LoadedSkin load(const QString &skinFile, bool tall);
} // namespace SkinCatalogue
