#pragma once
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <utility>

// Fisher-Yates shuffles of lists and strings; `random` can be seeded by tests.
template<typename T>
QList<T> shuffled(QList<T> items, QRandomGenerator &random = *QRandomGenerator::global())
{
    for (qsizetype i = items.size() - 1; i > 0; --i)
        std::swap(items[i], items[random.bounded(i + 1)]);
    return items;
}

inline QString shuffledString(const QString &text, QRandomGenerator &random = *QRandomGenerator::global())
{
    const QList<QChar> characters = shuffled(QList<QChar>(text.cbegin(), text.cend()), random);
    return QString(characters.constData(), characters.size());
}
