#include "assembly/AppWindow.h"

#include "app/ScreenRegistry.h"
#include "platform/AlertPresenter.h"
#include "ui/AccessibleProgressBar.h"
#include "ui/LifecycleDriver.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "ui/SideMenu.h"
#include "ui/AlertViewPresenter.h"
#include "ui/ScreenMetrics.h"
#include "ui/UiSetup.h"
#include "ui/WindowPresence.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

namespace {
const QString kRootClass = QStringLiteral("AppSideMenu");
const QUrl kMainView(QStringLiteral("qrc:/Tolvek/Main.qml"));
} // namespace

AppWindow::AppWindow(Height height, QObject *parent) : QObject(parent), height_(height) { }

AppWindow::~AppWindow()
{
    if (&AlertPresenter::shared() == alertPresenter_.get())
        AlertPresenter::setShared(nullptr);
    if (ScreenPresenter::shared() == &ModalLayer::shared())
        ScreenPresenter::setShared(nullptr);
    WindowPresence::setAnimatesTransitions(false);
}

bool AppWindow::load()
{
    UiSetup::initialize();
    // Screens choose their pictures by the display mode, so it is set before any is made.
    const qreal scale = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->devicePixelRatio() : 1;
    ScreenMetrics::shared().setDisplayMode(points() * scale);
    ScreenMetrics::shared().setScale(scale);

    root_.reset(qobject_cast<SideMenu *>(ScreenRegistry::shared().create(kRootClass, nullptr, false)));
    if (!root_) {
        qWarning() << "no root container" << kRootClass;
        return false;
    }
    alertPresenter_ = std::make_unique<AlertViewPresenter>();
    AlertPresenter::setShared(alertPresenter_.get());
    ScreenPresenter::setShared(&ModalLayer::shared());

    engine_.addImportPath(QStringLiteral("qrc:/"));
    engine_.setInitialProperties({{QStringLiteral("root"), QVariant::fromValue<QObject *>(root_.get())},
                                  {QStringLiteral("width"), points().width()},
                                  {QStringLiteral("height"), points().height()}});
    engine_.load(kMainView);
    if (engine_.rootObjects().isEmpty())
        return false;
    window_ = qobject_cast<QQuickWindow *>(engine_.rootObjects().first());
    if (!window_)
        return false;
    AccessibleProgressBar::install(); // after QtQuick's own accessibility, so it is asked first
    WindowPresence::setAnimatesTransitions(true);
    lifecycle_ = new LifecycleDriver(window_, this);
    root_->beginAppearance(false);
    return true;
}

void AppWindow::show()
{
    if (!window_)
        return;
    if (qEnvironmentVariableIntValue("TOLVEK_FULLSCREEN") == 1)
        window_->showFullScreen();
    else
        window_->show();
    window_->requestActivate();
}

SideMenu *AppWindow::rootScreen() const { return root_.get(); }

NavigationStack *AppWindow::contentStack() const
{
    return root_ ? qobject_cast<NavigationStack *>(root_->contentScreen()) : nullptr;
}
