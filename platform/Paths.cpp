#include "platform/Paths.h"

#include <QDir>

namespace {
QString xdgDir(const char *variable, const char *fallback)
{
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QLatin1Char('/') + QLatin1String(fallback);
    const QString dir = base + QStringLiteral("/tolvek-alarm");
    QDir().mkpath(dir);
    return dir;
}
} // namespace

QString Paths::documentsDirectory() { return xdgDir("XDG_DATA_HOME", ".local/share"); }

QString Paths::documentPath(const QString &fileName) { return documentsDirectory() + QLatin1Char('/') + fileName; }

QString Paths::configDirectory() { return xdgDir("XDG_CONFIG_HOME", ".config"); }

QString Paths::preferencesFile() { return configDirectory() + QStringLiteral("/preferences.conf"); }
