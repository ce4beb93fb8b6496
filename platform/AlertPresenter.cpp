#include "platform/AlertPresenter.h"

#include <QDebug>

namespace {
class LogAlertPresenter : public AlertPresenter
{
public:
    void presentAlert(const AlertRequest &alert) override { writeToLog(alert); }
};
AlertPresenter *installed = nullptr;
} // namespace

AlertPresenter &AlertPresenter::shared()
{
    static LogAlertPresenter fallback;
    return installed ? *installed : fallback;
}

void AlertPresenter::setShared(AlertPresenter *presenter) { installed = presenter; }

void AlertPresenter::writeToLog(const AlertRequest &alert)
{
    qWarning().noquote() << "tolvek alert:" << alert.title << "-" << alert.message;
}
