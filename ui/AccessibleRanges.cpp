#include "ui/AccessibleRanges.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleValueInterface>
#include <QMetaProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <algorithm>

namespace {
// The item's Accessible attached object (a child of the item) holds its role and name.
QObject *accessibleAttached(QObject *item)
{
    for (QObject *child : item->children())
        if (qstrcmp(child->metaObject()->className(), "QQuickAccessibleAttached") == 0)
            return child;
    return nullptr;
}

// Qt Quick asks for the interface while the item is being made, before its
// role is set, so the item is known by its properties and the role is read
// when asked.
bool hasRange(QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    return qobject_cast<QQuickItem *>(object) && meta->indexOfProperty("value") >= 0
           && meta->indexOfProperty("minimumValue") >= 0 && meta->indexOfProperty("maximumValue") >= 0;
}

class RangeInterface : public QAccessibleObject, public QAccessibleValueInterface
{
public:
    explicit RangeInterface(QQuickItem *item) : QAccessibleObject(item) { }

    QQuickItem *item() const { return static_cast<QQuickItem *>(object()); }
    QWindow *window() const override { return item()->window(); }
    QAccessibleInterface *parent() const override
    {
        if (QQuickItem *parentItem = item()->parentItem())
            return QAccessible::queryAccessibleInterface(parentItem);
        return item()->window() ? QAccessible::queryAccessibleInterface(item()->window()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        QObject *attached = accessibleAttached(item());
        if (!attached)
            return {};
        if (t == QAccessible::Name)
            return attached->property("name").toString();
        if (t == QAccessible::Description)
            return attached->property("description").toString();
        if (t == QAccessible::Value)
            return currentValue().toString();
        return {};
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        if (!item()->window() || !item()->isVisible())
            return {};
        const QRectF scene = item()->mapRectToScene(QRectF(0, 0, item()->width(), item()->height()));
        return QRect(item()->window()->mapToGlobal(scene.topLeft().toPoint()), scene.size().toSize());
    }
    QAccessible::Role role() const override
    {
        QObject *attached = accessibleAttached(item());
        return attached ? attached->property("role").value<QAccessible::Role>() : QAccessible::NoRole;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !item()->isVisible();
        state.readOnly = role() == QAccessible::ProgressBar;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        const QAccessible::Role r = role();
        if (type == QAccessible::ValueInterface
            && (r == QAccessible::ProgressBar || r == QAccessible::Slider || r == QAccessible::SpinBox))
            return static_cast<QAccessibleValueInterface *>(this);
        return nullptr;
    }

    QVariant currentValue() const override { return item()->property("value"); }
    void setCurrentValue(const QVariant &value) override
    {
        if (role() == QAccessible::ProgressBar)
            return; // a gauge is read, not set
        const double wanted = std::clamp(value.toDouble(), minimumValue().toDouble(), maximumValue().toDouble());
        item()->setProperty("value", wanted);
    }
    QVariant maximumValue() const override { return item()->property("maximumValue"); }
    QVariant minimumValue() const override { return item()->property("minimumValue"); }
    QVariant minimumStepSize() const override { return item()->property("stepSize"); }
};

// Tells assistive tools when the value changes; one per item, its child.
class ValueWatcher : public QObject
{
    Q_OBJECT
public:
    static void watch(QQuickItem *item)
    {
        if (item->findChild<ValueWatcher *>(QString(), Qt::FindDirectChildrenOnly))
            return;
        const QMetaProperty value = item->metaObject()->property(item->metaObject()->indexOfProperty("value"));
        if (!value.hasNotifySignal())
            return;
        auto *watcher = new ValueWatcher(item);
        QObject::connect(item, value.notifySignal(), watcher,
                         watcher->metaObject()->method(watcher->metaObject()->indexOfSlot("changed()")));
    }

private Q_SLOTS:
    void changed()
    {
        if (!QAccessible::isActive())
            return;
        QAccessibleValueChangeEvent event(parent(), parent()->property("value"));
        QAccessible::updateAccessibility(&event);
    }

private:
    explicit ValueWatcher(QQuickItem *item) : QObject(item) { }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!hasRange(object))
        return nullptr;
    auto *item = static_cast<QQuickItem *>(object);
    ValueWatcher::watch(item);
    return new RangeInterface(item);
}
} // namespace

void AccessibleRanges::install()
{
    QAccessible::removeFactory(factory);
    QAccessible::installFactory(factory);
}

#include "AccessibleRanges.moc"
