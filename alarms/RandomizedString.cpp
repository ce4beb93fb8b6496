#include "alarms/RandomizedString.h"

#include <QRandomGenerator>

QString RandomizedString::defaultAlphabet()
{
    return QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXZY0123456789");
}

QString RandomizedString::randomizedString() { return randomizedStringWithAlphabet(defaultAlphabet(), 8); }

QString RandomizedString::randomizedStringWithAlphabet(const QString &alphabet, int length)
{
    QString result;
    if (alphabet.isEmpty())
        return result;
    result.reserve(length);
    for (int i = 0; i < length; ++i)
        result.append(alphabet.at(QRandomGenerator::system()->generate() % quint32(alphabet.size())));
    return result;
}
