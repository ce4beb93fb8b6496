#pragma once
#include "editor/PushedScreen.h"

#include <QPointer>
#include <QStringList>

class AudioPlayer;

// The list of ring sounds. The alarm's sound is marked; a tap plays a sound
// (looping, fading in through the ring player) and marks it; a second tap on
// the marked sound confirms and goes back. Leaving fades the sound out and,
// if any sound was tapped, hands the marked one to the setting screen.
class SoundPickerScreen : public PushedScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the alarm setting screen")
    Q_PROPERTY(QStringList soundNames READ soundNames CONSTANT)
    Q_PROPERTY(int chosenRow READ chosenRow NOTIFY chosenRowChanged)
    Q_PROPERTY(QString backTitle READ backTitle CONSTANT)
public:
    static constexpr float kLeaveFadeSeconds = 1.0f;

    // `chosenRow`: the catalogue index of the alarm's sound.
    explicit SoundPickerScreen(int chosenRow, QObject *parent = nullptr);
    ~SoundPickerScreen() override;

    QStringList soundNames() const { return soundNames_; }
    int chosenRow() const { return chosenRow_; }
    bool choiceMade() const { return choiceMade_; }
    QString backTitle() const { return tr("Back"); }

    Q_INVOKABLE void tapRow(int row);
    Q_INVOKABLE void goBack() { leave(); }

Q_SIGNALS:
    void chosenRowChanged();
    // Sent once, as the screen goes away, when a sound was tapped: its catalogue index.
    void soundChosen(int row);

protected:
    void didLoad() override;
    void willDisappear(bool animated) override;
    void didDisappear(bool animated) override;

private:
    void play(int row);
    void fadeOutOwnSound();

    QStringList soundNames_;
    int chosenRow_;
    bool choiceMade_ = false;
    bool reported_ = false;
    // The player of the sound this screen started; a ring that took over the player is never faded.
    QPointer<AudioPlayer> playing_;
};
