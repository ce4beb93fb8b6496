#include "platform/UserDefaults.h"

#include "platform/Paths.h"

UserDefaults::UserDefaults() : settings_(Paths::preferencesFile(), QSettings::IniFormat) {}

UserDefaults &UserDefaults::standard()
{
    static UserDefaults defaults;
    return defaults;
}

QString UserDefaults::stringForKey(const QString &key) const { return settings_.value(key).toString(); }

bool UserDefaults::boolForKey(const QString &key) const { return settings_.value(key).toBool(); }

bool UserDefaults::hasKey(const QString &key) const { return settings_.contains(key); }

void UserDefaults::setString(const QString &key, const QString &value) { settings_.setValue(key, value); }

void UserDefaults::setBool(const QString &key, bool value) { settings_.setValue(key, value); }

void UserDefaults::remove(const QString &key) { settings_.remove(key); }

void UserDefaults::synchronize() { settings_.sync(); }
