#pragma once
#include <QList>
#include <QRandomGenerator>
#include <utility>

// A Fisher-Yates shuffle of a list; `random` can be seeded by tests.
template<typename T>
QList<T> shuffled(QList<T> items, QRandomGenerator &random = *QRandomGenerator::global())
{
    for (qsizetype i = items.size() - 1; i > 0; --i)
        std::swap(items[i], items[random.bounded(i + 1)]);
    return items;
}
