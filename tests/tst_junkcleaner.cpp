#include "cleaners/junkcleaner.h"
#include "faketools.h"
#include "core/platform.h"
#include "testhome.h"

#include <QtTest>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString bundledRules = QStringLiteral(":/rules/junk_rules.json");
// The rules the bundled file holds, and those of them only for Linux.
constexpr int bundledRuleCount = 23;
constexpr int linuxOnlyRuleCount = 3;

QString writeRules(const TestHome &home, const QByteArray &json)
{
    return home.makeFileWithContent(QStringLiteral("rules.json"), json);
}

// One rule per folder: {"id": id, "paths": [path], ...extra}.
QByteArray ruleJson(const QString &id, const QString &path, const QByteArray &extra = QByteArray())
{
    return "{\"id\": \"" + id.toUtf8() + "\", \"name\": \"" + id.toUtf8() + "\", \"paths\": [\"" + path.toUtf8() + "\"]"
        + extra + "}";
}

QByteArray rulesJson(const QList<QByteArray> &rules)
{
    QByteArray joined;
    for (const QByteArray &rule : rules)
        joined += (joined.isEmpty() ? "" : ",") + rule;
    return "{\"version\": \"1.2\", \"rules\": [" + joined + "]}";
}

bool scan(JunkCleaner &cleaner)
{
    QSignalSpy finished(&cleaner, &CleanEngine::scanFinished);
    cleaner.startScan();
    return QTest::qWaitFor([&] { return !finished.isEmpty(); }, 10000);
}

// Runs a clean and returns {bytes cleaned, items cleaned}.
QPair<qint64, int> clean(JunkCleaner &cleaner)
{
    QSignalSpy finished(&cleaner, &CleanEngine::cleanFinished);
    cleaner.startClean();
    // cleanFinished comes from the worker thread, possibly before a wait could start.
    if (!QTest::qWaitFor([&] { return !finished.isEmpty(); }, 10000))
        return { -1, -1 };
    return { finished.at(0).at(0).toLongLong(), finished.at(0).at(1).toInt() };
}

// The id of the category listing path, empty when none does.
QString categoryListing(const ScanResult &result, const QString &path)
{
    for (const CleanCategory &category : result.categories) {
        for (const CleanItem &item : category.items) {
            if (item.path == path)
                return category.id;
        }
    }
    return QString();
}

QStringList itemNames(const CleanCategory *category)
{
    QStringList names;
    if (category) {
        for (const CleanItem &item : category->items)
            names.append(item.name());
    }
    names.sort();
    return names;
}

} // namespace

class TestJunkCleaner : public QObject
{
    Q_OBJECT

private slots:
    void bundledRulesLoad();
    void byteOrderMarkIsIgnored();
    void badRulesFileKeepsRules_data();
    void badRulesFileKeepsRules();
    void wrongTypesReadAsMissingValues();
    void windowsOnlyRuleYieldsNothing();
    void rulesOfAnotherPlatformAreNeitherScannedNorShown();
    void linuxScansItsOwnRules();
    void linuxRulesFindTheirFiles_data();
    void linuxRulesFindTheirFiles();
    void linuxCachesFollowXdgCacheHomeInsideTheHome_data();
    void temporaryFolderHoldingTheHomeOffersNothingOfIt_data();
    void temporaryFolderHoldingTheHomeOffersNothingOfIt();
    void linuxCachesFollowXdgCacheHomeInsideTheHome();
    void cacheWrittenByNpmIsFound();
    void listsVisibleRegularFilesOnly();
    void unreadableFoldersAreReported();
    void listingAgreesWithFind();
    void nestedRuleFoldersAgreeWithFind();
    void patternsAreCaseInsensitiveAndRecursionOptional();
    void downloadInstallersAreInstallersOnly_data();
    void downloadInstallersAreInstallersOnly();
    void settingsOfAppsAreNeverOffered_data();
    void settingsOfAppsAreNeverOffered();
    void singleFileRulePathTakesRuleFlags();
    void trashIsUncheckedWithCheckedItems();
    void fileReachedTwiceIsListedAndCleanedOnce();
    void sizesAreTheSpaceTakenEachFileOnce();
    void fileBelongsToItsClosestRule();
    void trashIsEmptiedEntryByEntry();
    void sharedTemporaryFolderListsOwnFilesOnly();
    void cleanDeletesSelectionAndKeepsTheRest();
    void undeletableItemIsCountedAndCleanGoesOn();
    void cleanNeverLeavesTheRuleFolders();
    void cancelDuringScanDropsCurrentRule();
    void cancelDuringCleanReportsWhatWasDone();
    void cacheOfARunningBrowserIsLeft_data();
    void cacheOfARunningBrowserIsLeft();
};

void TestJunkCleaner::bundledRulesLoad()
{
    TestHome home;
    JunkCleaner cleaner;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Loaded 23 junk rules$")));
    cleaner.loadRules(bundledRules);
    const QList<JunkRule> rules = cleaner.rules();
    QCOMPARE(rules.size(), bundledRuleCount);
    QCOMPARE(rules.first().id, QStringLiteral("temp_files"));
    QCOMPARE(rules.at(19).id, QStringLiteral("windows_old"));
    QCOMPARE(rules.last().id, QStringLiteral("linux_download_installers"));
    QCOMPARE(rules.first().platforms, (QStringList { QStringLiteral("macos"), QStringLiteral("linux") }));
    QCOMPARE(rules.last().platforms, QStringList { QStringLiteral("linux") });
    const JunkRule &installers = rules.at(6);
    QCOMPARE(installers.id, QStringLiteral("download_installers"));
    QCOMPARE(installers.patterns.size(), 6);
    QCOMPARE(installers.recursive, false);
    QCOMPARE(installers.defaultChecked, false);
    QCOMPARE(installers.riskLevel, 1);
    QCOMPARE(installers.platforms, QStringList { QStringLiteral("macos") });
    QCOMPARE(rules.at(1).paths.at(1), QStringLiteral("%LOCALAPPDATA%\\Microsoft\\Windows\\INetCache"));
}

