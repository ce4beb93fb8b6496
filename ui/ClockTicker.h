#pragma once
#include <QColor>
#include <QQuickItem>
#include <QTimer>

// The digital clock with its date line, ticking at each change of the minute
// while the app is active (it shows no seconds, so nothing is redrawn in
// between). The QML layout (TimeView.qml) shows the texts this item computes.
class ClockTicker : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString hourText READ hourText NOTIFY hourTextChanged)
    Q_PROPERTY(QString minuteText READ minuteText NOTIFY minuteTextChanged)
    Q_PROPERTY(QString dateText READ dateText NOTIFY dateTextChanged)
    Q_PROPERTY(QString colonText READ colonText CONSTANT)
    Q_PROPERTY(QString ampmText READ ampmText CONSTANT)
    Q_PROPERTY(QColor labelColor READ labelColor WRITE setLabelColor NOTIFY labelColorChanged)
    Q_PROPERTY(bool is24h READ is24h CONSTANT)
    Q_PROPERTY(bool ticking READ isTicking NOTIFY tickingChanged)
public:
    // Past the minute's change by this much, so the tick reads the new minute.
    static constexpr int kTickLateMs = 20;

    explicit ClockTicker(QQuickItem *parent = nullptr);
    ~ClockTicker() override;

    QString hourText() const { return hourText_; }
    QString minuteText() const { return minuteText_; }
    QString dateText() const { return dateText_; }
    QString colonText() const { return QStringLiteral(":"); }
    // The AM/PM label keeps its layout text, which is empty.
    QString ampmText() const { return {}; }
    QColor labelColor() const { return labelColor_; }
    void setLabelColor(const QColor &color);
    bool is24h() const { return is24h_; }
    bool isTicking() const { return clockTimer_.isActive(); }

    // One tick: the texts for the clock's "now", and the next tick at the next minute.
    Q_INVOKABLE void tick();
    // Milliseconds from `now` to kTickLateMs past the next change of the minute.
    static int msToNextTick(const QTime &now);
    void applicationResignActive();
    void applicationEnterForeground();

    // The hour as shown: modulo 12 on a 12-hour dial, where noon and midnight read 12.
    static int displayedHour(int hour, bool is24h);
    // Two digits: "0N" below 10.
    static QString twoDigits(int value);
    // Localized "SUN" ... "SAT" for calendar weekdays 1 (Sunday) to 7; empty otherwise.
    static QString weekdayAbbreviation(int weekday);
    // "DD/MM   WWW": day first, three blanks before the weekday.
    static QString dateLine(int day, int month, int weekday);

Q_SIGNALS:
    void hourTextChanged();
    void minuteTextChanged();
    void dateTextChanged();
    void labelColorChanged();
    void tickingChanged();

private:
    void startTicking();
    void subscribe();
    void unsubscribe();
    void restartTimer();

    QString hourText_, minuteText_, dateText_;
    QColor labelColor_ = Qt::white;
    QTimer clockTimer_;
    bool paused_ = false; // in the background: texts may be read, no timer runs
    bool is24h_ = true;
};
