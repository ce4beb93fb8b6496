#pragma once
#include "ui/ScreenController.h"

// A built-in skin shown full screen with the clock on it, and the buttons to
// leave it or set it. Nothing is stored here: "Set" tells the skin manager.
class SkinPreviewScreen : public ScreenController
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(QString skinFile READ skinFile CONSTANT)
    Q_PROPERTY(QString backgroundUrl READ backgroundUrl CONSTANT)
    Q_PROPERTY(QString cancelTitle READ cancelTitle CONSTANT)
    Q_PROPERTY(QString setTitle READ setTitle CONSTANT)
public:
    explicit SkinPreviewScreen(const QString &skinFile, QObject *parent = nullptr);

    QString skinFile() const { return skinFile_; }
    QString backgroundUrl() const;
    QString cancelTitle() const { return tr("Cancel"); }
    QString setTitle() const { return tr("Set"); }

    Q_INVOKABLE void cancel();
    Q_INVOKABLE void confirm();

Q_SIGNALS:
    void confirmed(const QString &skinFile);

private:
    QString skinFile_;
};
