#pragma once
#include <QObject>
#include <QRectF>
#include <QStringList>
#include <QVariantList>

// The difficulty rating: the word "Level" and five marks, the first `level`
// of them green and the rest grey. Until the first effective setLevel() the
// marks show no picture.
class LevelMarks : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int level READ level NOTIFY levelChanged)
    Q_PROPERTY(QString levelText READ levelText CONSTANT)
    Q_PROPERTY(QStringList stars READ stars NOTIFY levelChanged)
    Q_PROPERTY(QVariantList markFrames READ markFrames CONSTANT)
public:
    static constexpr int kMarkCount = 5;
    static constexpr QRectF kFrame{0, 0, 80, 15};
    static constexpr QRectF kLabelFrame{3, 0, 30, 15};
    static constexpr qreal kMarkSize = 8, kMarkSpacing = 10;
    static inline const QString kGreenMark = QStringLiteral("unlock-level-start-green");
    static inline const QString kGrayMark = QStringLiteral("unlock-level-start-gray");

    explicit LevelMarks(QObject *parent = nullptr);

    int level() const { return level_; }
    // Ignored when unchanged or above 5.
    void setLevel(int level);
    QString levelText() const;
    // The picture name of each mark, empty before the first level is set.
    QStringList stars() const { return stars_; }
    // Mark i's place inside the view: 29, 39, 49, 59, 69 across, centred down.
    static QRectF markFrame(int index);
    QVariantList markFrames() const;

Q_SIGNALS:
    void levelChanged();

private:
    int level_ = 0;
    QStringList stars_;
};
