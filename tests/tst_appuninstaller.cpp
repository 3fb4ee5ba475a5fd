#include "appfixture.h"
#include "cleaners/appuninstaller.h"
#include "cleaners/launchagentplist.h"
#include "cleaners/leftoverfinder.h"
#include "core/runningprograms.h"
#include "faketools.h"
#include "testhome.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using Keys = QMap<QString, QString>;
using Match = LeftoverFinder::Match;

Q_DECLARE_METATYPE(LeftoverFinder::Match)
Q_DECLARE_METATYPE(UninstallOutcome::Result)

namespace {

// Runs this test program as the uninstaller's side of a test that needs a mount of its own.
const char *const kUninstallEverythingFlag = "--uninstall-everything";

// Runs command (its program and arguments) in a mount namespace of its own, in which folder is
// mounted read-only; the mount is seen by nothing else and goes when the command ends.
void startWithReadOnlyFolder(QProcess &process, const QString &folder, const QStringList &command)
{
    const QString script = QStringLiteral(
        "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" || exit 1\nshift\nexec \"$@\"\n");
    process.start(QStringLiteral("unshare"),
        QStringList { QStringLiteral("-r"), QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"), script,
            QStringLiteral("sh"), folder }
            + command);
}

// Whether this system lets an ordinary user make such a mount (user namespaces may be off).
bool canMountReadOnly(const QString &folder)
{
    QProcess probe;
    startWithReadOnlyFolder(probe, folder, { QStringLiteral("true") });
    return probe.waitForFinished(60000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

// The user's Library with entries of several applications, some of them look-alikes.
void populateLibrary(const TestHome &home)
{
    for (const char *file : { "Preferences/com.foo.app.plist", "Preferences/com.foo.apphelper.plist",
             "Preferences/com.foo.app.helper.plist", "Preferences/com.apple.Notes.plist", "Preferences/Notes.plist",
             "Preferences/[ab] Tool.plist", "Preferences/a Tool.plist", "Preferences/.com.foo.app.hidden",
             "LaunchAgents/com.foo.app.plist", "LaunchAgents/com.foo.app.helper.plist" })
        home.makeFile(QStringLiteral("Library/") + QLatin1String(file), 10);
    for (const char *folder :
        { "Application Support/com.foo.app", "Application Support/Notes", "Application Support/NotesPlus",
            "Application Support/Notes 2", "Containers/com.foo.app", "Containers/com.foo.apphelper",
            "Group Containers/ABCD1234.com.foo.app", "Group Containers/group.com.apple.notes",
            "Group Containers/group.com.foo.apphelper", "Saved Application State/com.foo.app.savedState" })
        home.makeDir(QStringLiteral("Library/") + QLatin1String(folder));
}

// "Folder/entry" below Library, with "*" after a pre-selected one.
QStringList described(const QList<LeftoverItem> &leftovers, const QString &home)
{
    QStringList lines;
    for (const LeftoverItem &leftover : leftovers) {
        const QString relative = QDir(home + QStringLiteral("/Library")).relativeFilePath(leftover.path);
        lines.append(relative + (leftover.selected ? QStringLiteral("*") : QString()));
    }
    lines.sort();
    return lines;
}

QStringList names(const QList<AppInfo> &apps)
{
    QStringList list;
    for (const AppInfo &app : apps)
        list.append(app.name);
    list.sort();
    return list;
}

// The argument lists osascript was called with.
QList<QStringList> osascriptCalls(const FakeTools &tools)
{
    QList<QStringList> calls;
    for (const QString &line : tools.callLog().split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("osascript-argv ")))
            continue;
        QStringList arguments;
        for (const QJsonValue &value : QJsonDocument::fromJson(line.mid(15).toUtf8()).array())
            arguments.append(value.toString());
        calls.append(arguments);
    }
    return calls;
}

QStringList trashEntries(const TestHome &home)
{
    QStringList entries = QDir(home.filePath(QStringLiteral(".Trash")))
                              .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Unsorted);
    entries.sort();
    return entries;
}

// The uninstaller's side of protectionFollowsTheVolume, run as a program of its own (in a mount
// namespace where a bundle is read-only): scans the two folders, uninstalls every app found and
// prints a JSON array saying what became of each.
int uninstallEverything(const QString &systemFolder, const QString &userFolder)
{
    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ systemFolder, userFolder });
    QSignalSpy found(&uninstaller, &AppUninstaller::appFound);
    QSignalSpy finished(&uninstaller, &AppUninstaller::scanFinished);
    uninstaller.startScan();
    if (!finished.wait(60000))
        return 1;
    QJsonArray report;
    for (const QList<QVariant> &signal : std::as_const(found)) {
        const AppInfo app = signal.at(0).value<AppInfo>();
        const UninstallOutcome outcome = uninstaller.uninstallApp(app);
        report.append(QJsonObject { { QStringLiteral("protected"), app.systemProtected },
            { QStringLiteral("result"), int(outcome.result) }, { QStringLiteral("reason"), outcome.reason },
            { QStringLiteral("stays"), QFileInfo::exists(app.path) } });
    }
    QTextStream(stdout) << QJsonDocument(report).toJson(QJsonDocument::Compact);
    return 0;
}

} // namespace

