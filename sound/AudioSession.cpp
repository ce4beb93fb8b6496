#include "sound/AudioSession.h"

#include "sound/AudioServer.h"
#include "sound/MediaVolume.h"

AudioSession &AudioSession::shared()
{
    static AudioSession session;
    return session;
}

QString AudioSession::currentRouteName() const
{
    const AudioServer &server = AudioServer::shared();
    if (!server.isAvailable())
        return QString();
    const SinkState sink = server.sink();
    return sink.activePortDescription.isEmpty() ? sink.description : sink.activePortDescription;
}

bool AudioSession::overrideOutputAudioPortToSpeaker(bool speaker)
{
    AudioServer &server = AudioServer::shared();
    const SinkState sink = server.sink();
    if (!speaker) {
        if (portBeforeOverride_.isEmpty())
            return false;
        const bool restored = server.setSinkPort(portBeforeOverride_);
        portBeforeOverride_.clear();
        return restored;
    }
    for (const QString &port : sink.ports) {
        if (!port.contains(QLatin1String("speaker"), Qt::CaseInsensitive))
            continue;
        if (port == sink.activePort)
            return true;
        const QString previous = sink.activePort;
        if (!server.setSinkPort(port))
            return false;
        portBeforeOverride_ = previous;
        return true;
    }
    return false;
}

float AudioSession::outputVolume() const { return MediaVolume::shared().volume(); }
