// The web panes on a faked network: the banners' rotation orders and their
// fall-backs, the start-up window's close button, the lookup address, and
// that nothing at all is requested while no web site is configured.
#include "FakeWebAccess.h"
#include "TestSupport.h"

#include "boardgame/ui/frmBordFile.h"
#include "shell/AppSettings.h"
#include "shell/WebAccess.h"
#include "shell/WebAddresses.h"
#include "shell/ui/BannerRotation.h"
#include "shell/ui/WebLinks.h"
#include "shell/ui/WebPane.h"
#include "shell/ui/frmAbout.h"
#include "shell/ui/frmDictionary.h"
#include "shell/ui/frmSplash.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

namespace {
const QString kBase = QStringLiteral("http://vendor.test");
}

class TestWebPanes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void rotationOrder_data();
    void rotationOrder();
    void fallbacks_data();
    void fallbacks();
    void splashCloseWaitsForTheFirstAttempt_data();
    void splashCloseWaitsForTheFirstAttempt();
    void lookupAppendsTheWordUnchanged();
    void nothingIsSentWithoutAWebSite();
    void programLayerAnswersEveryRequestLater();

private:
    // Shows `from` in the pane: a local page, or base + path answered with a page.
    void show(WebPane& pane, const QString& from) {
        if (WebAddresses::IsLocalPage(from)) {
            pane.Navigate(from);
        } else {
            pane.Navigate(kBase + from);
            QVERIFY(m_net->answerPage(QStringLiteral("An advertisement")));
        }
        QVERIFY(!pane.Busy());
    }
    std::unique_ptr<TempProgramFolder> m_home;
    std::unique_ptr<FakeWebAccess> m_net;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
    QList<QUrl> m_opened;
    WebLinks::UrlOpener m_previousOpener;
};

void TestWebPanes::init() {
    m_home = std::make_unique<TempProgramFolder>();
    m_net = std::make_unique<FakeWebAccess>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
    m_opened.clear();
    m_previousOpener = WebLinks::SetUrlOpener([this](const QUrl& url) {
        m_opened.append(url);
        return true;
    });
    AppSettings::SetVendorBaseAddress(kBase + QStringLiteral("/"));
}

void TestWebPanes::cleanup() {
    WebLinks::SetUrlOpener(m_previousOpener);
    m_boxes.reset();
    m_net.reset();
    m_home.reset();
}

void TestWebPanes::rotationOrder_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to"); // the order is the code's; what matters is where it wraps
    const int table = int(BannerRotation::Kind::Table);
    const int board = int(BannerRotation::Kind::Board);
    const int side = int(BannerRotation::Kind::Side);
    addDataRow("table: off-line page to the first", table, QStringLiteral("About:Off-Line"),
               QStringLiteral("/ads/adleadcasl.htm"));
    addDataRow("table: case ignored", table, QStringLiteral("/ADS/ADLEADNEXT1.HTM"),
               QStringLiteral("/ads/adleadnext2.htm"));
    addDataRow("table: last to first", table, QStringLiteral("/ads/adleadnext2.htm"),
               QStringLiteral("/ads/adleadcasl.htm"));
    addDataRow("board: blank page to first", board, QStringLiteral("About:Blank"),
               QStringLiteral("/ads/adleadcasl.htm"));
    addDataRow("side: a lead page is no side page", side, QStringLiteral("/ads/adleadcasl.htm"),
               QStringLiteral("/ads/adskycasl.htm"));
}

void TestWebPanes::rotationOrder() {
    QFETCH(int, kind);
    QFETCH(QString, from);
    QFETCH(QString, to);
    WebPane pane;
    BannerRotation banner(&pane, BannerRotation::Kind(kind));
    show(pane, from);
    const qsizetype before = m_net->requests.size();
    banner.RunAds();
    QCOMPARE(m_net->requests.size(), before + 1);
    QCOMPARE(m_net->requests.last().toString(), kBase + to);
    QVERIFY(pane.Busy());
}

