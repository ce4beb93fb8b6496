#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QQmlEngine>

// The progress overlay: a rotating ring (with an optional label) laid over a
// view, here the controller whose view hosts it. Shown and hidden by the
// class operations, which keep track of every overlay per view.
class ProgressOverlay : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("overlays are shown from C++")
    Q_PROPERTY(QString labelText READ labelText WRITE setLabelText NOTIFY labelTextChanged)
    Q_PROPERTY(Mode mode READ mode CONSTANT)
    Q_PROPERTY(bool animated READ animated CONSTANT)
public:
    enum class Mode { Indeterminate }; // the rotating ring
    Q_ENUM(Mode)

    static ProgressOverlay *showOn(QObject *view, bool animated);
    // Hides every overlay on `view`; returns how many there were.
    static int hideAllOn(QObject *view, bool animated);
    static QList<ProgressOverlay *> allOn(QObject *view);

    Mode mode() const { return Mode::Indeterminate; }
    bool animated() const { return animated_; }
    QString labelText() const { return labelText_; }
    void setLabelText(const QString &text);
    void hide(bool animated);

Q_SIGNALS:
    void labelTextChanged();

private:
    ProgressOverlay(QObject *view, bool animated);
    QPointer<QObject> view_;
    QString labelText_;
    bool animated_;
};

// The overlays currently shown, per view; the window asks it what to draw.
class ProgressOverlays : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int revision READ revision NOTIFY changed)
    Q_PROPERTY(int turnMs READ turnMs CONSTANT)
    Q_PROPERTY(QString busyText READ busyText CONSTANT)
public:
    // The ring turns once a second.
    static constexpr int kTurnMs = 1000;

    static ProgressOverlays &shared();
    static ProgressOverlays *create(QQmlEngine *, QJSEngine *);

    // The newest overlay on `view`, or null.
    Q_INVOKABLE ProgressOverlay *topFor(QObject *view) const;
    QList<ProgressOverlay *> overlaysOn(QObject *view) const;
    int revision() const { return revision_; }
    int turnMs() const { return kTurnMs; }
    // What screen readers say of an overlay without a label.
    QString busyText() const { return tr("Please wait"); }

    void add(QObject *view, ProgressOverlay *overlay);
    void remove(ProgressOverlay *overlay);

Q_SIGNALS:
    void changed();

private:
    ProgressOverlays() = default;
    QMultiHash<QObject *, QPointer<ProgressOverlay>> overlays_;
    QSet<QObject *> watchedViews_;
    int revision_ = 0;
};
