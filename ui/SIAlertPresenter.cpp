#include "ui/SIAlertPresenter.h"

#include "ui/SIAlertView.h"

namespace {
SIAlertView::ButtonType viewType(AlertButton::Type type)
{
    switch (type) {
    case AlertButton::Type::Destructive:
        return SIAlertView::ButtonType::Destructive;
    case AlertButton::Type::Cancel:
        return SIAlertView::ButtonType::Cancel;
    case AlertButton::Type::Default:
        break;
    }
    return SIAlertView::ButtonType::Default;
}
} // namespace

void SIAlertPresenter::presentAlert(const AlertRequest &alert)
{
    auto *view = new SIAlertView(alert.title, alert.message);
    for (const AlertButton &button : alert.buttons) {
        const auto handler = button.handler;
        view->addButtonWithTitle(button.title, viewType(button.type), [handler](SIAlertView *) {
            if (handler)
                handler();
        });
    }
    view->setCornerRadius(kCornerRadius);
    view->setTransitionStyle(SIAlertView::TransitionStyle::DropDown);
    view->show();
}
