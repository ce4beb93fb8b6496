#pragma once
#include <QSettings>
#include <QString>

// The user-preference store: an INI file in the config directory, keys as the
// app names them ("DefaultWeatherUnit", "DefaultSkinFileKey", ...). A damaged
// file is kept aside (NAME.damaged-TIME) before anything is written over it,
// and a symbolic link in its place is replaced, never written through.
class Preferences
{
public:
    static Preferences &shared();

    QString stringForKey(const QString &key) const;
    bool boolForKey(const QString &key) const;
    bool hasKey(const QString &key) const;
    void setString(const QString &key, const QString &value);
    void setBool(const QString &key, bool value);
    void remove(const QString &key);
    // Writes pending changes and reads those other processes made.
    void synchronize();

private:
    Preferences();
    mutable QSettings settings_;
};
