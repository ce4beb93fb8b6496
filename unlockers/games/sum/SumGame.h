#pragma once
#include "unlockers/UnlockScreen.h"
#include "unlockers/games/sum/SumChallenge.h"

#include <QQmlEngine>
#include <QTimer>
#include <optional>

// The calculation game: one sum (47 + 3 - 8 = ) to answer on a keypad whose
// digit keys sit on shuffled places (the SumChallenge), around a slowly
// turning picture. The keys pop up one by one; the right value wins at once,
// a wrong two-digit value sounds the buzzer.
class SumGame : public UnlockScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("unlock screens are made by the screen registry")
    Q_PROPERTY(QString backgroundPictureUrl READ backgroundPictureUrl CONSTANT)
    Q_PROPERTY(SumChallenge *sumChallenge READ sumChallenge CONSTANT)
    Q_PROPERTY(int centerPictureTurnCount READ centerPictureTurnCount NOTIFY centerPictureTurnStarted)
    Q_PROPERTY(int centerTurnMs READ centerTurnMs CONSTANT)
public:
    static constexpr int kCenterTurnMs = 10000;

    // Without a seed the keypad and the sum come from a securely seeded
    // generator, so every ring shows a new layout; tests pass one.
    explicit SumGame(std::optional<quint32> seed = std::nullopt, QObject *parent = nullptr);

    QString backgroundPictureUrl() const;
    SumChallenge *sumChallenge() const { return challenge_; }
    QString arithmeticString() const { return challenge_->arithmeticString(); }
    int result() const { return challenge_->result(); }
    QString resultText() const { return challenge_->resultText(); }
    int centerPictureTurnCount() const { return centerPictureTurnCount_; }
    int centerTurnMs() const { return kCenterTurnMs; }
    bool isRotateTimerRunning() const { return centerPictureTimer_.isActive(); }

    // The keypad slot of each key, index = tag; empty until the screen has appeared.
    QList<int> keySlots() const { return challenge_->keySlots(); }
    // How many keys have popped up so far (0 to 11, in tag order).
    int shownKeyCount() const { return challenge_->shownKeyCount(); }
    // The file of the last key or buzzer sound.
    QString lastKeySound() const { return challenge_->lastKeySound(); }

    // The action of every key; keys not yet shown and keys after the win do nothing.
    Q_INVOKABLE void pressKey(int tag);
    void dismiss() override;
    void completeUnlock() override;

Q_SIGNALS:
    void centerPictureTurnStarted();

protected:
    void didLoad() override;
    void didAppear(bool animated) override;
    void startGameTimers() override;
    void stopGameTimers() override;

private:
    void turnPicture();

    SumChallenge *challenge_;
    QTimer centerPictureTimer_;
    int centerPictureTurnCount_ = 0;
};