void TestJunkCleaner::byteOrderMarkIsIgnored()
{
    TestHome home;
    QFile bundled(bundledRules);
    QVERIFY(bundled.open(QIODevice::ReadOnly));
    const QString path = writeRules(home, "\xEF\xBB\xBF" + bundled.readAll());
    JunkCleaner plain;
    plain.loadRules(bundledRules);
    JunkCleaner withMark;
    withMark.loadRules(path);
    QCOMPARE(withMark.rules().size(), bundledRuleCount);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(withMark.rules().at(i).id, plain.rules().at(i).id);
        QCOMPARE(withMark.rules().at(i).paths, plain.rules().at(i).paths);
    }
}

void TestJunkCleaner::badRulesFileKeepsRules_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("not JSON") << QByteArray("{\"rules\": [") << QStringLiteral("JSON parse error: ");
    QTest::newRow("array") << QByteArray("[1, 2]") << QStringLiteral("Invalid junk rules format");
    QTest::newRow("missing file") << QByteArray() << QStringLiteral("Failed to load junk rules: ");
}

void TestJunkCleaner::badRulesFileKeepsRules()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, logLine);
    TestHome home;
    const QString path = content.isEmpty() ? home.filePath(QStringLiteral("missing.json")) : writeRules(home, content);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("\\[ERROR\\] ") + QRegularExpression::escape(logLine)));
    cleaner.loadRules(path);
    QCOMPARE(cleaner.rules().size(), bundledRuleCount);
}

void TestJunkCleaner::wrongTypesReadAsMissingValues()
{
    TestHome home;
    const QString path = writeRules(home,
        "{\"rules\": [5, {\"id\": 3, \"name\": \"n\", \"paths\": \"x\", \"patterns\": [1, \"*.log\"],"
        " \"defaultChecked\": \"no\", \"riskLevel\": \"2\", \"recursive\": null}]}");
    JunkCleaner cleaner;
    cleaner.loadRules(path);
    const QList<JunkRule> rules = cleaner.rules();
    QCOMPARE(rules.size(), 2);
    QVERIFY(rules.at(0).id.isEmpty());
    QVERIFY(rules.at(0).paths.isEmpty());
    QCOMPARE(rules.at(0).defaultChecked, true);
    const JunkRule &second = rules.at(1);
    QVERIFY(second.id.isEmpty());
    QCOMPARE(second.name, QStringLiteral("n"));
    QVERIFY(second.paths.isEmpty());
    QCOMPARE(second.patterns, (QStringList { QString(), QStringLiteral("*.log") }));
    QCOMPARE(second.defaultChecked, true);
    QCOMPARE(second.riskLevel, 0);
    QCOMPARE(second.recursive, true);

    // "rules" of the wrong type reads as an empty list; a scan then finds nothing.
    cleaner.loadRules(writeRules(home, "{\"rules\": {\"id\": \"x\"}}"));
    QVERIFY(cleaner.rules().isEmpty());
    QVERIFY(scan(cleaner));
    QVERIFY(cleaner.result().categories.isEmpty());
}

void TestJunkCleaner::windowsOnlyRuleYieldsNothing()
{
    TestHome home;
    home.makeFile(QStringLiteral("Library/Caches/app/cache.db"), 10);
    JunkCleaner cleaner;
    cleaner.loadRules(writeRules(home,
        rulesJson({ "{\"id\": \"win\", \"paths\": [\"%WINDIR%\\\\Temp\", \"%SystemDrive%/Library\", \"%systemroot%\"]}",
            ruleJson(QStringLiteral("caches"), QStringLiteral("%caches%")) })));
    QVERIFY(scan(cleaner));
    QCOMPARE(cleaner.result().categories.size(), 1);
    QCOMPARE(cleaner.result().categories.at(0).id, QStringLiteral("caches"));
}

void TestJunkCleaner::rulesOfAnotherPlatformAreNeitherScannedNorShown()
{
    TestHome home;
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QSignalSpy progress(&cleaner, &CleanEngine::scanProgress);
    QVERIFY(scan(cleaner));
    const QStringList windowsRules { QStringLiteral("Prefetch Files"), QStringLiteral("Windows Update Cache"),
        QStringLiteral("Memory Dumps"), QStringLiteral("Windows Defender Cache"), QStringLiteral("GPU Shader Cache"),
        QStringLiteral("Old Windows Installation") };
    const int macRules = bundledRuleCount - linuxOnlyRuleCount - int(windowsRules.size());
    QCOMPARE(macRules, 14);
    QTRY_COMPARE(progress.isEmpty() ? 0 : progress.last().at(0).toInt(), macRules);
    for (const QList<QVariant> &report : std::as_const(progress)) {
        QCOMPARE(report.at(1).toInt(), macRules);
        QVERIFY2(!windowsRules.contains(report.at(2).toString()), qPrintable(report.at(2).toString()));
    }
}

void TestJunkCleaner::linuxScansItsOwnRules()
{
    TestHome home;
    Platform::setCurrentForTesting(Platform::System::Linux);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QSignalSpy progress(&cleaner, &CleanEngine::scanProgress);
    QVERIFY(scan(cleaner));
    const QStringList linuxRules { QStringLiteral("System Temporary Files"), QStringLiteral("Application Caches"),
        QStringLiteral("Log Files"), QStringLiteral("Thumbnail Cache"), QStringLiteral("Package Caches"),
        QStringLiteral("Download Installers") };
    QTRY_COMPARE(progress.isEmpty() ? 0 : progress.last().at(0).toInt(), int(linuxRules.size()));
    for (const QList<QVariant> &report : std::as_const(progress)) {
        QCOMPARE(report.at(1).toInt(), int(linuxRules.size()));
        QVERIFY2(linuxRules.contains(report.at(2).toString()), qPrintable(report.at(2).toString()));
    }
}

