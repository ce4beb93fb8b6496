#include "platform/InProcessNotificationScheduler.h"
#include "tools/tolvekctl/CtlArguments.h"
#include "tools/tolvekctl/CtlCommands.h"
#include "tools/tolvekctl/StderrAlertPresenter.h"

#include <QCoreApplication>
#include <cstdio>

// tolvekctl: lists and changes the alarms of Tolvek Alarm from a shell.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvekctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVEK_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    const CtlArguments arguments = CtlArguments::parse(QCoreApplication::arguments());
    if (arguments.help) {
        out << CtlArguments::usage();
        return CtlCommands::Done;
    }
    if (arguments.version) {
        out << "tolvekctl " << QCoreApplication::applicationVersion() << '\n';
        return CtlCommands::Done;
    }
    if (!arguments.error.isEmpty()) {
        err << "tolvekctl: " << arguments.error << "\nRun 'tolvekctl --help' for usage.\n";
        return CtlCommands::BadCommandLine;
    }

    StderrAlertPresenter alerts(err);
    AlertPresenter::setShared(&alerts);
    // The tool changes the shared store of pending notifications directly, under
    // the data lock it already holds: the notification service watches that file
    // and takes the change up at once. (Asking the service over the bus instead
    // would wait for a lock this process holds: the call times out and the
    // notification ends up scheduled twice.)
    InProcessNotificationScheduler storeOnly(false);
    LocalNotificationScheduler::setShared(&storeOnly);

    int status = CtlCommands(out, err).run(arguments);
    if (alerts.shown() && status == CtlCommands::Done)
        status = CtlCommands::Refused;
    LocalNotificationScheduler::setShared(nullptr);
    AlertPresenter::setShared(nullptr);
    return status;
}