class TestAppUninstaller : public QObject
{
    Q_OBJECT

private slots:
    void ownLoginItemGoesWithItsApp();
    void systemIdentifierIsNeverPreselected_data();
    void systemIdentifierIsNeverPreselected();
    void boundaryMatching_data();
    void boundaryMatching();
    void identifierCases_data();
    void identifierCases();
    void scanReportsBundlesWithIdentifiers();
    void bundleFactsWaitForNoTool_data();
    void bundleFactsWaitForNoTool();
    void uninstallMovesAppAndSelectedLeftoversToTrash();
    void movedBytesAreWhatWent();
    void finderUnavailableRenamesIntoTrashKeepingExtension();
    void pathWithQuoteIsOneArgument();
    void runningAppIsLeftAlone_data();
    void runningAppIsLeftAlone();
    void psListsFullPaths_data();
    void psListsFullPaths();
    void protectionFollowsTheVolume_data();
    void protectionFollowsTheVolume();
    void leftoverEdgeCases();
    void replacedLeftoverIsNeitherUnloadedNorMoved();
    void ownLoginItemIsBootedOutWithItsApp_data();
    void ownLoginItemIsBootedOutWithItsApp();
    void leftoverAlreadyGoneIsNotCountedAsMoved();
};

void TestAppUninstaller::boundaryMatching_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("key");
    QTest::addColumn<Match>("match");
    QTest::addColumn<bool>("matches");
    const auto row = [](const char *name, const char *entry, const char *key, Match match, bool matches) {
        QTest::newRow(name) << QString::fromUtf8(entry) << QString::fromUtf8(key) << match << matches;
    };
    row("identifier alone", "com.foo.app", "com.foo.app", Match::Prefix, true);
    row("identifier then extension", "com.foo.app.plist", "com.foo.app", Match::Prefix, true);
    row("identifier then saved state", "com.foo.app.savedState", "com.foo.app", Match::Prefix, true);
    row("letters go on", "com.foo.apphelper", "com.foo.app", Match::Prefix, false);
    row("digits go on", "com.foo.app2", "com.foo.app", Match::Prefix, false);
    row("other case", "COM.Foo.App.plist", "com.foo.app", Match::Prefix, true);
    row("name then space", "Notes 2", "Notes", Match::Prefix, true);
    row("name then letters", "NotesPlus", "Notes", Match::Prefix, false);
    row("name then accented letter", "Notesé", "Notes", Match::Prefix, false);
    row("brackets are text", "[ab] Tool", "[ab] Tool", Match::Prefix, true);
    row("brackets are no class", "a Tool", "[ab] Tool", Match::Prefix, false);
    row("star is text", "com.foo.app", "*", Match::Prefix, false);
    row("exact", "com.foo.app", "com.foo.app", Match::Exact, true);
    row("exact needs all", "com.foo.app.helper", "com.foo.app", Match::Exact, false);
    row("within after team", "ABCD1234.com.foo.app", "com.foo.app", Match::Within, true);
    row("within then more", "group.com.foo.app.shared", "com.foo.app", Match::Within, true);
    row("within letters after", "group.com.foo.apphelper", "com.foo.app", Match::Within, false);
    row("within letters before", "xcom.foo.app", "com.foo.app", Match::Within, false);
    row("within second place", "com.foo.apphelper.com.foo.app", "com.foo.app", Match::Within, true);
    row("saved state", "com.foo.app.savedState", "com.foo.app", Match::SavedState, true);
    row("saved state of another", "com.foo.app.helper.savedState", "com.foo.app", Match::SavedState, false);
    row("empty key", "anything", "", Match::Prefix, false);
}

void TestAppUninstaller::boundaryMatching()
{
    QFETCH(QString, entry);
    QFETCH(QString, key);
    QFETCH(Match, match);
    QFETCH(bool, matches);
    QCOMPARE(LeftoverFinder::matches(entry, key, match), matches);
}

void TestAppUninstaller::identifierCases_data()
{
    QTest::addColumn<QString>("bundleId");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("installedTwice");
    QTest::addColumn<QStringList>("offered");

    const QStringList foo { QStringLiteral("Application Support/com.foo.app*"),
        QStringLiteral("Containers/com.foo.app*"), QStringLiteral("Group Containers/ABCD1234.com.foo.app*"),
        QStringLiteral("LaunchAgents/com.foo.app.plist*"), QStringLiteral("Preferences/com.foo.app.plist*"),
        QStringLiteral("Saved Application State/com.foo.app.savedState*") };
    QStringList fooUnselected;
    for (const QString &line : foo)
        fooUnselected.append(line.chopped(1));
    const QStringList notesByName { QStringLiteral("Application Support/Notes"),
        QStringLiteral("Application Support/Notes 2"), QStringLiteral("Preferences/Notes.plist") };

    QTest::newRow("star") << QStringLiteral("*") << QStringLiteral("Star") << false << QStringList();
    QTest::newRow("com.apple is too short, name only")
        << QStringLiteral("com.apple") << QStringLiteral("Notes") << false << notesByName;
    QTest::newRow("com.foo.app, not apphelper nor the installed helper")
        << QStringLiteral("com.foo.app") << QStringLiteral("Foo") << false << foo;
    QTest::newRow("same identifier installed elsewhere")
        << QStringLiteral("com.foo.app") << QStringLiteral("Foo") << true << fooUnselected;
    // Apple's identifier outside the system: offered, never pre-selected.
    QTest::newRow("own identifier under com.apple")
        << QStringLiteral("com.apple.Notes") << QStringLiteral("Notes") << false
        << notesByName
            + QStringList { QStringLiteral("Group Containers/group.com.apple.notes"),
                  QStringLiteral("Preferences/com.apple.Notes.plist") };
    QTest::newRow("name with brackets") << QStringLiteral("com.ab.tool") << QStringLiteral("[ab] Tool") << false
                                        << QStringList { QStringLiteral("Preferences/[ab] Tool.plist") };
    QTest::newRow("identifier with a wildcard")
        << QStringLiteral("com.foo.*") << QStringLiteral("Nothing") << false << QStringList();
}

