#pragma once
#include <QString>
#include <QUrl>
#include <functional>

// The rating prompt's shared settings and the call that opens the app's
// rating page in the store (in the desktop's browser here).
class RatingPrompt
{
public:
    static inline const QString kStoreAddress = QStringLiteral("https://apps.apple.com");

    static RatingPrompt &shared();

    QString applicationBundleID;
    bool onlyPromptIfLatestVersion = true;
    bool previewMode = false;
    quint32 appStoreID = 0;

    // <store>/app/id<appStoreID>?action=write-review; empty without an identifier.
    QUrl ratingsURL() const;
    // Opens the rating page; false when there is no identifier or nothing opened it.
    bool openRatingsPage();
    // Tests replace the desktop URL handler.
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { opener_ = std::move(opener); }

private:
    RatingPrompt();
    std::function<bool(const QUrl &)> opener_;
};
