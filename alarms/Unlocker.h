#pragma once
#include "platform/KeyedArchive.h"
#include "platform/StoredNames.h"

#include <QString>
#include <memory>

// Describes one unlock game: which screen plays it, its pictures, title,
// motto and difficulty. Kinds: 0 tap, 1 calculation, 2 shake-to-launch,
// 3 blow, 4 smile. A plain value: a decoded descriptor is a snapshot and is
// used as stored.
class Unlocker : public KeyedCodable
{
public:
    enum Kind { Tap = 0, Calculate = 1, ShakeToLaunch = 2, BlowUFO = 3, Smile = 4 };
    static constexpr int kKindCount = 5;

    Unlocker(); // kind 0
    explicit Unlocker(qint32 kind);
    struct Blank
    { };
    // Every field empty or zero: what decoding fills.
    explicit Unlocker(Blank) { }

    qint32 kind = 0;
    QString illustration;      // large picture in the picker (JPEG file name with extension)
    QString smallIllustration; // small icon in the alarm list (name without extension)
    QString screenName;        // class name of the screen that plays this game
    QString title;             // translated when the descriptor was made
    QString subtitle;
    QString soundFileName;
    qint32 gameLevel = 1; // 1..5, shown as marks

    std::shared_ptr<Unlocker> copy() const;

    static QString className() { return StoredNames::kUnlockerClass; }
    QString archiveClassName() const override { return className(); }
    void encodeWithCoder(KeyedArchiver &coder) const override;
    // nullptr when the value is not an archived descriptor.
    static std::shared_ptr<Unlocker> fromArchive(const KeyedUnarchiver &coder);
    static std::shared_ptr<Unlocker> fromArchive(const QJsonValue &value);
};

using UnlockerPtr = std::shared_ptr<Unlocker>;
