#pragma once
#include "unlockers/games/sum/AnswerEntry.h"
#include "unlockers/games/sum/CalculationProblem.h"

#include <QObject>
#include <QRandomGenerator>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

// The calculation challenge without a scene around it: one sum (47 + 3 - 8 = )
// answered on a keypad whose digit keys sit on shuffled places and pop up one
// by one. A key clicks; a wrong two-digit value sounds the buzzer and stays
// until deleted; the right value wins at once, after which keys do nothing.
class SumChallenge : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the game that offers it")
    Q_PROPERTY(QString arithmeticString READ arithmeticString CONSTANT)
    Q_PROPERTY(QString resultText READ resultText NOTIFY resultTextChanged)
    Q_PROPERTY(QList<int> keySlots READ keySlots NOTIFY keysChanged)
    Q_PROPERTY(QStringList keyTitles READ keyTitles CONSTANT)
    Q_PROPERTY(int shownKeyCount READ shownKeyCount NOTIFY shownKeyCountChanged)
    Q_PROPERTY(int keyPopStepMs READ keyPopStepMs CONSTANT)
public:
    // A key pops up every 76 ms; each grows, shrinks and settles in steps of 100 ms.
    static constexpr int kKeyPopIntervalMs = 76;
    static constexpr int kKeyPopStepMs = 100;
    static inline const QString kButtonClickSound = QStringLiteral("button click.mp3");
    static inline const QString kWrongAnswerSound = QStringLiteral("wrong answer.mp3");

    // The sum is made at once from `seed`; the keys are placed by showKeys().
    explicit SumChallenge(quint32 seed, QObject *parent = nullptr);

    QString arithmeticString() const { return problem_.text(); }
    int result() const { return problem_.result(); }
    QString resultText() const { return answer_.text(); }
    // The keypad slot of each key (see CalculatorKeypad), index = tag; empty
    // until showKeys().
    QList<int> keySlots() const { return keySlots_; }
    QStringList keyTitles() const;
    int keyPopStepMs() const { return kKeyPopStepMs; }
    // How many keys have popped up so far (0 to 11, in tag order).
    int shownKeyCount() const { return shownKeyCount_; }
    bool isWon() const { return won_; }
    // The file of the last key or buzzer sound.
    QString lastKeySound() const { return lastKeySound_; }

    // Places the keys (once) and lets them pop up.
    void showKeys();
    // The action of every key; keys not yet shown and keys after the win do nothing.
    Q_INVOKABLE void pressKey(int tag);

Q_SIGNALS:
    void resultTextChanged();
    void keysChanged();
    void shownKeyCountChanged();
    void won();

private:
    void popNextKey();
    void playKeySound(const QString &file);

    QRandomGenerator random_;
    CalculationProblem problem_;
    AnswerEntry answer_;
    QList<int> keySlots_;
    int shownKeyCount_ = 0;
    QTimer popTimer_;
    bool won_ = false;
    QString lastKeySound_;
};
