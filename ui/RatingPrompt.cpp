#include "ui/RatingPrompt.h"

#include <QDesktopServices>

RatingPrompt::RatingPrompt() : opener_([](const QUrl &url) { return QDesktopServices::openUrl(url); }) { }

RatingPrompt &RatingPrompt::shared()
{
    static RatingPrompt rate;
    return rate;
}

QUrl RatingPrompt::ratingsURL() const
{
    if (appStoreID == 0)
        return {};
    return QUrl(kRatingPage + QStringLiteral("?app=%1").arg(appStoreID));
}

bool RatingPrompt::openRatingsPage()
{
    const QUrl url = ratingsURL();
    return url.isValid() && !url.isEmpty() && opener_ && opener_(url);
}
