#pragma once
#include <QString>

// What the slogan field keeps of a typed or pasted text: one line (control
// characters and line breaks become spaces) of at most kMaxLength characters,
// cut between whole characters, so right-to-left text and emoji survive and a
// pasted page cannot break the screens or the notification that shows it.
namespace SloganText {
inline constexpr int kMaxLength = 100; // UTF-16 units

struct Cleaned
{
    QString text;
    bool shortened = false;
};
Cleaned clean(const QString &text);
} // namespace SloganText
