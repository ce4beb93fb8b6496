#pragma once
#include <QString>

// Random identifier strings: each character drawn independently from an alphabet.
namespace RandomizedString {
// "a".."z", "A".."X", "Z", "Y", "0".."9": 62 characters (Y and Z swapped, as identifiers always were).
QString defaultAlphabet();
QString randomizedString(); // 8 characters of the default alphabet
QString randomizedStringWithAlphabet(const QString &alphabet, int length = 8);
} // namespace RandomizedString
