#include "unlockers/games/calculate/ZEBAlarmClockUnlockerCalculateViewController.h"

#include "ui/Pictures.h"
#include "unlockers/games/calculate/CalculatorKeypad.h"
#include "unlockers/games/calculate/KeySounds.h"

ZEBAlarmClockUnlockerCalculateViewController::ZEBAlarmClockUnlockerCalculateViewController(std::optional<quint32> seed,
                                                                                           QObject *parent)
    : ZEBAlarmClockUnlockerViewController(parent), random_(seed ? *seed : QRandomGenerator::system()->generate())
{
    buttonTimer_.setInterval(kKeyPopIntervalMs);
    connect(&buttonTimer_, &QTimer::timeout, this, &ZEBAlarmClockUnlockerCalculateViewController::buttonAnimation);
    centerIllustrateRotateTimer_.setInterval(kCenterTurnMs);
    connect(&centerIllustrateRotateTimer_, &QTimer::timeout, this,
            &ZEBAlarmClockUnlockerCalculateViewController::illustrateRotate);
}

QString ZEBAlarmClockUnlockerCalculateViewController::backgroundPictureUrl() const
{
    return Pictures::url(Pictures::backgroundName(QStringLiteral("unlock-scene1-bg.jpg"), isTall()));
}

QRectF ZEBAlarmClockUnlockerCalculateViewController::arithmeticLabelFrame() const
{
    return kArithmeticLabelFrame.translated(0, isTall() ? kLabelTallOffset : 0);
}

QRectF ZEBAlarmClockUnlockerCalculateViewController::resultLabelFrame() const
{
    return kResultLabelFrame.translated(0, isTall() ? kLabelTallOffset : 0);
}

QVariantList ZEBAlarmClockUnlockerCalculateViewController::keysForView() const
{
    QVariantList keys;
    for (int tag = 0; tag < buttonPlaces_.size(); ++tag)
        keys.append(QVariantMap{{QStringLiteral("tag"), tag},
                                {QStringLiteral("title"), CalculatorKeypad::title(tag)},
                                {QStringLiteral("frame"), buttonPlaces_[tag]}});
    return keys;
}

void ZEBAlarmClockUnlockerCalculateViewController::viewDidLoad()
{
    ZEBAlarmClockUnlockerViewController::viewDidLoad();
    routeToSpeakerIfHeadset();
    generateArithmetic();
    setNoticeText(tr("Calculator Notice"));
}

void ZEBAlarmClockUnlockerCalculateViewController::viewDidAppear(bool animated)
{
    ZEBAlarmClockUnlockerViewController::viewDidAppear(animated);
    playRingSound();
    startGameTimers();
    layoutNumberButtons();
}

void ZEBAlarmClockUnlockerCalculateViewController::generateArithmetic()
{
    problem_ = CalculationProblem::generate(random_);
    answer_ = AnswerEntry(problem_.result());
    arithmeticString_ = problem_.text();
    Q_EMIT arithmeticChanged();
    Q_EMIT resultTextChanged();
}

void ZEBAlarmClockUnlockerCalculateViewController::layoutNumberButtons()
{
    if (!buttonPlaces_.isEmpty())
        return;
    buttonPlaces_ = CalculatorKeypad::layout(isTall(), random_);
    Q_EMIT keysChanged();
    if (!buttonTimer_.isActive())
        buttonTimer_.start();
}

void ZEBAlarmClockUnlockerCalculateViewController::buttonAnimation()
{
    if (buttonCountFlag_ == CalculatorKeypad::kKeyCount) {
        buttonTimer_.stop();
        return;
    }
    ++buttonCountFlag_;
    Q_EMIT buttonCountFlagChanged();
}

void ZEBAlarmClockUnlockerCalculateViewController::startGameTimers()
{
    centerIllustrateRotateTimer_.start();
    illustrateRotate();
}

void ZEBAlarmClockUnlockerCalculateViewController::stopGameTimers() { centerIllustrateRotateTimer_.stop(); }

void ZEBAlarmClockUnlockerCalculateViewController::illustrateRotate()
{
    ++centerIllustrateTurnCount_;
    Q_EMIT centerIllustrateTurnStarted();
}

void ZEBAlarmClockUnlockerCalculateViewController::numberButtonDown(int tag)
{
    if (!userInteractionEnabled() || tag < 0 || tag >= buttonCountFlag_)
        return;
    playKeySound(kButtonClickSound);
    const AnswerEntry::Outcome outcome = answer_.press(tag);
    Q_EMIT resultTextChanged();
    if (outcome == AnswerEntry::Outcome::Won) {
        setUserInteractionEnabled(false);
        unlockAlarmClock();
    } else if (outcome == AnswerEntry::Outcome::Wrong) {
        playKeySound(kWrongAnswerSound);
    }
}

void ZEBAlarmClockUnlockerCalculateViewController::playKeySound(const QString &file)
{
    lastKeySound_ = file;
    KeySounds::play(file);
}

void ZEBAlarmClockUnlockerCalculateViewController::unlockAlarmClock()
{
    setDismissButtonEnabled(false);
    stopGameTimers();
    ZEBAlarmClockUnlockerViewController::unlockAlarmClock();
}

void ZEBAlarmClockUnlockerCalculateViewController::dismiss()
{
    stopGameTimers();
    ZEBAlarmClockUnlockerViewController::dismiss();
}
