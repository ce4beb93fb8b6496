#include "ui/ProgressOverlay.h"

ProgressOverlay::ProgressOverlay(QObject *view, bool animated) : view_(view), animated_(animated) { }

ProgressOverlay *ProgressOverlay::showOn(QObject *view, bool animated)
{
    if (!view)
        return nullptr;
    auto *hud = new ProgressOverlay(view, animated);
    hud->setParent(view);
    ProgressOverlays::shared().add(view, hud);
    return hud;
}

int ProgressOverlay::hideAllOn(QObject *view, bool animated)
{
    const QList<ProgressOverlay *> huds = allOn(view);
    for (ProgressOverlay *hud : huds)
        hud->hide(animated);
    return int(huds.size());
}

QList<ProgressOverlay *> ProgressOverlay::allOn(QObject *view) { return ProgressOverlays::shared().huds(view); }

void ProgressOverlay::setLabelText(const QString &text)
{
    labelText_ = text;
    Q_EMIT labelTextChanged();
}

void ProgressOverlay::hide(bool)
{
    ProgressOverlays::shared().remove(this);
    deleteLater();
}

ProgressOverlays &ProgressOverlays::shared()
{
    static ProgressOverlays *huds = new ProgressOverlays;
    return *huds;
}

ProgressOverlays *ProgressOverlays::create(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&shared(), QQmlEngine::CppOwnership);
    return &shared();
}

ProgressOverlay *ProgressOverlays::topFor(QObject *view) const
{
    const QList<ProgressOverlay *> list = huds(view);
    return list.isEmpty() ? nullptr : list.last();
}

QList<ProgressOverlay *> ProgressOverlays::huds(QObject *view) const
{
    QList<ProgressOverlay *> list;
    // QMultiHash hands back the newest first.
    for (const QPointer<ProgressOverlay> &hud : huds_.values(view))
        if (hud)
            list.prepend(hud);
    return list;
}

void ProgressOverlays::add(QObject *view, ProgressOverlay *hud)
{
    huds_.insert(view, hud);
    if (!watchedViews_.contains(view)) {
        watchedViews_.insert(view);
        connect(view, &QObject::destroyed, this, [this, view] {
            watchedViews_.remove(view);
            huds_.remove(view);
            ++revision_;
            Q_EMIT changed();
        });
    }
    ++revision_;
    Q_EMIT changed();
}

void ProgressOverlays::remove(ProgressOverlay *hud)
{
    for (auto it = huds_.begin(); it != huds_.end();)
        it = it.value() == hud ? huds_.erase(it) : std::next(it);
    ++revision_;
    Q_EMIT changed();
}
