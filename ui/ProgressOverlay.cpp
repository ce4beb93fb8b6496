#include "ui/ProgressOverlay.h"

ProgressOverlay::ProgressOverlay(QObject *view, bool animated) : view_(view), animated_(animated) { }

ProgressOverlay *ProgressOverlay::showOn(QObject *view, bool animated)
{
    if (!view)
        return nullptr;
    auto *overlay = new ProgressOverlay(view, animated);
    overlay->setParent(view);
    ProgressOverlays::shared().add(view, overlay);
    return overlay;
}

int ProgressOverlay::hideAllOn(QObject *view, bool animated)
{
    const QList<ProgressOverlay *> overlays = allOn(view);
    for (ProgressOverlay *overlay : overlays)
        overlay->hide(animated);
    return int(overlays.size());
}

QList<ProgressOverlay *> ProgressOverlay::allOn(QObject *view) { return ProgressOverlays::shared().overlaysOn(view); }

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
    static ProgressOverlays *overlays = new ProgressOverlays;
    return *overlays;
}

ProgressOverlays *ProgressOverlays::create(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&shared(), QQmlEngine::CppOwnership);
    return &shared();
}

ProgressOverlay *ProgressOverlays::topFor(QObject *view) const
{
    const QList<ProgressOverlay *> list = overlaysOn(view);
    return list.isEmpty() ? nullptr : list.last();
}

QList<ProgressOverlay *> ProgressOverlays::overlaysOn(QObject *view) const
{
    QList<ProgressOverlay *> list;
    // QMultiHash hands back the newest first.
    for (const QPointer<ProgressOverlay> &overlay : overlays_.values(view))
        if (overlay)
            list.prepend(overlay);
    return list;
}

void ProgressOverlays::add(QObject *view, ProgressOverlay *overlay)
{
    overlays_.insert(view, overlay);
    if (!watchedViews_.contains(view)) {
        watchedViews_.insert(view);
        connect(view, &QObject::destroyed, this, [this, view] {
            watchedViews_.remove(view);
            overlays_.remove(view);
            ++revision_;
            Q_EMIT changed();
        });
    }
    ++revision_;
    Q_EMIT changed();
}

void ProgressOverlays::remove(ProgressOverlay *overlay)
{
    for (auto it = overlays_.begin(); it != overlays_.end();)
        it = it.value() == overlay ? overlays_.erase(it) : std::next(it);
    ++revision_;
    Q_EMIT changed();
}
