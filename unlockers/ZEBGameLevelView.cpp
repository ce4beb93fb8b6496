#include "unlockers/ZEBGameLevelView.h"

ZEBGameLevelView::ZEBGameLevelView(QObject *parent) : QObject(parent)
{
    for (int i = 0; i < kMarkCount; ++i)
        stars_.append(QString());
}

QString ZEBGameLevelView::levelText() const { return tr("Level"); }

void ZEBGameLevelView::setLevel(int level)
{
    if (level == level_ || level > kMarkCount)
        return;
    level_ = level;
    for (int i = 0; i < kMarkCount; ++i)
        stars_[i] = i < level ? kGreenMark : kGrayMark;
    Q_EMIT levelChanged();
}

QRectF ZEBGameLevelView::markFrame(int index)
{
    const qreal x = kLabelFrame.x() + kLabelFrame.width() - 4 + kMarkSpacing * index;
    return {x, (kFrame.height() - kMarkSize) * 0.5, kMarkSize, kMarkSize};
}

QVariantList ZEBGameLevelView::markFrames() const
{
    QVariantList frames;
    for (int i = 0; i < kMarkCount; ++i)
        frames.append(markFrame(i));
    return frames;
}
