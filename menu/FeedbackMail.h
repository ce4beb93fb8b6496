#pragma once
#include <QString>
#include <QUrl>

// The feedback mail to the makers: what the user writes comes after a short
// note of the device, the system and the app's version.
namespace FeedbackMail {
struct Facts
{
    QString deviceModel; // empty: unknown
    QString system;      // e.g. "Debian GNU/Linux 12 (bookworm)"
    QString appVersion;
};
Facts current();
QString body(const Facts &facts);
QUrl address(const Facts &facts);
} // namespace FeedbackMail
