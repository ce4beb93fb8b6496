// Stands in for tolvek-alarm when the service starts the app: records its
// command line (one argument per line) in $TOLVEK_TEST_APP_RECORD and exits.
#include <QCoreApplication>
#include <QFile>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QFile record(qEnvironmentVariable("TOLVEK_TEST_APP_RECORD"));
    if (!record.open(QIODevice::WriteOnly | QIODevice::Append))
        return 1;
    record.write(QCoreApplication::arguments().mid(1).join(QLatin1Char('\n')).toUtf8() + "\n--\n");
    return 0;
}
