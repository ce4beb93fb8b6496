#include "sound/AudioServer.h"

#include "sound/SoundLog.h"

#include <pulse/pulseaudio.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcSound, "tolvek.sound")

namespace {
// A server that does not answer within this time counts as absent.
constexpr pa_usec_t kTimeoutUsec = 2 * PA_USEC_PER_SEC;
// The server resolves this name to whatever sink is the default right now.
constexpr const char *kDefaultSink = "@DEFAULT_SINK@";

struct Timeout
{
    pa_threaded_mainloop *loop;
    bool passed = false;
};

void onTimeout(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *userdata)
{
    auto *timeout = static_cast<Timeout *>(userdata);
    timeout->passed = true;
    pa_threaded_mainloop_signal(timeout->loop, 0);
}

void signalLoopOnOperation(pa_operation *, void *loop)
{
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0);
}

// Waits with the loop locked until `finished` holds or the timeout passed.
template<typename Finished>
bool waitLocked(pa_threaded_mainloop *loop, pa_context *context, Finished finished)
{
    Timeout timeout{loop};
    pa_time_event *timer = pa_context_rttime_new(context, pa_rtclock_now() + kTimeoutUsec, onTimeout, &timeout);
    while (!finished() && !timeout.passed)
        pa_threaded_mainloop_wait(loop);
    if (timer)
        pa_threaded_mainloop_get_api(loop)->time_free(timer);
    return finished();
}

void onSinkInfo(pa_context *, const pa_sink_info *info, int eol, void *userdata)
{
    if (eol || !info)
        return;
    auto *sink = static_cast<SinkState *>(userdata);
    sink->name = QString::fromUtf8(info->name);
    sink->description = QString::fromUtf8(info->description);
    sink->volume = std::min(1.0f, float(pa_cvolume_max(&info->volume)) / float(PA_VOLUME_NORM));
    sink->muted = info->mute != 0;
    sink->channels = info->volume.channels;
    sink->activePort.clear();
    sink->activePortDescription.clear();
    if (info->active_port) {
        sink->activePort = QString::fromUtf8(info->active_port->name);
        sink->activePortDescription = QString::fromUtf8(info->active_port->description);
    }
    sink->ports.clear();
    for (uint32_t i = 0; i < info->n_ports; ++i) {
        if (info->ports[i]->available != PA_PORT_AVAILABLE_NO)
            sink->ports << QString::fromUtf8(info->ports[i]->name);
    }
}

void onSuccess(pa_context *, int success, void *userdata) { *static_cast<bool *>(userdata) = success != 0; }
} // namespace

AudioServer &AudioServer::shared()
{
    static AudioServer server;
    return server;
}

AudioServer::AudioServer()
{
    // Change events are handled on the main thread, whoever asked first.
    if (QCoreApplication::instance())
        moveToThread(QCoreApplication::instance()->thread());
    if (connectToServer())
        refresh();
}

AudioServer::~AudioServer() { disconnectFromServer(); }

bool AudioServer::connectToServer()
{
    loop_ = pa_threaded_mainloop_new();
    pa_threaded_mainloop_set_name(loop_, "tolvek-pulse");
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Tolvek Alarm");
    pa_context_set_state_callback(context_, onContextState, this);
    pa_threaded_mainloop_lock(loop_);
    bool ready = pa_threaded_mainloop_start(loop_) >= 0
                 && pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0
                 && waitLocked(loop_, context_,
                               [this] {
                                   const pa_context_state_t state = pa_context_get_state(context_);
                                   return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
                               })
                 && pa_context_get_state(context_) == PA_CONTEXT_READY;
    const QString error = QString::fromUtf8(pa_strerror(pa_context_errno(context_)));
    wasReady_ = ready;
    if (ready) {
        // Any sink change, or a new default sink, makes us read the default sink again.
        pa_context_set_subscribe_callback(
            context_,
            [](pa_context *, pa_subscription_event_type_t, uint32_t, void *self) {
                auto *server = static_cast<AudioServer *>(self);
                QMetaObject::invokeMethod(
                    server, [server] { server->refresh(); }, Qt::QueuedConnection);
            },
            this);
        if (pa_operation *op = pa_context_subscribe(
                context_, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER), nullptr,
                nullptr))
            pa_operation_unref(op);
    }
    pa_threaded_mainloop_unlock(loop_);
    if (!ready) {
        qCWarning(lcSound).noquote() << "No audio server (PulseAudio) answers:" << error
                                     << "- sounds stay silent and the media volume is kept inside the app.";
        disconnectFromServer();
    }
    return ready;
}

void AudioServer::disconnectFromServer()
{
    if (!loop_)
        return;
    pa_threaded_mainloop_stop(loop_);
    if (context_) {
        pa_context_set_subscribe_callback(context_, nullptr, nullptr);
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_threaded_mainloop_free(loop_);
    loop_ = nullptr;
}

void AudioServer::onContextState(pa_context *context, void *self)
{
    auto *server = static_cast<AudioServer *>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (!PA_CONTEXT_IS_GOOD(state) && server->wasReady_ && !server->lost_.exchange(true)) {
        qCWarning(lcSound).noquote() << "The audio server went away:"
                                     << QString::fromUtf8(pa_strerror(pa_context_errno(context)))
                                     << "- sounds stay silent until the app starts again.";
    }
    pa_threaded_mainloop_signal(server->loop_, 0);
}

template<typename Start>
bool AudioServer::runOperation(Start start)
{
    if (!context_)
        return false;
    pa_threaded_mainloop_lock(loop_);
    pa_operation *op = start();
    bool finished = false;
    if (op) {
        pa_operation_set_state_callback(op, signalLoopOnOperation, loop_);
        finished = waitLocked(loop_, context_, [op] { return pa_operation_get_state(op) == PA_OPERATION_DONE; });
        if (!finished)
            pa_operation_cancel(op);
        pa_operation_set_state_callback(op, nullptr, nullptr);
        pa_operation_unref(op);
    }
    pa_threaded_mainloop_unlock(loop_);
    return finished;
}

SinkState AudioServer::refresh()
{
    SinkState fresh = sink_;
    if (!runOperation([&] { return pa_context_get_sink_info_by_name(context_, kDefaultSink, onSinkInfo, &fresh); }))
        return sink_;
    if (fresh != sink_) {
        sink_ = fresh;
        Q_EMIT sinkChanged(sink_);
    }
    return sink_;
}

bool AudioServer::setSinkVolume(float volume)
{
    pa_cvolume levels;
    pa_cvolume_set(&levels, std::max(1, sink_.channels),
                   pa_volume_t(std::lround(std::clamp(volume, 0.0f, 1.0f) * float(PA_VOLUME_NORM))));
    bool success = false;
    runOperation(
        [&] { return pa_context_set_sink_volume_by_name(context_, kDefaultSink, &levels, onSuccess, &success); });
    refresh();
    return success;
}

bool AudioServer::setSinkMuted(bool muted)
{
    bool success = false;
    runOperation([&] { return pa_context_set_sink_mute_by_name(context_, kDefaultSink, muted, onSuccess, &success); });
    refresh();
    return success;
}

bool AudioServer::setSinkPort(const QString &port)
{
    const QByteArray portName = port.toUtf8();
    bool success = false;
    runOperation([&] {
        return pa_context_set_sink_port_by_name(context_, kDefaultSink, portName.constData(), onSuccess, &success);
    });
    refresh();
    return success;
}
