#include "unlockers/games/sum/SumChallenge.h"

#include "unlockers/games/sum/CalculatorKeypad.h"
#include "unlockers/games/sum/KeySounds.h"

SumChallenge::SumChallenge(quint32 seed, QObject *parent)
    : QObject(parent),
      random_(seed),
      problem_(CalculationProblem::generate(random_)),
      answer_(problem_.result())
{
    popTimer_.setInterval(kKeyPopIntervalMs);
    connect(&popTimer_, &QTimer::timeout, this, &SumChallenge::popNextKey);
}

QStringList SumChallenge::keyTitles() const
{
    QStringList titles;
    for (int tag = 0; tag < CalculatorKeypad::kKeyCount; ++tag)
        titles.append(CalculatorKeypad::title(tag));
    return titles;
}

void SumChallenge::showKeys()
{
    if (!keySlots_.isEmpty())
        return;
    keySlots_ = CalculatorKeypad::keySlots(random_);
    Q_EMIT keysChanged();
    popTimer_.start();
}

void SumChallenge::popNextKey()
{
    if (shownKeyCount_ == CalculatorKeypad::kKeyCount) {
        popTimer_.stop();
        return;
    }
    ++shownKeyCount_;
    Q_EMIT shownKeyCountChanged();
}

void SumChallenge::pressKey(int tag)
{
    if (won_ || tag < 0 || tag >= shownKeyCount_)
        return;
    playKeySound(kButtonClickSound);
    const AnswerEntry::Outcome outcome = answer_.press(tag);
    Q_EMIT resultTextChanged();
    if (outcome == AnswerEntry::Outcome::Won) {
        won_ = true;
        Q_EMIT won();
    } else if (outcome == AnswerEntry::Outcome::Wrong) {
        playKeySound(kWrongAnswerSound);
    }
}

void SumChallenge::playKeySound(const QString &file)
{
    lastKeySound_ = file;
    KeySounds::play(file);
}
