#include "tools/tolvekctl/CtlArguments.h"

#include <QCommandLineParser>

namespace {
const QStringList kChangeOptions
    = {QStringLiteral("time"),     QStringLiteral("days"),   QStringLiteral("sound"),    QStringLiteral("slogan"),
       QStringLiteral("unlocker"), QStringLiteral("snooze"), QStringLiteral("no-snooze")};

struct CommandShape
{
    const char *name;
    bool takesIdentifier;
    bool takesChanges;
    bool takesJson;
};
constexpr CommandShape kCommands[] = {
    {"list", false, false, true},    {"add", false, true, false},   {"edit", true, true, false},
    {"delete", true, false, false},  {"on", true, false, false},    {"off", true, false, false},
    {"pending", false, false, true}, {"next", false, false, false},
};

const CommandShape *shapeOf(const QString &command)
{
    for (const CommandShape &shape : kCommands)
        if (command == QLatin1String(shape.name))
            return &shape;
    return nullptr;
}

// Reads the change options into `changes`; the first value not understood ends it with `error` set.
void readChanges(const QCommandLineParser &parser, AlarmChanges &changes, QString &error)
{
    if (parser.isSet(QStringLiteral("time"))
        && !(changes.time = AlarmChangeParser::parseTime(parser.value(QStringLiteral("time")), &error)))
        return;
    if (parser.isSet(QStringLiteral("days"))
        && !(changes.mask = AlarmChangeParser::parseDays(parser.value(QStringLiteral("days")), &error)))
        return;
    if (parser.isSet(QStringLiteral("sound"))
        && !(changes.sound = AlarmChangeParser::parseSound(parser.value(QStringLiteral("sound")), &error)))
        return;
    if (parser.isSet(QStringLiteral("unlocker"))
        && !(changes.kind = AlarmChangeParser::parseUnlockerKind(parser.value(QStringLiteral("unlocker")), &error)))
        return;
    if (parser.isSet(QStringLiteral("slogan")))
        changes.slogan = parser.value(QStringLiteral("slogan"));
    if (parser.isSet(QStringLiteral("snooze")) && parser.isSet(QStringLiteral("no-snooze"))) {
        error = QStringLiteral("--snooze and --no-snooze contradict each other");
        return;
    }
    if (parser.isSet(QStringLiteral("snooze")) || parser.isSet(QStringLiteral("no-snooze")))
        changes.snooze = parser.isSet(QStringLiteral("snooze"));
}
} // namespace

CtlArguments CtlArguments::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {QStringLiteral("time"), QString(), QStringLiteral("HH:MM")},
        {QStringLiteral("days"), QString(), QStringLiteral("DAYS")},
        {QStringLiteral("sound"), QString(), QStringLiteral("FILE")},
        {QStringLiteral("slogan"), QString(), QStringLiteral("TEXT")},
        {QStringLiteral("unlocker"), QString(), QStringLiteral("KIND")},
        {QStringLiteral("snooze"), QString()},
        {QStringLiteral("no-snooze"), QString()},
        {QStringLiteral("json"), QString()},
        {{QStringLiteral("h"), QStringLiteral("help")}, QString()},
        {{QStringLiteral("v"), QStringLiteral("version")}, QString()},
    });

    CtlArguments result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.help = true;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.version = true;
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        result.error = QStringLiteral("no command given");
        return result;
    }
    result.command = positional.first();
    const CommandShape *shape = shapeOf(result.command);
    if (!shape) {
        result.error = QStringLiteral("unknown command '%1'").arg(result.command);
        return result;
    }
    const qsizetype expected = shape->takesIdentifier ? 2 : 1;
    if (positional.size() < expected) {
        result.error = QStringLiteral("%1 needs an alarm id").arg(result.command);
        return result;
    }
    if (positional.size() > expected) {
        result.error = QStringLiteral("unexpected argument '%1'").arg(positional.at(expected));
        return result;
    }
    if (shape->takesIdentifier)
        result.identifier = positional.at(1);

    for (const QString &option : parser.optionNames()) {
        const bool fits = (option == QLatin1String("json") && shape->takesJson)
                          || (kChangeOptions.contains(option) && shape->takesChanges);
        if (!fits) {
            result.error = QStringLiteral("option --%1 does not apply to %2").arg(option, result.command);
            return result;
        }
    }
    result.json = parser.isSet(QStringLiteral("json"));
    if (shape->takesChanges)
        readChanges(parser, result.changes, result.error);
    if (result.error.isEmpty() && result.command == QLatin1String("add") && !result.changes.time)
        result.error = QStringLiteral("add needs --time HH:MM");
    return result;
}

QString CtlArguments::usage()
{
    return QStringLiteral("Usage: tolvekctl COMMAND [ID] [OPTIONS]\n"
                          "\n"
                          "Commands:\n"
                          "  list [--json]          every alarm\n"
                          "  add --time HH:MM [alarm options]\n"
                          "                         a new alarm (one-time without --days); prints its id\n"
                          "  edit ID [alarm options]\n"
                          "                         changes only the options given; an alarm that is on is\n"
                          "                         scheduled again and moves to the end of the list\n"
                          "  delete ID              removes an alarm and its notifications\n"
                          "  on ID | off ID         switches an alarm on (schedules it) or off\n"
                          "  pending [--json]       the pending notifications, earliest first\n"
                          "  next                   the next ring time and its alarm\n"
                          "\n"
                          "Alarm options:\n"
                          "  --time HH:MM           time of day, 00:00 to 23:59\n"
                          "  --days mon,tue,...     weekdays it repeats on (sun mon tue wed thu fri sat);\n"
                          "                         'once' makes it a one-time alarm\n"
                          "  --sound FILE           a ring sound, e.g. \"Airship.mp3\" or RandomSound\n"
                          "  --slogan TEXT          the text of its notification\n"
                          "  --unlocker KIND        0 tap, 1 calculation, 2 shake, 3 blow, 4 smile\n"
                          "  --snooze | --no-snooze ring again every minute until stopped, or not\n"
                          "\n"
                          "  -h, --help | -v, --version\n"
                          "                         this text, or the version\n"
                          "\n"
                          "Files follow XDG_DATA_HOME and XDG_CONFIG_HOME, as the app does.\n"
                          "Exit status: 0 done, 1 refused or unknown alarm id, 2 bad command line,\n"
                          "3 not saved (the alarm data could not be read, locked or written; nothing changed).\n");
}
