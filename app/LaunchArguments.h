#pragma once
#include "app/AppCore.h"

#include <QStringList>

// The app's command line:
//   --launch-notification JSON   the notification whose delivery starts the app
//   --new-alarm                  open the home screen's add action (the launcher's "New alarm")
//   --once                       run the launch sequence, then quit (scripts, tests)
struct LaunchArguments
{
    LaunchOptions options;
    bool once = false;
    QString error; // non-empty when the command line could not be understood

    static LaunchArguments parse(const QStringList &arguments);
};
