#pragma once
// Receives the mute probe's answers, as the blow game does.
#include <QList>
#include <QObject>

class MuteListener : public QObject
{
    Q_OBJECT
public:
    QList<bool> answers;
public Q_SLOTS:
    void isMuted(bool muted) { answers << muted; }
};
