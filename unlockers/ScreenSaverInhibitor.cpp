#include "unlockers/ScreenSaverInhibitor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>

namespace {
// Short: a screen saver that does not answer must not hold up the screen coming up.
constexpr int kCallTimeoutMs = 1000;

QDBusMessage screenSaverCall(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(ScreenSaverInhibitor::kService, ScreenSaverInhibitor::kPath,
                                                          ScreenSaverInhibitor::kService, method);
    message.setArguments(arguments);
    return message;
}
} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QObject *parent) : QObject(parent) { }

ScreenSaverInhibitor::~ScreenSaverInhibitor() { release(); }

void ScreenSaverInhibitor::inhibit(const QString &reason)
{
    if (inhibiting_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qInfo() << "screen saver: no session bus; the screen may dim";
        return;
    }
    const QDBusMessage reply
        = bus.call(screenSaverCall(QStringLiteral("Inhibit"), {QCoreApplication::applicationName(), reason}),
                   QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qInfo().noquote() << "screen saver: cannot keep the screen on:" << reply.errorMessage();
        return;
    }
    cookie_ = reply.arguments().first().toUInt();
    inhibiting_ = true;
}

void ScreenSaverInhibitor::release()
{
    if (!inhibiting_)
        return;
    inhibiting_ = false;
    QDBusConnection::sessionBus().send(screenSaverCall(QStringLiteral("UnInhibit"), {cookie_}));
}
