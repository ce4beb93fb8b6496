#pragma once
#include "platform/LocalNotificationScheduler.h"

#include <QTimer>

// Keeps pending notifications in the shared store and delivers them from this
// process's event loop. Serves the command-line tool, tests, and the app while
// the notification service is absent.
class InProcessNotificationScheduler : public LocalNotificationScheduler
{
    Q_OBJECT
public:
    // With `deliver` false it only manages the store (the command-line tool).
    explicit InProcessNotificationScheduler(bool deliver = true, QObject *parent = nullptr);

    bool changeLocalNotifications(const LocalNotificationList &cancel, const LocalNotificationList &schedule,
                                  QString *error = nullptr) override;
    bool cancelAllLocalNotifications() override;
    LocalNotificationList scheduledLocalNotifications() const override;

    // Delivers whatever is due now and re-arms the timer. Also runs by itself.
    void checkNow();

private:
    void arm(const QDateTime &nextWake);
    bool deliver_;
    QTimer timer_;
};
