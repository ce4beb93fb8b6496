#pragma once
#include "ui/TopLevelScreen.h"

#include <QQmlEngine>

// The "More" screen: a button to the about screen and one to the rating page.
class MoreScreen : public TopLevelScreen
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("controllers are made in C++")
    Q_PROPERTY(QString aboutUsTitle READ aboutUsTitle NOTIFY textsChanged)
    Q_PROPERTY(QString rateUsTitle READ rateUsTitle NOTIFY textsChanged)
public:
    static constexpr quint32 kAppStoreID = 556203718;

    explicit MoreScreen(QObject *parent = nullptr);

    QString aboutUsTitle() const { return aboutUsTitle_; }
    QString rateUsTitle() const { return rateUsTitle_; }

    // The about button: shows the about screen on this navigation stack.
    Q_INVOKABLE void aboutUs();
    Q_INVOKABLE void rateUs();

Q_SIGNALS:
    void textsChanged();

protected:
    void didLoad() override;
    void willAppear(bool animated) override;

private:
    QString aboutUsTitle_, rateUsTitle_;
};
