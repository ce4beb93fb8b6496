#include "weather/Reachability.h"

Reachability *Reachability::reachabilityForInternetConnection()
{
    static Reachability *monitor = new Reachability;
    return monitor;
}

Reachability::Reachability(QObject *parent) : QObject(parent)
{
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend())
        return;
    QNetworkInformation *information = QNetworkInformation::instance();
    reachable_ = isReachable(information->reachability());
    connect(information, &QNetworkInformation::reachabilityChanged, this, &Reachability::updateReachability);
}

bool Reachability::isReachable(QNetworkInformation::Reachability reachability)
{
    return reachability != QNetworkInformation::Reachability::Disconnected;
}

void Reachability::updateReachability(QNetworkInformation::Reachability reachability)
{
    const bool reachable = isReachable(reachability);
    if (reachable == reachable_)
        return;
    reachable_ = reachable;
    Q_EMIT reachabilityChanged(reachable);
}
