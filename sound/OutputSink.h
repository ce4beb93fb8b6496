#pragma once
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

// Opening and closing a stream to the default output, the same way for every
// player of the app.
namespace OutputSink {

// Made without a parent: Qt gives the sink's backend the same parent, which
// would delete the backend under the sink when the parent goes.
inline QAudioSink *open(const QAudioFormat &format)
{
    return new QAudioSink(QMediaDevices::defaultAudioOutput(), format);
}

// Stops the sink now and deletes it a while later, from the event loop: a
// sink's destructor runs pending events, which must not reach its owner, and
// the sound server may still answer a stopped stream's last request (Qt 6.4
// then calls into the sink from the server's thread) for a moment.
inline void close(QAudioSink *sink)
{
    constexpr int kLateAnswersMs = 2000;
    sink->disconnect();
    sink->stop();
    QTimer::singleShot(kLateAnswersMs, sink, &QObject::deleteLater);
}

} // namespace OutputSink
