#pragma once
#include <QObject>
#include <QString>

// How a sound is meant to be heard, as callers ask for it. On our audio layer
// every stream mixes with the others and a muted default sink silences them
// all, so the category is not a switch inside the server:
//  - Playback: ring sounds and previews in the alarm's own screens;
//  - Ambient: previews on the unlock screens (mix with whatever plays);
//  - PlayAndRecord: the microphone is in use next to playback (blow game,
//    headset override); input and output run side by side in every category.
enum class AudioSessionCategory { Playback, Ambient, PlayAndRecord };

// The app's audio session: the requested category, the current output route
// and the loudspeaker override.
//
//   AudioSession &session = AudioSession::shared();
//   if (session.currentRouteName().contains("Head")) {             // headset test
//       session.setCategory(AudioSessionCategory::PlayAndRecord);
//       session.overrideOutputAudioPortToSpeaker(true);            // ring on the loudspeaker
//   }
//
// The route is the default sink's active port ("Headphones", "Speakers",
// "Line Out"…), or the sink's own description when it has no ports ("Null
// Output"); "" without an audio server. The speaker override switches the
// default sink to its loudspeaker port and back; it reports false (and changes
// nothing) when there is no such port. Main thread only.
class AudioSession : public QObject
{
    Q_OBJECT
public:
    static AudioSession &shared();

    void setCategory(AudioSessionCategory category) { category_ = category; }
    AudioSessionCategory category() const { return category_; }
    void setActive(bool active) { active_ = active; }
    bool isActive() const { return active_; }

    QString currentRouteName() const;
    // true: route to the loudspeaker port; false: back to the port used before.
    bool overrideOutputAudioPortToSpeaker(bool speaker);
    // The media volume, 0..1 (MediaVolume).
    float outputVolume() const;

private:
    AudioSession() = default;

    AudioSessionCategory category_ = AudioSessionCategory::Playback;
    bool active_ = false;
    QString portBeforeOverride_;
};
