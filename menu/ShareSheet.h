#pragma once
#include "menu/ShareTargets.h"
#include "ui/ScreenController.h"

#include <QStringList>

// The share sheet over the whole window: one entry per place to share the app
// (by locale) and "Cancel". An entry opens its link; when nothing on this
// system handles it, an alert says what to set up.
class ShareSheet : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(QString sheetTitle READ sheetTitle CONSTANT)
    Q_PROPERTY(QStringList entries READ entries CONSTANT)
    Q_PROPERTY(QString cancelTitle READ cancelTitle CONSTANT)
public:
    explicit ShareSheet(const QLocale &locale = QLocale(), QObject *parent = nullptr);

    QString sheetTitle() const { return tr("Share"); }
    QStringList entries() const;
    QString cancelTitle() const { return tr("Cancel"); }
    QList<ShareTargets::Target> targets() const { return targets_; }

    // What is shared: the slogans and the project's page.
    static ShareTargets::Content content();

    Q_INVOKABLE void choose(int index);
    Q_INVOKABLE void cancel();

private:
    QList<ShareTargets::Target> targets_;
};
