// Run inside scripts/session-services.sh (a private session bus): ./bench_startup [--runs N]
// Under its own Xvfb (720 x 1280): the app and GNOME Clocks (its alarm list)
// started alternately, a warm-up each, then N runs each:
//  - start -> window mapped (the first MapNotify of a top-level window);
//  - start -> first pixels: the first moment at least half of the window is
//    painted with at least 16 colours (a window cleared to one colour does not
//    count), sampled on 32 rows of the window every 2 ms.
// Beside each of those starts, a ring with the app closed: a one-time tap-game
// alarm due at the next whole minute, the notification service starting the
// app at the fire date; from the fire date to the first moment most of the
// window shows the ring screen (matched against the ring screen as it looks
// once settled, taken in a warm-up ring).
// Then both left running: resident memory 60 s after start, CPU over the next
// 60 s, and the app's frames in that minute (Qt's render loop timing log).
// --starts: only the start and ring figures, not the two minutes after.
// The app sees 3 alarms made with tolvekctl through its notification service,
// and weather from the weather gateway's fixture provider.
#include "../Figures.h"
#include "platform/NotificationBus.h"
#include "platform/Paths.h"
#include "platform/Preferences.h"
#include "platform/StoredNames.h"
#include "ui/UiSetup.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <csignal>
#include <set>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {
constexpr int kScreenWidth = 720, kScreenHeight = 1280;
constexpr int kSampleRows = 32;
constexpr int kSettleSecs = 60, kIdleSecs = 60;
constexpr int kStartTimeoutMs = 20000;
// A ring alarm is set for a whole minute at least this far ahead (tolvekctl runs meanwhile).
constexpr int kRingLeadMs = 4000;
// Watching the screen starts this long before the fire date.
constexpr int kRingWatchBeforeMs = 1000;
// The ring screen is shown once this share of the sampled pixels matches its settled picture.
constexpr double kRingScreenMatch = 0.6;
// Colour channels differing by at most this much count as the same colour.
constexpr int kColourTolerance = 48;
constexpr int kSettleCheckMs = 500;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? -1 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string ms(double value) { return value < 0 ? "not seen" : withUnit(value, "ms", 0); }

struct Program
{
    std::string name;
    QString path;
    QStringList arguments;
    QProcessEnvironment environment;
};

// A process started for a measurement, stopped when it goes out of scope.
class Running
{
public:
    explicit Running(const Program &program, const QString &errorFile = {})
    {
        process_.setProcessEnvironment(program.environment);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(errorFile.isEmpty() ? QProcess::nullDevice() : errorFile, QIODevice::Append);
        process_.setProgram(program.path);
        process_.setArguments(program.arguments);
    }
    ~Running()
    {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    void start()
    {
        process_.start();
        process_.waitForStarted();
    }
    bool running() const { return process_.state() != QProcess::NotRunning; }
    qint64 pid() const { return process_.processId(); }

private:
    QProcess process_;
};

// The benchmark's own X server, black until a window paints.
class VirtualScreen
{
public:
    ~VirtualScreen()
    {
        if (connection_)
            xcb_disconnect(connection_);
        server_.terminate();
        server_.waitForFinished(5000);
    }

