#pragma once
#include "platform/KeyedArchive.h"

#include <QString>
#include <memory>

// Describes one unlock game: which screen plays it, its pictures, title,
// motto and difficulty. Kinds: 0 tap, 1 calculation, 2 shake-to-launch,
// 3 blow, 4 smile. A plain value: a decoded descriptor is a snapshot and is
// used as stored.
class ZEBAlarmClockUnlocker : public KeyedCodable
{
public:
    enum Kind { Tap = 0, Calculate = 1, ShakeToLaunch = 2, BlowUFO = 3, Smile = 4 };
    static constexpr int kKindCount = 5;

    ZEBAlarmClockUnlocker(); // kind 0
    explicit ZEBAlarmClockUnlocker(qint32 unlockerKind);
    struct Blank {};
    // Every field empty or zero: what decoding fills.
    explicit ZEBAlarmClockUnlocker(Blank) {}

    qint32 unlockerKind = 0;
    QString illustrate;          // large picture in the picker (JPEG file name with extension)
    QString illustrateSmall;     // small icon in the alarm list (name without extension)
    QString refrenceVCClassName; // class name of the screen that plays this game
    QString title;               // translated when the descriptor was made
    QString subtitle;
    QString soundFileName;
    qint32 gameLevel = 1; // 1..5, shown as marks

    std::shared_ptr<ZEBAlarmClockUnlocker> copy() const;

    static QString className() { return QStringLiteral("ZEBAlarmClockUnlocker"); }
    QString archiveClassName() const override { return className(); }
    void encodeWithCoder(KeyedArchiver &coder) const override;
    // nullptr when `value` is not an archived descriptor.
    static std::shared_ptr<ZEBAlarmClockUnlocker> fromArchive(const QJsonValue &value);

    // The analytics label of a kind (kind 0's for unknown kinds).
    static QString analyticsLabel(qint32 kind);
};

using ZEBAlarmClockUnlockerPtr = std::shared_ptr<ZEBAlarmClockUnlocker>;
