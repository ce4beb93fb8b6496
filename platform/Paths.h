#pragma once
#include <QString>

// Where the app keeps its files. Follows XDG_DATA_HOME and XDG_CONFIG_HOME so
// the app, the command-line tool and the services agree on one place.
namespace Paths {
// The documents directory: alarm file, ring-status file, pending notifications, custom skin.
QString documentsDirectory();
QString documentPath(const QString &fileName);
QString configDirectory();
QString preferencesFile();
} // namespace Paths
