#pragma once
#include <QObject>
#include <QString>

// Keeps the display from dimming while an unlock screen is shown, through the
// desktop's org.freedesktop.ScreenSaver service on the session bus. Without
// that service (or without a bus) the refusal is logged and nothing else
// happens: the game still runs.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT
public:
    static inline const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
    static inline const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");

    explicit ScreenSaverInhibitor(QObject *parent = nullptr);
    ~ScreenSaverInhibitor() override;

    // Asks the service to keep the screen on; a repeat call while inhibited does nothing.
    void inhibit(const QString &reason);
    // Lets the screen dim again.
    void release();
    bool isInhibiting() const { return inhibiting_; }

private:
    quint32 cookie_ = 0;
    bool inhibiting_ = false;
};
