#include "alarms/Unlocker.h"
#include "platform/StoredNames.h"

#include <QCoreApplication>

namespace {
struct KindRow
{
    const QString *screenName;
    const char *titleKey;
    const char *subtitle;
    const char *sound;
    const char *illustration;
    const char *smallIllustration;
    int level;
};

// Picture numbers do not follow kind numbers: the tap game uses illustration 5.
const KindRow kKinds[] = {
    {&StoredNames::kTapScreen, QT_TRANSLATE_NOOP("Unlocker", "Peaceful Universe"), "Just tap.", "Satellite.mp3",
     "clock-setting-unlocker-illustrate5.jpg", "clock-cell-unlocker-planet", 1},
    {&StoredNames::kSumScreen, QT_TRANSLATE_NOOP("Unlocker", "Mass Calculator"), "So, give me the answer.",
     "Calculator.mp3", "clock-setting-unlocker-illustrate1.jpg", "clock-cell-unlocker-calculator", 2},
    {&StoredNames::kShakeScreen, QT_TRANSLATE_NOOP("Unlocker", "Tolvek Launcher"), "Give me the fuel.", "Airship.mp3",
     "clock-setting-unlocker-illustrate2.jpg", "clock-cell-unlocker-tolvek", 3},
    {&StoredNames::kBlowScreen, QT_TRANSLATE_NOOP("Unlocker", "UFO Attack"), "Blow the UFO away from my planet.",
     "Alien Metron.mp3", "clock-setting-unlocker-illustrate3.jpg", "clock-cell-unlocker-ufo", 4},
    {&StoredNames::kSmileScreen, QT_TRANSLATE_NOOP("Unlocker", "Smile Of The Astronaut"), "Smile Please.",
     "Time Machine.mp3", "clock-setting-unlocker-illustrate4.jpg", "clock-cell-unlocker-astronaut", 5},
};
const char *kUnknownKindTitleKey = QT_TRANSLATE_NOOP("Unlocker", "Peace Universe");

const KindRow &rowFor(qint32 kind) { return (kind >= 0 && kind < 5) ? kKinds[kind] : kKinds[0]; }
} // namespace

Unlocker::Unlocker() : Unlocker(0) { }

Unlocker::Unlocker(qint32 kind) : kind(kind)
{
    const KindRow &row = rowFor(kind);
    const bool known = kind >= 0 && kind < kKindCount;
    screenName = *row.screenName;
    title = QCoreApplication::translate("Unlocker", known ? row.titleKey : kUnknownKindTitleKey);
    subtitle = QLatin1String(row.subtitle);
    soundFileName = QLatin1String(row.sound);
    illustration = QLatin1String(row.illustration);
    smallIllustration = QLatin1String(row.smallIllustration);
    gameLevel = row.level;
}

std::shared_ptr<Unlocker> Unlocker::copy() const { return std::make_shared<Unlocker>(*this); }

void Unlocker::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeInt(StoredNames::UnlockerKey::kKind, kind);
    coder.encodeString(StoredNames::UnlockerKey::kIllustration, illustration);
    coder.encodeString(StoredNames::UnlockerKey::kSmallIllustration, smallIllustration);
    coder.encodeString(StoredNames::UnlockerKey::kScreenName, screenName);
    coder.encodeString(StoredNames::UnlockerKey::kTitle, title);
    coder.encodeString(StoredNames::UnlockerKey::kSoundFile, soundFileName);
    coder.encodeString(StoredNames::UnlockerKey::kSubtitle, subtitle);
    coder.encodeInt(StoredNames::UnlockerKey::kLevel, gameLevel);
}

std::shared_ptr<Unlocker> Unlocker::fromArchive(const QJsonValue &value) { return fromArchive(KeyedUnarchiver(value)); }

std::shared_ptr<Unlocker> Unlocker::fromArchive(const KeyedUnarchiver &coder)
{
    if (coder.className() != className())
        return nullptr;
    auto u = std::make_shared<Unlocker>(Blank{});
    u->kind = qint32(coder.decodeInt(StoredNames::UnlockerKey::kKind));
    u->illustration = coder.decodeString(StoredNames::UnlockerKey::kIllustration);
    u->smallIllustration = coder.decodeString(StoredNames::UnlockerKey::kSmallIllustration);
    u->screenName = coder.decodeString(StoredNames::UnlockerKey::kScreenName);
    u->title = coder.decodeString(StoredNames::UnlockerKey::kTitle);
    u->soundFileName = coder.decodeString(StoredNames::UnlockerKey::kSoundFile);
    u->subtitle = coder.decodeString(StoredNames::UnlockerKey::kSubtitle);
    u->gameLevel = qint32(coder.decodeInt(StoredNames::UnlockerKey::kLevel));
    return u;
}
