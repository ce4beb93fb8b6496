#pragma once
#include "weather/Weather.h"

#include <QObject>
#include <QQmlEngine>
#include <QTimer>
#include <functional>
#include <optional>

// The clock face above the alarm list: the weather (temperature in the
// preferred unit, condition text and icon, or one of the status notes) and
// the ring on the real media volume. The digits are the kit's time view.
class ClockFace : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the home screen")
    Q_PROPERTY(QString temperatureText READ temperatureText NOTIFY weatherChanged)
    Q_PROPERTY(QString unitText READ unitText NOTIFY weatherChanged)
    Q_PROPERTY(QString conditionText READ conditionText NOTIFY weatherChanged)
    Q_PROPERTY(QString iconName READ iconName NOTIFY weatherChanged)
    Q_PROPERTY(QString noteText READ noteText NOTIFY weatherChanged)
    Q_PROPERTY(bool noteShown READ noteShown NOTIFY weatherChanged)
    Q_PROPERTY(qreal volume READ volume NOTIFY volumeChanged)
    Q_PROPERTY(int volumePercent READ volumePercent NOTIFY volumeChanged)
    Q_PROPERTY(QString knobPicture READ knobPicture NOTIFY volumeChanged)
    Q_PROPERTY(int weatherFadeMs READ weatherFadeMs CONSTANT)
    Q_PROPERTY(int knobMoveMs READ knobMoveMs CONSTANT)
    Q_PROPERTY(int timeFadeInMs READ timeFadeInMs CONSTANT)
public:
    static constexpr int kWeatherFadeMs = 400;
    static constexpr int kKnobMoveMs = 200;
    static constexpr int kTimeFadeInMs = 600;
    // A fetch that has not answered by then ends its "Loading" note.
    static constexpr int kLoadingTimeoutMs = 30000;
    static inline const QString kKnobOn = QStringLiteral("clock-slider-on");
    static inline const QString kKnobOff = QStringLiteral("clock-slider-off");

    // `lastWeather` gives the record fetched before the face was made, if any.
    explicit ClockFace(std::function<std::optional<Weather>()> lastWeather = {}, QObject *parent = nullptr);
    ~ClockFace() override;

    QString temperatureText() const { return temperatureText_; }
    // The unit toggle's text: "°C" or "°F".
    QString unitText() const { return celsius() ? QStringLiteral("°C") : QStringLiteral("°F"); }
    QString conditionText() const { return conditionText_; }
    QString iconName() const { return iconName_; }
    QString noteText() const { return noteText_; }
    bool noteShown() const { return noteShown_; }

    qreal volume() const { return volume_; }
    int volumePercent() const { return qRound(volume_ * 100); }
    QString knobPicture() const { return knobOn_ ? kKnobOn : kKnobOff; }
    int weatherFadeMs() const { return kWeatherFadeMs; }
    int knobMoveMs() const { return kKnobMoveMs; }
    int timeFadeInMs() const { return kTimeFadeInMs; }

    // Shows a record in the preferred unit and hides the note.
    void layoutWeather(const Weather &weather);
    // The unit toggle: stores the other unit and lays the kept record out again.
    // It works before any record arrived too: the choice is kept for the first one.
    Q_INVOKABLE void toggleUnit();

    // The knob follows a drag; the media volume is set when the drag ends.
    Q_INVOKABLE void dragVolume(qreal volume, bool finished);
    // Sets the media volume at once (a screen reader's value, in percent).
    Q_INVOKABLE void setVolumePercent(int percent);
    // One step of 0.0625 up or down.
    Q_INVOKABLE void volumeUp();
    Q_INVOKABLE void volumeDown();
    // Reads the volume and the weather again (after a memory warning).
    void refresh();

    static bool celsius();

Q_SIGNALS:
    void weatherChanged();
    void volumeChanged();

private:
    void fetchBegan();
    void fetchCompleted(const QVariant &record);
    void fetchEndedEmpty();
    void showNote(const QString &text);
    void showVolume(qreal volume);
    void mediaVolumeChanged(float volume);

    std::function<std::optional<Weather>()> lastWeather_;
    std::optional<Weather> weather_;
    QString temperatureText_, conditionText_, iconName_, noteText_;
    bool noteShown_ = true;
    qreal volume_ = 0;
    bool knobOn_ = false;
    bool dragging_ = false;
    QTimer loadingTimeout_;
};