void TestWebPanes::fallbacks_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("page");
    const int table = int(BannerRotation::Kind::Table);
    const int board = int(BannerRotation::Kind::Board);
    const int side = int(BannerRotation::Kind::Side);
    const QString offLine = QStringLiteral("About:Off-Line");
    const QString blank = QStringLiteral("About:Blank");
    for (const QString& failure :
         {QStringLiteral("error"), QStringLiteral("no answer"), QStringLiteral("huge body"),
          QStringLiteral("not a page"), QStringLiteral("cannot find server")}) {
        addDataRow(qPrintable(QStringLiteral("table, ") + failure), table, failure, offLine);
        addDataRow(qPrintable(QStringLiteral("board, ") + failure), board, failure, blank);
    }
    addDataRow("side, error", side, QStringLiteral("error"), blank);
    addDataRow("side, cannot find server", side, QStringLiteral("cannot find server"), blank);
}

void TestWebPanes::fallbacks() {
    QFETCH(int, kind);
    QFETCH(QString, failure);
    QFETCH(QString, page);
    WebPane pane;
    BannerRotation banner(&pane, BannerRotation::Kind(kind));
    if (failure == QLatin1String("cannot find server")) {
        // A page the browser itself titled so: the next step falls back
        // without asking the network again.
        pane.Navigate(kBase + QStringLiteral("/ads/adleadcasl.htm"));
        QVERIFY(m_net->answerPage(QStringLiteral("Cannot Find Server")));
        const qsizetype before = m_net->requests.size();
        banner.RunAds();
        QCOMPARE(m_net->requests.size(), before);
    } else {
        banner.RunAds();
        QVERIFY(pane.Busy());
        if (failure == QLatin1String("error")) {
            QVERIFY(m_net->answerError(QStringLiteral("Host not found")));
        } else if (failure == QLatin1String("no answer")) {
            pane.TimerNavigate_Timer();
            QVERIFY(!m_net->answerPage(QStringLiteral("late"))); // abandoned
        } else {
            WebAnswer answer;
            answer.status = 200;
            answer.contentType = failure == QLatin1String("huge body")
                                     ? QStringLiteral("text/html")
                                     : QStringLiteral("application/octet-stream");
            answer.body = QByteArray(
                failure == QLatin1String("huge body") ? WebLimits::kMaxBodyBytes + 1 : 10, 'x');
            QVERIFY(m_net->answer(answer));
        }
    }
    QVERIFY(!pane.Busy());
    QCOMPARE(pane.LocationURL(), page);
}

void TestWebPanes::splashCloseWaitsForTheFirstAttempt_data() {
    QTest::addColumn<bool>("loads");
    QTest::newRow("page loads") << true;
    QTest::newRow("page fails") << false;
}

void TestWebPanes::splashCloseWaitsForTheFirstAttempt() {
    QFETCH(bool, loads);
    frmSplash splash;
    splash.StartAds(3);
    QCOMPARE(m_net->requests.last().toString(), kBase + QStringLiteral("/ads/adrecnext1.htm"));
    QVERIFY(!splash.cmdClose->isEnabled());
    QSignalSpy finished(&splash, &QDialog::finished);
    splash.reject(); // Escape and the close label wait too
    QCOMPARE(finished.count(), 0);
    if (loads)
        QVERIFY(m_net->answerPage(QStringLiteral("Welcome")));
    else
        splash.WebBrowser1->TimerNavigate_Timer();
    QVERIFY(splash.cmdClose->isEnabled());
    QCOMPARE(splash.WebBrowser1->LocationURL(), loads
                                                    ? kBase + QStringLiteral("/ads/adrecnext1.htm")
                                                    : QStringLiteral("About:Off-Line"));
}

