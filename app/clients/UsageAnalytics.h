#pragma once
#include <QJsonObject>
#include <QString>

// Usage analytics and the backend's installation record, kept locally as
// JSON lines ("analytics.jsonl") and a JSON file ("installation.json") in the
// documents directory. Nothing leaves the device: there is no endpoint.
namespace MobClick {
void startWithAppkey(const QString &appKey, int reportPolicy, const QString &channelId);
void setAppVersion(const QString &version);
void event(const QString &eventId, const QString &label);
} // namespace MobClick

namespace Parse {
void setApplicationId(const QString &applicationId, const QString &clientKey);
}

namespace PFInstallation {
// Stores the device token and channels of this installation (saveInBackground).
void saveInBackground(const QByteArray &deviceToken, const QStringList &channels);
QJsonObject current();
} // namespace PFInstallation
