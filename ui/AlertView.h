#pragma once
#include "platform/StoredNames.h"
#include <QObject>
#include <QQmlEngine>
#include <QString>
#include <QVariantList>
#include <functional>

// The alert view: a title, a message and typed buttons with handlers, shown in
// the window's alert layer one at a time. Pressing a button runs its handler
// and closes the alert. After every dismissal the after-dismiss handler runs and
// the did-dismiss broadcast is posted. A shown alert owns itself and
// is deleted after its dismissal.
class AlertView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("alerts are made in C++")
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString message READ message CONSTANT)
    Q_PROPERTY(QVariantList buttons READ buttonsForView NOTIFY buttonsChanged)
    Q_PROPERTY(qreal cornerRadius READ cornerRadius WRITE setCornerRadius NOTIFY styleChanged)
    Q_PROPERTY(TransitionStyle transitionStyle READ transitionStyle WRITE setTransitionStyle NOTIFY styleChanged)
    Q_PROPERTY(bool verticalLayout READ verticalLayout NOTIFY buttonsChanged)
    Q_PROPERTY(bool dismissing READ isDismissing NOTIFY dismissStarted)
    Q_PROPERTY(bool dismissAnimated READ isDismissAnimated NOTIFY dismissStarted)
public:
    enum class ButtonType { Default, Destructive, Cancel };
    Q_ENUM(ButtonType)
    enum class TransitionStyle { SlideFromBottom, SlideFromTop, Fade, Bounce, DropDown };
    Q_ENUM(TransitionStyle)
    using Handler = std::function<void(AlertView *)>;

    static inline const QString DidDismissNotification = StoredNames::Broadcast::kAlertDidDismiss;

    AlertView(const QString &title, const QString &message, QObject *parent = nullptr);

    QString title() const { return title_; }
    QString message() const { return message_; }
    void addButton(const QString &title, ButtonType type, Handler handler = {});
    int buttonCount() const { return int(buttons_.size()); }
    QString buttonTitle(int index) const { return buttons_.value(index).title; }
    ButtonType buttonType(int index) const { return buttons_.value(index).type; }

    qreal cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(qreal radius);
    TransitionStyle transitionStyle() const { return transitionStyle_; }
    void setTransitionStyle(TransitionStyle style);
    // From this many buttons on, the buttons are stacked instead of side by side.
    int verticalLayoutButtonCount() const { return verticalLayoutButtonCount_; }
    void setVerticalLayoutButtonCount(int count);
    bool verticalLayout() const { return buttonCount() >= verticalLayoutButtonCount_; }

    void setWillDismissHandler(Handler handler) { willDismiss_ = std::move(handler); }
    void setDidDismissHandler(Handler handler) { didDismiss_ = std::move(handler); }

    bool isVisible() const { return visible_; }
    bool isDismissing() const { return dismissing_; }
    bool isDismissAnimated() const { return dismissAnimated_; }

    // Queues the alert in the alert layer; it shows when the alerts before it are gone.
    void show();
    // Closes the alert; an animated dismissal ends when the view reports its
    // transition finished (at once when no alert layer is on screen).
    void dismissAnimated(bool animated);
    // What a tap on button `index` does: its handler, then an animated dismissal.
    Q_INVOKABLE void pressButton(int index);
    // Called by the alert layer when the closing transition has ended.
    Q_INVOKABLE void transitionFinished();

Q_SIGNALS:
    void buttonsChanged();
    void styleChanged();
    void dismissStarted();
    void dismissed();

private:
    struct Button
    {
        QString title;
        ButtonType type = ButtonType::Default;
        Handler handler;
    };
    QVariantList buttonsForView() const;
    void finishDismissal();

    QString title_, message_;
    QList<Button> buttons_;
    qreal cornerRadius_ = 2;
    TransitionStyle transitionStyle_ = TransitionStyle::SlideFromBottom;
    int verticalLayoutButtonCount_ = 3;
    Handler willDismiss_, didDismiss_;
    bool visible_ = false, dismissing_ = false, dismissAnimated_ = false;
};
