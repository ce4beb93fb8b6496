#include "ui/AlertView.h"

#include "platform/Broadcaster.h"
#include "ui/AlertQueue.h"
#include "ui/WindowPresence.h"

AlertView::AlertView(const QString &title, const QString &message, QObject *parent)
    : QObject(parent),
      title_(title),
      message_(message)
{ }

void AlertView::addButton(const QString &title, ButtonType type, Handler handler)
{
    buttons_.append({title, type, std::move(handler)});
    Q_EMIT buttonsChanged();
}

void AlertView::setCornerRadius(qreal radius)
{
    cornerRadius_ = radius;
    Q_EMIT styleChanged();
}

void AlertView::setTransitionStyle(TransitionStyle style)
{
    transitionStyle_ = style;
    Q_EMIT styleChanged();
}

void AlertView::setVerticalLayoutButtonCount(int count)
{
    verticalLayoutButtonCount_ = count;
    Q_EMIT buttonsChanged();
}

QVariantList AlertView::buttonsForView() const
{
    QVariantList list;
    for (const Button &button : buttons_)
        list.append(QVariantMap{{QStringLiteral("title"), button.title}, {QStringLiteral("type"), int(button.type)}});
    return list;
}

void AlertView::show()
{
    if (visible_)
        return;
    visible_ = true;
    AlertQueue::shared().enqueue(this);
}

void AlertView::dismissAnimated(bool animated)
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

void AlertView::pressButton(int index)
{
    if (index < 0 || index >= buttons_.size() || dismissing_)
        return;
    const Handler handler = buttons_[index].handler;
    if (handler)
        handler(this);
    dismissAnimated(true);
}

void AlertView::transitionFinished()
{
    if (dismissing_ && visible_)
        finishDismissal();
}

void AlertView::finishDismissal()
{
    visible_ = false;
    AlertQueue::shared().remove(this);
    if (didDismiss_)
        didDismiss_(this);
    Q_EMIT dismissed();
    Broadcaster::shared().post(DidDismissNotification, QVariant::fromValue<QObject *>(this));
    deleteLater();
}