void TestAppUninstaller::identifierCases()
{
    QFETCH(QString, bundleId);
    QFETCH(QString, name);
    QFETCH(bool, installedTwice);
    QFETCH(QStringList, offered);
    offered.sort();
    TestHome home;
    populateLibrary(home);
    const QString bundle = home.filePath(QStringLiteral("Applications/") + name + QStringLiteral(".app"));
    QList<LeftoverFinder::Installed> installed { { bundle, bundleId, name },
        { QStringLiteral("/Applications/Helper.app"), QStringLiteral("com.foo.app.helper"),
            QStringLiteral("Helper") } };
    if (installedTwice)
        installed.append({ QStringLiteral("/Applications/") + name + QStringLiteral(".app"), bundleId, name });
    LeftoverFinder finder(home.path(), installed);
    QCOMPARE(described(finder.find(bundle, bundleId, name), home.path()), offered);
}

// The login item this program made for an app starts the app by its path; its label names the
// app as the user saw it, not by its identifier. It is offered, ticked, with the app, and only
// with that app.
void TestAppUninstaller::ownLoginItemGoesWithItsApp()
{
    TestHome home;
    const QString zoom = home.makeDir(QStringLiteral("Applications/zoom.us.app"));
    const QString slack = home.makeDir(QStringLiteral("Applications/Slack.app"));
    const QString zoomAgent = home.filePath(QStringLiteral("Library/LaunchAgents/com.sweepnook.startup.zoom.us.plist"));
    const QString slackAgent = home.filePath(QStringLiteral("Library/LaunchAgents/com.sweepnook.startup.Slack.plist"));
    home.makeDir(QStringLiteral("Library/LaunchAgents"));
    QVERIFY(LaunchAgentPlist::write(zoomAgent, QStringLiteral("com.sweepnook.startup.zoom.us"),
        { QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), zoom }));
    QVERIFY(LaunchAgentPlist::write(slackAgent, QStringLiteral("com.sweepnook.startup.Slack"),
        { QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), slack }));
    LeftoverFinder finder(home.path(),
        { { zoom, QStringLiteral("us.zoom.xos"), QStringLiteral("zoom.us") },
            { slack, QStringLiteral("com.tinyspeck.slackmacgap"), QStringLiteral("Slack") } });
    const QList<LeftoverItem> found = finder.find(zoom, QStringLiteral("us.zoom.xos"), QStringLiteral("zoom.us"));
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().path, zoomAgent);
    QVERIFY(found.first().selected);
}

void TestAppUninstaller::systemIdentifierIsNeverPreselected_data()
{
    QTest::addColumn<QString>("systemId");
    QTest::addColumn<QString>("bundleId");
    QTest::addColumn<QStringList>("offered");
    const QStringList notes { QStringLiteral("Containers/com.apple.Notes (shared)"),
        QStringLiteral("Group Containers/group.com.apple.notes (shared)"),
        QStringLiteral("LaunchAgents/com.sweepnook.startup.Copy.plist*"),
        QStringLiteral("Preferences/com.apple.Notes.plist (shared)") };
    QTest::newRow("a copy of a system app")
        << QStringLiteral("com.apple.Notes") << QStringLiteral("com.apple.Notes") << notes;
    QTest::newRow("Apple's identifier, no system app carries it")
        << QString() << QStringLiteral("com.apple.Notes") << notes;
    QTest::newRow("another maker's identifier a system app carries")
        << QStringLiteral("com.example.bundled") << QStringLiteral("com.example.bundled")
        << QStringList { QStringLiteral("Containers/com.example.bundled (shared)"),
               QStringLiteral("LaunchAgents/com.sweepnook.startup.Copy.plist*"),
               QStringLiteral("Preferences/com.example.bundled.plist (shared)") };
    QTest::newRow("a system app carries another identifier")
        << QStringLiteral("com.example.bundled") << QStringLiteral("com.example.own")
        << QStringList { QStringLiteral("Containers/com.example.own*"),
               QStringLiteral("LaunchAgents/com.sweepnook.startup.Copy.plist*"),
               QStringLiteral("Preferences/com.example.own.plist*") };
}

// A copy of a system app elsewhere (Notes in ~/Applications) carries the system app's identifier:
// the containers and preferences it finds are the system app's too (the Notes database). They
// are offered, unticked, marked as shared; the login item this program made for the copy starts
// the copy by its path and still goes with it.
void TestAppUninstaller::systemIdentifierIsNeverPreselected()
{
    QFETCH(QString, systemId);
    QFETCH(QString, bundleId);
    QFETCH(QStringList, offered);
    TestHome home;
    if (!systemId.isEmpty())
        AppFixture::makeBundle(home, QStringLiteral("System/Applications/Original.app"),
            { { QStringLiteral("CFBundleIdentifier"), systemId } });
    const QString copy = AppFixture::makeBundle(
        home, QStringLiteral("Applications/Copy.app"), { { QStringLiteral("CFBundleIdentifier"), bundleId } });
    for (const QString &id : { QStringLiteral("com.apple.Notes"), QStringLiteral("com.example.bundled"),
             QStringLiteral("com.example.own") }) {
        home.makeFile(QStringLiteral("Library/Preferences/%1.plist").arg(id), 10);
        home.makeFile(QStringLiteral("Library/Containers/%1/Data/store.db").arg(id), 10);
    }
    home.makeDir(QStringLiteral("Library/Group Containers/group.com.apple.notes"));
    const QString agent = home.filePath(QStringLiteral("Library/LaunchAgents/com.sweepnook.startup.Copy.plist"));
    QVERIFY(QDir().mkpath(QFileInfo(agent).path()));
    QVERIFY(LaunchAgentPlist::write(agent, QStringLiteral("com.sweepnook.startup.Copy"),
        { QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), copy }));

    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ home.filePath(QStringLiteral("Applications")) });
    uninstaller.setSystemApplicationFolders({ home.filePath(QStringLiteral("System/Applications")) });
    QSignalSpy found(&uninstaller, &AppUninstaller::appFound);
    QSignalSpy finished(&uninstaller, &AppUninstaller::scanFinished);
    uninstaller.startScan();
    QVERIFY(finished.wait(60000));
    // The system's own app is never offered for removal.
    QCOMPARE(found.size(), 1);
    const AppInfo app = found.first().first().value<AppInfo>();
    QCOMPARE(app.path, copy);
    QStringList lines;
    for (const LeftoverItem &leftover : app.leftovers) {
        lines.append(QDir(home.filePath(QStringLiteral("Library"))).relativeFilePath(leftover.path)
            + (leftover.selected ? QStringLiteral("*") : QString())
            + (leftover.sharedWithSystem ? QStringLiteral(" (shared)") : QString()));
    }
    lines.sort();
    QCOMPARE(lines, offered);
}

