#include "ui/AlertQueue.h"

#include "ui/AlertView.h"

AlertQueue &AlertQueue::shared()
{
    static AlertQueue *queue = new AlertQueue;
    return *queue;
}

AlertQueue *AlertQueue::create(QQmlEngine *, QJSEngine *)
{
    QQmlEngine::setObjectOwnership(&shared(), QQmlEngine::CppOwnership);
    return &shared();
}

void AlertQueue::enqueue(AlertView *alert)
{
    alerts_.append(alert);
    if (alerts_.size() == 1)
        Q_EMIT currentChanged();
}

void AlertQueue::remove(AlertView *alert)
{
    const bool wasCurrent = current() == alert;
    alerts_.removeIf([alert](const QPointer<AlertView> &queued) { return queued.isNull() || queued == alert; });
    if (wasCurrent)
        Q_EMIT currentChanged();
}
