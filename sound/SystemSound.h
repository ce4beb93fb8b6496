#pragma once
#include "sound/AiffFile.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QAudioSink;

// A short alert sound that the output's mute silences, as a phone's system
// sounds obey its silent switch. When the default sink is muted, or there is
// no audio server, it does not play and completes at once (on the next turn
// of the event loop); otherwise it plays and completes once it has played its
// whole length. Reads AIFF (see AiffFile). Main thread only.
class SystemSound : public QObject
{
    Q_OBJECT
public:
    explicit SystemSound(const QString &path, QObject *parent = nullptr);
    ~SystemSound() override;

    bool isValid() const { return aiff_.isValid(); }
    qint64 durationMs() const { return aiff_.durationMs(); }
    // Starts the sound (from the beginning if it is playing); `completion`
    // runs once when it ends. An earlier play's completion is dropped.
    void play(std::function<void()> completion);

private:
    void sinkStateChanged();
    void complete();
    void releaseSink();

    AiffFile aiff_;
    QBuffer buffer_;
    QPointer<QAudioSink> sink_;
    QElapsedTimer started_;
    QTimer endTimer_;
    std::function<void()> completion_;
};
