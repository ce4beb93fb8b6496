#include "unlockers/LevelMarks.h"

LevelMarks::LevelMarks(QObject *parent) : QObject(parent), marks_(kMarkCount) { }

QString LevelMarks::levelText() const { return tr("Level"); }

void LevelMarks::setLevel(int level)
{
    if (level == level_ || level > kMarkCount)
        return;
    level_ = level;
    for (int i = 0; i < kMarkCount; ++i)
        marks_[i] = i < level ? kGreenMark : kGrayMark;
    Q_EMIT levelChanged();
}
