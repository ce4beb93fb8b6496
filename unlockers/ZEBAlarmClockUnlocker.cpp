#include "unlockers/ZEBAlarmClockUnlocker.h"

#include <QCoreApplication>

namespace {
struct KindRow
{
    const char *className;
    const char *titleKey;
    const char *subtitle;
    const char *sound;
    const char *illustrate;
    const char *illustrateSmall;
    int level;
    const char *analyticsLabel;
};

// Picture numbers do not follow kind numbers: the tap game uses illustration 5.
const KindRow kKinds[] = {
    {"ZEBAlarmClockUnlockerTapViewController", QT_TRANSLATE_NOOP("Unlocker", "Peaceful Universe"), "Just tap.",
     "Satellite.mp3", "clock-setting-unlocker-illustrate5.jpg", "clock-cell-unlocker-planet", 1, "点击解锁"},
    {"ZEBAlarmClockUnlockerCalculateViewController", QT_TRANSLATE_NOOP("Unlocker", "Mass Calculator"),
     "So, give me the answer.", "Calculator.mp3", "clock-setting-unlocker-illustrate1.jpg",
     "clock-cell-unlocker-calculator", 2, "计算器解锁"},
    {"ZEBAlarmClockUnlockerShakeToLauchViewController", QT_TRANSLATE_NOOP("Unlocker", "Tolvek Launcher"),
     "Give me the fuel.", "Airship.mp3", "clock-setting-unlocker-illustrate2.jpg", "clock-cell-unlocker-tolvek", 3,
     "摇Tolvek解锁"},
    {"ZEBAlarmClockUnlockerBlowUFOViewController", QT_TRANSLATE_NOOP("Unlocker", "UFO Attack"),
     "Blow the UFO away from my planet.", "Alien Metron.mp3", "clock-setting-unlocker-illustrate3.jpg",
     "clock-cell-unlocker-ufo", 4, "吹UFO解锁"},
    {"ZEBAlarmClockUnlockerSmileViewController", QT_TRANSLATE_NOOP("Unlocker", "Smile Of The Astronaut"),
     "Smile Please.", "Time Machine.mp3", "clock-setting-unlocker-illustrate4.jpg", "clock-cell-unlocker-astronaut",
     5, "笑脸解锁"},
};
const char *kUnknownKindTitleKey = QT_TRANSLATE_NOOP("Unlocker", "Peace Universe");

const KindRow &rowFor(qint32 kind) { return (kind >= 0 && kind < 5) ? kKinds[kind] : kKinds[0]; }
} // namespace

ZEBAlarmClockUnlocker::ZEBAlarmClockUnlocker() : ZEBAlarmClockUnlocker(0) {}

ZEBAlarmClockUnlocker::ZEBAlarmClockUnlocker(qint32 kind) : unlockerKind(kind)
{
    const KindRow &row = rowFor(kind);
    const bool known = kind >= 0 && kind < kKindCount;
    refrenceVCClassName = QLatin1String(row.className);
    title = QCoreApplication::translate("Unlocker", known ? row.titleKey : kUnknownKindTitleKey);
    subtitle = QLatin1String(row.subtitle);
    soundFileName = QLatin1String(row.sound);
    illustrate = QLatin1String(row.illustrate);
    illustrateSmall = QLatin1String(row.illustrateSmall);
    gameLevel = row.level;
}

std::shared_ptr<ZEBAlarmClockUnlocker> ZEBAlarmClockUnlocker::copy() const
{
    return std::make_shared<ZEBAlarmClockUnlocker>(*this);
}

void ZEBAlarmClockUnlocker::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeInt(QStringLiteral("UnlockerKind"), unlockerKind);
    coder.encodeString(QStringLiteral("UnlockerIllustrateKey"), illustrate);
    coder.encodeString(QStringLiteral("UnlockerIllustrateSmallKey"), illustrateSmall);
    coder.encodeString(QStringLiteral("UnlockerRefrenceVCClassKey"), refrenceVCClassName);
    coder.encodeString(QStringLiteral("UnlockerTitleKey"), title);
    coder.encodeString(QStringLiteral("UnlockerSoundFileNameKey"), soundFileName);
    coder.encodeString(QStringLiteral("UnlockerSubtitleKey"), subtitle);
    coder.encodeInt(QStringLiteral("UnlockerGameLevelKey"), gameLevel);
}

std::shared_ptr<ZEBAlarmClockUnlocker> ZEBAlarmClockUnlocker::fromArchive(const QJsonValue &value)
{
    if (KeyedUnarchiver::classNameOf(value) != className())
        return nullptr;
    const KeyedUnarchiver coder(value.toObject());
    auto u = std::make_shared<ZEBAlarmClockUnlocker>(Blank{});
    u->unlockerKind = qint32(coder.decodeInt(QStringLiteral("UnlockerKind")));
    u->illustrate = coder.decodeString(QStringLiteral("UnlockerIllustrateKey"));
    u->illustrateSmall = coder.decodeString(QStringLiteral("UnlockerIllustrateSmallKey"));
    u->refrenceVCClassName = coder.decodeString(QStringLiteral("UnlockerRefrenceVCClassKey"));
    u->title = coder.decodeString(QStringLiteral("UnlockerTitleKey"));
    u->soundFileName = coder.decodeString(QStringLiteral("UnlockerSoundFileNameKey"));
    u->subtitle = coder.decodeString(QStringLiteral("UnlockerSubtitleKey"));
    u->gameLevel = qint32(coder.decodeInt(QStringLiteral("UnlockerGameLevelKey")));
    return u;
}

QString ZEBAlarmClockUnlocker::analyticsLabel(qint32 kind) { return QString::fromUtf8(rowFor(kind).analyticsLabel); }
