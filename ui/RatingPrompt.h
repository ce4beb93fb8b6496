#pragma once
#include <QString>
#include <QUrl>
#include <functional>

// The rating prompt's shared settings and the call that opens the app's
// rating page on the project's site, in the desktop's browser.
class RatingPrompt
{
public:
    static inline const QString kRatingPage = QStringLiteral("https://tolvek.org/alarm/rate");

    static RatingPrompt &shared();

    QString applicationBundleID;
    bool onlyPromptIfLatestVersion = true;
    bool previewMode = false;
    quint32 appStoreID = 0;

    // The rating page of the app with `appStoreID`; empty without an identifier.
    QUrl ratingsURL() const;
    // Opens the rating page; false when there is no identifier or nothing opened it.
    bool openRatingsPage();
    // Tests replace the desktop URL handler.
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { opener_ = std::move(opener); }

private:
    RatingPrompt();
    std::function<bool(const QUrl &)> opener_;
};