    bool start()
    {
        for (int n = 90 + int(getpid() % 50); n < 240; ++n) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))
                || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            display_ = QStringLiteral(":%1").arg(n);
            server_.start(QStringLiteral("Xvfb"),
                          {display_, QStringLiteral("-screen"), QStringLiteral("0"),
                           QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight), QStringLiteral("-nolisten"),
                           QStringLiteral("tcp"), QStringLiteral("-br"), QStringLiteral("-noreset")});
            if (!server_.waitForStarted())
                return false;
            for (int i = 0; i < 200 && server_.state() == QProcess::Running; ++i) {
                xcb_connection_t *c = xcb_connect(display_.toLatin1().constData(), nullptr);
                if (!xcb_connection_has_error(c)) {
                    connection_ = c;
                    root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
                    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
                    xcb_change_window_attributes(c, root_, XCB_CW_EVENT_MASK, &mask);
                    xcb_flush(c);
                    return true;
                }
                xcb_disconnect(c);
                QThread::msleep(50);
            }
            server_.kill();
            server_.waitForFinished();
        }
        return false;
    }
    QString display() const { return display_; }

    void forgetEvents()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_))
            free(event);
    }

    // The first top-level window mapped since the last call, or 0.
    xcb_window_t mappedWindow()
    {
        xcb_window_t found = 0;
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!map->override_redirect && !found)
                    found = map->window;
            }
            free(event);
        }
        return found;
    }

    // Where the window lies on the screen (no window manager: relative to the root).
    QRect area(xcb_window_t window)
    {
        xcb_get_geometry_reply_t *g
            = xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        if (!g)
            return {};
        const QRect r(g->x, g->y, g->width, g->height);
        free(g);
        return r & QRect(0, 0, kScreenWidth, kScreenHeight);
    }

    // Share of the sampled rows of `r` that is painted, and how many colours (up to 64).
    std::pair<double, int> painted(const QRect &r)
    {
        std::vector<xcb_get_image_cookie_t> cookies;
        for (int i = 0; i < kSampleRows; ++i) {
            const int y = r.y() + (2 * i + 1) * r.height() / (2 * kSampleRows);
            cookies.push_back(xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, int16_t(r.x()), int16_t(y),
                                            uint16_t(r.width()), 1, ~0u));
        }
        qint64 lit = 0, total = 0;
        std::set<uint32_t> colours;
        for (xcb_get_image_cookie_t cookie : cookies) {
            xcb_get_image_reply_t *image = xcb_get_image_reply(connection_, cookie, nullptr);
            if (!image)
                continue;
            const auto *pixels = reinterpret_cast<const uint32_t *>(xcb_get_image_data(image));
            const int count = xcb_get_image_data_length(image) / 4;
            for (int i = 0; i < count; ++i) {
                const uint32_t colour = pixels[i] & 0xffffff;
                lit += colour != 0;
                if (colours.size() < 64)
                    colours.insert(colour);
            }
            total += count;
            free(image);
        }
        return {total ? double(lit) / double(total) : 0, int(colours.size())};
    }

    // Share of the sampled rows of `r` whose pixels match `reference` (a grab of the same size).
    double matching(const QRect &r, const QImage &reference)
    {
        if (reference.size() != r.size())
            return 0;
        qint64 same = 0, total = 0;
        for (int i = 0; i < kSampleRows; ++i) {
            const int y = (2 * i + 1) * r.height() / (2 * kSampleRows);
            xcb_get_image_reply_t *image
                = xcb_get_image_reply(connection_,
                                      xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, int16_t(r.x()),
                                                    int16_t(r.y() + y), uint16_t(r.width()), 1, ~0u),
                                      nullptr);
            if (!image)
                continue;
            const auto *pixels = reinterpret_cast<const uint32_t *>(xcb_get_image_data(image));
            const auto *expected = reinterpret_cast<const uint32_t *>(reference.constScanLine(y));
            const int count = std::min(xcb_get_image_data_length(image) / 4, r.width());
            for (int x = 0; x < count; ++x) {
                const QRgb a = pixels[x], b = expected[x];
                same += std::abs(qRed(a) - qRed(b)) <= kColourTolerance
                        && std::abs(qGreen(a) - qGreen(b)) <= kColourTolerance
                        && std::abs(qBlue(a) - qBlue(b)) <= kColourTolerance;
            }
            total += count;
            free(image);
        }
        return total ? double(same) / double(total) : 0;
    }

    QImage grab(const QRect &r)
    {
        xcb_get_image_reply_t *image
            = xcb_get_image_reply(connection_,
                                  xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, int16_t(r.x()),
                                                int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height()), ~0u),
                                  nullptr);
        if (!image)
            return {};
        const QImage picture = QImage(xcb_get_image_data(image), r.width(), r.height(), QImage::Format_RGB32).copy();
        free(image);
        return picture;
    }

private:
    QProcess server_;
    QString display_;
    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = 0;
};

struct StartFigures
{
    double mappedMs = -1, firstPixelsMs = -1;
};

