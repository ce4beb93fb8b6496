#include "assembly/ScreenshotCommand.h"

#include "alarms/Alarm.h"
#include "app/ScreenRegistry.h"
#include "ui/TopLevelScreen.h"
#include "assembly/AppWindow.h"
#include "assembly/ScreenLibraries.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "ui/ScreenshotCatalog.h"

#include <QDeadlineTimer>
#include <QQmlComponent>
#include <QQuickItem>
#include <QEventLoop>
#include <QTimer>
#include <QTextStream>

namespace {
constexpr int kReadyTimeoutMs = 10000;

bool prepareScreen(AppWindow &window, const QString &className)
{
    auto *screen
        = qobject_cast<ScreenController *>(ScreenRegistry::shared().create(className, std::make_shared<Alarm>(), true));
    if (!screen)
        return false;
    if (qobject_cast<TopLevelScreen *>(screen) && window.contentStack())
        window.contentStack()->setScreens({screen}, false);
    else
        ModalLayer::shared().presentModal(screen, false, {});
    return true;
}

bool addOverlay(AppWindow &window, const ScreenshotCatalog::Recipe &recipe)
{
    QQmlComponent component(&window.qmlEngine(), recipe.overlay);
    QVariantMap properties = recipe.overlayProperties;
    properties.insert(QStringLiteral("width"), window.points().width());
    properties.insert(QStringLiteral("height"), window.points().height());
    auto *item
        = component.isReady() ? qobject_cast<QQuickItem *>(component.createWithInitialProperties(properties)) : nullptr;
    if (!item) {
        QTextStream(stderr) << component.errorString();
        return false;
    }
    item->setParent(window.window()->contentItem());
    item->setParentItem(window.window()->contentItem());
    item->setZ(1000);
    return true;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void waitUntil(const std::function<bool()> &ready)
{
    QDeadlineTimer deadline(kReadyTimeoutMs);
    while (!ready() && !deadline.hasExpired())
        wait(20);
}
} // namespace

QImage ScreenshotCommand::render(AppWindow &window, const QString &name)
{
    const ScreenshotCatalog &catalog = ScreenshotCatalog::shared();
    if (catalog.contains(name)) {
        const ScreenshotCatalog::Recipe recipe = catalog.recipe(name);
        if (recipe.prepare)
            recipe.prepare(window);
        if (!recipe.overlay.isEmpty() && !addOverlay(window, recipe))
            return {};
        if (recipe.ready)
            waitUntil([&] { return recipe.ready(window); });
    } else if (!prepareScreen(window, name)) {
        return {};
    }
    // Let transitions settle and a few frames render.
    wait(600);
    return window.window()->grabWindow();
}

std::optional<int> ScreenshotCommand::run(const QStringList &arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
    if (at < 0)
        return std::nullopt;
    QTextStream err(stderr);
    if (at + 2 >= arguments.size()) {
        err << "usage: tolvek-alarm --screenshot NAME OUT.png [--short]\n";
        return 2;
    }
    const QString name = arguments.at(at + 1), output = arguments.at(at + 2);
    registerScreenLibraries();
    AppWindow window(arguments.contains(QStringLiteral("--short")) ? AppWindow::Height::Short
                                                                   : AppWindow::Height::Tall);
    if (!window.load()) {
        err << "the window could not be loaded\n";
        return 1;
    }
    window.show();
    const QImage image = render(window, name);
    if (image.isNull()) {
        err << "unknown screen \"" << name << "\"; known: " << ScreenshotCatalog::shared().names().join(u' ') << ' '
            << ScreenRegistry::shared().classNames().join(u' ') << '\n';
        return 1;
    }
    if (!image.save(output, "PNG")) {
        err << "cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
