#include "unlockers/ZEBUnlockerManager.h"

ZEBUnlockerManager &ZEBUnlockerManager::sharedZEBUnlockerManager()
{
    static ZEBUnlockerManager manager;
    return manager;
}

QList<ZEBAlarmClockUnlockerPtr> ZEBUnlockerManager::availableUnlockers()
{
    QList<ZEBAlarmClockUnlockerPtr> list;
    for (int kind = 0; kind < ZEBAlarmClockUnlocker::kKindCount; ++kind)
        list.append(std::make_shared<ZEBAlarmClockUnlocker>(kind));
    unlockers_ = list;
    return unlockers_;
}