void TestAppUninstaller::scanReportsBundlesWithIdentifiers()
{
    TestHome home;
    FakeTools tools;
    const QString foo = AppFixture::makeBundle(home, QStringLiteral("Applications/Foo.app"),
        { { QStringLiteral("CFBundleIdentifier"), QStringLiteral("foo.bar.baz") },
            { QStringLiteral("CFBundleShortVersionString"), QStringLiteral("2.1") },
            { QStringLiteral("CFBundleVersion"), QStringLiteral("210") },
            { QStringLiteral("NSHumanReadableCopyright"), QStringLiteral("© Foo & Co") } },
        5000);
    AppFixture::makeBundle(home, QStringLiteral("Applications/Bar Tool.app"),
        { { QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.bar.tool") },
            { QStringLiteral("CFBundleVersion"), QStringLiteral("42") } },
        300, AppFixture::Format::Binary);
    AppFixture::makeBundle(
        home, QStringLiteral("Applications/NoId.app"), { { QStringLiteral("CFBundleVersion"), QStringLiteral("1") } });
    home.makeFile(QStringLiteral("Library/Application Support/foo.bar.baz/data/a"), 700);
    home.makeFile(QStringLiteral("Library/Application Support/foo.bar.baz/b"), 50);
    // Reached by both the identifier and the name: listed once, as the identifier's.
    home.makeFile(QStringLiteral("Library/Preferences/foo.bar.baz.plist"), 20);
    // A link to the bundle itself is never a leftover.
    home.makeLink(QStringLiteral("Library/Application Support/Foo"), foo);

    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders(
        { home.filePath(QStringLiteral("System Applications")), home.filePath(QStringLiteral("Applications")) });
    QSignalSpy found(&uninstaller, &AppUninstaller::appFound);
    QSignalSpy finished(&uninstaller, &AppUninstaller::scanFinished);
    uninstaller.startScan();
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.at(0).at(0).toInt(), 2);

    QList<AppInfo> apps;
    for (const QList<QVariant> &signal : std::as_const(found))
        apps.append(signal.at(0).value<AppInfo>());
    QCOMPARE(names(apps), (QStringList { QStringLiteral("Bar Tool"), QStringLiteral("Foo") }));
    const AppInfo &fooInfo = apps.at(0).name == QLatin1String("Foo") ? apps.at(0) : apps.at(1);
    const AppInfo &barInfo = apps.at(0).name == QLatin1String("Foo") ? apps.at(1) : apps.at(0);
    QCOMPARE(fooInfo.bundleId, QStringLiteral("foo.bar.baz"));
    QCOMPARE(fooInfo.version, QStringLiteral("2.1"));
    QCOMPARE(fooInfo.publisher, QStringLiteral("© Foo & Co"));
    QCOMPARE(fooInfo.size, 5000 + QFileInfo(foo + QStringLiteral("/Contents/Info.plist")).size());
    QCOMPARE(described(fooInfo.leftovers, home.path()),
        (QStringList {
            QStringLiteral("Application Support/foo.bar.baz*"), QStringLiteral("Preferences/foo.bar.baz.plist*") }));
    QCOMPARE(fooInfo.leftoverSize, qint64(770));
    QVERIFY(!fooInfo.systemProtected);
    QCOMPARE(barInfo.version, QStringLiteral("42"));
    QCOMPARE(barInfo.publisher, QString());
    QVERIFY(barInfo.leftovers.isEmpty());
}

void TestAppUninstaller::bundleFactsWaitForNoTool_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("xml") << int(AppFixture::Format::Xml);
    QTest::newRow("binary") << int(AppFixture::Format::Binary);
}

// On a loaded machine a tool may take seconds to start: the bundle's facts do not depend on one.
void TestAppUninstaller::bundleFactsWaitForNoTool()
{
    QFETCH(int, format);
    TestHome home;
    FakeTools tools;
    tools.addTool(
        QStringLiteral("plutil"), "#!/bin/sh\necho \"plutil $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\nsleep 4\nexit 1\n");
    AppFixture::makeBundle(home, QStringLiteral("Applications/Slow Start.app"),
        { { QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.example.slowstart") },
            { QStringLiteral("CFBundleVersion"), QStringLiteral("7.0") } },
        100, AppFixture::Format(format));

    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ home.filePath(QStringLiteral("Applications")) });
    QSignalSpy found(&uninstaller, &AppUninstaller::appFound);
    QSignalSpy finished(&uninstaller, &AppUninstaller::scanFinished);
    uninstaller.startScan();
    QVERIFY(finished.wait(60000));
    QCOMPARE(found.size(), 1);
    const AppInfo app = found.first().first().value<AppInfo>();
    QCOMPARE(app.bundleId, QStringLiteral("com.example.slowstart"));
    QCOMPARE(app.version, QStringLiteral("7.0"));
    QVERIFY(!tools.callLog().contains(QStringLiteral("plutil")));
}

