#include "ui/AlertViewPresenter.h"

#include "ui/AlertView.h"

namespace {
AlertView::ButtonType viewType(AlertButton::Type type)
{
    switch (type) {
    case AlertButton::Type::Destructive:
        return AlertView::ButtonType::Destructive;
    case AlertButton::Type::Cancel:
        return AlertView::ButtonType::Cancel;
    case AlertButton::Type::Default:
        break;
    }
    return AlertView::ButtonType::Default;
}
} // namespace

void AlertViewPresenter::presentAlert(const AlertRequest &alert)
{
    writeToLog(alert);
    auto *view = new AlertView(alert.title, alert.message);
    for (const AlertButton &button : alert.buttons) {
        const auto handler = button.handler;
        view->addButton(button.title, viewType(button.type), [handler](AlertView *) {
            if (handler)
                handler();
        });
    }
    view->setCornerRadius(kCornerRadius);
    view->setTransitionStyle(AlertView::TransitionStyle::DropDown);
    view->show();
}
