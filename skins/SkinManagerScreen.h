#pragma once
#include "ui/TopLevelScreen.h"

#include <QFutureWatcher>
#include <QStringList>
#include <QUrl>

#include "skins/PhotoLoader.h"

// The skin manager: the nine built-in skins as a grid with the current one
// marked, and a button to make a skin of one's own photo. Tapping a skin
// opens its preview; setting it there stores the choice and every themed
// background follows. A photo is read on a worker, then cropped on the crop
// screen; a photo that cannot be used is refused with a message and the
// current skin stays.
class SkinManagerScreen : public TopLevelScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made in C++")
    Q_PROPERTY(int skinCount READ skinCount CONSTANT)
    Q_PROPERTY(QStringList thumbnailUrls READ thumbnailUrls CONSTANT)
    Q_PROPERTY(QString markerUrl READ markerUrl CONSTANT)
    Q_PROPERTY(int currentSkin READ currentSkin NOTIFY currentSkinChanged)
    Q_PROPERTY(bool customSkinCurrent READ customSkinCurrent NOTIFY currentSkinChanged)
    Q_PROPERTY(bool readingPhoto READ readingPhoto NOTIFY readingPhotoChanged)
    Q_PROPERTY(QUrl picturesFolder READ picturesFolder CONSTANT)
    Q_PROPERTY(QString usePhotoTitle READ usePhotoTitle CONSTANT)
public:
    explicit SkinManagerScreen(QObject *parent = nullptr);

    int skinCount() const;
    QStringList thumbnailUrls() const;
    QString markerUrl() const;
    // 1..9 for a built-in skin, 0 when the custom skin (or none of the nine) is current.
    int currentSkin() const { return currentSkin_; }
    bool customSkinCurrent() const { return currentSkin_ == 0; }
    bool readingPhoto() const { return photoReader_.isRunning(); }
    QUrl picturesFolder() const;
    QString usePhotoTitle() const { return tr("Choose From Library"); }

    // The built-in skin number stored in a skin file name ("skin-4-big" → 4), or 0.
    static int skinNumberOf(const QString &skinFile);

    // Opens the preview of built-in skin `number` (1..9).
    Q_INVOKABLE void previewSkin(int number);
    // Reads the photo at `file` and, when it can be used, opens the crop screen.
    Q_INVOKABLE void usePhoto(const QUrl &file);

Q_SIGNALS:
    void currentSkinChanged();
    void readingPhotoChanged();
    // The crop was cancelled: back to choosing a photo.
    void photoPickerRequested();

protected:
    void didLoad() override;

private:
    void readCurrentSkin();
    void photoRead();
    void refusePhoto(const QString &problem);

    int currentSkin_ = 0;
    QFutureWatcher<PhotoLoader::Result> photoReader_;
};