// Starts `program`, watches the screen until its first pixels, stops it. The
// picture at that moment goes to `picturePath` when given.
StartFigures measureStart(VirtualScreen &screen, const Program &program, const QString &picturePath = {},
                          const QString &errorFile = {})
{
    StartFigures figures;
    screen.forgetEvents();
    Running app(program, errorFile);
    QElapsedTimer clock;
    clock.start();
    app.start();
    xcb_window_t window = 0;
    while (clock.elapsed() < kStartTimeoutMs && app.running()) {
        if (!window && (window = screen.mappedWindow()))
            figures.mappedMs = clock.nsecsElapsed() / 1e6;
        if (window) {
            const QRect area = screen.area(window);
            const auto [share, colours] = area.isEmpty() ? std::pair<double, int>{0, 0} : screen.painted(area);
            if (share >= 0.5 && colours >= 16) {
                figures.firstPixelsMs = clock.nsecsElapsed() / 1e6;
                if (!picturePath.isEmpty())
                    screen.grab(area).save(picturePath);
                break;
            }
        }
        QThread::usleep(2000);
    }
    return figures;
}

QString runCtl(const QStringList &arguments)
{
    QProcess ctl;
    ctl.start(QStringLiteral(TOLVEK_CTL_PATH), arguments);
    if (!ctl.waitForFinished(20000) || ctl.exitCode() != 0)
        return {};
    return QString::fromUtf8(ctl.readAllStandardOutput()).trimmed();
}

void sleepUntil(const QDateTime &moment)
{
    const qint64 ms = QDateTime::currentDateTime().msecsTo(moment);
    if (ms > 0)
        QThread::msleep(ulong(ms));
}

// A one-time tap-game alarm (no snooze) due at the first whole minute at least
// kRingLeadMs from now; its fire date, or an invalid one when it could not be set.
std::pair<QDateTime, QString> setRingAlarm()
{
    const QDateTime soon = QDateTime::currentDateTime().addMSecs(kRingLeadMs);
    QDateTime due(soon.date(), QTime(soon.time().hour(), soon.time().minute()));
    if (due < soon)
        due = due.addSecs(60);
    const QString id = runCtl({QStringLiteral("add"), QStringLiteral("--time"), due.toString(QStringLiteral("HH:mm")),
                               QStringLiteral("--unlocker"), QStringLiteral("0"), QStringLiteral("--no-snooze"),
                               QStringLiteral("--slogan"), QStringLiteral("Benchmark ring")});
    if (id.isEmpty() || QDateTime::currentDateTime() >= due)
        return {};
    return {due, id};
}

// Every running copy of the app (the one the notification service started is not ours to wait for).
std::vector<pid_t> appProcesses()
{
    const QString app = QFileInfo(QStringLiteral(TOLVEK_APP_PATH)).canonicalFilePath();
    std::vector<pid_t> found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (number && QFileInfo(QStringLiteral("/proc/%1/exe").arg(entry)).canonicalFilePath() == app)
            found.push_back(pid);
    }
    return found;
}

// Stops every copy of the app and removes the ring alarm and the ring state,
// so the next start shows the home screen.
void stopRungApp(const QString &alarmId)
{
    for (int i = 0; i < 100; ++i) {
        const std::vector<pid_t> running = appProcesses();
        if (running.empty())
            break;
        for (const pid_t pid : running)
            ::kill(pid, i < 50 ? SIGTERM : SIGKILL);
        QThread::msleep(100);
    }
    runCtl({QStringLiteral("delete"), alarmId});
    QFile::remove(Paths::documentPath(StoredNames::kRingStatusFile));
}

// From the fire date `due` to the moment the ring screen fills most of the
// window, the app closed until then. Without a `reference`, the warm-up:
// waits for the ring screen to settle and returns its picture in `settled`.
double measureRing(VirtualScreen &screen, const QDateTime &due, const QImage &reference, QImage *settled = nullptr)
{
    sleepUntil(due.addMSecs(-kRingWatchBeforeMs));
    screen.forgetEvents();
    xcb_window_t window = 0;
    QImage previous;
    const QDateTime deadline = due.addMSecs(kStartTimeoutMs);
    while (QDateTime::currentDateTime() < deadline) {
        if (!window)
            window = screen.mappedWindow();
        const QRect area = window ? screen.area(window) : QRect();
        if (!area.isEmpty() && !reference.isNull() && screen.matching(area, reference) >= kRingScreenMatch)
            return double(due.msecsTo(QDateTime::currentDateTime()));
        if (!area.isEmpty() && reference.isNull()) {
            QThread::msleep(kSettleCheckMs);
            const QImage now = screen.grab(area);
            if (!previous.isNull() && screen.painted(area).first >= 0.5 && screen.matching(area, previous) >= 0.95) {
                *settled = now;
                return double(due.msecsTo(QDateTime::currentDateTime()));
            }
            previous = now;
        }
        QThread::usleep(2000);
    }
    return -1;
}

