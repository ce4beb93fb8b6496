#pragma once
#include "alarms/Alarm.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <functional>

// Creates screens from their class-name string, the way an unlocker
// descriptor names its game screen. Screen libraries register their classes
// at start-up; the core only knows the names.
class ScreenRegistry
{
public:
    // Makes the screen for `alarm` (may be null for screens without one); `previewMode`
    // tells an unlock screen that no alarm is really ringing.
    using Factory = std::function<QObject *(const AlarmPtr &alarm, bool previewMode)>;

    static ScreenRegistry &shared();
    void registerScreen(const QString &className, Factory factory);
    bool contains(const QString &className) const { return factories_.contains(className); }
    QStringList classNames() const { return factories_.keys(); }
    // nullptr when no screen of that class exists.
    QObject *create(const QString &className, const AlarmPtr &alarm, bool previewMode) const;

private:
    QHash<QString, Factory> factories_;
};
