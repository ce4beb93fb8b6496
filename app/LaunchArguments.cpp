#include "app/LaunchArguments.h"

#include <QJsonDocument>

LaunchArguments LaunchArguments::parse(const QStringList &arguments)
{
    LaunchArguments result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--once")) {
            result.once = true;
        } else if (arg == QLatin1String("--new-alarm")) {
            result.options.newAlarm = true;
        } else if (arg == QLatin1String("--launch-notification") && i + 1 < arguments.size()) {
            const QJsonDocument doc = QJsonDocument::fromJson(arguments.at(++i).toUtf8());
            bool ok = false;
            const LocalNotification n = LocalNotification::fromArchive(doc.object(), &ok);
            // Anything but a notification is ignored, as a launch option of another kind would be.
            if (ok && n.isValid())
                result.options.localNotification = n;
            else
                result.error = QStringLiteral("ignored --launch-notification: not a notification");
        }
    }
    return result;
}