struct ProcessFigures
{
    double rssMiB = -1, pssMiB = -1, cpuSeconds = -1;
};

qint64 kibField(const QByteArray &text, const QByteArray &name)
{
    const QRegularExpression field(QStringLiteral("^%1:\\s+(\\d+) kB").arg(QString::fromLatin1(name)),
                                   QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = field.match(QString::fromLatin1(text));
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

QByteArray readProc(qint64 pid, const char *file)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ProcessFigures sample(qint64 pid)
{
    ProcessFigures f;
    f.rssMiB = kibField(readProc(pid, "status"), "VmRSS") / 1024.0;
    f.pssMiB = kibField(readProc(pid, "smaps_rollup"), "Pss") / 1024.0;
    // utime and stime, the 14th and 15th fields, after the parenthesised name.
    const QByteArray stat = readProc(pid, "stat");
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() > 12)
        f.cpuSeconds = double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
    return f;
}

int framesLogged(const QString &logPath)
{
    QFile log(logPath);
    return log.open(QIODevice::ReadOnly) ? int(log.readAll().toLower().count("frame rendered")) : 0;
}

bool waitForBusName(const QString &name)
{
    for (int i = 0; i < 100; ++i) {
        if (QDBusConnection::sessionBus().interface()->isServiceRegistered(name))
            return true;
        QThread::msleep(100);
    }
    return false;
}

int fail(const char *why)
{
    std::fprintf(stderr, "bench_startup: %s\n", why);
    return 1;
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config")), data = home.filePath(QStringLiteral("data"));
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    qputenv("XDG_DATA_HOME", data.toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    qputenv("HOME", home.path().toUtf8());
    qputenv("TZ", "Europe/Berlin");
    qputenv("LANG", "C.UTF-8");
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int runsAt = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 && runsAt + 1 < arguments.size() ? arguments[runsAt + 1].toInt() : 5;
    const bool startsOnly = arguments.contains(QStringLiteral("--starts"));
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return fail("no session bus (source scripts/session-services.sh first)");

    const QString pictures = qEnvironmentVariable("BENCH_PICTURES_DIR", QDir::currentPath());
    VirtualScreen screen;
    if (!screen.start())
        return fail("Xvfb did not start");

    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    base.insert(QStringLiteral("DISPLAY"), screen.display());
    base.remove(QStringLiteral("WAYLAND_DISPLAY"));
    Program tolvek{"app", QStringLiteral(TOLVEK_APP_PATH), {}, base};
    tolvek.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    tolvek.environment.insert(QStringLiteral("TOLVEK_FULLSCREEN"), QStringLiteral("1"));

    // The services the app meets at start: notifications and the weather gateway.
    // The notification service starts the app for a ring, so it passes on the app's display.
    QProcess notifyd;
    QProcessEnvironment serviceEnvironment = tolvek.environment;
    serviceEnvironment.insert(QStringLiteral("TOLVEK_ALARM_BINARY"), QStringLiteral(TOLVEK_APP_PATH));
    notifyd.setProcessEnvironment(serviceEnvironment);
    // Its messages, and those of the app it starts: ring-service.log.
    notifyd.setStandardOutputFile(QProcess::nullDevice());
    notifyd.setStandardErrorFile(pictures + QStringLiteral("/ring-service.log"));
    notifyd.start(QStringLiteral(TOLVEK_NOTIFYD_PATH), {});
    if (!waitForBusName(NotificationBus::kServiceName))
        return fail("the notification service did not start");
    QProcess gateway;
    gateway.start(
        QStringLiteral(TOLVEK_WEATHER_GATEWAY_PATH),
        {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--provider"), QStringLiteral("fixture")});
    QByteArray announced;
    while (!announced.contains('\n') && gateway.waitForReadyRead(10000))
        announced += gateway.readAllStandardOutput();
    const QRegularExpressionMatch url
        = QRegularExpression(QStringLiteral("(http://\\S+)")).match(QString::fromLatin1(announced));
    if (!url.hasMatch())
        return fail("the weather gateway did not start");
    Preferences::shared().setString(StoredNames::kWeatherServiceKey, url.captured(1));
    Preferences::shared().synchronize();
    for (const char *time : {"06:30", "07:15", "08:00"}) {
        QProcess ctl;
        ctl.start(QStringLiteral(TOLVEK_CTL_PATH),
                  {QStringLiteral("add"), QStringLiteral("--time"), QLatin1String(time)});
        if (!ctl.waitForFinished(20000) || ctl.exitCode() != 0)
            return fail("tolvekctl could not add the alarms");
    }

    const QString backend = !qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")
                                ? QStringLiteral("QT_QUICK_BACKEND=") + qEnvironmentVariable("QT_QUICK_BACKEND")
                            : UiSetup::hasGpu() ? QStringLiteral("OpenGL on the GPU")
                                                : QStringLiteral("software renderer, no GPU");

    // GNOME Clocks on its alarm list with 3 alarms, the window as large as the app's, same scale.
    const QString clocksPath = QStandardPaths::findExecutable(QStringLiteral("gnome-clocks"));
    Program clocks{"GNOME Clocks", clocksPath, {}, base};
    clocks.environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
    clocks.environment.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("x11"));
    clocks.environment.insert(QStringLiteral("GDK_SCALE"), QStringLiteral("2"));
    clocks.environment.insert(QStringLiteral("GTK_A11Y"), QStringLiteral("none"));
    if (!clocksPath.isEmpty()) {
        QDir().mkpath(config + QStringLiteral("/glib-2.0/settings"));
        QFile keyfile(config + QStringLiteral("/glib-2.0/settings/keyfile"));
        if (keyfile.open(QIODevice::WriteOnly))
            keyfile.write(
                "[org/gnome/clocks]\ngeolocation=false\nalarms=["
                "{'name': <'Alarm 1'>, 'id': <'a1'>, 'hour': <6>, 'minute': <30>, 'days': <@ai [1, 2, 3, 4, 5]>}, "
                "{'name': <'Alarm 2'>, 'id': <'a2'>, 'hour': <7>, 'minute': <15>, 'days': <@ai [1, 2, 3, 4, 5]>}, "
                "{'name': <'Alarm 3'>, 'id': <'a3'>, 'hour': <8>, 'minute': <0>, 'days': <@ai [1, 2, 3, 4, 5]>}]\n"
                "[org/gnome/clocks/state/window]\npanel-id='alarm'\nsize=(360, 640)\nmaximized=false\n");
    }

    std::vector<double> appMapped, appPixels, clocksMapped, clocksPixels, rings;
    measureStart(screen, tolvek); // warm-up: first-run defaults, caches
    // Warm-up ring: the ring screen's settled picture, which the measured rings are matched against.
    QImage ringScreen;
    if (const auto [due, id] = setRingAlarm(); due.isValid()) {
        measureRing(screen, due, {}, &ringScreen);
        stopRungApp(id);
        ringScreen.save(pictures + QStringLiteral("/ring-settled.png"));
    }
    const bool clocksRuns = !clocksPath.isEmpty() && measureStart(screen, clocks).firstPixelsMs >= 0;
    for (int run = 0; run < runs; ++run) {
        const bool last = run + 1 == runs;
        const StartFigures a
            = measureStart(screen, tolvek, last ? pictures + QStringLiteral("/startup-app.png") : QString(),
                           pictures + QStringLiteral("/startup-app.log"));
        appMapped.push_back(a.mappedMs);
        appPixels.push_back(a.firstPixelsMs);
        std::printf("run %d: app mapped %s, first pixels %s", run + 1, ms(a.mappedMs).c_str(),
                    ms(a.firstPixelsMs).c_str());
        if (const auto [due, id] = setRingAlarm(); due.isValid() && !ringScreen.isNull()) {
            rings.push_back(measureRing(screen, due, ringScreen));
            stopRungApp(id);
            std::printf("; ring with the app closed %s", ms(rings.back()).c_str());
        }
        if (clocksRuns) {
            const StartFigures c
                = measureStart(screen, clocks, last ? pictures + QStringLiteral("/startup-clocks.png") : QString());
            clocksMapped.push_back(c.mappedMs);
            clocksPixels.push_back(c.firstPixelsMs);
            std::printf("; GNOME Clocks mapped %s, first pixels %s", ms(c.mappedMs).c_str(),
                        ms(c.firstPixelsMs).c_str());
        }
        std::printf("\n");
    }
    const double mapped = median(appMapped), pixels = median(appPixels);
    const double clocksFirst = clocksRuns ? median(clocksPixels) : -1;
    const bool allSeen = std::none_of(appPixels.begin(), appPixels.end(), [](double v) { return v < 0; });
    std::printf("pictures at first pixels: %s/startup-app.png, startup-clocks.png; the settled ring screen: "
                "ring-settled.png; messages: startup-app.log, ring-service.log\n",
                qPrintable(pictures));
    reportFigure("Start -> window mapped (median of " + std::to_string(runs) + ")", ms(mapped), "<= 150 ms",
                 allSeen && mapped <= 150);
    if (clocksRuns) {
        reportFigure("GNOME Clocks: start -> first pixels, alarm list (median)", ms(clocksFirst), "yardstick", true);
        reportFigure("Start -> first pixels of the home screen (median)",
                     ms(pixels) + " = " + withUnit(pixels / clocksFirst, "x Clocks", 2),
                     "<= 300 ms and <= 0.5 x Clocks", allSeen && pixels <= 300 && pixels <= 0.5 * clocksFirst);
    } else {
        reportFigure("Start -> first pixels of the home screen (median)", ms(pixels),
                     "<= 300 ms and <= 0.5 x Clocks (Clocks "
                         + std::string(clocksPath.isEmpty() ? "not installed" : "did not paint under Xvfb") + ")",
                     false);
    }

    const double ring = median(rings);
    const bool ringsSeen
        = rings.size() == size_t(runs) && std::none_of(rings.begin(), rings.end(), [](double v) { return v < 0; });
    reportFigure("Fire date -> ring screen shown, app closed (median of " + std::to_string(rings.size())
                     + "; plain start " + ms(pixels) + ")",
                 ringScreen.isNull() ? std::string("no ring seen") : ms(ring), "<= 700 ms", ringsSeen && ring <= 700);
    if (startsOnly)
        return 0;

    // Both left running: memory once settled, then a quiet minute.
    const QString frameLog = home.filePath(QStringLiteral("frames.log"));
    Program watched = tolvek;
    watched.environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                               QStringLiteral("qt.scenegraph.time.renderloop.debug=true"));
    Running idleApp(watched, frameLog);
    std::unique_ptr<Running> idleClocks;
    idleApp.start();
    if (clocksRuns) {
        idleClocks = std::make_unique<Running>(clocks);
        idleClocks->start();
    }
    QThread::sleep(kSettleSecs);
    const ProcessFigures settled = sample(idleApp.pid());
    const ProcessFigures clocksSettled = idleClocks ? sample(idleClocks->pid()) : ProcessFigures{};
    const int framesBefore = framesLogged(frameLog);
    QThread::sleep(kIdleSecs);
    const ProcessFigures after = sample(idleApp.pid());
    const ProcessFigures clocksAfter = idleClocks ? sample(idleClocks->pid()) : ProcessFigures{};
    const int frames = framesLogged(frameLog) - framesBefore;
    const double cpuPercent = 100 * (after.cpuSeconds - settled.cpuSeconds) / kIdleSecs;
    std::printf("app %d s after start: RSS %.1f MiB, PSS %.1f MiB (%s)\n", kSettleSecs, settled.rssMiB, settled.pssMiB,
                qPrintable(backend));
    if (idleClocks)
        std::printf("GNOME Clocks %d s after start: RSS %.1f MiB, PSS %.1f MiB; CPU over the next %d s: %.2f %%\n",
                    kSettleSecs, clocksSettled.rssMiB, clocksSettled.pssMiB, kIdleSecs,
                    100 * (clocksAfter.cpuSeconds - clocksSettled.cpuSeconds) / kIdleSecs);
    reportFigure("RSS 60 s after start, home screen (" + backend.toStdString() + "; PSS "
                     + withUnit(settled.pssMiB, "MiB") + ")",
                 withUnit(settled.rssMiB, "MiB"), "<= 90 MiB", settled.rssMiB > 0 && settled.rssMiB <= 90);
    reportFigure("Idle CPU over 60 s, home screen", withUnit(cpuPercent, "% of a core", 2), "<= 0.2 %",
                 settled.cpuSeconds >= 0 && cpuPercent <= 0.2);
    // The minute shown changes once in any 60 s; nothing else moves.
    reportFigure("Home screen frames in 60 s idle", std::to_string(frames), "<= 1 (the minute changes once)",
                 frames <= 1);
    return 0;
}
