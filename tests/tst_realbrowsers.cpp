// The real browsers open what the cleaner left: the profiles of tests/browserprofiles are cleaned
// ("everything" ticked) in the Mac layout, then Debian's chromium and firefox-esr start on them
// headless, with no page from the network, and quit. Each must finish without error, keep the
// bookmarks and have no history and no cookies afterwards. Skipped where a browser is not
// installed.
#include "cleaners/browsercleaner.h"
#include "faketools.h"
#include "testhome.h"

#include <QtTest>

#include <QDirIterator>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>

namespace {

const QString kData = QStringLiteral(SWEEPNOOK_BROWSER_PROFILES_DIR);
const QString kChrome = QStringLiteral("Library/Application Support/Google/Chrome");
const QString kFirefoxRoot = QStringLiteral("Library/Application Support/Firefox");
const QString kFirefox = kFirefoxRoot + QStringLiteral("/Profiles/fixture.default-release");
// Starting a browser on a loaded machine takes its time; the limit is only a safety net.
const int kBrowserLimitMs = 240000;

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(
        from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories);
    QDir().mkpath(to);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isSymLink())
            continue;
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QVERIFY(QFile::copy(source, target));
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

qint64 count(const QString &database, const QString &statement)
{
    qint64 value = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(database);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next())
                value = query.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return value;
}

QString integrity(const QString &database)
{
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("integrity"));
        db.setDatabaseName(database);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
                value = query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("integrity"));
    return value;
}

// Cleans both profiles with every category and item ticked.
void cleanEverything(const TestHome &home)
{
    copyTree(kData + QStringLiteral("/chromium"), home.filePath(kChrome));
    copyTree(kData + QStringLiteral("/firefox"), home.filePath(kFirefox));
    home.makeFileWithContent(kFirefoxRoot + QStringLiteral("/profiles.ini"),
        "[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/fixture.default-release\nDefault=1\n");
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
