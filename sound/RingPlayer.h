#pragma once
#include "sound/AudioPlayer.h"
#include "sound/AudioSession.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

// The one player of ring sounds, previews and the unlock screens' effects.
// It plays an app sound by file name ("Airship.mp3"), once or in an endless
// loop, fades in from 0.1 to full volume by 0.05 every 0.1 s, fades out on
// request by `gap` every 0.1 s, and reports the end of playback or of a
// fade-out through one-shot callbacks. Only one sound plays at a time: each
// play request replaces the current player. Main thread only.
//
//   auto *sound = RingPlayer::shared();
//   sound->play(alarm.soundFile, true);            // ring, looped
//   sound->setFadeCompletion([this] { playJingle(); });
//   sound->fadeOutOver(0.5f);                                // silent at once, stopped 0.1 s later
//   sound->play("Alarm Close.mp3", false, [] { close(); });
//
// Nothing plays, and no callback runs, for an empty name, a name without a
// type ("RandomSound" — the marker is resolved by the callers), a file that is
// not among the app's sounds, a file that cannot be decoded, or no audio server.
//
// A play request during a fade-out abandons that fade: it no longer touches
// any player and its fade callback does not run; the new sound fades in to
// full volume like any other.
class RingPlayer : public QObject
{
    Q_OBJECT
public:
    using Completion = std::function<void()>;

    static RingPlayer *shared();

    void play(const QString &fileName);
    void play(const QString &fileName, bool repeat);
    void play(const QString &fileName, bool repeat, AudioSessionCategory option);
    void play(const QString &fileName, bool repeat, Completion complete);
    void play(const QString &fileName, bool repeat, Completion complete, AudioSessionCategory option);

    // Stops at once: no fade, no callback.
    void stop();
    // One fade-in step; the play request runs it and it schedules the rest.
    void fadeInStep();
    // Fades the sound out by `gap` per 0.1 s step, then stops and rewinds it,
    // restores volume 1.0 and runs fadeCompletion once. A request while a
    // fade-out runs changes nothing; with no sound loaded the fade completes at once.
    void fadeOut();
    // Fade-out with a step of 1 / duration (0.5 → silent at the first step).
    void fadeOutOver(float duration);

    bool playing() const;
    AudioPlayer *audioPlayer() const { return audioPlayer_; }
    bool isFadingOut() const { return fadingOut_; }

    Completion playCompletion() const { return playCompletion_; }
    void setPlayCompletion(Completion block) { playCompletion_ = std::move(block); }
    Completion fadeCompletion() const { return fadeCompletion_; }
    void setFadeCompletion(Completion block) { fadeCompletion_ = std::move(block); }

private:
    RingPlayer();
    void fadeOutStep();
    void dropPlayer();
    void playerFinished();

    QPointer<AudioPlayer> audioPlayer_;
    Completion playCompletion_;
    Completion fadeCompletion_;
    float gap_ = 0.1f;
    bool fadingOut_ = false;
    QTimer fadeInTimer_;
    QTimer fadeOutTimer_;
};
