#include "editor/SoundPickerScreen.h"

#include "alarms/SoundCatalogue.h"
#include "sound/RingPlayer.h"

SoundPickerScreen::SoundPickerScreen(int chosenRow, QObject *parent)
    : PushedScreen(parent),
      soundNames_(SoundCatalogue::displayNames()),
      chosenRow_(chosenRow)
{ }

SoundPickerScreen::~SoundPickerScreen()
{
    // Gone without leaving (its stack was torn down): its sound stops with it.
    if (playing_ && RingPlayer::shared()->audioPlayer() == playing_)
        RingPlayer::shared()->stop();
}

void SoundPickerScreen::didLoad() { setTitleViewText(tr("Sound")); }

void SoundPickerScreen::tapRow(int row)
{
    if (row < 0 || row >= soundNames_.size())
        return;
    if (row == chosenRow_ && choiceMade_) {
        fadeOutOwnSound();
        leave();
        return;
    }
    choiceMade_ = true;
    if (row != chosenRow_) {
        chosenRow_ = row;
        Q_EMIT chosenRowChanged();
    }
    play(row);
}

void SoundPickerScreen::play(int row)
{
    const QStringList files = SoundCatalogue::fileNames();
    RingPlayer *player = RingPlayer::shared();
    player->stop();
    playing_ = nullptr;
    // The random entry is no file: it plays nothing.
    player->play(files.at(row), true);
    playing_ = player->audioPlayer();
}

void SoundPickerScreen::fadeOutOwnSound()
{
    RingPlayer *player = RingPlayer::shared();
    if (playing_ && player->audioPlayer() == playing_)
        player->fadeOutOver(kLeaveFadeSeconds);
    playing_ = nullptr;
}

void SoundPickerScreen::willDisappear(bool animated)
{
    PushedScreen::willDisappear(animated);
    fadeOutOwnSound();
}

void SoundPickerScreen::didDisappear(bool)
{
    if (choiceMade_ && !reported_) {
        reported_ = true;
        Q_EMIT soundChosen(chosenRow_);
    }
}
