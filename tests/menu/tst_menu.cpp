#include "TestSupport.h"
#include "app/ScreenRegistry.h"
#include "assembly/AppAssembly.h"
#include "menu/AppSideMenu.h"
#include "menu/DeviceModel.h"
#include "menu/FeedbackMail.h"
#include "menu/LinkOpener.h"
#include "menu/MenuScreen.h"
#include "menu/ShareSheet.h"
#include "platform/AlertPresenter.h"
#include "ui/ModalLayer.h"
#include "ui/NavigationStack.h"
#include "ui/WindowPresence.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

namespace {
class RecordingAlerts : public AlertPresenter
{
public:
    void presentAlert(const AlertRequest &alert) override { messages << alert.message; }
    QStringList messages;
};

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
    RecordingAlerts alerts;
    TestOpener opener;

private Q_SLOTS:
    void initTestCase()
    {
        AppAssembly::registerScreens();
        WindowPresence::setAnimatesTransitions(false);
        AlertPresenter::setShared(&alerts);
        LinkOpener::setShared(&opener);
    }
    void init()
    {
        alerts.messages.clear();
        opener.opened.clear();
        opener.handles = true;
    }
    void cleanup()
    {
        for (ScreenController *screen : ModalLayer::shared().presentedScreens())
            screen->close(false);
    }

    void shareEntriesFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("entries");
        const QStringList chinese{"新浪微博", "腾讯微博", "Email", "Message"};
        const QStringList others{"Facebook", "Twitter", "Email", "Message"};
        QTest::newRow("zh_CN") << "zh_CN" << chinese;
        QTest::newRow("zh_Hans_CN") << "zh_Hans_CN" << chinese;
        QTest::newRow("zh (China by default)") << "zh" << chinese;
        QTest::newRow("zh_TW") << "zh_TW" << others;
        QTest::newRow("zh_Hant_HK") << "zh_Hant_HK" << others;
        QTest::newRow("en_US") << "en_US" << others;
        QTest::newRow("C") << "C" << others;
        QTest::newRow("empty") << "" << others;
        QTest::newRow("right to left") << "ar_EG" << others;
    }
    void shareEntriesFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, entries);
        QCOMPARE(ShareSheet(QLocale(locale)).entries(), entries);
    }

    void homeSkinAndAboutCloseTheMenuShareAndMoreDoNot()
    {
        std::unique_ptr<AppSideMenu> container(
            qobject_cast<AppSideMenu *>(ScreenRegistry::shared().create(QStringLiteral("AppSideMenu"), nullptr, false)));
        auto *menu = qobject_cast<MenuScreen *>(container->menuScreen());
        QVERIFY(menu);
        auto *content = qobject_cast<NavigationStack *>(container->contentScreen());

        container->showMenu();
        menu->chooseEntry(MenuScreen::Skin);
        QVERIFY(!container->isMenuVisible());
        QCOMPARE(content->topScreen()->className(), QStringLiteral("SkinManagerScreen"));

        container->showMenu();
        menu->chooseEntry(MenuScreen::Share);
        QVERIFY(container->isMenuVisible());
        QVERIFY(frontShareSheet());
        frontShareSheet()->cancel();
        QVERIFY(!frontShareSheet());

        menu->chooseEntry(MenuScreen::More);
        QVERIFY(container->isMenuVisible());
        QVERIFY(menu->showingMore());
        menu->chooseMoreEntry(MenuScreen::Back);
        QVERIFY(!menu->showingMore());
        menu->chooseEntry(MenuScreen::More);
        menu->chooseMoreEntry(MenuScreen::About);
        QVERIFY(!container->isMenuVisible());
        QCOMPARE(content->topScreen()->className(), QStringLiteral("AboutScreen"));
    }

    void sharingOpensEachPlacesLink()
    {
        ShareSheet sheet(QLocale(QStringLiteral("en_US")));
        sheet.choose(0);
        sheet.choose(3);
        QCOMPARE(opener.opened.size(), 2);
        QCOMPARE(opener.opened.at(0).host(), QStringLiteral("www.facebook.com"));
        QCOMPARE(QUrlQuery(opener.opened.at(0)).queryItemValue(QStringLiteral("u"), QUrl::FullyDecoded),
                 QStringLiteral("https://tolvek.org/alarm"));
        QCOMPARE(opener.opened.at(1).scheme(), QStringLiteral("sms"));
        QVERIFY(alerts.messages.isEmpty());
    }

    void aMissingHandlerIsSaidNotSilent_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("message");
        QTest::newRow("network") << 1 << "Please make sure a web browser is set up.";
        QTest::newRow("email") << 2 << "Please make sure a mail program is set up.";
        QTest::newRow("message") << 3 << "Please make sure a messaging program is set up.";
    }
    void aMissingHandlerIsSaidNotSilent()
    {
        QFETCH(int, entry);
        QFETCH(QString, message);
        opener.handles = false;
        ShareSheet(QLocale(QStringLiteral("en_US"))).choose(entry);
        QCOMPARE(alerts.messages, QStringList{message});
    }

    void feedbackAndRateSayWhenNothingOpensThem()
    {
        opener.handles = false;
        MenuScreen menu;
        menu.feedback();
        menu.chooseMoreEntry(MenuScreen::Rate);
        QCOMPARE(alerts.messages.size(), 2);
        QCOMPARE(opener.opened.size(), 2);
        QCOMPARE(opener.opened.at(0).scheme(), QStringLiteral("mailto"));
        QCOMPARE(opener.opened.at(1).host(), QStringLiteral("tolvek.org"));
    }

    void theFeedbackMailNamesDeviceSystemAndVersion_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("link");
        QTest::newRow("known model") << "ThinkPad X1 Carbon"
                                     << QByteArray("mailto:support@tolvek.org?subject=Suggestion%20%26%20Feedback&body="
                                                   "Device%20Type%3A%20ThinkPad%20X1%20Carbon%20%0ASystem%20Version%3A%20"
                                                   "Debian%20GNU%2FLinux%2012%20%28bookworm%29%0AApp%20Version%3A%201.0.0%0A%0A");
        QTest::newRow("unknown model") << ""
                                       << QByteArray("mailto:support@tolvek.org?subject=Suggestion%20%26%20Feedback&body="
                                                     "Device%20Type%3A%20Unknown%20%0ASystem%20Version%3A%20"
                                                     "Debian%20GNU%2FLinux%2012%20%28bookworm%29%0AApp%20Version%3A%201.0.0%0A%0A");
    }
    void theFeedbackMailNamesDeviceSystemAndVersion()
    {
        QFETCH(QString, model);
        QFETCH(QByteArray, link);
        QCOMPARE(FeedbackMail::address({model, QStringLiteral("Debian GNU/Linux 12 (bookworm)"), QStringLiteral("1.0.0")})
                     .toEncoded(),
                 link);
    }

    void theDeviceModelIsOnePrintableLine()
    {
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
