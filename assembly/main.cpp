#include "app/LaunchArguments.h"
#include "platform/StoredNames.h"
#include "assembly/AppAssembly.h"

#ifdef TOLVEK_HAVE_SCREENS
#include "assembly/ScreenshotCommand.h"
#include "assembly/SelfTest.h"
#include "ui/UiSetup.h"

#include <QGuiApplication>
using Application = QGuiApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

#include <QDebug>
#include <cstdio>
#include <cstring>

namespace {
const char kUsage[] = R"(Usage: tolvek-alarm [OPTION]...
An alarm clock: to stop a ringing alarm, win a small game.

  --launch-notification JSON   start with this fired notification (the
                               notification service passes it)
  --new-alarm                  open a new alarm (the launcher's "New alarm";
                               raises the running app when there is one)
  --once                       run the launch sequence and quit
  --screenshot NAME OUT.png [--short]
                               render one screen offscreen into a PNG, with
                               fresh settings (your alarms stay untouched)
  --self-test                  in a throw-away data folder: load every screen,
                               ring one alarm, win its game, check it settled
  --help                       show this help and exit
  --version                    show the version and exit
)";

bool hasArgument(int argc, char **argv, const char *name)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}
} // namespace

int main(int argc, char **argv)
{
    if (hasArgument(argc, argv, "--help") || hasArgument(argc, argv, "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (hasArgument(argc, argv, "--version")) {
        std::printf("tolvek-alarm %s\n", TOLVEK_VERSION);
        return 0;
    }
#ifdef TOLVEK_HAVE_SCREENS
    UiSetup::prepareEnvironment(argc, argv);
#endif
    Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvek-alarm"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));
#ifdef TOLVEK_HAVE_SCREENS
    // Wayland shells match the window to its desktop entry (icon, name, actions) by this id.
    QGuiApplication::setDesktopFileName(StoredNames::kDesktopEntryId);
    if (const auto exitCode = ScreenshotCommand::run(QCoreApplication::arguments()))
        return *exitCode;
    if (hasArgument(argc, argv, "--self-test"))
        return SelfTest::run();
#endif

    const LaunchArguments launch = LaunchArguments::parse(QCoreApplication::arguments());
    if (!launch.error.isEmpty())
        qWarning().noquote() << "tolvek:" << launch.error;

    AppAssembly::Options options;
    options.windowFirst = true;
    AppAssembly assembly(launch, options);
    if (launch.once)
        QObject::connect(&assembly, &AppAssembly::launched, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!assembly.start())
        return 0;
    return app.exec();
}