// One file in a Linux home, and the rule that offers it (none: left alone).
void TestJunkCleaner::linuxRulesFindTheirFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rule");

    QTest::newRow("application cache") << ".cache/org.gnome.Maps/tiles/1.png"
                                       << "app_caches";
    QTest::newRow("log in the caches") << ".cache/tracker3/debug.log"
                                       << "app_caches";
    QTest::newRow("thumbnail") << ".cache/thumbnails/normal/0a1b2c.png"
                               << "thumbnails";
    QTest::newRow("large thumbnail") << ".cache/thumbnails/x-large/3d4e5f.png"
                                     << "thumbnails";
    QTest::newRow("pip") << ".cache/pip/http-v2/a/b/c/d/e/0123.body"
                         << "package_caches";
    QTest::newRow("npm") << ".npm/_cacache/content-v2/sha512/56/01/dd6c"
                         << "package_caches";
    QTest::newRow("yarn") << ".cache/yarn/v6/npm-left-pad-1.3.0/package.json"
                          << "package_caches";
    QTest::newRow("yarn berry") << ".yarn/berry/cache/left-pad-npm-1.3.0-12.zip"
                                << "package_caches";
    QTest::newRow("pnpm") << ".cache/pnpm/metadata/registry.npmjs.org/left-pad.json"
                          << "package_caches";
    QTest::newRow("cargo") << ".cargo/registry/cache/index.crates.io-6f17d22bba15001f/serde-1.0.215.crate"
                           << "package_caches";
    QTest::newRow("go build") << ".cache/go-build/3f/3f2a-d"
                              << "package_caches";
    QTest::newRow("gradle") << ".gradle/caches/modules-2/files-2.1/junit/junit-4.13.jar"
                            << "package_caches";
    QTest::newRow("maven") << ".m2/repository/junit/junit/4.13/junit-4.13.jar"
                           << "package_caches";
    QTest::newRow("ccache") << ".cache/ccache/a/b/c5R"
                            << "package_caches";
    QTest::newRow("old ccache") << ".ccache/1/2/c5R"
                                << "package_caches";
    QTest::newRow("state log") << ".local/state/wireplumber/wireplumber.log"
                               << "log_files";
    QTest::newRow("rotated state log") << ".local/state/app/app.log.gz"
                                       << "log_files";
    QTest::newRow("temporary file") << "tmp/cc1a2b.o"
                                    << "temp_files";
    QTest::newRow("debian package") << "Downloads/code_1.95.3_amd64.deb"
                                    << "linux_download_installers";
    QTest::newRow("rpm package") << "Downloads/slack-4.41.105.x86_64.rpm"
                                 << "linux_download_installers";
    QTest::newRow("appimage") << "Downloads/Obsidian-1.7.7.AppImage"
                              << "linux_download_installers";
    QTest::newRow("flatpak reference") << "Downloads/org.gimp.GIMP.flatpakref"
                                       << "linux_download_installers";
    QTest::newRow("document in downloads") << "Downloads/report.pdf"
                                           << "";
    QTest::newRow("mac disk image") << "Downloads/Firefox 133.0.dmg"
                                    << "";
    QTest::newRow("state kept") << ".local/state/app/session.json"
                                << "";
    QTest::newRow("settings") << ".config/app/settings.ini"
                              << "";
    QTest::newRow("application data") << ".local/share/app/library.db"
                                      << "";
    QTest::newRow("npm's installed package") << ".npm/lib/node_modules/x/index.js"
                                             << "";
    QTest::newRow("cargo sources") << ".cargo/registry/src/index.crates.io-6f17d22bba15001f/serde/lib.rs"
                                   << "";
    QTest::newRow("mac caches folder") << "Library/Caches/app/cache.db"
                                       << "";
    QTest::newRow("mac trash") << ".Trash/old.txt"
                               << "";
}

void TestJunkCleaner::linuxRulesFindTheirFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, rule);
    TestHome home;
    Platform::setCurrentForTesting(Platform::System::Linux);
    const QString path = home.makeFile(file, 100);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    QCOMPARE(categoryListing(cleaner.result(), path), rule);
}

// The caches folder a scan lists on Linux for an XDG_CACHE_HOME ({home}: the home folder);
// a refused value leaves the default ~/.cache.
void TestJunkCleaner::linuxCachesFollowXdgCacheHomeInsideTheHome_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("listed");

    QTest::newRow("default") << "{home}/.cache"
                             << ".cache";
    QTest::newRow("moved inside the home") << "{home}/var/cache"
                                           << "var/cache";
    QTest::newRow("outside the home") << "{home}/../outside"
                                      << ".cache";
    QTest::newRow("the home itself") << "{home}"
                                     << ".cache";
    QTest::newRow("relative") << "var/cache"
                              << ".cache";
}

void TestJunkCleaner::linuxCachesFollowXdgCacheHomeInsideTheHome()
{
    QFETCH(QString, value);
    QFETCH(QString, listed);
    TestHome test;
    const QString home = test.makeDir(QStringLiteral("user"));
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(QString(value).replace(QLatin1String("{home}"), home)));
    Platform::setCurrentForTesting(Platform::System::Linux);
    const QStringList caches { QStringLiteral("user/.cache"), QStringLiteral("user/var/cache"),
        QStringLiteral("outside") };
    for (const QString &folder : caches)
        test.makeFile(folder + QStringLiteral("/app/cache.bin"), 10);
    test.makeFile(QStringLiteral("user/precious.txt"), 10);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    QCOMPARE(itemNames(cleaner.result().findCategory(QStringLiteral("app_caches"))),
        QStringList { QStringLiteral("cache.bin") });
    const QString expected = home + QLatin1Char('/') + listed + QStringLiteral("/app/cache.bin");
    QCOMPARE(categoryListing(cleaner.result(), expected), QStringLiteral("app_caches"));
    QCOMPARE(categoryListing(cleaner.result(), home + QStringLiteral("/precious.txt")), QString());
}

// Everything in the temporary folder is junk, so a TMPDIR that is the home or holds it ({root}:
// the folder the home lies in) must offer none of the home's files.
void TestJunkCleaner::temporaryFolderHoldingTheHomeOffersNothingOfIt_data()
{
    QTest::addColumn<QString>("tmpdir");
    QTest::addColumn<bool>("scratchListed");

    QTest::newRow("a folder of its own") << "{root}/tmp" << true;
    QTest::newRow("the home") << "{root}/user" << false;
    QTest::newRow("the folder holding the home") << "{root}" << false;
}

