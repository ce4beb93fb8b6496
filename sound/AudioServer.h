#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>

struct pa_threaded_mainloop;
struct pa_context;

// What the app knows about the default output: PulseAudio's default sink
// (PipeWire's Pulse server answers the same way).
struct SinkState
{
    QString name;        // "alsa_output.pci-0000_00_1f.3.analog-stereo", "tolvek_null"
    QString description; // "Built-in Audio Analog Stereo", "Null Output"
    float volume = 1.0f; // 0..1, the loudest channel; 1 is the sink's 100 %
    bool muted = false;
    int channels = 2;
    QString activePort;            // "analog-output-headphones"; empty for a sink without ports
    QString activePortDescription; // "Headphones", "Speakers"
    QStringList ports;             // names of the ports that may be chosen (not unplugged)

    bool operator==(const SinkState &) const = default;
};

// The one connection of the process to the audio server. It runs libpulse's
// threaded main loop; the calls below wait (at most a couple of seconds) for
// the server's answer, and a change of any sink or of the server's default
// arrives as `sinkChanged` on the main thread.
//
// When no server answers at start, the app works on: isAvailable() is false,
// the setters do nothing and sink() keeps a full-volume, unmuted state. This is
// logged once; so is a server that goes away later (isAvailable() turns false).
// The connection is not retried; a server that appears later is used from the
// next start of the app.
class AudioServer : public QObject
{
    Q_OBJECT
public:
    static AudioServer &shared();

    bool isAvailable() const { return context_ != nullptr && !lost_; }
    // The default sink as last read.
    SinkState sink() const { return sink_; }
    // Reads the default sink again now (emits sinkChanged when it changed).
    SinkState refresh();

    bool setSinkVolume(float volume);
    bool setSinkMuted(bool muted);
    bool setSinkPort(const QString &port);

Q_SIGNALS:
    void sinkChanged(const SinkState &sink);

private:
    AudioServer();
    ~AudioServer() override;
    bool connectToServer();
    static void onContextState(pa_context *context, void *self);
    void disconnectFromServer();
    // Runs `start` with the loop locked and waits until the operation it
    // returns has finished or the timeout passed. False when it did not finish.
    template<typename Start>
    bool runOperation(Start start);

    pa_threaded_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    bool wasReady_ = false;
    std::atomic<bool> lost_ = false; // set on libpulse's thread
    SinkState sink_;
};
