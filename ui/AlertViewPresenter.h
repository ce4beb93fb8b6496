#pragma once
#include "platform/AlertPresenter.h"

// Shows the core's alerts in the alert view, with the house style: corner
// radius 5 and the drop-down transition.
class AlertViewPresenter : public AlertPresenter
{
public:
    static constexpr qreal kCornerRadius = 5;
    void presentAlert(const AlertRequest &alert) override;
};
