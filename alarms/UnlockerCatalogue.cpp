#include "alarms/UnlockerCatalogue.h"

UnlockerCatalogue &UnlockerCatalogue::shared()
{
    static UnlockerCatalogue manager;
    return manager;
}

QList<UnlockerPtr> UnlockerCatalogue::all()
{
    QList<UnlockerPtr> list;
    for (int kind = 0; kind < Unlocker::kKindCount; ++kind)
        list.append(std::make_shared<Unlocker>(kind));
    unlockers_ = list;
    return unlockers_;
}
