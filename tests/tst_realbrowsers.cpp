// The real browsers open what the cleaner left: the profiles of tests/browserprofiles are cleaned
// ("everything" ticked) in the Mac layout, then Debian's chromium and firefox-esr start on them
// headless, with no page from the network, and quit. Each must finish without error, keep the
// bookmarks and have no history and no cookies afterwards. Skipped where a browser is not
// installed.
#include "cleaners/browsercleaner.h"
#include "faketools.h"
#include "realprofiles.h"
#include "testhome.h"

#include <QtTest>

#include <QDirIterator>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>

namespace {

const QString kChrome = RealProfiles::chromeFolder();
const QString kFirefoxRoot = RealProfiles::firefoxFolder();
const QString kFirefox = RealProfiles::firefoxProfile();
// Starting a browser on a loaded machine takes its time; the limit is only a safety net.
const int kBrowserLimitMs = 240000;

// -1 when the database does not open or the statement fails.
qint64 count(const QString &database, const QString &statement)
{
    bool ok = false;
    const qint64 value = RealProfiles::sqlValue(database, statement).toLongLong(&ok);
    return ok ? value : -1;
}

QString integrity(const QString &database)
{
    return RealProfiles::sqlValue(database, QStringLiteral("PRAGMA integrity_check")).toString();
}

// Cleans both profiles with every category and item ticked.
void cleanEverything(const TestHome &home)
{
    RealProfiles::install(home);
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), "#!/bin/sh\nexit 1\n");
    BrowserCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/browser_rules.json"));
    QSignalSpy scanned(&cleaner, &CleanEngine::scanFinished);
    cleaner.startScan();
    QVERIFY(scanned.wait(60000));
    for (CleanCategory &category : cleaner.result().categories) {
        category.checked = true;
        category.setAllItemsChecked(true);
    }
    QSignalSpy cleaned(&cleaner, &CleanEngine::cleanFinished);
    cleaner.startClean();
    QVERIFY(!cleaned.isEmpty() || cleaned.wait(60000));
}

// Runs a browser to its end; its exit code, or -1 when it did not end.
int runBrowser(const QString &program, const QStringList &arguments, QByteArray *errors)
{
    QProcess browser;
    browser.start(program, arguments);
    if (!browser.waitForStarted(kBrowserLimitMs))
        return -1;
    if (!browser.waitForFinished(kBrowserLimitMs)) {
        browser.kill();
        browser.waitForFinished(kBrowserLimitMs);
        return -1;
    }
    *errors = browser.readAllStandardError();
    return browser.exitStatus() == QProcess::NormalExit ? browser.exitCode() : -1;
}

} // namespace

class TestRealBrowsers : public QObject
{
    Q_OBJECT

private slots:
    void chromiumOpensTheCleanedProfile();
    void firefoxOpensTheCleanedProfile();
};

void TestRealBrowsers::chromiumOpensTheCleanedProfile()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        QSKIP("chromium is not installed");
    TestHome home;
    cleanEverything(home);
    const QString userData = home.filePath(kChrome);
    QByteArray errors;
    const int exitCode = runBrowser(chromium,
        { QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
            QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
            QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
            QStringLiteral("--user-data-dir=") + userData, QStringLiteral("--dump-dom"),
            QStringLiteral("about:blank") },
        &errors);
    QVERIFY2(exitCode == 0, errors.constData());
    const QString profile = userData + QStringLiteral("/Default/");
    QCOMPARE(integrity(profile + QStringLiteral("History")), QStringLiteral("ok"));
    QCOMPARE(count(profile + QStringLiteral("History"), QStringLiteral("SELECT COUNT(*) FROM urls")), 0);
    QCOMPARE(count(profile + QStringLiteral("History"), QStringLiteral("SELECT COUNT(*) FROM downloads")), 0);
    // Gone, or made again empty.
    QVERIFY(count(profile + QStringLiteral("Cookies"), QStringLiteral("SELECT COUNT(*) FROM cookies")) <= 0);
    QCOMPARE(integrity(profile + QStringLiteral("Web Data")), QStringLiteral("ok"));
    QCOMPARE(count(profile + QStringLiteral("Web Data"), QStringLiteral("SELECT COUNT(*) FROM autofill")), 0);
    QVERIFY(count(profile + QStringLiteral("Web Data"), QStringLiteral("SELECT COUNT(*) FROM keywords")) > 0);
}

void TestRealBrowsers::firefoxOpensTheCleanedProfile()
{
    const QString firefox = QStandardPaths::findExecutable(QStringLiteral("firefox-esr"));
    if (firefox.isEmpty())
        QSKIP("firefox-esr is not installed");
    TestHome home;
    cleanEverything(home);
    const QString profile = home.filePath(kFirefox);
    const qint64 bookmarks = count(profile + QStringLiteral("/places.sqlite"),
        QStringLiteral("SELECT COUNT(*) FROM moz_bookmarks WHERE fk IS NOT NULL"));
    QVERIFY(bookmarks >= 3);
    // No update, telemetry or other network feature starts; the page is a local one.
    home.makeFileWithContent(kFirefox + QStringLiteral("/user.js"),
        "user_pref(\"app.update.enabled\", false);\nuser_pref(\"toolkit.telemetry.enabled\", false);\n"
        "user_pref(\"datareporting.policy.dataSubmissionEnabled\", false);\n"
        "user_pref(\"browser.safebrowsing.malware.enabled\", false);\n"
        "user_pref(\"browser.safebrowsing.phishing.enabled\", false);\n"
        "user_pref(\"network.captive-portal-service.enabled\", false);\n"
        "user_pref(\"app.normandy.enabled\", false);\n"
        "user_pref(\"services.settings.server\", \"http://127.0.0.1:9/\");\n");
    QByteArray errors;
    const int exitCode = runBrowser(firefox,
        { QStringLiteral("--headless"), QStringLiteral("--no-remote"), QStringLiteral("--profile"), profile,
            QStringLiteral("--screenshot"), home.filePath(QStringLiteral("shot.png")), QStringLiteral("about:blank") },
        &errors);
    QVERIFY2(exitCode == 0, errors.constData());
    const QString places = profile + QStringLiteral("/places.sqlite");
    QCOMPARE(integrity(places), QStringLiteral("ok"));
    QCOMPARE(count(places, QStringLiteral("SELECT COUNT(*) FROM moz_bookmarks WHERE fk IS NOT NULL")), bookmarks);
    QCOMPARE(count(places, QStringLiteral("SELECT COUNT(*) FROM moz_historyvisits")), 0);
    QCOMPARE(count(places, QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")), 0);
    const qint64 cookies
        = count(profile + QStringLiteral("/cookies.sqlite"), QStringLiteral("SELECT COUNT(*) FROM moz_cookies"));
    QVERIFY(cookies <= 0); // gone, or recreated empty
}

QTEST_MAIN(TestRealBrowsers)
#include "tst_realbrowsers.moc"
