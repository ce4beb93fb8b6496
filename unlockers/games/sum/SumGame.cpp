#include "unlockers/games/sum/SumGame.h"

#include "ui/Pictures.h"
#include "unlockers/games/sum/CalculatorKeypad.h"
#include "unlockers/games/sum/KeySounds.h"

SumGame::SumGame(std::optional<quint32> seed, QObject *parent)
    : UnlockScreen(parent), random_(seed ? *seed : QRandomGenerator::system()->generate())
{
    buttonTimer_.setInterval(kKeyPopIntervalMs);
    connect(&buttonTimer_, &QTimer::timeout, this, &SumGame::buttonAnimation);
    centerPictureTimer_.setInterval(kCenterTurnMs);
    connect(&centerPictureTimer_, &QTimer::timeout, this, &SumGame::turnPicture);
}

QString SumGame::backgroundPictureUrl() const
{
    return Pictures::url(Pictures::backgroundName(QStringLiteral("unlock-scene1-bg.jpg"), isTall()));
}

QStringList SumGame::keyTitles() const
{
    QStringList titles;
    for (int tag = 0; tag < CalculatorKeypad::kKeyCount; ++tag)
        titles.append(CalculatorKeypad::title(tag));
    return titles;
}

void SumGame::didLoad()
{
    UnlockScreen::didLoad();
    routeToSpeakerIfHeadset();
    makeProblem();
    setNoticeText(tr("Calculator Notice"));
}

void SumGame::didAppear(bool animated)
{
    UnlockScreen::didAppear(animated);
    playRingSound();
    startGameTimers();
    placeKeys();
}

void SumGame::makeProblem()
{
    problem_ = CalculationProblem::generate(random_);
    answer_ = AnswerEntry(problem_.result());
    arithmeticString_ = problem_.text();
    Q_EMIT arithmeticChanged();
    Q_EMIT resultTextChanged();
}

void SumGame::placeKeys()
{
    if (!keySlots_.isEmpty())
        return;
    keySlots_ = CalculatorKeypad::keySlots(random_);
    Q_EMIT keysChanged();
    if (!buttonTimer_.isActive())
        buttonTimer_.start();
}

void SumGame::buttonAnimation()
{
    if (shownKeyCount_ == CalculatorKeypad::kKeyCount) {
        buttonTimer_.stop();
        return;
    }
    ++shownKeyCount_;
    Q_EMIT shownKeyCountChanged();
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
    if (!userInteractionEnabled() || tag < 0 || tag >= shownKeyCount_)
        return;
    playKeySound(kButtonClickSound);
    const AnswerEntry::Outcome outcome = answer_.press(tag);
    Q_EMIT resultTextChanged();
    if (outcome == AnswerEntry::Outcome::Won) {
        setUserInteractionEnabled(false);
        completeUnlock();
    } else if (outcome == AnswerEntry::Outcome::Wrong) {
        playKeySound(kWrongAnswerSound);
    }
}

void SumGame::playKeySound(const QString &file)
{
    lastKeySound_ = file;
    KeySounds::play(file);
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
