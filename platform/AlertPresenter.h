#pragma once
#include <QList>
#include <QString>
#include <functional>

// How core code shows a user-visible refusal or notice without knowing about
// screens. The window layer installs a presenter backed by the alert view;
// without one, alerts are written to the log (and the command-line tool
// installs one that prints them).
struct AlertButton
{
    enum class Type { Default, Destructive, Cancel };
    QString title;
    Type type = Type::Default;
    std::function<void()> handler; // may be empty: the button only closes the alert
};

struct AlertRequest
{
    QString title;
    QString message;
    QList<AlertButton> buttons;
};

class AlertPresenter
{
public:
    virtual ~AlertPresenter() = default;
    virtual void presentAlert(const AlertRequest &alert) = 0;

    static AlertPresenter &shared();
    // Installs `presenter` (ownership stays with the caller); nullptr restores the log presenter.
    static void setShared(AlertPresenter *presenter);
    // Every alert also goes to the log: one shown for a moment, or to nobody
    // (the app quit, the screen was off), can still be read back there.
    static void writeToLog(const AlertRequest &alert);
};
