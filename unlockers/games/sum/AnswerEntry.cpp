#include "unlockers/games/sum/AnswerEntry.h"

AnswerEntry::Outcome AnswerEntry::press(int key)
{
    if (key == kDeleteKey) {
        text_.chop(1);
        if (text_.isEmpty())
            text_ = kEmpty;
        return Outcome::Typed;
    }
    if (text_ == kEmpty)
        text_.clear();
    if (text_.size() >= kMaxDigits)
        return Outcome::Wrong;
    text_ += QString::number(key);
    if (text_.toInt() == result_)
        return Outcome::Won;
    return text_.size() == kMaxDigits ? Outcome::Wrong : Outcome::Typed;
}
