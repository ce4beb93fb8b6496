#include "menu/LinkOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrlQuery>

namespace {
LinkOpener *installed = nullptr;
constexpr int kQueryTimeoutMs = 3000;
} // namespace

LinkOpener &LinkOpener::shared()
{
    static DesktopLinkOpener desktop;
    return installed ? *installed : desktop;
}

void LinkOpener::setShared(LinkOpener *opener) { installed = opener; }

bool DesktopLinkOpener::hasHandler(const QString &scheme)
{
    // Without the MIME tools there is no way to ask; the opener itself then decides.
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    QProcess query;
    query.start(xdgMime,
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitCode() != 0)
        return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool DesktopLinkOpener::open(const QUrl &url) { return hasHandler(url.scheme()) && QDesktopServices::openUrl(url); }

QUrl linkWithQuery(const QString &base, const QList<std::pair<QString, QString>> &items)
{
    QUrl url(base);
    QUrlQuery query;
    for (const auto &[key, value] : items)
        query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    url.setQuery(query);
    return url;
}
