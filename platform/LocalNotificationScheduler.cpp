#include "platform/LocalNotificationScheduler.h"

#include "platform/InProcessNotificationScheduler.h"

namespace {
LocalNotificationScheduler *installed = nullptr;
}

LocalNotificationScheduler &LocalNotificationScheduler::shared()
{
    if (!installed) {
        static InProcessNotificationScheduler *fallback = new InProcessNotificationScheduler(true);
        installed = fallback;
    }
    return *installed;
}

void LocalNotificationScheduler::setShared(LocalNotificationScheduler *scheduler) { installed = scheduler; }
