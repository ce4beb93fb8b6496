#pragma once
#include <QString>

// What the player has typed on the keypad: "?" while it holds no digit, at
// most two digits. The right value wins at once; a wrong two-digit value
// asks for the buzzer and stays until deleted.
class AnswerEntry
{
public:
    static constexpr int kDeleteKey = 10;
    static constexpr int kMaxDigits = 2;
    static inline const QString kEmpty = QStringLiteral("?");

    enum class Outcome { Typed, Wrong, Won };

    explicit AnswerEntry(int result) : result_(result) { }

    QString text() const { return text_; }
    // Key tags 0 to 9 are digits, 10 deletes the last character.
    Outcome press(int key);

private:
    int result_;
    QString text_ = kEmpty;
};
