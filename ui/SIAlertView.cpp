#include "ui/SIAlertView.h"

#include "platform/NotificationCenter.h"
#include "ui/AlertQueue.h"
#include "ui/WindowPresence.h"

SIAlertView::SIAlertView(const QString &title, const QString &message, QObject *parent)
    : QObject(parent), title_(title), message_(message)
{
}

void SIAlertView::addButtonWithTitle(const QString &title, ButtonType type, Handler handler)
{
    buttons_.append({title, type, std::move(handler)});
    Q_EMIT buttonsChanged();
}

void SIAlertView::setCornerRadius(qreal radius)
{
    cornerRadius_ = radius;
    Q_EMIT styleChanged();
}

void SIAlertView::setTransitionStyle(TransitionStyle style)
{
    transitionStyle_ = style;
    Q_EMIT styleChanged();
}

void SIAlertView::setVerticalLayoutButtonCount(int count)
{
    verticalLayoutButtonCount_ = count;
    Q_EMIT buttonsChanged();
}

QVariantList SIAlertView::buttonsForView() const
{
    QVariantList list;
    for (const Button &button : buttons_)
        list.append(QVariantMap{{QStringLiteral("title"), button.title},
                                {QStringLiteral("type"), int(button.type)}});
    return list;
}

void SIAlertView::show()
{
    if (visible_)
        return;
    visible_ = true;
    AlertQueue::shared().enqueue(this);
}

void SIAlertView::dismissAnimated(bool animated)
{
    if (!visible_ || dismissing_)
        return;
    dismissing_ = true;
    dismissAnimated_ = animated;
    if (willDismiss_)
        willDismiss_(this);
    Q_EMIT dismissStarted();
    // Only the alert on display has a transition to wait for.
    const bool onScreen = AlertQueue::shared().current() == this && WindowPresence::animatesTransitions();
    if (!animated || !onScreen)
        finishDismissal();
}

void SIAlertView::pressButton(int index)
{
    if (index < 0 || index >= buttons_.size() || dismissing_)
        return;
    const Handler handler = buttons_[index].handler;
    if (handler)
        handler(this);
    dismissAnimated(true);
}

void SIAlertView::transitionFinished()
{
    if (dismissing_ && visible_)
        finishDismissal();
}

void SIAlertView::finishDismissal()
{
    visible_ = false;
    AlertQueue::shared().remove(this);
    if (didDismiss_)
        didDismiss_(this);
    Q_EMIT dismissed();
    NotificationCenter::defaultCenter().post(DidDismissNotification, QVariant::fromValue<QObject *>(this));
    deleteLater();
}
