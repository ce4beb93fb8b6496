#include "skins/SkinScreens.h"

#include "app/ScreenRegistry.h"
#include "skins/CropScreen.h"
#include "skins/PhotoLoader.h"
#include "skins/SkinManagerScreen.h"
#include "skins/SkinPreviewScreen.h"
#include "themes/SkinCatalogue.h"
#include "ui/ModalLayer.h"
#include "ui/QmlScreens.h"
#include "ui/ScreenshotCatalog.h"

extern void qml_register_types_Tolvek_Skins();

namespace {
// A built-in skin's big picture stands in for a photo in the crop screenshot.
const QString kSamplePhoto = QStringLiteral(":/pictures/skin-5-big-568h@2x.jpg");

ScreenshotCatalog::Recipe modal(std::function<ScreenController *()> make)
{
    return {[make](ScreenHost &) { ModalLayer::shared().presentModal(make(), false, {}); }, {}, {}, {}};
}
} // namespace

void registerSkinScreens()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qml_register_types_Tolvek_Skins();
    QmlScreens::registerScreen<SkinManagerScreen>(QStringLiteral("SkinManagerScreen"));
    ScreenRegistry::shared().registerScreen(QStringLiteral("SkinPreviewScreen"), [](const AlarmPtr &, bool) {
        return new SkinPreviewScreen(SkinCatalogue::skinFileName(4));
    });
    ScreenRegistry::shared().registerScreen(QStringLiteral("CropScreen"), [](const AlarmPtr &, bool) {
        return new CropScreen(PhotoLoader::load(kSamplePhoto).picture);
    });
    ScreenshotCatalog &catalog = ScreenshotCatalog::shared();
    catalog.add(QStringLiteral("skins"), ScreenshotCatalog::topLevelScreen(QStringLiteral("SkinManagerScreen")));
    catalog.add(QStringLiteral("skin-preview"),
                modal([] { return new SkinPreviewScreen(SkinCatalogue::skinFileName(4)); }));
    catalog.add(QStringLiteral("crop"), modal([] {
                    auto *crop = new CropScreen(PhotoLoader::load(kSamplePhoto).picture);
                    crop->zoomBy(1.6, 60, 120);
                    return crop;
                }));
}