void TestJunkCleaner::temporaryFolderHoldingTheHomeOffersNothingOfIt()
{
    QFETCH(QString, tmpdir);
    QFETCH(bool, scratchListed);
    TestHome test;
    const QString home = test.makeDir(QStringLiteral("user"));
    const QString precious = test.makeFile(QStringLiteral("user/Documents/precious.txt"), 10);
    const QString scratch = test.makeFile(QStringLiteral("tmp/scratch.tmp"), 10);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("TMPDIR", QFile::encodeName(QString(tmpdir).replace(QLatin1String("{root}"), test.path())));
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    QCOMPARE(categoryListing(cleaner.result(), precious), QString());
    QCOMPARE(categoryListing(cleaner.result(), scratch), scratchListed ? QStringLiteral("temp_files") : QString());
}

// npm itself fills its cache (offline, from a package packed here) and the scan offers what it wrote.
void TestJunkCleaner::cacheWrittenByNpmIsFound()
{
    const QString npm = QStandardPaths::findExecutable(QStringLiteral("npm"));
    if (npm.isEmpty())
        QSKIP("npm is not installed");
    TestHome home;
    Platform::setCurrentForTesting(Platform::System::Linux);
    const QString package = home.makeFileWithContent(
        QStringLiteral("work/package.json"), "{\"name\": \"sweepnook-fixture\", \"version\": \"1.0.0\"}\n");
    const auto runNpm = [&](const QStringList &arguments) {
        QProcess process;
        process.setWorkingDirectory(QFileInfo(package).path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("npm_config_update_notifier"), QStringLiteral("false"));
        process.setProcessEnvironment(environment);
        process.start(npm, arguments + QStringList { QStringLiteral("--offline"), QStringLiteral("--silent") });
        return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    };
    QVERIFY(runNpm({ QStringLiteral("pack") }));
    QVERIFY(
        runNpm({ QStringLiteral("cache"), QStringLiteral("add"), QStringLiteral("./sweepnook-fixture-1.0.0.tgz") }));
    const QString cache = home.filePath(QStringLiteral(".npm/_cacache"));
    QDirIterator written(cache, QDir::Files, QDirIterator::Subdirectories);
    QStringList files;
    while (written.hasNext())
        files.append(written.next());
    QVERIFY(!files.isEmpty());

    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    for (const QString &file : std::as_const(files))
        QCOMPARE(categoryListing(cleaner.result(), file), QStringLiteral("package_caches"));
}

void TestJunkCleaner::unreadableFoldersAreReported()
{
    if (::geteuid() == 0)
        QSKIP("root reads every folder");
    TestHome home;
    home.makeFile(QStringLiteral("Library/Caches/app/visible.db"), 10);
    const QString locked = home.makeDir(QStringLiteral("Library/Caches/com.apple.Safari"));
    home.makeFile(QStringLiteral("Library/Caches/com.apple.Safari/Cache.db"), 10);
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    const bool scanned = scan(cleaner);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(scanned);
    QCOMPARE(cleaner.result().unreadableFolders, QStringList { locked });
}

void TestJunkCleaner::listsVisibleRegularFilesOnly()
{
    TestHome home;
    const QString outside = home.makeDir(QStringLiteral("Documents"));
    home.makeFile(QStringLiteral("Documents/precious.txt"), 5);
    home.makeFile(QStringLiteral("Library/Caches/app/visible.db"), 10);
    home.makeFile(QStringLiteral("Library/Caches/app/.hidden.db"), 10);
    home.makeFile(QStringLiteral("Library/Caches/.hiddendir/inside.db"), 10);
    home.makeFile(QStringLiteral("Library/Caches/app/sub/deep.db"), 10);
    home.makeLink(QStringLiteral("Library/Caches/linkToFolder"), outside);
    home.makeLink(QStringLiteral("Library/Caches/linkToFile"), outside + QStringLiteral("/precious.txt"));
    home.makeFile(QStringLiteral("tmp/scratch.o"), 3);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    QCOMPARE(itemNames(cleaner.result().findCategory(QStringLiteral("app_caches"))),
        (QStringList { QStringLiteral("deep.db"), QStringLiteral("visible.db") }));
    // %TEMP% is the test's own temporary folder.
    const CleanCategory *temp = cleaner.result().findCategory(QStringLiteral("temp_files"));
    QVERIFY(temp);
    QCOMPARE(temp->items.size(), 1);
    QCOMPARE(temp->items.at(0).path, home.tempPath() + QStringLiteral("/scratch.o"));
    QCOMPARE(temp->items.at(0).size, 3);
}