void TestWebPanes::lookupAppendsTheWordUnchanged() {
    QWidget owner;
    const QString word = QStringLiteral("ice cream & <b>\"ü\"</b>");
    frmDictionary* window = frmDictionary::LookUp(&owner, word);
    const QString expected = kBase + QStringLiteral("/dictionary.asp?search=") + word;
    QCOMPARE(m_net->requests.last(), QUrl(expected, QUrl::TolerantMode));
    QVERIFY(m_net->answerPage(QStringLiteral("Dictionary")));
    QCOMPARE(window->WebBrowser2->LocationURL(), expected);
    QVERIFY(window->WebBrowser2->isVisibleTo(window));
    // The word is shown as typed, never read as markup.
    QVERIFY(window->txtMeaning->toPlainText().contains(word));
    // The same window serves the next word.
    QCOMPARE(frmDictionary::LookUp(&owner, QStringLiteral("dog")), window);
}

void TestWebPanes::nothingIsSentWithoutAWebSite() {
    AppSettings::SetVendorBaseAddress(QString());
    frmSplash splash;
    for (int page = 1; page <= 4; ++page) {
        splash.StartAds(page);
        QVERIFY(splash.cmdClose->isEnabled());
        QCOMPARE(splash.WebBrowser1->LocationURL(), QStringLiteral("About:Off-Line"));
    }
    // The start-up window's own page is worth a glance: a picture and a tip.
    QVERIFY(splash.WebBrowser1->toPlainText().contains(QLatin1String("Tip of the day")));
    QVERIFY(splash.WebBrowser1->toHtml().contains(QLatin1String("<img")));
    for (int kind = 0; kind < 3; ++kind) {
        WebPane pane;
        BannerRotation banner(&pane, BannerRotation::Kind(kind));
        for (int step = 0; step < 5; ++step) {
            banner.RunAds();
            QVERIFY(!pane.Busy());
            QCOMPARE(pane.LocationURL(), banner.FallbackPage());
        }
    }
    QWidget owner;
    frmDictionary* dictionary = frmDictionary::LookUp(&owner, QStringLiteral("dog"));
    QVERIFY(!dictionary->WebBrowser2->isVisibleTo(dictionary));
    QCOMPARE(dictionary->WebBrowser1->LocationURL(), QStringLiteral("About:Blank"));

    // No link leads nowhere, and no advertisement is announced.
    for (const bool configured : {false, true}) {
        AppSettings::SetVendorBaseAddress(configured ? kBase : QString());
        AppSettings::SetVendorContactAddress(configured ? QStringLiteral("a@b.example")
                                                        : QString());
        frmAbout about;
        QCOMPARE(about.lblContact->isVisibleTo(&about), configured);
        QCOMPARE(about.lblVersion->text().contains(QLatin1String("Ad")), configured);
        frmBordFile manager;
        QCOMPARE(manager.cmdHomePage->isVisibleTo(&manager), configured);
        QCOMPARE(manager.lblEditor->isVisibleTo(&manager), configured);
    }
    AppSettings::SetVendorBaseAddress(QString());
    QVERIFY(m_boxes->shown().isEmpty());
    QVERIFY(m_opened.isEmpty());
    QCoreApplication::processEvents();
    QVERIFY(m_net->requests.isEmpty());
}

QTEST_MAIN(TestWebPanes)
// The program's own layer opens its network module with the first request:
// an address it never fetches, and one it cannot reach (or, where the module
// is not beside this test, cannot fetch at all), both come back as errors
// from the event loop, never from inside the call and never not at all.
void TestWebPanes::programLayerAnswersEveryRequestLater() {
    const std::unique_ptr<WebAccess> access = MakeNetworkWebAccess();
    QStringList errors;
    std::vector<std::unique_ptr<WebRequest>> requests;
    for (const char* address : {"file:///etc/passwd", "http://127.0.0.1:9/"}) {
        requests.push_back(access->Get(QUrl(QLatin1String(address)),
                                       [&errors](const WebAnswer& a) { errors << a.error; }));
    }
    QVERIFY(errors.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(errors.size(), 2, 15000);
    QCOMPARE(errors.first(), QStringLiteral("not a web address"));
    QVERIFY(!errors.last().isEmpty());
}

#include "tst_webpanes.moc"
