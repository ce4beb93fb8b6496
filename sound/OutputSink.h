#pragma once
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

// Opening and closing a stream to the default output, the same way for every
// player of the app.
namespace OutputSink {

// Made without a parent: Qt gives the sink's backend the same parent, which
// would delete the backend under the sink when the parent goes.
inline QAudioSink *open(const QAudioFormat &format)
{
    return new QAudioSink(QMediaDevices::defaultAudioOutput(), format);
}

// Stops the sink and deletes it from the event loop: a sink's destructor runs
// pending events, which must not reach its owner while it is being torn down.
inline void close(QAudioSink *sink)
{
    sink->disconnect();
    sink->stop();
    sink->deleteLater();
}

} // namespace OutputSink
