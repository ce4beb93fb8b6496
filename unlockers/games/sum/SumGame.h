#pragma once
#include "unlockers/UnlockScreen.h"
#include "unlockers/games/sum/AnswerEntry.h"
#include "unlockers/games/sum/CalculationProblem.h"

#include <QQmlEngine>
#include <QRandomGenerator>
#include <QTimer>
#include <optional>

// The calculation game: one sum (47 + 3 - 8 = ) to answer on a keypad whose
// digit keys sit on shuffled slots. The keys pop up one by one; the right
// value wins at once, a wrong two-digit value sounds the buzzer. The picture
// in the middle turns once every 10 s.
class SumGame : public UnlockScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("unlock screens are made by the screen registry")
    Q_PROPERTY(QString backgroundPictureUrl READ backgroundPictureUrl CONSTANT)
    Q_PROPERTY(QString arithmeticString READ arithmeticString NOTIFY arithmeticChanged)
    Q_PROPERTY(QString resultText READ resultText NOTIFY resultTextChanged)
    Q_PROPERTY(int centerPictureTurnCount READ centerPictureTurnCount NOTIFY centerPictureTurnStarted)
    Q_PROPERTY(QList<int> keySlots READ keySlots NOTIFY keysChanged)
    Q_PROPERTY(QStringList keyTitles READ keyTitles CONSTANT)
    Q_PROPERTY(int shownKeyCount READ shownKeyCount NOTIFY shownKeyCountChanged)
    Q_PROPERTY(int centerTurnMs READ centerTurnMs CONSTANT)
    Q_PROPERTY(int keyPopStepMs READ keyPopStepMs CONSTANT)
public:
    static constexpr int kCenterTurnMs = 10000;
    // A key pops up every 76 ms; each grows, shrinks and settles in steps of 100 ms.
    static constexpr int kKeyPopIntervalMs = 76;
    static constexpr int kKeyPopStepMs = 100;
    static inline const QString kButtonClickSound = QStringLiteral("button click.mp3");
    static inline const QString kWrongAnswerSound = QStringLiteral("wrong answer.mp3");

    // Without a seed the keypad and the sum come from a securely seeded
    // generator, so every ring shows a new layout; tests pass one.
    explicit SumGame(std::optional<quint32> seed = std::nullopt, QObject *parent = nullptr);

    QString backgroundPictureUrl() const;
    QString arithmeticString() const { return arithmeticString_; }
    int result() const { return problem_.result(); }
    QString resultText() const { return answer_.text(); }
    int centerPictureTurnCount() const { return centerPictureTurnCount_; }
    int centerTurnMs() const { return kCenterTurnMs; }
    int keyPopStepMs() const { return kKeyPopStepMs; }
    bool isRotateTimerRunning() const { return centerPictureTimer_.isActive(); }

    // The keypad slot of each key (see CalculatorKeypad), index = tag; empty
    // until the screen has appeared.
    QList<int> keySlots() const { return keySlots_; }
    QStringList keyTitles() const;
    // How many keys have popped up so far (0 to 11, in tag order).
    int shownKeyCount() const { return shownKeyCount_; }
    // The file of the last key or buzzer sound.
    QString lastKeySound() const { return lastKeySound_; }

    // The action of every key; keys not yet shown and keys after the win do nothing.
    Q_INVOKABLE void pressKey(int tag);
    void dismiss() override;
    void completeUnlock() override;

Q_SIGNALS:
    void arithmeticChanged();
    void resultTextChanged();
    void keysChanged();
    void shownKeyCountChanged();
    void centerPictureTurnStarted();

protected:
    void didLoad() override;
    void didAppear(bool animated) override;
    void startGameTimers() override;
    void stopGameTimers() override;

private:
    void makeProblem();
    void placeKeys();
    void buttonAnimation();
    void turnPicture();
    void playKeySound(const QString &file);

    QRandomGenerator random_;
    CalculationProblem problem_;
    AnswerEntry answer_{0};
    QString arithmeticString_;
    QList<int> keySlots_;
    int shownKeyCount_ = 0;
    QTimer buttonTimer_, centerPictureTimer_;
    int centerPictureTurnCount_ = 0;
    QString lastKeySound_;
};