void TestJunkCleaner::listingAgreesWithFind()
{
    TestHome home;
    for (int i = 0; i < 60; ++i) {
        home.makeFile(QStringLiteral("Library/Caches/app%1/d%2/file %3.bin").arg(i % 4).arg(i % 7).arg(i), i * 37);
        home.makeFile(QStringLiteral("Library/Caches/app%1/.skip%2/f%3").arg(i % 3).arg(i % 2).arg(i), 5);
    }
    home.makeFile(QStringLiteral("Library/Caches/empty.bin"), 0);
    home.makeLink(QStringLiteral("Library/Caches/app1/loop"), home.filePath(QStringLiteral("Library")));
    JunkCleaner cleaner;
    cleaner.loadRules(writeRules(home, rulesJson({ ruleJson(QStringLiteral("caches"), QStringLiteral("%CACHES%")) })));
    QVERIFY(scan(cleaner));
    QStringList listed;
    for (const CleanItem &item : cleaner.result().categories.at(0).items)
        listed.append(QStringLiteral("%1 %2").arg(item.size).arg(item.path));
    listed.sort();

    // Regular files below the folder, hidden entries and everything below them left out.
    QProcess find;
    find.start(QStringLiteral("find"),
        { home.filePath(QStringLiteral("Library/Caches")), QStringLiteral("-mindepth"), QStringLiteral("1"),
            QStringLiteral("-name"), QStringLiteral(".*"), QStringLiteral("-prune"), QStringLiteral("-o"),
            QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-printf"), QStringLiteral("%s %p\\n") });
    QVERIFY(find.waitForFinished(120000));
    QStringList expected = QString::fromUtf8(find.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    expected.sort();
    QCOMPARE(listed.size(), 61);
    QCOMPARE(listed, expected);
}

// The bundled rules on a home where rule folders lie inside others (QuickLook's, pip's and the
// temporary items' caches inside the caches folder) and others stand alone: every file find sees
// in those folders is listed exactly once, in the category of its closest rule.
void TestJunkCleaner::nestedRuleFoldersAgreeWithFind()
{
    TestHome home;
    const QStringList folders = { QStringLiteral("Library/Caches/com.apple.QuickLook.thumbnailcache"),
        QStringLiteral("Library/Caches/pip/http"), QStringLiteral("Library/Caches/TemporaryItems"),
        QStringLiteral("Library/Caches/app/sub"), QStringLiteral("Library/Developer/Xcode/DerivedData/App-abc"),
        QStringLiteral("Library/Logs/DiagnosticReports"), QStringLiteral("tmp/build") };
    for (int i = 0; i < 140; ++i) {
        home.makeFile(QStringLiteral("%1/f%2.bin").arg(folders.at(i % folders.size())).arg(i), i * 13);
        home.makeFile(QStringLiteral("%1/.hidden/f%2").arg(folders.at(i % folders.size())).arg(i), 7);
    }
    home.makeLink(QStringLiteral("Library/Caches/app/loop"), home.filePath(QStringLiteral("Library")));
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    QStringList listed;
    QHash<QString, QString> categoryOf;
    for (const CleanCategory &category : cleaner.result().categories) {
        for (const CleanItem &item : category.items) {
            listed.append(QStringLiteral("%1 %2").arg(item.size).arg(item.path));
            categoryOf.insert(item.path.section(QLatin1Char('/'), -2, -2), category.id);
        }
    }
    listed.sort();

    QProcess find;
    find.start(QStringLiteral("find"),
        { home.filePath(QStringLiteral("Library/Caches")), home.filePath(QStringLiteral("Library/Developer")),
            home.filePath(QStringLiteral("Library/Logs")), home.tempPath(), QStringLiteral("-mindepth"),
            QStringLiteral("1"), QStringLiteral("-name"), QStringLiteral(".*"), QStringLiteral("-prune"),
            QStringLiteral("-o"), QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-printf"),
            QStringLiteral("%s %p\\n") });
    QVERIFY(find.waitForFinished(120000));
    QStringList expected = QString::fromUtf8(find.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    expected.sort();
    QCOMPARE(listed.size(), 140);
    QCOMPARE(listed, expected);
    const QList<QPair<QString, QString>> owners
        = { { QStringLiteral("com.apple.QuickLook.thumbnailcache"), QStringLiteral("quicklook_cache") },
              { QStringLiteral("http"), QStringLiteral("developer_caches") },
              { QStringLiteral("TemporaryItems"), QStringLiteral("temp_files") },
              { QStringLiteral("sub"), QStringLiteral("app_caches") },
              { QStringLiteral("App-abc"), QStringLiteral("developer_caches") },
              { QStringLiteral("DiagnosticReports"), QStringLiteral("crash_reports") },
              { QStringLiteral("build"), QStringLiteral("temp_files") } };
    for (const auto &[folder, category] : owners)
        QCOMPARE(categoryOf.value(folder), category);
}

void TestJunkCleaner::patternsAreCaseInsensitiveAndRecursionOptional()
{
    TestHome home;
    home.makeFile(QStringLiteral("Downloads/Setup.DMG"), 10);
    home.makeFile(QStringLiteral("Downloads/source.TAR.GZ"), 10);
    home.makeFile(QStringLiteral("Downloads/photo.jpg"), 10);
    home.makeFile(QStringLiteral("Downloads/sub/inner.dmg"), 10);
    home.makeFile(QStringLiteral("Library/Logs/app/run.log"), 10);
    home.makeFile(QStringLiteral("Library/Logs/app/notes.txt"), 10);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    QCOMPARE(itemNames(cleaner.result().findCategory(QStringLiteral("download_installers"))),
        QStringList { QStringLiteral("Setup.DMG") });
    QCOMPARE(itemNames(cleaner.result().findCategory(QStringLiteral("log_files"))),
        QStringList { QStringLiteral("run.log") });
}

void TestJunkCleaner::downloadInstallersAreInstallersOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("offered");
    QTest::newRow("disk image") << QStringLiteral("Firefox 133.0.dmg") << true;
    QTest::newRow("package") << QStringLiteral("Zoom.pkg") << true;
    QTest::newRow("meta-package") << QStringLiteral("Suite.mpkg") << true;
    QTest::newRow("debian package") << QStringLiteral("code_1.95.3_amd64.deb") << true;
    QTest::newRow("rpm package") << QStringLiteral("slack-4.41.105.x86_64.rpm") << true;
    QTest::newRow("appimage") << QStringLiteral("Obsidian-1.7.7.AppImage") << true;
    QTest::newRow("documents archive") << QStringLiteral("tax-documents-2024.zip") << false;
    QTest::newRow("photos archive") << QStringLiteral("photos-export.zip") << false;
    QTest::newRow("tarball") << QStringLiteral("project-backup.tar.gz") << false;
    QTest::newRow("rar") << QStringLiteral("thesis.rar") << false;
    QTest::newRow("7z") << QStringLiteral("scans.7z") << false;
    QTest::newRow("windows program") << QStringLiteral("setup.exe") << false;
}

// Ordinary archives in Downloads are the user's files, not installers left behind.
void TestJunkCleaner::downloadInstallersAreInstallersOnly()
{
    QFETCH(QString, name);
    QFETCH(bool, offered);
    TestHome home;
    home.makeFile(QStringLiteral("Downloads/") + name, 10);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    QCOMPARE(itemNames(cleaner.result().findCategory(QStringLiteral("download_installers"))),
        offered ? QStringList { name } : QStringList());
}

void TestJunkCleaner::settingsOfAppsAreNeverOffered_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("editor preferences") << QStringLiteral("Library/Preferences/com.microsoft.VSCode.plist");
    QTest::newRow("chat preferences") << QStringLiteral("Library/Preferences/com.tinyspeck.slackmacgap.plist");
    QTest::newRow("music preferences") << QStringLiteral("Library/Preferences/com.spotify.client.plist");
    QTest::newRow("system preferences") << QStringLiteral("Library/Preferences/com.apple.systempreferences.plist");
    QTest::newRow("safari cookies") << QStringLiteral("Library/Cookies/Cookies.binarycookies");
    QTest::newRow("saved window state") << QStringLiteral(
        "Library/Saved Application State/com.spotify.client.savedState/windows.plist");
}

// A junk scan cannot tell an installed app's settings from an uninstalled one's: it offers
// neither (the uninstaller finds an app's leftovers when it removes the app).
void TestJunkCleaner::settingsOfAppsAreNeverOffered()
{
    QFETCH(QString, file);
    TestHome home;
    const QString path = home.makeFile(file, 100);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    QVERIFY(!cleaner.foundPaths().contains(path));
    for (const CleanCategory &category : cleaner.result().categories) {
        for (const CleanItem &item : category.items)
            QVERIFY2(!item.path.startsWith(path), qPrintable(category.id));
    }
}

void TestJunkCleaner::singleFileRulePathTakesRuleFlags()
{
    TestHome home;
    home.makeFile(QStringLiteral("Library/Thing/state.bin"), 7);
    home.makeFile(QStringLiteral("Library/Folder/a.nomatch"), 3);
    JunkCleaner cleaner;
    const QByteArray flags = ", \"patterns\": [\"*.nomatch\"], \"defaultChecked\": false, \"riskLevel\": 2";
    cleaner.loadRules(writeRules(home,
        rulesJson({ ruleJson(QStringLiteral("single"), QStringLiteral("%USERPROFILE%/Library/Thing/state.bin"), flags),
            ruleJson(QStringLiteral("folder"), QStringLiteral("%USERPROFILE%/Library/Folder"), flags) })));
    QVERIFY(scan(cleaner));
    const CleanCategory *single = cleaner.result().findCategory(QStringLiteral("single"));
    QVERIFY(single);
    QCOMPARE(single->items.size(), 1);
    QCOMPARE(single->items.at(0).checked, false);
    QCOMPARE(single->items.at(0).riskLevel, 2);
    QCOMPARE(single->items.at(0).size, 7);
    const CleanCategory *folder = cleaner.result().findCategory(QStringLiteral("folder"));
    QVERIFY(folder);
    QCOMPARE(folder->items.at(0).checked, true);
    QCOMPARE(folder->items.at(0).riskLevel, 0);
    QCOMPARE(folder->checked, false);
    QCOMPARE(folder->riskLevel, 2);
}

void TestJunkCleaner::trashIsUncheckedWithCheckedItems()
{
    TestHome home;
    home.makeFile(QStringLiteral(".Trash/old.txt"), 100);
    home.makeFile(QStringLiteral(".Trash/folder/older.txt"), 50);
    home.makeFile(QStringLiteral("Library/Caches/app/cache.db"), 10);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    CleanCategory *trash = cleaner.result().findCategory(QStringLiteral("trash"));
    QVERIFY(trash);
    QCOMPARE(trash->checked, false);
    QCOMPARE(trash->riskLevel, 1);
    QCOMPARE(trash->selectedCount(), 2);
    QCOMPARE(cleaner.result().selectedItemCount(), 1);
    QCOMPARE(cleaner.result().selectedSize(), 10);
    trash->checked = true;
    QCOMPARE(cleaner.result().selectedItemCount(), 3);
    QCOMPARE(cleaner.result().selectedSize(), 160);
}

void TestJunkCleaner::fileReachedTwiceIsListedAndCleanedOnce()
{
    TestHome home;
    // %LOGS% and ~/Library/Logs name one folder; the Safari cache lies inside the caches folder.
    const QString log = home.makeFile(QStringLiteral("Library/Logs/app.log"), 40);
    const QString safari = home.makeFile(QStringLiteral("Library/Caches/com.apple.Safari/blob"), 60);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    ScanResult &result = cleaner.result();
    QCOMPARE(result.findCategory(QStringLiteral("log_files"))->items.size(), 1);
    QVERIFY(!result.findCategory(QStringLiteral("app_caches")));
    QCOMPARE(result.findCategory(QStringLiteral("browser_caches"))->items.size(), 1);
    QCOMPARE(result.totalItemCount(), 2);
    QCOMPARE(result.totalSize(), 100);

    QSignalSpy progress(&cleaner, &CleanEngine::cleanProgress);
    QCOMPARE(clean(cleaner), qMakePair(qint64(100), 2));
    QVERIFY(!QFile::exists(log));
    QVERIFY(!QFile::exists(safari));
    QCOMPARE(progress.last().at(0).toInt(), 2);
    QCOMPARE(progress.last().at(1).toInt(), 2);
}

// A sparse cache of 64 MiB with one block written, listed under two names, counts that block
// once in the rows, the total and what the clean freed.
void TestJunkCleaner::sizesAreTheSpaceTakenEachFileOnce()
{
    TestHome home;
    const qint64 length = 64 * 1024 * 1024;
    const QString sparse
        = home.makeSparseFile(QStringLiteral("Library/Caches/app/big.cache"), length, QByteArray(4096, 's'));
    QCOMPARE(::link(QFile::encodeName(sparse).constData(),
                 QFile::encodeName(home.filePath(QStringLiteral("Library/Caches/app/big-link.cache"))).constData()),
        0);
    home.makeFile(QStringLiteral("Library/Caches/app/small.cache"), 100);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    const CleanCategory *caches = cleaner.result().findCategory(QStringLiteral("app_caches"));
    QVERIFY(caches);
    QCOMPARE(caches->items.size(), 3);
    const qint64 total = cleaner.result().totalSize();
    QVERIFY2(total >= 4096 + 100 && total < length / 64, qPrintable(QString::number(total)));

    QCOMPARE(clean(cleaner), qMakePair(total, 3));
    QVERIFY(!QFile::exists(sparse));
}

// The caches folder holds QuickLook's cache: its files are QuickLook's only, the rows add up to
// the total, a file unticked there survives the clean, and items go largest first.
void TestJunkCleaner::fileBelongsToItsClosestRule()
{
    TestHome home;
    const QString blob
        = home.makeFile(QStringLiteral("Library/Caches/com.apple.QuickLook.thumbnailcache/blob-2.bin"), 200);
    const QString thumbs
        = home.makeFile(QStringLiteral("Library/Caches/com.apple.QuickLook.thumbnailcache/index"), 300);
    home.makeFile(QStringLiteral("Library/Caches/app/small"), 10);
    home.makeFile(QStringLiteral("Library/Caches/app/large"), 90);
    home.makeFile(QStringLiteral("Library/Caches/app/middle"), 50);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    ScanResult &result = cleaner.result();
    CleanCategory *quickLook = result.findCategory(QStringLiteral("quicklook_cache"));
    CleanCategory *caches = result.findCategory(QStringLiteral("app_caches"));
    QVERIFY(quickLook && caches);
    QCOMPARE(itemNames(quickLook), QStringList({ QStringLiteral("blob-2.bin"), QStringLiteral("index") }));
    QStringList order;
    for (const CleanItem &item : caches->items)
        order.append(item.name());
    QCOMPARE(order, QStringList({ QStringLiteral("large"), QStringLiteral("middle"), QStringLiteral("small") }));
    qint64 rows = 0;
    for (const CleanCategory &category : result.categories)
        rows += category.totalSize();
    QCOMPARE(rows, result.totalSize());
    QCOMPARE(result.totalSize(), 650);
    // The totals add up without a set of paths only because no path is listed twice.
    QVERIFY(result.eachPathOnce);
    ScanResult checkedByPath = result;
    checkedByPath.eachPathOnce = false;
    QCOMPARE(checkedByPath.totalItemCount(), result.totalItemCount());

    for (CleanItem &item : quickLook->items)
        item.checked = item.path != blob;
    QCOMPARE(result.selectedSize(), 450);
    QCOMPARE(clean(cleaner), qMakePair(qint64(450), 4));
    QVERIFY(QFile::exists(blob));
    QVERIFY(!QFile::exists(thumbs));
}

void TestJunkCleaner::trashIsEmptiedEntryByEntry()
{
    TestHome home;
    home.makeFile(QStringLiteral(".Trash/old.txt"), 100);
    home.makeFile(QStringLiteral(".Trash/Old Folder/inner/older.txt"), 50);
    home.makeFile(QStringLiteral(".Trash/Old Folder/oldest.txt"), 25);
    home.makeDir(QStringLiteral(".Trash/Empty Folder"));
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    CleanCategory *trash = cleaner.result().findCategory(QStringLiteral("trash"));
    QVERIFY(trash);
    QCOMPARE(itemNames(trash),
        QStringList({ QStringLiteral("Empty Folder"), QStringLiteral("Old Folder"), QStringLiteral("old.txt") }));
    QCOMPARE(trash->totalSize(), 175);
    for (CleanCategory &category : cleaner.result().categories)
        category.checked = category.id == QLatin1String("trash");
    QCOMPARE(clean(cleaner), qMakePair(qint64(175), 3));
    QCOMPARE(
        QDir(home.filePath(QStringLiteral(".Trash"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList());
}

// Where the temporary folder is shared (world-writable), only the user's own files are listed.
void TestJunkCleaner::sharedTemporaryFolderListsOwnFilesOnly()
{
    if (::geteuid() != 0)
        QSKIP("needs root to give a file to another user");
    TestHome home;
    const QString own = home.makeFile(QStringLiteral("shared-tmp/mine.tmp"), 10);
    const QString foreign = home.makeFile(QStringLiteral("shared-tmp/theirs/other.tmp"), 20);
    const QString shared = QFileInfo(own).path();
    QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
    QVERIFY(::chown(QFile::encodeName(foreign).constData(), 65534, 65534) == 0);
    qputenv("TMPDIR", QFile::encodeName(shared));
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    qputenv("TMPDIR", QFile::encodeName(home.tempPath()));
    QCOMPARE(itemNames(cleaner.result().findCategory(QStringLiteral("temp_files"))),
        QStringList({ QStringLiteral("mine.tmp") }));
}

void TestJunkCleaner::cleanDeletesSelectionAndKeepsTheRest()
{
    TestHome home;
    const QString chosen = home.makeFile(QStringLiteral("Library/Caches/app/a.db"), 10);
    const QString unchosen = home.makeFile(QStringLiteral("Library/Caches/app/b.db"), 20);
    const QString trashed = home.makeFile(QStringLiteral(".Trash/old.txt"), 30);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    for (CleanItem &item : cleaner.result().findCategory(QStringLiteral("app_caches"))->items)
        item.checked = item.path == chosen;
    QCOMPARE(clean(cleaner), qMakePair(qint64(10), 1));
    QVERIFY(!QFile::exists(chosen));
    QVERIFY(QFile::exists(unchosen));
    QVERIFY(QFile::exists(trashed));
    QCOMPARE(cleaner.state(), CleanEngine::Finished);
    // The result keeps what remains, for the page to show.
    QCOMPARE(
        itemNames(cleaner.result().findCategory(QStringLiteral("app_caches"))), QStringList { QStringLiteral("b.db") });
    QCOMPARE(
        itemNames(cleaner.result().findCategory(QStringLiteral("trash"))), QStringList { QStringLiteral("old.txt") });
    QCOMPARE(cleaner.result().totalSize(), 50);
}

void TestJunkCleaner::undeletableItemIsCountedAndCleanGoesOn()
{
    TestHome home;
    const QString first = home.makeFile(QStringLiteral("Library/Caches/app/1.db"), 10);
    const QString swapped = home.makeFile(QStringLiteral("Library/Caches/app/2.db"), 20);
    const QString last = home.makeFile(QStringLiteral("Library/Caches/app/3.db"), 30);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    // Between scan and clean the file became a folder with content: it must survive.
    QVERIFY(QFile::remove(swapped));
    const QString inside = home.makeFile(QStringLiteral("Library/Caches/app/2.db/keep.txt"), 5);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("\\[WARN\\] Failed to remove file: .*2\\.db")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Cleaned 2 items, 40 B\\. Failed: 1 items$")));
    QCOMPARE(clean(cleaner), qMakePair(qint64(40), 2));
    QVERIFY(!QFile::exists(first));
    QVERIFY(!QFile::exists(last));
    QVERIFY(QFile::exists(inside));
    // Only the failure stays listed, with its reason.
    const CleanCategory *caches = cleaner.result().findCategory(QStringLiteral("app_caches"));
    QCOMPARE(itemNames(caches), QStringList { QStringLiteral("2.db") });
    QCOMPARE(caches->items.first().failure, QStringLiteral("a folder"));
}

void TestJunkCleaner::cleanNeverLeavesTheRuleFolders()
{
    TestHome home;
    const QString outside = home.makeFile(QStringLiteral("Documents/app/1.db"), 10);
    home.makeFile(QStringLiteral("Library/Caches/app/1.db"), 10);
    const QString planted = home.makeFile(QStringLiteral("Documents/planted.txt"), 10);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    CleanCategory *caches = cleaner.result().findCategory(QStringLiteral("app_caches"));
    caches->items.append(CleanItem(planted, 10));
    caches->items.append(CleanItem(home.filePath(QStringLiteral("Library/Caches/../../Documents/planted.txt")), 10));
    // The scanned folder is swapped for a link to a folder outside the caches.
    QVERIFY(QDir(home.filePath(QStringLiteral("Library/Caches/app"))).removeRecursively());
    home.makeLink(QStringLiteral("Library/Caches/app"), home.filePath(QStringLiteral("Documents/app")));
    QCOMPARE(clean(cleaner), qMakePair(qint64(0), 0));
    QVERIFY(QFile::exists(outside));
    QVERIFY(QFile::exists(planted));
}

// Cancelled at its first progress report: the scan stops within a rule, reports nothing, and a
// rule it was walking when the cancel came is dropped, never listed in part.
void TestJunkCleaner::cancelDuringScanDropsCurrentRule()
{
    TestHome home;
    constexpr int tempFiles = 3000;
    for (int i = 0; i < tempFiles; ++i)
        home.makeFile(QStringLiteral("tmp/scratch%1.o").arg(i), 1);
    home.makeFile(QStringLiteral("Library/Caches/app/cache.db"), 10);
    home.makeFile(QStringLiteral("Library/Logs/run.log"), 10);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QSignalSpy finished(&cleaner, &CleanEngine::scanFinished);
    connect(&cleaner, &CleanEngine::scanProgress, &cleaner, [&] { cleaner.cancel(); });
    cleaner.startScan();
    QTRY_VERIFY(!cleaner.isBusy());
    QCOMPARE(cleaner.state(), CleanEngine::Cancelled);
    QCOMPARE(finished.count(), 0);
    const CleanCategory *temp = cleaner.result().findCategory(QStringLiteral("temp_files"));
    QVERIFY(!temp || temp->items.size() == tempFiles);
}

// Cancelled at its first progress report, a clean stops between files and reports exactly
// what it removed.
void TestJunkCleaner::cancelDuringCleanReportsWhatWasDone()
{
    TestHome home;
    constexpr int cacheFiles = 3000;
    QStringList files;
    for (int i = 0; i < cacheFiles; ++i)
        files.append(home.makeFile(QStringLiteral("Library/Caches/app/%1.db").arg(i), 1));
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    connect(&cleaner, &CleanEngine::cleanProgress, &cleaner, [&] { cleaner.cancel(); });
    const QPair<qint64, int> cleaned = clean(cleaner);
    const auto removed
        = int(std::count_if(files.cbegin(), files.cend(), [](const QString &file) { return !QFile::exists(file); }));
    QVERIFY(cleaned.second < cacheFiles);
    QCOMPARE(cleaned.second, removed);
    QCOMPARE(cleaned.first, qint64(removed));
    QCOMPARE(cleaner.state(), CleanEngine::Cancelled);
}

// Chrome keeps its HTTP cache below ~/Library/Caches, where the caches rule takes it too: while
// the browser runs (its lock on the user-data folder, or a process of its name) the junk clean
// leaves that cache and says why; closed, the browser's cache goes. Other caches go either way.
void TestJunkCleaner::cacheOfARunningBrowserIsLeft_data()
{
    QTest::addColumn<QString>("process");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("running");
    QTest::newRow("closed") << QString() << false << false;
    QTest::newRow("running, by its process") << QStringLiteral("Google Chrome") << false << true;
    QTest::newRow("running, by its lock") << QString() << true << true;
    QTest::newRow("another browser running") << QStringLiteral("Microsoft Edge") << false << false;
}

void TestJunkCleaner::cacheOfARunningBrowserIsLeft()
{
    QFETCH(QString, process);
    QFETCH(bool, locked);
    QFETCH(bool, running);
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"),
        "#!/bin/sh\n[ -n \"$2\" ] && [ \"$2\" = \"" + process.toUtf8() + "\" ] && exit 0\nexit 1\n");
    home.makeDir(QStringLiteral("Library/Application Support/Google/Chrome/Default"));
    if (locked) {
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        home.makeLink(QStringLiteral("Library/Application Support/Google/Chrome/SingletonLock"),
            QString::fromUtf8(host) + QStringLiteral("-%1").arg(::getpid()));
    }
    const QString cache
        = home.makeFile(QStringLiteral("Library/Caches/Google/Chrome/Default/Cache/Cache_Data/f_000001"), 50);
    const QString other = home.makeFile(QStringLiteral("Library/Caches/com.example.app/cache.db"), 20);
    JunkCleaner cleaner;
    cleaner.loadRules(bundledRules);
    QVERIFY(scan(cleaner));
    // Only these two files are chosen (the fake tools lie in the home's temporary folder).
    for (CleanCategory &category : cleaner.result().categories) {
        for (CleanItem &item : category.items)
            item.checked = item.path == cache || item.path == other;
    }
    QSignalSpy errors(&cleaner, &CleanEngine::errorOccurred);
    QCOMPARE(clean(cleaner), qMakePair(qint64(running ? 20 : 70), running ? 1 : 2));
    QVERIFY(!QFile::exists(other));
    QCOMPARE(QFile::exists(cache), running);
    QCOMPARE(errors.size(), running ? 1 : 0);
    if (running) {
        QVERIFY2(errors.at(0).at(0).toString().contains(QStringLiteral("Google Chrome")),
            qPrintable(errors.at(0).at(0).toString()));
        bool listed = false;
        for (const CleanCategory &category : cleaner.result().categories) {
            for (const CleanItem &item : category.items)
                listed = listed || item.path == cache;
        }
        QVERIFY(listed);
    }
}

QTEST_GUILESS_MAIN(TestJunkCleaner)
#include "tst_junkcleaner.moc"
