#include "ui/MBProgressHUD.h"

MBProgressHUD::MBProgressHUD(QObject *view, bool animated) : view_(view), animated_(animated) { }

MBProgressHUD *MBProgressHUD::showHUDAddedTo(QObject *view, bool animated)
{
    if (!view)
        return nullptr;
    auto *hud = new MBProgressHUD(view, animated);
    hud->setParent(view);
    ProgressHUDs::shared().add(view, hud);
    return hud;
}

int MBProgressHUD::hideAllHUDsForView(QObject *view, bool animated)
{
    const QList<MBProgressHUD *> huds = allHUDsForView(view);
    for (MBProgressHUD *hud : huds)
        hud->hide(animated);
    return int(huds.size());
}

QList<MBProgressHUD *> MBProgressHUD::allHUDsForView(QObject *view) { return ProgressHUDs::shared().huds(view); }

void MBProgressHUD::setLabelText(const QString &text)
{
    labelText_ = text;
    Q_EMIT labelTextChanged();
}

void MBProgressHUD::hide(bool)
{
    ProgressHUDs::shared().remove(this);
    deleteLater();
}

ProgressHUDs &ProgressHUDs::shared()
{
    static ProgressHUDs *huds = new ProgressHUDs;
    return *huds;
}

ProgressHUDs *ProgressHUDs::create(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&shared(), QQmlEngine::CppOwnership);
    return &shared();
}

MBProgressHUD *ProgressHUDs::topFor(QObject *view) const
{
    const QList<MBProgressHUD *> list = huds(view);
    return list.isEmpty() ? nullptr : list.last();
}

QList<MBProgressHUD *> ProgressHUDs::huds(QObject *view) const
{
    QList<MBProgressHUD *> list;
    // QMultiHash hands back the newest first.
    for (const QPointer<MBProgressHUD> &hud : huds_.values(view))
        if (hud)
            list.prepend(hud);
    return list;
}

void ProgressHUDs::add(QObject *view, MBProgressHUD *hud)
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

void ProgressHUDs::remove(MBProgressHUD *hud)
{
    for (auto it = huds_.begin(); it != huds_.end();)
        it = it.value() == hud ? huds_.erase(it) : std::next(it);
    ++revision_;
    Q_EMIT changed();
}