void TestAppUninstaller::uninstallMovesAppAndSelectedLeftoversToTrash()
{
    TestHome home;
    FakeTools tools;
    // Stands in for the fake launchctl of the shared folder of fakes.
    tools.addTool(QStringLiteral("launchctl"), "#!/bin/sh\necho \"launchctl $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\n");
    qputenv("SWEEPNOOK_FAKE_FINDER", "trash");
    AppInfo info;
    info.name = QStringLiteral("Foo");
    info.path = AppFixture::makeBundle(home, QStringLiteral("Applications/Foo.app"), {});
    const QString support = home.makeFile(QStringLiteral("Library/Application Support/com.foo.app/data"), 10);
    const QString agent = home.makeFile(QStringLiteral("Library/LaunchAgents/com.foo.app.plist"), 10);
    const QString byName = home.makeFile(QStringLiteral("Library/Preferences/Foo.plist"), 10);
    info.leftovers = { { QFileInfo(support).path(), 10, true, LeftoverItem::Reason::BundleIdentifier },
        { agent, 10, true, LeftoverItem::Reason::BundleIdentifier },
        { byName, 10, false, LeftoverItem::Reason::Name } };

    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ home.filePath(QStringLiteral("Applications")) });
    QSignalSpy finished(&uninstaller, &AppUninstaller::uninstallFinished);
    QSignalSpy told(&uninstaller, &AppUninstaller::pathsRemoved);
    info.size = 4096;
    uninstaller.startUninstall({ info });
    QVERIFY(finished.wait(30000));
    qunsetenv("SWEEPNOOK_FAKE_FINDER");
    const auto outcomes = finished.at(0).at(0).value<QList<UninstallOutcome>>();
    QCOMPARE(outcomes.size(), 1);
    QCOMPARE(outcomes.at(0).result, UninstallOutcome::Result::Removed);
    QVERIFY(outcomes.at(0).leftoverFailures.isEmpty());
    QCOMPARE(outcomes.at(0).moved, QStringList({ info.path, QFileInfo(support).path(), agent }));
    QCOMPARE(outcomes.at(0).movedBytes, 4096 + 20);
    // The other features drop what went.
    QCOMPARE(told.size(), 1);
    QCOMPARE(
        told.first().first().value<QSet<QString>>(), QSet<QString>({ info.path, QFileInfo(support).path(), agent }));
    QVERIFY(!QFileInfo::exists(info.path));
    QVERIFY(QFileInfo::exists(byName));
    QCOMPARE(trashEntries(home),
        (QStringList {
            QStringLiteral("Foo.app"), QStringLiteral("com.foo.app"), QStringLiteral("com.foo.app.plist") }));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootout gui/%1 %2").arg(::getuid()).arg(agent)));
}

// A leftover another feature partly cleaned after the scan counts what it held when it went.
void TestAppUninstaller::movedBytesAreWhatWent()
{
    TestHome home;
    FakeTools tools;
    qputenv("SWEEPNOOK_FAKE_FINDER", "trash");
    AppInfo info;
    info.name = QStringLiteral("Foo");
    info.path = AppFixture::makeBundle(home, QStringLiteral("Applications/Foo.app"), {});
    info.size = 4096;
    const QString kept = home.makeFile(QStringLiteral("Library/Caches/com.foo.app/kept.db"), 1000);
    const QString cleaned = home.makeFile(QStringLiteral("Library/Caches/com.foo.app/cleaned.db"), 500);
    info.leftovers = { { QFileInfo(kept).path(), 1500, true, LeftoverItem::Reason::BundleIdentifier } };
    QVERIFY(QFile::remove(cleaned));

    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ home.filePath(QStringLiteral("Applications")) });
    QSignalSpy finished(&uninstaller, &AppUninstaller::uninstallFinished);
    uninstaller.startUninstall({ info });
    QVERIFY(finished.wait(30000));
    qunsetenv("SWEEPNOOK_FAKE_FINDER");
    const auto outcomes = finished.at(0).at(0).value<QList<UninstallOutcome>>();
    QCOMPARE(outcomes.at(0).result, UninstallOutcome::Result::Removed);
    QCOMPARE(outcomes.at(0).moved, QStringList({ info.path, QFileInfo(kept).path() }));
    QCOMPARE(outcomes.at(0).movedBytes, 4096 + 1000);
}

void TestAppUninstaller::finderUnavailableRenamesIntoTrashKeepingExtension()
{
    TestHome home;
    FakeTools tools;
    home.makeFile(QStringLiteral(".Trash/Foo.app"), 1);
    const QString bundle = AppFixture::makeBundle(home, QStringLiteral("Applications/Foo.app"), {});
    const QString apps = home.filePath(QStringLiteral("Applications"));
    const HomeTrash::Outcome result = AppUninstaller::moveToTrash(PinnedRoot::open(apps, apps), bundle);
    QVERIFY(result.moved());
    QVERIFY(!QFileInfo::exists(bundle));
    const QStringList trash = trashEntries(home);
    QCOMPARE(trash.size(), 2);
    QVERIFY(trash.contains(QStringLiteral("Foo.app")));
    const QString renamed = trash.at(trash.at(0) == QLatin1String("Foo.app") ? 1 : 0);
    QVERIFY2(QRegularExpression(QStringLiteral("^Foo \\d{10,}\\.app$")).match(renamed).hasMatch(), qPrintable(renamed));
    QCOMPARE(osascriptCalls(tools).size(), 1);
}

void TestAppUninstaller::pathWithQuoteIsOneArgument()
{
    TestHome home;
    FakeTools tools;
    qputenv("SWEEPNOOK_FAKE_FINDER", "trash");
    const QString bundle = AppFixture::makeBundle(home, QStringLiteral("Applications/Say \"Hi\" & don't.app"), {});
    const QString apps = home.filePath(QStringLiteral("Applications"));
    const HomeTrash::Outcome result = AppUninstaller::moveToTrash(PinnedRoot::open(apps, apps), bundle);
    qunsetenv("SWEEPNOOK_FAKE_FINDER");
    QVERIFY(result.moved());
    const QList<QStringList> calls = osascriptCalls(tools);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).last(), bundle);
    for (const QString &argument : calls.at(0).mid(0, calls.at(0).size() - 1))
        QVERIFY(!argument.contains(QStringLiteral("Say")));
    QCOMPARE(trashEntries(home), QStringList { QStringLiteral("Say \"Hi\" & don't.app") });
}

