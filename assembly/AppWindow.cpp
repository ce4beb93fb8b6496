#include "assembly/AppWindow.h"

#include "app/ScreenRegistry.h"
#include "platform/AlertPresenter.h"
#include "ui/AccessibleRanges.h"
#include "ui/LifecycleDriver.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "ui/SideMenu.h"
#include "ui/AlertViewPresenter.h"
#include "ui/ScreenMetrics.h"
#include "ui/UiSetup.h"
#include "ui/WindowPresence.h"
#include "assembly/WindowPlacement.h"
#include "platform/Preferences.h"
#include "platform/StoredNames.h"

#include <QDebug>
#include <utility>

namespace {
const QString kRootClass = QStringLiteral("AppSideMenu");
const QUrl kMainView(QStringLiteral("qrc:/Tolvek/Main.qml"));
constexpr int kResizeSettleMs = 500;

std::optional<bool> fullScreenAsked()
{
    const QByteArray asked = qgetenv("TOLVEK_FULLSCREEN");
    if (asked == "1")
        return true;
    if (asked == "0")
        return false;
    return std::nullopt;
}
} // namespace

AppWindow::AppWindow(Height height, Sizing sizing, QObject *parent) : QObject(parent), height_(height), sizing_(sizing)
{
    rememberTimer_.setSingleShot(true);
    rememberTimer_.setInterval(kResizeSettleMs);
    connect(&rememberTimer_, &QTimer::timeout, this, &AppWindow::rememberSize);
}

AppWindow::~AppWindow()
{
    if (rememberTimer_.isActive())
        rememberSize();
    if (&AlertPresenter::shared() == alertPresenter_.get())
        AlertPresenter::setShared(nullptr);
    if (ScreenPresenter::shared() == &ModalLayer::shared())
        ScreenPresenter::setShared(nullptr);
    WindowPresence::setAnimatesTransitions(false);
}

bool AppWindow::loadWindow()
{
    // Screens choose their layout and pictures by the display mode, so it is set
    // before any is made: the design space at the pictures' scale. DesignSpace.qml
    // scales the design space to the window, whatever its size and pixel ratio.
    ScreenMetrics::shared().setDisplayMode(points() * ScreenMetrics::shared().scale());
    alertPresenter_ = std::make_unique<AlertViewPresenter>();
    AlertPresenter::setShared(alertPresenter_.get());
    ScreenPresenter::setShared(&ModalLayer::shared());

    engine_.addImportPath(QStringLiteral("qrc:/"));
    engine_.setInitialProperties(
        {{QStringLiteral("width"), points().width()}, {QStringLiteral("height"), points().height()}});
    engine_.load(kMainView);
    if (engine_.rootObjects().isEmpty())
        return false;
    window_ = qobject_cast<QQuickWindow *>(engine_.rootObjects().first());
    return window_ != nullptr;
}

bool AppWindow::loadScreens()
{
    if (!window_)
        return false;
    UiSetup::initialize();
    root_.reset(qobject_cast<SideMenu *>(ScreenRegistry::shared().create(kRootClass, nullptr, false)));
    if (!root_) {
        qWarning() << "no root container" << kRootClass;
        return false;
    }
    window_->setProperty("root", QVariant::fromValue<QObject *>(root_.get()));
    AccessibleRanges::install(); // after QtQuick's own accessibility, so it is asked first
    WindowPresence::setAnimatesTransitions(true);
    lifecycle_ = new LifecycleDriver(window_, this);
    root_->beginAppearance(false);
    return true;
}

void AppWindow::afterNextFrame(QObject *context, const std::function<void()> &then)
{
    auto done = std::make_shared<bool>(false);
    auto once = [done, then] {
        if (!std::exchange(*done, true))
            then();
    };
    if (window_ && window_->isVisible())
        connect(window_, &QQuickWindow::frameSwapped, context, once, Qt::SingleShotConnection);
    QTimer::singleShot(window_ && window_->isVisible() ? kFrameWaitMs : 0, context, once);
}

void AppWindow::show()
{
    if (!window_)
        return;
    if (sizing_ == Sizing::FitScreen)
        place();
    else
        window_->show();
    window_->requestActivate();
}

void AppWindow::raise()
{
    if (!window_)
        return;
    if (!window_->isVisible())
        show();
    window_->raise();
    window_->requestActivate();
}

void AppWindow::place()
{
    QScreen *screen = window_->screen();
    if (!screen) {
        window_->show();
        return;
    }
    window_->create(); // platforms that draw their own decorations know their size from here on
    const QSize remembered
        = WindowPlacement::sizeFromText(Preferences::shared().stringForKey(StoredNames::kWindowSizeKey));
    const WindowPlacement placement
        = WindowPlacement::choose(points(), screen->geometry().size(), screen->availableGeometry(),
                                  window_->frameMargins(), remembered, fullScreenAsked());
    if (placement.fullScreen) {
        window_->showFullScreen();
        return;
    }
    window_->setMinimumSize(WindowPlacement::minimumSize(points()));
    window_->setGeometry(placement.geometry);
    placedSize_ = placement.geometry.size();
    window_->show();
    // The decorations' size is known once the window is on screen; fit again if they push it past the screen.
    if (window_->frameMargins().isNull())
        connect(window_, &QQuickWindow::frameSwapped, this, &AppWindow::refitToDecorations, Qt::SingleShotConnection);
    connect(window_, &QWindow::widthChanged, &rememberTimer_, qOverload<>(&QTimer::start), Qt::UniqueConnection);
    connect(window_, &QWindow::heightChanged, &rememberTimer_, qOverload<>(&QTimer::start), Qt::UniqueConnection);
}

void AppWindow::refitToDecorations()
{
    QScreen *screen = window_ ? window_->screen() : nullptr;
    if (!screen || window_->frameMargins().isNull() || screen->availableGeometry().contains(window_->frameGeometry()))
        return;
    const WindowPlacement placement
        = WindowPlacement::choose(points(), screen->geometry().size(), screen->availableGeometry(),
                                  window_->frameMargins(), window_->size(), false);
    window_->setGeometry(placement.geometry);
    placedSize_ = placement.geometry.size();
}

void AppWindow::rememberSize()
{
    if (!window_ || window_->visibility() != QWindow::Windowed)
        return;
    // Only a size the user chose is kept; the fitted one follows the screen.
    Preferences &preferences = Preferences::shared();
    if (window_->size() == placedSize_)
        preferences.remove(StoredNames::kWindowSizeKey);
    else
        preferences.setString(StoredNames::kWindowSizeKey, WindowPlacement::sizeToText(window_->size()));
    preferences.synchronize();
}

SideMenu *AppWindow::rootScreen() const { return root_.get(); }

NavigationStack *AppWindow::contentStack() const
{
    return root_ ? qobject_cast<NavigationStack *>(root_->contentScreen()) : nullptr;
}
