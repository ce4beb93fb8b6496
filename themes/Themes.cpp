#include "themes/Themes.h"

#include "platform/Broadcaster.h"
#include "platform/Preferences.h"
#include "themes/BlurredBackground.h"
#include "themes/SkinCatalogue.h"
#include "ui/ScreenHost.h"
#include "ui/ScreenshotCatalog.h"

#include <QQuickItem>
#include <QQuickWindow>

extern void qml_register_types_Tolvek_Themes();

namespace {
const QUrl kSkinSample(QStringLiteral("qrc:/screens/SkinSample.qml"));

// A skin behind the clock, plain or blurred; the skin goes into the (private) preferences.
ScreenshotCatalog::Recipe skinSample(const QString &skinFile, bool blurred)
{
    return {[skinFile](ScreenHost &) {
                Preferences::shared().setString(SkinCatalogue::kPreferenceKey, skinFile);
                Preferences::shared().synchronize();
                Broadcaster::shared().post(SkinCatalogue::kChangeNotification);
            },
            kSkinSample,
            {{QStringLiteral("blurred"), blurred}},
            [](ScreenHost &window) {
                const auto *view = window.window()->contentItem()->findChild<BlurredBackground *>();
                return view && !view->isBlurring();
            }};
}
} // namespace

void registerThemes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qml_register_types_Tolvek_Themes();
    ScreenshotCatalog &catalog = ScreenshotCatalog::shared();
    catalog.add(QStringLiteral("timeview"), skinSample(SkinCatalogue::kDefaultSkin, false));
    for (int n = 1; n <= SkinCatalogue::kBuiltInCount; ++n) {
        const QString skin = SkinCatalogue::skinFileName(n);
        catalog.add(QStringLiteral("skin-%1").arg(n), skinSample(skin, false));
        catalog.add(QStringLiteral("skin-%1-blur").arg(n), skinSample(skin, true));
    }
}