void TestAppUninstaller::runningAppIsLeftAlone_data()
{
    QTest::addColumn<QString>("bundle");
    QTest::addColumn<QString>("bundleExecutable");
    // Where, inside the home, a real program runs.
    QTest::addColumn<QString>("runningProgram");
    QTest::addColumn<UninstallOutcome::Result>("result");

    const auto running = UninstallOutcome::Result::Running;
    QTest::newRow("short name") << QStringLiteral("Foo.app") << QStringLiteral("Foo Helper")
                                << QStringLiteral("Applications/Foo.app/Contents/MacOS/Foo Helper") << running;
    // Longer than the kernel's process name.
    QTest::newRow("long name") << QStringLiteral("Microsoft Outlook.app") << QStringLiteral("Microsoft Outlook")
                               << QStringLiteral("Applications/Microsoft Outlook.app/Contents/MacOS/Microsoft Outlook")
                               << running;
    // Would be a pattern to pgrep.
    QTest::newRow("pattern characters") << QStringLiteral("C++ Builder (x86).app")
                                        << QStringLiteral("C++ Builder (x86)")
                                        << QStringLiteral(
                                               "Applications/C++ Builder (x86).app/Contents/MacOS/C++ Builder (x86)")
                                        << running;
    QTest::newRow("helper inside the bundle")
        << QStringLiteral("Foo.app") << QStringLiteral("Foo")
        << QStringLiteral("Applications/Foo.app/Contents/Frameworks/Foo Helper.app/Contents/MacOS/Foo Helper")
        << running;
    // Another bundle's program of the same name says nothing about this one.
    QTest::newRow("same name elsewhere") << QStringLiteral("Foo.app") << QStringLiteral("Foo")
                                         << QStringLiteral("Other/Foo.app/Contents/MacOS/Foo")
                                         << UninstallOutcome::Result::Removed;
}

void TestAppUninstaller::runningAppIsLeftAlone()
{
    QFETCH(QString, bundle);
    QFETCH(QString, bundleExecutable);
    QFETCH(QString, runningProgram);
    QFETCH(UninstallOutcome::Result, result);
    TestHome home;
    FakeTools tools;
    qputenv("SWEEPNOOK_FAKE_FINDER", "trash");
    // What a process list shows by name, for a check that goes by names.
    qputenv("SWEEPNOOK_FAKE_RUNNING", QFileInfo(runningProgram).fileName().toUtf8());
    AppInfo info;
    info.name = QFileInfo(bundle).completeBaseName();
    info.path = AppFixture::makeBundle(
        home, QStringLiteral("Applications/") + bundle, { { QStringLiteral("CFBundleExecutable"), bundleExecutable } });
    AppFixture::RunningCopy program(home.filePath(runningProgram));
    QVERIFY(program.isRunning());
    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ home.filePath(QStringLiteral("Applications")) });
    const UninstallOutcome outcome = uninstaller.uninstallApp(info);
    qunsetenv("SWEEPNOOK_FAKE_FINDER");
    qunsetenv("SWEEPNOOK_FAKE_RUNNING");
    QCOMPARE(outcome.result, result);
    QCOMPARE(QFileInfo::exists(info.path), result == UninstallOutcome::Result::Running);
    if (result == UninstallOutcome::Result::Running) {
        QCOMPARE(outcome.reason, QStringLiteral("Close the app first."));
        QVERIFY(osascriptCalls(tools).isEmpty());
    }
}

// Where no /proc lists the programs (macOS), ps prints each one's executable path in full.
void TestAppUninstaller::psListsFullPaths_data()
{
    QTest::addColumn<QByteArray>("psScript");
    QTest::addColumn<int>("answer");
    const QByteArray outlook = "/Applications/Microsoft Outlook.app/Contents/MacOS/Microsoft Outlook";
    QTest::newRow("runs") << QByteArray("echo /sbin/launchd\necho '") + outlook + "'\n"
                          << int(RunningPrograms::Answer::Yes);
    QTest::newRow("letter case differs") << QByteArray("echo '") + outlook.toLower() + "'\n"
                                         << int(RunningPrograms::Answer::Yes);
    QTest::newRow("does not run") << QByteArray("echo /sbin/launchd\necho 'Microsoft Outlook'\n")
                                  << int(RunningPrograms::Answer::No);
    QTest::newRow("ps fails") << QByteArray("exit 1\n") << int(RunningPrograms::Answer::Unknown);
}

void TestAppUninstaller::psListsFullPaths()
{
    QFETCH(QByteArray, psScript);
    QFETCH(int, answer);
    FakeTools tools;
    tools.addTool(QStringLiteral("ps"), "#!/bin/sh\n" + psScript);
    QCOMPARE(int(RunningPrograms::runsFromBundle(
                 QStringLiteral("/Applications/Microsoft Outlook.app"), RunningPrograms::Source::PsTool)),
        answer);
}

