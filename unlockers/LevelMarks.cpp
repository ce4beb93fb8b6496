#include "unlockers/LevelMarks.h"

LevelMarks::LevelMarks(QObject *parent) : QObject(parent)
{
    for (int i = 0; i < kMarkCount; ++i)
        stars_.append(QString());
}

QString LevelMarks::levelText() const { return tr("Level"); }

void LevelMarks::setLevel(int level)
{
    if (level == level_ || level > kMarkCount)
        return;
    level_ = level;
    for (int i = 0; i < kMarkCount; ++i)
        stars_[i] = i < level ? kGreenMark : kGrayMark;
    Q_EMIT levelChanged();
}

QRectF LevelMarks::markFrame(int index)
{
    const qreal x = kLabelFrame.x() + kLabelFrame.width() - 4 + kMarkSpacing * index;
    return {x, (kFrame.height() - kMarkSize) * 0.5, kMarkSize, kMarkSize};
}

QVariantList LevelMarks::markFrames() const
{
    QVariantList frames;
    for (int i = 0; i < kMarkCount; ++i)
        frames.append(markFrame(i));
    return frames;
}
