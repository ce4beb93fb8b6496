#pragma once
#include <QObject>
#include <QQmlEngine>
#include <QStringList>

// The difficulty rating: the word "Level" and five marks, the first `level`
// of them green and the rest grey. Until the first effective setLevel() the
// marks show no picture.
class LevelMarks : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("level marks belong to the unlocker picker")
    Q_PROPERTY(int level READ level NOTIFY levelChanged)
    Q_PROPERTY(QString levelText READ levelText CONSTANT)
    Q_PROPERTY(QStringList marks READ marks NOTIFY levelChanged)
public:
    static constexpr int kMarkCount = 5;
    static inline const QString kGreenMark = QStringLiteral("unlock-level-start-green");
    static inline const QString kGrayMark = QStringLiteral("unlock-level-start-gray");

    explicit LevelMarks(QObject *parent = nullptr);

    int level() const { return level_; }
    // Ignored when unchanged or above 5.
    void setLevel(int level);
    QString levelText() const;
    // The picture name of each mark, empty before the first level is set.
    QStringList marks() const { return marks_; }

Q_SIGNALS:
    void levelChanged();

private:
    int level_ = 0;
    QStringList marks_;
};
