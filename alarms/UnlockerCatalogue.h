#pragma once
#include "alarms/Unlocker.h"

#include <QList>

// The catalogue of the five games. Every call builds fresh descriptors (so
// titles follow the current language); list index equals kind number.
class UnlockerCatalogue
{
public:
    static UnlockerCatalogue &shared();
    QList<UnlockerPtr> all();
    void refreshUnlockers() { all(); }
    QList<UnlockerPtr> unlockers() const { return unlockers_; }

private:
    QList<UnlockerPtr> unlockers_;
};
