#include "menu/FeedbackMail.h"

#include "menu/DeviceModel.h"
#include "menu/LinkOpener.h"
#include "menu/ProjectLinks.h"

#include <QCoreApplication>
#include <QSysInfo>

namespace {
QString tr(const char *text) { return QCoreApplication::translate("FeedbackMail", text); }
} // namespace

FeedbackMail::Facts FeedbackMail::current()
{
    return {DeviceModel::name(), QSysInfo::prettyProductName(), QStringLiteral(TOLVEK_VERSION)};
}

QString FeedbackMail::body(const Facts &facts)
{
    const QString model = facts.deviceModel.isEmpty() ? tr("Unknown") : facts.deviceModel;
    return QStringLiteral("%1 %2 \n%3 %4\n%5 %6\n\n")
        .arg(tr("Device Type:"), model, tr("System Version:"), facts.system, tr("App Version:"), facts.appVersion);
}

QUrl FeedbackMail::address(const Facts &facts)
{
    return linkWithQuery(
        QStringLiteral("mailto:") + ProjectLinks::kSupportAddress,
        {{QStringLiteral("subject"), tr("Suggestion & Feedback")}, {QStringLiteral("body"), body(facts)}});
}
