#include "alarms/SoundCatalogue.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace {
struct Entry
{
    const char *displayName;
    const char *fileName;
};
const Entry kEntries[] = {
    {QT_TRANSLATE_NOOP("Sound", "Airship"), "Airship.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Alien Metron"), "Alien Metron.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Astronaut"), "Astronaut.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Calculator"), "Calculator.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Meteorite"), "Falling Stone.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Mineral"), "Mineral.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Satellite"), "Satellite.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Stars"), "Stars.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Milky Way"), "Milky Way.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Time Tunnel"), "Time Tunnel.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Time Machine"), "Time Machine.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "UFO"), "UFO.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Unknown Creature"), "Unknown Creature.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Wormhole"), "Wormhole.mp3"},
    {QT_TRANSLATE_NOOP("Sound", "Random"), "RandomSound"},
};
} // namespace

QStringList SoundCatalogue::fileNames()
{
    QStringList names;
    for (const Entry &e : kEntries)
        names << QString::fromLatin1(e.fileName);
    return names;
}

QStringList SoundCatalogue::displayNames()
{
    QStringList names;
    for (const Entry &e : kEntries)
        names << QCoreApplication::translate("Sound", e.displayName);
    return names;
}

QString SoundCatalogue::resolve(const QString &soundFile)
{
    if (soundFile != kRandomSoundMarker)
        return soundFile;
    const QStringList names = fileNames();
    const quint32 realSounds = quint32(names.size() - 1);
    return names.at(int(QRandomGenerator::global()->generate() % realSounds));
}
