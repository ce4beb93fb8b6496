#include "app/clients/UsageAnalytics.h"

#include "platform/Clock.h"
#include "platform/DataLock.h"
#include "platform/Paths.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {
void appendRecord(QJsonObject record)
{
    record.insert(QStringLiteral("time"), Clock::current().now().toString(Qt::ISODateWithMs));
    DataLock lock;
    QFile file(Paths::documentPath(QStringLiteral("analytics.jsonl")));
    if (file.open(QIODevice::Append))
        file.write(QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n');
}

QString installationPath() { return Paths::documentPath(QStringLiteral("installation.json")); }
} // namespace

void MobClick::startWithAppkey(const QString &appKey, int reportPolicy, const QString &channelId)
{
    appendRecord({{QStringLiteral("type"), QStringLiteral("launch")},
                  {QStringLiteral("appKey"), appKey},
                  {QStringLiteral("reportPolicy"), reportPolicy},
                  {QStringLiteral("channel"), channelId}});
}

void MobClick::setAppVersion(const QString &version)
{
    appendRecord({{QStringLiteral("type"), QStringLiteral("version")}, {QStringLiteral("version"), version}});
}

void MobClick::event(const QString &eventId, const QString &label)
{
    appendRecord({{QStringLiteral("type"), QStringLiteral("event")},
                  {QStringLiteral("event"), eventId},
                  {QStringLiteral("label"), label}});
}

void Parse::setApplicationId(const QString &applicationId, const QString &clientKey)
{
    appendRecord({{QStringLiteral("type"), QStringLiteral("backend")},
                  {QStringLiteral("applicationId"), applicationId},
                  {QStringLiteral("clientKeyLength"), int(clientKey.size())}});
}

void PFInstallation::saveInBackground(const QByteArray &deviceToken, const QStringList &channels)
{
    QJsonObject installation = current();
    installation.insert(QStringLiteral("deviceToken"), QString::fromLatin1(deviceToken.toHex()));
    if (!channels.isEmpty())
        installation.insert(QStringLiteral("channels"), QJsonArray::fromStringList(channels));
    DataLock lock;
    QSaveFile file(installationPath());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(installation).toJson());
        file.commit();
    }
}

QJsonObject PFInstallation::current()
{
    QFile file(installationPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}