void TestAppUninstaller::protectionFollowsTheVolume_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("bundleId");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("protectedApp");
    QTest::addColumn<UninstallOutcome::Result>("result");
    QTest::addColumn<QString>("reason");

    const QString system = QStringLiteral("System Applications");
    const QString user = QStringLiteral("Applications");
    const QString apple = QStringLiteral("com.apple.Safari");
    const QString other = QStringLiteral("com.vendor.tool");
    const QString readOnlyVolume = QStringLiteral("It is on a read-only volume and cannot be removed.");
    QTest::newRow("Apple's app on the read-only system volume")
        << system << apple << true << true << UninstallOutcome::Result::Protected
        << QStringLiteral("It is part of macOS and cannot be removed.");
    QTest::newRow("Apple's app on a writable system folder")
        << system << apple << false << false << UninstallOutcome::Result::Removed << QString();
    QTest::newRow("another app on the read-only system volume")
        << system << other << true << false << UninstallOutcome::Result::Failed << readOnlyVolume;
    QTest::newRow("Apple's app in the user's folder on a read-only volume")
        << user << apple << true << false << UninstallOutcome::Result::Failed << readOnlyVolume;
}

void TestAppUninstaller::protectionFollowsTheVolume()
{
    QFETCH(QString, folder);
    QFETCH(QString, bundleId);
    QFETCH(bool, readOnly);
    QFETCH(bool, protectedApp);
    QFETCH(UninstallOutcome::Result, result);
    QFETCH(QString, reason);
    TestHome home;
    FakeTools tools;
    const QString systemFolder = home.makeDir(QStringLiteral("System Applications"));
    const QString userFolder = home.makeDir(QStringLiteral("Applications"));
    const QString bundle = AppFixture::makeBundle(
        home, folder + QStringLiteral("/Tool.app"), { { QStringLiteral("CFBundleIdentifier"), bundleId } });

    // A read-only volume is a read-only bind mount of the bundle's folder.
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SWEEPNOOK_FAKE_FINDER"), QStringLiteral("trash"));
    child.setProcessEnvironment(environment);
    const QStringList uninstall { QCoreApplication::applicationFilePath(),
        QString::fromLatin1(kUninstallEverythingFlag), systemFolder, userFolder };
    if (readOnly) {
        if (!canMountReadOnly(QFileInfo(bundle).path()))
            QSKIP("This system does not let the test mount a read-only folder (unshare -r -m).");
        startWithReadOnlyFolder(child, QFileInfo(bundle).path(), uninstall);
    } else {
        child.start(uninstall.first(), uninstall.mid(1));
    }
    QVERIFY(child.waitForFinished(120000));
    QVERIFY2(
        child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAllStandardError().constData());

    const QJsonArray report = QJsonDocument::fromJson(child.readAllStandardOutput()).array();
    QCOMPARE(report.size(), 1);
    const QJsonObject app = report.at(0).toObject();
    QCOMPARE(app.value(QStringLiteral("protected")).toBool(), protectedApp);
    QCOMPARE(UninstallOutcome::Result(app.value(QStringLiteral("result")).toInt()), result);
    QCOMPARE(app.value(QStringLiteral("reason")).toString(), reason);
    QCOMPARE(app.value(QStringLiteral("stays")).toBool(), result != UninstallOutcome::Result::Removed);
    QCOMPARE(QFileInfo::exists(bundle), result != UninstallOutcome::Result::Removed);
    // The Finder is asked only about an app that can go.
    QCOMPARE(osascriptCalls(tools).isEmpty(), result != UninstallOutcome::Result::Removed);
}

void TestAppUninstaller::leftoverEdgeCases()
{
    TestHome home;
    FakeTools tools;
    const QString target = home.makeFile(QStringLiteral("Documents/kept.txt"), 10);
    const QString link = home.makeLink(QStringLiteral("Library/Caches/com.foo.app"), target);
    const QString outside = home.makeFile(QStringLiteral("Documents/com.foo.app.plist"), 10);
    const QString sneaky = home.filePath(QStringLiteral("Library/Caches/../../Documents/kept.txt"));
    AppInfo info;
    info.leftovers = { { home.filePath(QStringLiteral("Library/Caches/com.foo.app.vanished")), 0, true, {} },
        { link, 0, true, {} }, { outside, 0, true, {} }, { sneaky, 0, true, {} } };
    QCOMPARE(AppUninstaller::cleanLeftovers(info), (QStringList { outside, sneaky }));
    QVERIFY(QFileInfo::exists(target));
    QVERIFY(QFileInfo::exists(outside));
    QCOMPARE(trashEntries(home), QStringList { QStringLiteral("com.foo.app") });
    QVERIFY(QFileInfo(home.filePath(QStringLiteral(".Trash/com.foo.app"))).isSymLink());
    QVERIFY(AppUninstaller::cleanLeftovers(AppInfo()).isEmpty());
}

void TestAppUninstaller::replacedLeftoverIsNeitherUnloadedNorMoved()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("launchctl"), "#!/bin/sh\necho \"launchctl $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\n");
    AppFixture::makeBundle(home, QStringLiteral("Applications/Foo.app"),
        { { QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.foo.app") } });
    const QString agent = home.makeFile(QStringLiteral("Library/LaunchAgents/com.foo.app.plist"), 10);
    const QString prefs = home.makeFile(QStringLiteral("Library/Preferences/com.foo.app.plist"), 10);
    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ home.filePath(QStringLiteral("Applications")) });
    QSignalSpy found(&uninstaller, &AppUninstaller::appFound);
    QSignalSpy finished(&uninstaller, &AppUninstaller::scanFinished);
    uninstaller.startScan();
    QVERIFY(finished.wait(30000));
    QCOMPARE(found.size(), 1);
    const AppInfo app = found.first().first().value<AppInfo>();
    QCOMPARE(described(app.leftovers, home.path()),
        (QStringList {
            QStringLiteral("LaunchAgents/com.foo.app.plist*"), QStringLiteral("Preferences/com.foo.app.plist*") }));

    // Another agent of that name took the place of the one the scan saw.
    QVERIFY(QFile::rename(agent, agent + QStringLiteral(".seen")));
    home.makeFileWithContent(QStringLiteral("Library/LaunchAgents/com.foo.app.plist"), "another");
    const UninstallOutcome outcome = uninstaller.uninstallApp(app);
    QCOMPARE(outcome.result, UninstallOutcome::Result::Removed);
    QCOMPARE(outcome.leftoverFailures, QStringList { agent });
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl bootout")));
    QFile another(agent);
    QVERIFY(another.open(QIODevice::ReadOnly));
    QCOMPARE(another.readAll(), QByteArray("another"));
    QVERIFY(!QFileInfo::exists(prefs));
    QCOMPARE(trashEntries(home), (QStringList { QStringLiteral("Foo.app"), QStringLiteral("com.foo.app.plist") }));
}

