#include "platform/Preferences.h"

#include "platform/Paths.h"

Preferences::Preferences() : settings_(Paths::preferencesFile(), QSettings::IniFormat) {}

Preferences &Preferences::shared()
{
    static Preferences defaults;
    return defaults;
}

QString Preferences::stringForKey(const QString &key) const { return settings_.value(key).toString(); }

bool Preferences::boolForKey(const QString &key) const { return settings_.value(key).toBool(); }

bool Preferences::hasKey(const QString &key) const { return settings_.contains(key); }

void Preferences::setString(const QString &key, const QString &value) { settings_.setValue(key, value); }

void Preferences::setBool(const QString &key, bool value) { settings_.setValue(key, value); }

void Preferences::remove(const QString &key) { settings_.remove(key); }

void Preferences::synchronize() { settings_.sync(); }
