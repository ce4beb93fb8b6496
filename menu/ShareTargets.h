#pragma once
#include <QList>
#include <QLocale>
#include <QString>
#include <QUrl>

// Where the app can be shared, by locale: in mainland China (Simplified
// Chinese) the two Chinese networks, elsewhere Facebook and Twitter; then
// email and a text message. A network is shared through its public web
// address in the browser, email through the mail program, a message through
// the "sms:" handler.
namespace ShareTargets {
enum class Kind { SinaWeibo, TencentWeibo, Facebook, Twitter, Email, Message };

struct Target
{
    Kind kind;
    QString title;
};

QList<Target> forLocale(const QLocale &locale);

struct Content
{
    QString subject;   // mail only
    QString shortText; // networks
    QString longText;  // mail and message
    QUrl link;
};
QUrl address(Kind kind, const Content &content);
} // namespace ShareTargets
