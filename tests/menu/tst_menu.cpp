#include "TestSupport.h"
#include "app/ScreenRegistry.h"
#include "assembly/AppAssembly.h"
#include "menu/AppSideMenu.h"
#include "menu/DeviceModel.h"
#include "menu/FeedbackMail.h"
#include "menu/LinkOpener.h"
#include "menu/MenuScreen.h"
#include "menu/MoreScreen.h"
#include "menu/ShareSheet.h"
#include "ui/ModalLayer.h"
#include "ui/WindowPresence.h"

#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

namespace {
// A desktop where every link opens, or none does.
class TestOpener : public LinkOpener
{
public:
    bool open(const QUrl &url) override
    {
        opened << url;
        return handles;
    }
    bool handles = true;
    QList<QUrl> opened;
};

ShareSheet *frontShareSheet()
{
    for (ScreenController *screen : ModalLayer::shared().presentedScreens())
        if (auto *sheet = qobject_cast<ShareSheet *>(screen))
            return sheet;
    return nullptr;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class TestMenu : public QObject
{
    Q_OBJECT
private:
    TestSupport::RecordingAlerts alerts;
    TestOpener opener;

private Q_SLOTS:
    void initTestCase()
    {
        AppAssembly::registerScreens();
        WindowPresence::setAnimatesTransitions(false);
        LinkOpener::setShared(&opener);
    }
    void init()
    {
        alerts.shown.clear();
        opener.opened.clear();
        opener.handles = true;
    }
    void cleanup()
    {
        for (ScreenController *screen : ModalLayer::shared().presentedScreens())
            screen->close(false);
    }

    // Home, Skin and About close the menu, More keeps it open (journey_menu.py
    // walks them); so does Share.
    void shareKeepsTheMenuOpenAndFollowsTheLocale()
    {
        std::unique_ptr<AppSideMenu> container(qobject_cast<AppSideMenu *>(
            ScreenRegistry::shared().create(QStringLiteral("AppSideMenu"), nullptr, false)));
        auto *menu = qobject_cast<MenuScreen *>(container->menuScreen());
        QVERIFY(menu);
        container->showMenu();
        menu->chooseEntry(MenuScreen::Share);
        QVERIFY(container->isMenuVisible());
        QVERIFY(frontShareSheet());
        frontShareSheet()->cancel();
        QVERIFY(!frontShareSheet());

        // Chinese networks for mainland China (the default for Chinese), the others elsewhere.
        const QStringList chinese{"新浪微博", "腾讯微博", "Email", "Message"};
        const QStringList others{"Facebook", "Twitter", "Email", "Message"};
        for (const char *locale : {"zh_CN", "zh_Hans_CN", "zh"})
            QCOMPARE(ShareSheet(QLocale(locale)).entries(), chinese);
        for (const char *locale : {"zh_TW", "zh_Hant_HK", "en_US", "C", ""})
            QCOMPARE(ShareSheet(QLocale(locale)).entries(), others);
    }

    // Where nothing opens the link, the user is told what to set up; where it opens, nothing is said.
    void aMissingHandlerIsSaidNotSilent_data()
    {
        QTest::addColumn<int>("shareEntry"); // -1: the menu's feedback, -2: its rating, -3: the More screen's
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("message");
        const QString browser = QStringLiteral("Please make sure a web browser is set up.");
        const QString mail = QStringLiteral("Please make sure a mail program is set up.");
        QTest::newRow("share to a network") << 1 << "https" << browser;
        QTest::newRow("share by email") << 2 << "mailto" << mail;
        QTest::newRow("share by message") << 3 << "sms"
                                          << "Please make sure a messaging program is set up.";
        QTest::newRow("feedback") << -1 << "mailto" << mail;
        QTest::newRow("rate") << -2 << "https" << browser;
        QTest::newRow("rate from the More screen") << -3 << "https" << browser;
        QTest::newRow("share with a browser") << 0 << "https" << QString();
    }
    void aMissingHandlerIsSaidNotSilent()
    {
        QFETCH(int, shareEntry);
        QFETCH(QString, scheme);
        QFETCH(QString, message);
        opener.handles = message.isEmpty();
        MenuScreen menu;
        if (shareEntry == -1)
            menu.feedback();
        else if (shareEntry == -2)
            menu.chooseMoreEntry(MenuScreen::Rate);
        else if (shareEntry == -3)
            MoreScreen().rateUs();
        else
            ShareSheet(QLocale(QStringLiteral("en_US"))).choose(shareEntry);
        QCOMPARE(opener.opened.size(), 1);
        QCOMPARE(opener.opened.first().scheme(), scheme);
        QCOMPARE(alerts.shown.size(), message.isEmpty() ? 0 : 1);
        if (message.isEmpty()) { // the network's page, given the app's own link to share
            QCOMPARE(opener.opened.at(0).host(), QStringLiteral("www.facebook.com"));
            QCOMPARE(QUrlQuery(opener.opened.at(0)).queryItemValue(QStringLiteral("u"), QUrl::FullyDecoded),
                     QStringLiteral("https://tolvek.org/alarm"));
        } else {
            QCOMPARE(alerts.shown.first().message, message);
        }
    }

    void theFeedbackMailNamesDeviceSystemAndVersion()
    {
        const auto link = [](const QString &model) {
            return FeedbackMail::address(
                       {model, QStringLiteral("Debian GNU/Linux 12 (bookworm)"), QStringLiteral("1.0.0")})
                .toEncoded();
        };
        const QByteArray expected(
            "mailto:support@tolvek.org?subject=Suggestion%20%26%20Feedback&body=Device%20Type%3A%20"
            "MODEL%20%0ASystem%20Version%3A%20Debian%20GNU%2FLinux%2012%20%28bookworm%29%0A"
            "App%20Version%3A%201.0.0%0A%0A");
        QCOMPARE(link(QStringLiteral("ThinkPad X1 Carbon")),
                 QByteArray(expected).replace("MODEL", "ThinkPad%20X1%20Carbon"));
        QCOMPARE(link(QString()), QByteArray(expected).replace("MODEL", "Unknown"));

        // The device model it names is one printable line.
        QTemporaryDir root;
        QCOMPARE(DeviceModel::name(root.path()), QString());
        writeFile(root.filePath(QStringLiteral("sys/class/dmi/id/product_name")), "\x1b[31mEvil\nModel\t\r\n");
        QCOMPARE(DeviceModel::name(root.path()), QStringLiteral("[31mEvil Model"));
        writeFile(root.filePath(QStringLiteral("sys/class/dmi/id/product_name")), QByteArray(10240, 'x'));
        QCOMPARE(DeviceModel::name(root.path()).size(), DeviceModel::kMaxLength);
        // A phone's device tree wins, its closing zero dropped.
        writeFile(root.filePath(QStringLiteral("proc/device-tree/model")), QByteArray("Pine64 PinePhone", 17));
        QCOMPARE(DeviceModel::name(root.path()), QStringLiteral("Pine64 PinePhone"));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
