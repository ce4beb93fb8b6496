#pragma once
#include <QList>
#include <QUrl>
#include <utility>

// Opens web, mail and message links with the programs the desktop has for
// them. `open` is false when no program handles the link's scheme, so the
// caller can say so instead of staying silent. Tests install their own.
class LinkOpener
{
public:
    virtual ~LinkOpener() = default;
    virtual bool open(const QUrl &url) = 0;

    static LinkOpener &shared();
    // Null restores the desktop's.
    static void setShared(LinkOpener *opener);
};

// The desktop's handlers, as the freedesktop MIME database lists them
// ("x-scheme-handler/<scheme>"), started through QDesktopServices.
class DesktopLinkOpener : public LinkOpener
{
public:
    bool open(const QUrl &url) override;
    static bool hasHandler(const QString &scheme);
};

// `base` with a query of `items`, every value fully percent-encoded (a "+" or
// "&" in a text stays itself for every kind of handler).
QUrl linkWithQuery(const QString &base, const QList<std::pair<QString, QString>> &items);
