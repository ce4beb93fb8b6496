#include "ui/IRate.h"

#include <QDesktopServices>

IRate::IRate() : opener_([](const QUrl &url) { return QDesktopServices::openUrl(url); }) { }

IRate &IRate::sharedInstance()
{
    static IRate rate;
    return rate;
}

QUrl IRate::ratingsURL() const
{
    if (appStoreID == 0)
        return {};
    return QUrl(kStoreAddress + QStringLiteral("/app/id%1?action=write-review").arg(appStoreID));
}

bool IRate::openRatingsPageInAppStore()
{
    const QUrl url = ratingsURL();
    return url.isValid() && !url.isEmpty() && opener_ && opener_(url);
}