void TestAppUninstaller::ownLoginItemIsBootedOutWithItsApp_data()
{
    QTest::addColumn<QByteArray>("bootoutExit");
    QTest::newRow("launchctl unloads it") << QByteArray("0");
    // Not loaded, or launchd refuses: the agent still goes with the app.
    QTest::newRow("launchctl fails") << QByteArray("5");
}

// The login item this program made for an app goes with it, and launchd lets go of it first;
// launchctl runs on the uninstaller's worker (the interface goes on meanwhile), and its failure
// is no failure of the removal.
void TestAppUninstaller::ownLoginItemIsBootedOutWithItsApp()
{
    QFETCH(QByteArray, bootoutExit);
    TestHome home;
    FakeTools tools;
    qputenv("SWEEPNOOK_FAKE_FINDER", "trash");
    qputenv("SWEEPNOOK_FAKE_LAUNCHCTL_EXIT_BOOTOUT", bootoutExit);
    const QString gate = home.filePath(QStringLiteral("launchctl may answer"));
    qputenv("SWEEPNOOK_FAKE_LAUNCHCTL_GATE", QFile::encodeName(gate));
    const auto restore = qScopeGuard([] {
        qunsetenv("SWEEPNOOK_FAKE_FINDER");
        qunsetenv("SWEEPNOOK_FAKE_LAUNCHCTL_EXIT_BOOTOUT");
        qunsetenv("SWEEPNOOK_FAKE_LAUNCHCTL_GATE");
    });
    const QString viewer = AppFixture::makeBundle(home, QStringLiteral("Applications/Viewer.app"),
        { { QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.example.viewer") } });
    const QString agent = home.filePath(QStringLiteral("Library/LaunchAgents/com.sweepnook.startup.Viewer.plist"));
    QVERIFY(QDir().mkpath(QFileInfo(agent).path()));
    QVERIFY(LaunchAgentPlist::write(agent, QStringLiteral("com.sweepnook.startup.Viewer"),
        { QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), viewer }));

    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ home.filePath(QStringLiteral("Applications")) });
    uninstaller.setSystemApplicationFolders({});
    QSignalSpy found(&uninstaller, &AppUninstaller::appFound);
    QSignalSpy scanned(&uninstaller, &AppUninstaller::scanFinished);
    uninstaller.startScan();
    QVERIFY(scanned.wait(60000));
    QCOMPARE(found.size(), 1);
    const AppInfo app = found.first().first().value<AppInfo>();
    QCOMPARE(described(app.leftovers, home.path()),
        QStringList { QStringLiteral("LaunchAgents/com.sweepnook.startup.Viewer.plist*") });

    QSignalSpy finished(&uninstaller, &AppUninstaller::uninstallFinished);
    uninstaller.startUninstall({ app });
    QTRY_VERIFY_WITH_TIMEOUT(tools.callLog().contains(QStringLiteral("launchctl bootout")), 60000);
    bool handled = false;
    QTimer::singleShot(0, &uninstaller, [&handled] { handled = true; });
    QTRY_VERIFY(handled);
    QCOMPARE(finished.size(), 0);
    home.makeFile(QStringLiteral("launchctl may answer"), 0);
    QVERIFY(finished.wait(60000));
    const auto outcomes = finished.first().first().value<QList<UninstallOutcome>>();
    QCOMPARE(outcomes.size(), 1);
    QCOMPARE(outcomes.first().result, UninstallOutcome::Result::Removed);
    QVERIFY(outcomes.first().leftoverFailures.isEmpty());
    QCOMPARE(outcomes.first().moved, (QStringList { viewer, agent }));
    QVERIFY(!QFileInfo::exists(agent));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootout gui/%1 %2").arg(::getuid()).arg(agent)));
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl gave up")));
}

void TestAppUninstaller::leftoverAlreadyGoneIsNotCountedAsMoved()
{
    TestHome home;
    FakeTools tools;
    AppInfo info;
    info.name = QStringLiteral("Foo");
    info.path = AppFixture::makeBundle(home, QStringLiteral("Applications/Foo.app"), {});
    info.size = 4096;
    const QString prefs = home.makeFile(QStringLiteral("Library/Preferences/com.foo.app.plist"), 10);
    const QString gone = home.filePath(QStringLiteral("Library/Caches/com.foo.app"));
    info.leftovers = { { prefs, 10, true }, { gone, 5000, true } };
    AppUninstaller uninstaller;
    uninstaller.setApplicationFolders({ home.filePath(QStringLiteral("Applications")) });

    const UninstallOutcome outcome = uninstaller.uninstallApp(info);
    QCOMPARE(outcome.result, UninstallOutcome::Result::Removed);
    // Not a failure, but nothing went to the Trash for it either.
    QVERIFY(outcome.leftoverFailures.isEmpty());
    QCOMPARE(outcome.moved, (QStringList { info.path, prefs }));
    QCOMPARE(outcome.movedBytes, 4096 + 10);
    QCOMPARE(trashEntries(home), (QStringList { QStringLiteral("Foo.app"), QStringLiteral("com.foo.app.plist") }));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], kUninstallEverythingFlag) == 0)
        return uninstallEverything(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestAppUninstaller test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_appuninstaller.moc"
