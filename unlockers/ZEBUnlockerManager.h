#pragma once
#include "unlockers/ZEBAlarmClockUnlocker.h"

#include <QList>

// The catalogue of the five games. Every call builds fresh descriptors (so
// titles follow the current language); list index equals kind number.
class ZEBUnlockerManager
{
public:
    static ZEBUnlockerManager &sharedZEBUnlockerManager();
    QList<ZEBAlarmClockUnlockerPtr> availableUnlockers();
    void refreshAvalibleUnlockers() { availableUnlockers(); }
    QList<ZEBAlarmClockUnlockerPtr> unlockers() const { return unlockers_; }

private:
    QList<ZEBAlarmClockUnlockerPtr> unlockers_;
};
