#include "ui/UiSetup.h"

#include "ui/RatingPrompt.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QLocale>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTranslator>
#include <cstring>

extern void qml_register_types_Tolvek();

namespace {
// Screenshots and the self-test run in a throw-away home, never on the user's data.
bool isThrowawayRun(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 || std::strcmp(argv[i], "--self-test") == 0)
            return true;
    return false;
}

void useFreshHome()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/tolvek-throwaway-XXXXXX"));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(name, (home.path() + QLatin1Char('/') + QString::fromLatin1(name)).toLocal8Bit());
}

void installFont()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/OpenSans-Light.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        qWarning() << "the bundled light font could not be loaded";
        return;
    }
    // The light face is the font's own family "Open Sans Light" when the
    // database lists it, so the substitute does not pick the regular weight.
    const QString light = QStringLiteral("Open Sans Light");
    const QString family = QFontDatabase::families().contains(light) ? light : families.first();
    QFont::insertSubstitution(QLatin1String(UiSetup::kLightFontFamily), family);
}

void installTranslation()
{
    // English, the key language, also holds texts such as the credits, so it
    // stands in for locales without a translation of their own.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), QStringLiteral("tolvek"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        || translator->load(QStringLiteral(":/i18n/tolvek_en.qm")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

bool UiSetup::hasGpu()
{
    return !QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System).isEmpty();
}

void UiSetup::prepareEnvironment(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    // Without a GPU, Mesa would draw OpenGL on the CPU (llvmpipe); Qt Quick's
    // own software renderer then starts faster and holds half the memory
    // (scripts/benchmarks.sh under Xvfb: 87 against 192 MiB resident).
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && !qEnvironmentVariableIsSet("QSG_RHI_BACKEND") && !hasGpu())
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    if (!isThrowawayRun(argc, argv))
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    useFreshHome();
}

void UiSetup::initialize()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qml_register_types_Tolvek();
    installFont();
    installTranslation();
    // The rating prompt's settings made at class set-up of the app delegate.
    RatingPrompt &rate = RatingPrompt::shared();
    rate.applicationBundleID = QCoreApplication::applicationName();
    rate.onlyPromptIfLatestVersion = false;
    rate.previewMode = false;
}
