#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>
#include <functional>

class ScreenHost;

// What `tolvek-alarm --screenshot NAME OUT.png` can render. A name is either
// a recipe added here (short names such as "about", "skin-3-blur") or any
// class name in the screen registry: a top-level screen becomes the content
// of the side menu, any other screen is presented with a sample alarm.
class ScreenshotCatalog
{
public:
    struct Recipe
    {
        // Puts the window into the state to grab.
        std::function<void(ScreenHost &)> prepare;
        // Optional QML laid over the whole window, with these properties.
        QUrl overlay;
        QVariantMap overlayProperties;
        // The grab waits until this holds (e.g. a blur has finished).
        std::function<bool(ScreenHost &)> ready;
    };

    static ScreenshotCatalog &shared();
    void add(const QString &name, Recipe recipe) { recipes_.insert(name, std::move(recipe)); }
    bool contains(const QString &name) const { return recipes_.contains(name); }
    Recipe recipe(const QString &name) const { return recipes_.value(name); }
    QStringList names() const;
    // Shows the screen of `className` as the side menu's content.
    static Recipe topLevelScreen(const QString &className);

private:
    ScreenshotCatalog();
    QHash<QString, Recipe> recipes_;
};
