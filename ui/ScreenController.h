#pragma once
#include <QObject>
#include <optional>
#include <QPointer>
#include <QQmlEngine>
#include <QRectF>
#include <QUrl>
#include <functional>

class NavigationStack;
class SideMenu;
Q_MOC_INCLUDE("ui/NavigationStack.h")

// Base of every screen's controller. The controller holds the screen's state
// and rules; its view is the QML file named after the class
// (qrc:/screens/<ClassName>.qml), made by the window when the screen is shown
// and given the controller as its `controller` property.
class ScreenController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("controllers are made in C++")
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QString titleViewText READ titleViewText NOTIFY titleChanged)
    Q_PROPERTY(QUrl viewUrl READ viewUrl CONSTANT)
    Q_PROPERTY(QString leftBarButtonPicture READ leftBarButtonPicture NOTIFY navigationItemChanged)
    Q_PROPERTY(QString leftBarButtonName READ leftBarButtonName NOTIFY navigationItemChanged)
    Q_PROPERTY(bool leftBarButtonOpensPanel READ leftBarButtonOpensPanel NOTIFY navigationItemChanged)
    Q_PROPERTY(bool leftBarButtonPanelOpen READ leftBarButtonPanelOpen NOTIFY navigationItemChanged)
    Q_PROPERTY(QString rightBarButtonPicture READ rightBarButtonPicture NOTIFY navigationItemChanged)
    Q_PROPERTY(QString rightBarButtonName READ rightBarButtonName NOTIFY navigationItemChanged)
    Q_PROPERTY(bool rightBarButtonEnabled READ rightBarButtonEnabled NOTIFY navigationItemChanged)
    Q_PROPERTY(NavigationStack *navigationStack READ navigationStack NOTIFY parentChanged)
public:
    explicit ScreenController(QObject *parent = nullptr);

    QString className() const { return QString::fromLatin1(metaObject()->className()); }
    virtual QUrl viewUrl() const;

    QString title() const { return title_; }
    void setTitle(const QString &title);
    // The house title: a centred 200 x 44 label in the brand colour and light font.
    QString titleViewText() const { return titleViewText_; }
    void setTitleViewText(const QString &text);

    // The bar buttons: a picture, the name a screen reader says, an action.
    QString leftBarButtonPicture() const { return leftBarButton_.picture; }
    QString leftBarButtonName() const { return leftBarButton_.name; }
    void setLeftBarButtonItem(const QString &picture, std::function<void()> action, const QString &name = {});
    Q_INVOKABLE void triggerLeftBarButton();
    // A left button that opens a panel (the side menu) reads as checked while the panel is open.
    bool leftBarButtonOpensPanel() const { return leftBarButton_.panelOpen.has_value(); }
    bool leftBarButtonPanelOpen() const { return leftBarButton_.panelOpen.value_or(false); }
    void setLeftBarButtonPanelOpen(bool open);
    QString rightBarButtonPicture() const { return rightBarButton_.picture; }
    QString rightBarButtonName() const { return rightBarButton_.name; }
    bool rightBarButtonEnabled() const { return rightBarButton_.enabled; }
    void setRightBarButtonItem(const QString &picture, const QString &name, std::function<void()> action);
    void setRightBarButtonEnabled(bool enabled);
    Q_INVOKABLE void triggerRightBarButton();

    // The container chain: navigation controller, side menu, presenting screen.
    ScreenController *parentScreen() const { return parent_; }
    void setParentScreen(ScreenController *parent);
    NavigationStack *navigationStack() const;
    // The nearest enclosing side-menu container, or null.
    SideMenu *sideMenu() const;

    bool isLoaded() const { return loaded_; }
    // Runs didLoad once.
    Q_INVOKABLE void loadIfNeeded();
    // Called by containers when the screen comes on or leaves the screen.
    void beginAppearance(bool animated);
    void endDisappearance(bool animated);
    bool isOnScreen() const { return onScreen_; }

    // Modal presentation through the window's modal layer.
    void present(ScreenController *screen, bool animated, std::function<void()> completion = {});
    Q_INVOKABLE void close(bool animated);

Q_SIGNALS:
    void titleChanged();
    void navigationItemChanged();
    void parentChanged();

protected:
    virtual void didLoad() { }
    virtual void willAppear(bool) { }
    virtual void didAppear(bool) { }
    virtual void willDisappear(bool) { }
    virtual void didDisappear(bool) { }

private:
    struct BarButton
    {
        QString picture;
        std::function<void()> action;
        QString name;
        bool enabled = true;
        std::optional<bool> panelOpen;
    };
    QString title_, titleViewText_;
    BarButton leftBarButton_, rightBarButton_;
    QPointer<ScreenController> parent_;
    bool loaded_ = false;
    bool onScreen_ = false;
};
