// Linked into every test program. Run outside ctest, which gives each test
// empty homes of its own, a test would read, change and wipe the user's own
// alarms and preferences. It gets fresh private homes instead, before main()
// runs; the programs it starts inherit them.
#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {
const bool kPrivateHomes = [] {
    if (qEnvironmentVariableIsSet("TOLVEK_TEST_HOMES"))
        return true;
    QByteArray base = qEnvironmentVariableIsEmpty("TMPDIR") ? QByteArray("/tmp") : qgetenv("TMPDIR");
    base += "/tolvek-test-XXXXXX";
    if (!::mkdtemp(base.data())) {
        std::perror("cannot make private homes for the test");
        std::exit(1);
    }
    qputenv("XDG_CONFIG_HOME", base + "/config");
    qputenv("XDG_DATA_HOME", base + "/data");
    qputenv("XDG_CACHE_HOME", base + "/cache");
    qputenv("TOLVEK_TEST_HOMES", base);
    std::fprintf(stderr, "test homes: %s\n", base.constData());
    return true;
}();
} // namespace
