#include "menu/ShareTargets.h"

#include "menu/LinkOpener.h"

#include <QCoreApplication>

namespace {
bool isMainlandChina(const QLocale &locale)
{
    return locale.language() == QLocale::Chinese && locale.territory() == QLocale::China
           && locale.script() != QLocale::TraditionalHanScript;
}

QString tr(const char *text) { return QCoreApplication::translate("ShareTargets", text); }
} // namespace

QList<ShareTargets::Target> ShareTargets::forLocale(const QLocale &locale)
{
    QList<Target> targets;
    if (isMainlandChina(locale))
        targets << Target{Kind::SinaWeibo, QStringLiteral("新浪微博")}
                << Target{Kind::TencentWeibo, QStringLiteral("腾讯微博")};
    else
        targets << Target{Kind::Facebook, QStringLiteral("Facebook")}
                << Target{Kind::Twitter, QStringLiteral("Twitter")};
    targets << Target{Kind::Email, tr("Email")} << Target{Kind::Message, tr("Message")};
    return targets;
}

QUrl ShareTargets::address(Kind kind, const Content &content)
{
    const QString link = content.link.toString();
    switch (kind) {
    case Kind::SinaWeibo:
        return linkWithQuery(QStringLiteral("https://service.weibo.com/share/share.php"),
                             {{QStringLiteral("url"), link}, {QStringLiteral("title"), content.shortText}});
    case Kind::TencentWeibo:
        return linkWithQuery(QStringLiteral("https://share.v.t.qq.com/index.php"),
                             {{QStringLiteral("c"), QStringLiteral("share")},
                              {QStringLiteral("a"), QStringLiteral("index")},
                              {QStringLiteral("url"), link},
                              {QStringLiteral("title"), content.shortText}});
    case Kind::Facebook:
        return linkWithQuery(QStringLiteral("https://www.facebook.com/sharer/sharer.php"),
                             {{QStringLiteral("u"), link}});
    case Kind::Twitter:
        return linkWithQuery(QStringLiteral("https://twitter.com/intent/tweet"),
                             {{QStringLiteral("text"), content.shortText}, {QStringLiteral("url"), link}});
    case Kind::Email:
        return linkWithQuery(QStringLiteral("mailto:"),
                             {{QStringLiteral("subject"), content.subject},
                              {QStringLiteral("body"), content.longText + QLatin1Char('\n') + link}});
    case Kind::Message:
        return linkWithQuery(QStringLiteral("sms:"),
                             {{QStringLiteral("body"), content.longText + QLatin1Char(' ') + link}});
    }
    return {};
}
