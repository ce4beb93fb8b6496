#include "skins/SkinManagerScreen.h"

#include "platform/AlertPresenter.h"
#include "platform/Broadcaster.h"
#include "skins/CropScreen.h"
#include "skins/SkinPreviewScreen.h"
#include "themes/SkinCatalogue.h"
#include "ui/Pictures.h"
#include "ui/ProgressOverlay.h"

#include <QDebug>
#include <QStandardPaths>
#include <QtConcurrent>

SkinManagerScreen::SkinManagerScreen(QObject *parent) : TopLevelScreen(parent)
{
    connect(&photoReader_, &QFutureWatcher<PhotoLoader::Result>::finished, this, &SkinManagerScreen::photoRead);
    Broadcaster::shared().addObserver(this, SkinCatalogue::kChangeNotification,
                                      [this](const QVariant &) { readCurrentSkin(); });
    readCurrentSkin();
}

int SkinManagerScreen::skinCount() const { return SkinCatalogue::kBuiltInCount; }

QStringList SkinManagerScreen::thumbnailUrls() const
{
    QStringList urls;
    for (int n = 1; n <= SkinCatalogue::kBuiltInCount; ++n)
        urls << Pictures::url(SkinCatalogue::thumbnailName(n));
    return urls;
}

QString SkinManagerScreen::markerUrl() const { return Pictures::url(QStringLiteral("skin-current")); }

QUrl SkinManagerScreen::picturesFolder() const
{
    return QUrl::fromLocalFile(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

int SkinManagerScreen::skinNumberOf(const QString &skinFile)
{
    if (!skinFile.startsWith(QLatin1String("skin-")))
        return 0;
    const QStringList pieces = skinFile.split(QLatin1Char('-'));
    if (pieces.size() < 3)
        return 0;
    bool ok = false;
    const int number = pieces.at(1).toInt(&ok);
    return ok && number >= 1 && number <= SkinCatalogue::kBuiltInCount ? number : 0;
}

void SkinManagerScreen::didLoad()
{
    TopLevelScreen::didLoad();
    setTitleViewText(tr("Skin"));
}

void SkinManagerScreen::readCurrentSkin()
{
    const int number = skinNumberOf(SkinCatalogue::currentSkinFile());
    if (number == currentSkin_)
        return;
    currentSkin_ = number;
    Q_EMIT currentSkinChanged();
}

void SkinManagerScreen::previewSkin(int number)
{
    if (number < 1 || number > SkinCatalogue::kBuiltInCount)
        return;
    auto *preview = new SkinPreviewScreen(SkinCatalogue::skinFileName(number));
    connect(preview, &SkinPreviewScreen::confirmed, this,
            [](const QString &skinFile) { SkinCatalogue::setCurrentSkin(skinFile); });
    present(preview, true);
}

void SkinManagerScreen::usePhoto(const QUrl &file)
{
    if (readingPhoto())
        return;
    const QString path = file.isLocalFile() ? file.toLocalFile() : file.toString();
    ProgressOverlay::showOn(this, true);
    photoReader_.setFuture(QtConcurrent::run(&PhotoLoader::load, path));
    Q_EMIT readingPhotoChanged();
}

void SkinManagerScreen::photoRead()
{
    ProgressOverlay::hideAllOn(this, true);
    Q_EMIT readingPhotoChanged();
    const PhotoLoader::Result result = photoReader_.result();
    if (result.picture.isNull()) {
        refusePhoto(result.problem);
        return;
    }
    auto *crop = new CropScreen(result.picture);
    connect(crop, &CropScreen::cancelled, this, &SkinManagerScreen::photoPickerRequested);
    connect(crop, &CropScreen::failed, this, [](const QString &problem) {
        AlertPresenter::shared().presentAlert({tr("Skin"), problem, {{tr("Dismiss"), AlertButton::Type::Cancel, {}}}});
    });
    present(crop, true);
}

void SkinManagerScreen::refusePhoto(const QString &problem)
{
    qWarning().noquote() << "tolvek: photo refused:" << problem;
    AlertPresenter::shared().presentAlert(
        {tr("Skin"), tr("This picture cannot be used"), {{tr("Dismiss"), AlertButton::Type::Cancel, {}}}});
}
