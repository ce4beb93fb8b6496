#include "unlockers/games/sum/SumGame.h"

#include "ui/Pictures.h"

#include <QRandomGenerator>

SumGame::SumGame(std::optional<quint32> seed, QObject *parent)
    : UnlockScreen(parent),
      challenge_(new SumChallenge(seed ? *seed : QRandomGenerator::system()->generate(), this))
{
    centerPictureTimer_.setInterval(kCenterTurnMs);
    connect(&centerPictureTimer_, &QTimer::timeout, this, &SumGame::turnPicture);
    connect(challenge_, &SumChallenge::won, this, [this] {
        setUserInteractionEnabled(false);
        completeUnlock();
    });
}

QString SumGame::backgroundPictureUrl() const
{
    return Pictures::url(Pictures::backgroundName(QStringLiteral("unlock-scene1-bg.jpg"), isTall()));
}

void SumGame::didLoad()
{
    UnlockScreen::didLoad();
    routeToSpeakerIfHeadset();
    setNoticeText(tr("Calculator Notice"));
}

void SumGame::didAppear(bool animated)
{
    UnlockScreen::didAppear(animated);
    playRingSound();
    startGameTimers();
    challenge_->showKeys();
}

void SumGame::startGameTimers()
{
    centerPictureTimer_.start();
    turnPicture();
}

void SumGame::stopGameTimers() { centerPictureTimer_.stop(); }

void SumGame::turnPicture()
{
    ++centerPictureTurnCount_;
    Q_EMIT centerPictureTurnStarted();
}

void SumGame::pressKey(int tag)
{
    if (userInteractionEnabled())
        challenge_->pressKey(tag);
}

void SumGame::completeUnlock()
{
    setDismissButtonEnabled(false);
    stopGameTimers();
    UnlockScreen::completeUnlock();
}

void SumGame::dismiss()
{
    stopGameTimers();
    UnlockScreen::dismiss();
}
