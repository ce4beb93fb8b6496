#pragma once
#include "platform/AlertPresenter.h"

#include <QTextStream>

// Shows the core's alerts (a budget refusal, for one) as lines on stderr and
// remembers that one was shown, so the tool can exit with a failure status.
class StderrAlertPresenter : public AlertPresenter
{
public:
    explicit StderrAlertPresenter(QTextStream &err) : err_(err) { }
    void presentAlert(const AlertRequest &alert) override
    {
        err_ << "tolvekctl: " << alert.title << ": " << alert.message << '\n';
        err_.flush();
        shown_ = true;
    }
    bool shown() const { return shown_; }

private:
    QTextStream &err_;
    bool shown_ = false;
};
