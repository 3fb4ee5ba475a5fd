#include "cleaners/launchagentplist.h"
#include "cleaners/startupmanager.h"
#include "faketools.h"
#include "testhome.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <tuple>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QMutex loggedMutex;
QStringList logged;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker locker(&loggedMutex);
    logged.append(message);
}

// Records the log lines written while it lives.
class LogRecorder final
{
public:
    LogRecorder()
        : m_previous(qInstallMessageHandler(recordMessage))
    {
        QMutexLocker locker(&loggedMutex);
        logged.clear();
    }
    ~LogRecorder()
    {
        qInstallMessageHandler(m_previous);
    }

    int count(const QString &text) const
    {
        QMutexLocker locker(&loggedMutex);
        return logged.filter(text).size();
    }

private:
    QtMessageHandler m_previous;
};

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

QByteArray plistXml(const QByteArray &dictBody)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n"
        + dictBody + "</dict>\n</plist>\n";
}

QByteArray arguments(const QStringList &values)
{
    QByteArray text = "<key>ProgramArguments</key><array>";
    for (const QString &value : values)
        text += "<string>" + escaped(value) + "</string>";
    return text + "</array>\n";
}

QByteArray program(const QString &path)
{
    return "<key>Program</key><string>" + escaped(path) + "</string>\n";
}

StartupLocations locationsIn(const TestHome &home)
{
    StartupLocations locations;
    locations.userAgents = home.filePath(QStringLiteral("Library/LaunchAgents"));
    locations.systemAgentFolders = { home.filePath(QStringLiteral("root/Library/LaunchAgents")),
        home.filePath(QStringLiteral("root/Library/LaunchDaemons")) };
    locations.applicationFolders
        = { home.filePath(QStringLiteral("root/Applications")), home.filePath(QStringLiteral("Applications")) };
    return locations;
}

QString writeAgent(const TestHome &home, const QString &folder, const QString &id, const QByteArray &dictBody)
{
    return home.makeFileWithContent(folder + QLatin1Char('/') + id + QStringLiteral(".plist"), plistXml(dictBody));
}

QString userAgent(const TestHome &home, const QString &id, const QByteArray &dictBody)
{
    return writeAgent(home, QStringLiteral("Library/LaunchAgents"), id, dictBody);
}

// An application bundle with its Info.plist and executable; returns the bundle's path.
QString makeApp(const TestHome &home, const QString &relativeBundle, const QString &executable,
    const QString &identifier = QString())
{
    QByteArray info = "<key>CFBundleExecutable</key><string>" + escaped(executable) + "</string>\n";
    if (!identifier.isEmpty())
        info += "<key>CFBundleIdentifier</key><string>" + escaped(identifier) + "</string>\n";
    home.makeFileWithContent(relativeBundle + QStringLiteral("/Contents/Info.plist"), plistXml(info));
    const QString exe = home.makeFile(relativeBundle + QStringLiteral("/Contents/MacOS/") + executable, 10);
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return home.filePath(relativeBundle);
}

InstalledApp appOf(const QString &bundle, const QString &executable)
{
    InstalledApp app;
    app.bundlePath = bundle;
    app.exePath = bundle + QStringLiteral("/Contents/MacOS/") + executable;
    app.name = QFileInfo(bundle).fileName().section(QLatin1Char('.'), 0, 0);
    return app;
}

bool refreshed(StartupManager &manager)
{
    QSignalSpy finished(&manager, &StartupManager::refreshFinished);
    manager.refresh();
    return finished.wait(30000) && !finished.first().first().toBool();
}

const StartupItem *findItem(const QList<StartupItem> &items, const QString &id)
{
    for (const StartupItem &item : items)
        if (item.id == id)
            return &item;
    return nullptr;
}

const InstalledApp *findApp(const QList<InstalledApp> &apps, const QString &name)
{
    for (const InstalledApp &app : apps)
        if (app.name == name)
            return &app;
    return nullptr;
}

// The plist as python's plistlib reads it.
QJsonObject readWithPlistlib(const QString &path)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
        { QStringLiteral("-c"),
            QStringLiteral("import json, plistlib, sys\n"
                           "print(json.dumps(plistlib.load(open(sys.argv[1], 'rb'))))"),
            path });
    python.waitForFinished(120000);
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QStringList agentFiles(const TestHome &home)
{
    return QDir(home.filePath(QStringLiteral("Library/LaunchAgents"))).entryList(QDir::Files | QDir::System);
}

const QString prefix = QStringLiteral("com.sweepnook.startup.");

} // namespace

class TestStartupManager : public QObject
{
    Q_OBJECT

private slots:
    void programOfPlist_data();
    void programOfPlist();
    void agentWithoutProgramIsSkippedAndLogged();
    void binaryPlistIsReadInProcess();
    void scanListsAgentsAndApplications();
    void addedAgentIsReadBackByPlistlib();
    void addingAnAppAlreadyStartedWritesNothing_data();
    void addingAnAppAlreadyStartedWritesNothing();
    void namesThatCleanAlikeGetTheirOwnLabels_data();
    void namesThatCleanAlikeGetTheirOwnLabels();
    void failedWriteIsAFailure();
    void changesRunInTurnAndEachIsTold();
    void refusedRemovals_data();
    void refusedRemovals();
    void ownAgentIsRemovedWhenUnloadingFails();
    void ownAgentLinkIsRemovedAsALink();
    void plistIsNeverWrittenThroughALink_data();
    void plistIsNeverWrittenThroughALink();
    void plistIsReplacedByANewFile();
    void startAtLogin();
    void disabledOwnAgent_data();
    void disabledOwnAgent();
    void destroyedDuringAScan();
    void removedElsewhereLeavesTheLists();
};

void TestStartupManager::programOfPlist_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Program before ProgramArguments")
        << program(QStringLiteral("/bin/first")) + arguments({ QStringLiteral("/bin/second") })
        << QStringLiteral("/bin/first");
    QTest::newRow("Program after ProgramArguments") << arguments({ QStringLiteral("/bin/second") })
            + program(QStringLiteral("/bin/first")) << QStringLiteral("/bin/first");
    QTest::newRow("empty Program falls back to the arguments")
        << program(QStringLiteral("  ")) + arguments({ QStringLiteral("/bin/second"), QStringLiteral("-x") })
        << QStringLiteral("/bin/second");
    QTest::newRow("open -a name") << arguments(
        { QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), QStringLiteral("Safari") })
                                  << QStringLiteral("Safari");
    QTest::newRow("open -g -a name") << arguments(
        { QStringLiteral("/usr/bin/open"), QStringLiteral("-g"), QStringLiteral("-a"), QStringLiteral("Mail") })
                                     << QStringLiteral("Mail");
    QTest::newRow("open path") << arguments(
        { QStringLiteral("/usr/bin/open"), QStringLiteral("/Applications/Foo.app") })
                               << QStringLiteral("/Applications/Foo.app");
    QTest::newRow("open alone") << arguments({ QStringLiteral("/usr/bin/open") }) << QString();
    QTest::newRow("open -b is no program named -b")
        << arguments({ QStringLiteral("/usr/bin/open"), QStringLiteral("-b"), QStringLiteral("com.example.tool") })
        << QString();
    QTest::newRow("env skips assignments and options") << arguments({ QStringLiteral("/usr/bin/env"),
        QStringLiteral("LANG=C"), QStringLiteral("-i"), QStringLiteral("/opt/tool/bin/run") })
                                                       << QStringLiteral("/opt/tool/bin/run");
    QTest::newRow("env with nothing to run")
        << arguments({ QStringLiteral("/usr/bin/env"), QStringLiteral("A=1") }) << QString();
    QTest::newRow("keys of nested dictionaries do not count")
        << QByteArray("<key>EnvironmentVariables</key><dict><key>Program</key><string>/bin/nested</string></dict>\n")
            + arguments({ QStringLiteral("/bin/top") })
        << QStringLiteral("/bin/top");
    QTest::newRow("no program at all") << QByteArray("<key>Label</key><string>x</string>\n") << QString();
}

void TestStartupManager::programOfPlist()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    TestHome home;
    FakeTools tools;
    const QString path = userAgent(home, QStringLiteral("com.example.agent"), body);
    QCOMPARE(StartupManager::parsePlistExePath(path), expected);
}

void TestStartupManager::agentWithoutProgramIsSkippedAndLogged()
{
    TestHome home;
    FakeTools tools;
    const QString path
        = userAgent(home, QStringLiteral("com.example.openalone"), arguments({ QStringLiteral("/usr/bin/open") }));
    userAgent(home, QStringLiteral("com.example.fine"), program(QStringLiteral("/bin/sh")));
    LogRecorder log;
    StartupManager manager(locationsIn(home));
    QVERIFY(refreshed(manager));
    QCOMPARE(manager.items().size(), 1);
    QCOMPARE(manager.items().first().id, QStringLiteral("com.example.fine"));
    QCOMPARE(log.count(QStringLiteral("Skipped (unparseable): ") + path), 1);
}

void TestStartupManager::binaryPlistIsReadInProcess()
{
    TestHome home;
    FakeTools tools;
    // Recorded if it were ever started.
    tools.addTool(QStringLiteral("plutil"), "#!/bin/sh\necho \"plutil $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\nexit 1\n");
    const QString path = home.filePath(QStringLiteral("Library/LaunchAgents/com.example.binary.plist"));
    QDir().mkpath(QFileInfo(path).path());
    QProcess python;
    python.start(QStringLiteral("python3"),
        { QStringLiteral("-c"),
            QStringLiteral("import plistlib, sys\n"
                           "plistlib.dump({'Label': 'b', 'ProgramArguments': ['/opt/bin/helper', '-d']},"
                           " open(sys.argv[1], 'wb'), fmt=plistlib.FMT_BINARY)"),
            path });
    QVERIFY(python.waitForFinished(120000));
    QVERIFY(QFile::exists(path));

    const QStringList tempBefore = QDir(home.tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(StartupManager::parsePlistExePath(path), QStringLiteral("/opt/bin/helper"));
    QVERIFY(!tools.callLog().contains(QStringLiteral("plutil")));
    QCOMPARE(QDir(home.tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), tempBefore);
}

void TestStartupManager::scanListsAgentsAndApplications()
{
    TestHome home;
    FakeTools tools;
    const QString editor = makeApp(home, QStringLiteral("root/Applications/Editor.app"), QStringLiteral("EditorBin"));
    const QString console
        = makeApp(home, QStringLiteral("root/Applications/Utilities/Console.app"), QStringLiteral("Console"));
    const QString notes = makeApp(home, QStringLiteral("root/Applications/Notes.app"), QStringLiteral("Notes"),
        QStringLiteral("com.example.notes"));
    makeApp(home, QStringLiteral("root/Applications/Plain.app"), QStringLiteral("Plain"));
    // The user's Applications folder is a link to the machine's: every bundle once.
    home.makeLink(QStringLiteral("Applications"), home.filePath(QStringLiteral("root/Applications")));

    userAgent(home, prefix + QStringLiteral("Editor"),
        arguments({ QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), editor }));
    userAgent(home, QStringLiteral("com.vendor.console"), program(console + QStringLiteral("/Contents/MacOS/Console")));
    userAgent(home, QStringLiteral("com.vendor.notes"),
        arguments({ QStringLiteral("/usr/bin/open"), QStringLiteral("-b"), QStringLiteral("com.example.notes") }));
    userAgent(home, QStringLiteral("com.vendor.gone"), program(QStringLiteral("/opt/removed/tool")));
    userAgent(home, QStringLiteral("com.vendor.off"),
        program(home.filePath(QStringLiteral("root/Applications/Plain.app/Contents/MacOS/Plain")))
            + "<key>Disabled</key><true/>\n");
    writeAgent(home, QStringLiteral("root/Library/LaunchDaemons"), QStringLiteral("com.vendor.daemon"),
        program(QStringLiteral("/bin/sh")));

    StartupManager manager(locationsIn(home));
    QVERIFY(refreshed(manager));
    const QList<StartupItem> items = manager.items();
    QCOMPARE(items.size(), 6);

    const StartupItem *own = findItem(items, prefix + QStringLiteral("Editor"));
    QVERIFY(own);
    QVERIFY(own->isOwn);
    QCOMPARE(own->name, QStringLiteral("Editor"));
    QCOMPARE(own->source, StartupSource::LaunchAgent);
    QVERIFY(StartupManager::isModifiable(*own));

    const StartupItem *foreign = findItem(items, QStringLiteral("com.vendor.console"));
    QVERIFY(foreign);
    QVERIFY(!foreign->isOwn);
    QCOMPARE(foreign->name, QStringLiteral("com.vendor.console"));
    QVERIFY(!StartupManager::isModifiable(*foreign));
    QVERIFY(!foreign->programMissing);

    QCOMPARE(findItem(items, QStringLiteral("com.vendor.notes"))->programPath, notes);
    QVERIFY(findItem(items, QStringLiteral("com.vendor.gone"))->programMissing);
    QVERIFY(findItem(items, QStringLiteral("com.vendor.off"))->disabled);
    QCOMPARE(findItem(items, QStringLiteral("com.vendor.daemon"))->source, StartupSource::System);

    const QList<InstalledApp> apps = manager.apps();
    QCOMPARE(apps.size(), 4);
    QVERIFY(findApp(apps, QStringLiteral("Editor"))->inStartup);
    QCOMPARE(findApp(apps, QStringLiteral("Editor"))->exePath, editor + QStringLiteral("/Contents/MacOS/EditorBin"));
    QVERIFY(findApp(apps, QStringLiteral("Console"))->inStartup);
    QVERIFY(findApp(apps, QStringLiteral("Notes"))->inStartup);
    // A disabled agent does not start its program.
    QVERIFY(!findApp(apps, QStringLiteral("Plain"))->inStartup);
}

void TestStartupManager::addedAgentIsReadBackByPlistlib()
{
    TestHome home;
    FakeTools tools;
    const QString bundle
        = makeApp(home, QStringLiteral("root/Applications/Visual Studio Code.app"), QStringLiteral("Electron"));
    StartupManager manager(locationsIn(home));
    QVERIFY(refreshed(manager));
    QCOMPARE(manager.apps().size(), 1);

    QVERIFY(manager.addAppToStartup(manager.apps().first()));
    const QString label = prefix + QStringLiteral("VisualStudioCode");
    const QString path = home.filePath(QStringLiteral("Library/LaunchAgents/") + label + QStringLiteral(".plist"));
    const QJsonObject plist = readWithPlistlib(path);
    QCOMPARE(plist.value(QStringLiteral("Label")).toString(), label);
    QCOMPARE(plist.value(QStringLiteral("ProgramArguments")).toVariant().toStringList(),
        QStringList({ QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), bundle }));
    QCOMPARE(plist.value(QStringLiteral("RunAtLoad")).toBool(), true);
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0644));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootstrap gui/501 ") + path));

    // The lists tell the truth at once: an own item, and the application marked as started.
    const StartupItem *item = findItem(manager.items(), label);
    QVERIFY(item && item->isOwn);
    QVERIFY(manager.apps().first().inStartup);
}

void TestStartupManager::addingAnAppAlreadyStartedWritesNothing_data()
{
    QTest::addColumn<bool>("ownAgent");
    QTest::newRow("a foreign agent runs open -a with the bundle") << false;
    QTest::newRow("the app's own plist exists") << true;
}

void TestStartupManager::addingAnAppAlreadyStartedWritesNothing()
{
    QFETCH(bool, ownAgent);
    TestHome home;
    FakeTools tools;
    const QString bundle = makeApp(home, QStringLiteral("root/Applications/Player.app"), QStringLiteral("Player"));
    const QString id = ownAgent ? prefix + QStringLiteral("Player") : QStringLiteral("com.vendor.player");
    const QString path
        = userAgent(home, id, arguments({ QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), bundle }));
    const QByteArray before = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();

    StartupManager manager(locationsIn(home));
    if (ownAgent) {
        // Not scanned: the plist on disk alone must be recognised as this app's agent.
        QVERIFY(manager.addAppToStartup(appOf(bundle, QStringLiteral("Player"))));
    } else {
        QVERIFY(refreshed(manager));
        QVERIFY(manager.apps().first().inStartup);
        QVERIFY(manager.addAppToStartup(manager.apps().first()));
    }
    QCOMPARE(agentFiles(home), QStringList(QFileInfo(path).fileName()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl")));
}

void TestStartupManager::namesThatCleanAlikeGetTheirOwnLabels_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("firstLabel");
    QTest::newRow("space removed") << QStringLiteral("Foo Bar") << QStringLiteral("FooBar")
                                   << prefix + QStringLiteral("FooBar");
    QTest::newRow("no allowed character")
        << QStringLiteral("微信") << QStringLiteral("メモ") << prefix + QStringLiteral("com.example.");
}

void TestStartupManager::namesThatCleanAlikeGetTheirOwnLabels()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, firstLabel);
    TestHome home;
    FakeTools tools;
    const QString firstBundle = makeApp(home, QStringLiteral("root/Applications/") + first + QStringLiteral(".app"),
        QStringLiteral("one"), QStringLiteral("com.example.one"));
    const QString secondBundle = makeApp(home, QStringLiteral("root/Applications/") + second + QStringLiteral(".app"),
        QStringLiteral("two"), QStringLiteral("com.example.two"));
    StartupManager manager(locationsIn(home));
    QVERIFY(manager.addAppToStartup(appOf(firstBundle, QStringLiteral("one"))));
    QVERIFY(manager.addAppToStartup(appOf(secondBundle, QStringLiteral("two"))));

    const QList<StartupItem> items = manager.items();
    QCOMPARE(items.size(), 2);
    QVERIFY(items.at(0).id != items.at(1).id);
    QVERIFY(items.at(0).id.startsWith(firstLabel));
    QVERIFY(StartupManager::isOwnPlist(items.at(1).id));
    QCOMPARE(agentFiles(home).size(), 2);
    QCOMPARE(readWithPlistlib(items.at(1).plistPath)
                 .value(QStringLiteral("ProgramArguments"))
                 .toVariant()
                 .toStringList()
                 .last(),
        secondBundle);

    // A second manager adding the first app again finds its plist and writes nothing.
    const QString calls = tools.callLog();
    StartupManager again(locationsIn(home));
    QVERIFY(again.addAppToStartup(appOf(firstBundle, QStringLiteral("one"))));
    QCOMPARE(again.items().first().id, items.at(0).id);
    QCOMPARE(agentFiles(home).size(), 2);
    QCOMPARE(tools.callLog().count(QStringLiteral("launchctl")), calls.count(QStringLiteral("launchctl")));
}

// Changes asked for together run one after another in the order asked, off the caller's thread;
// each one's end is told once, a failure as a failure.
void TestStartupManager::changesRunInTurnAndEachIsTold()
{
    TestHome home;
    FakeTools tools;
    const QString one = makeApp(home, QStringLiteral("root/Applications/One.app"), QStringLiteral("One"));
    const QString two = makeApp(home, QStringLiteral("root/Applications/Two.app"), QStringLiteral("Two"));
    StartupManager manager(locationsIn(home));
    QSignalSpy changed(&manager, &StartupManager::changeFinished);
    StartupItem foreign;
    foreign.id = QStringLiteral("com.example.foreign");
    foreign.name = QStringLiteral("Foreign");
    foreign.plistPath = home.filePath(QStringLiteral("Library/LaunchAgents/com.example.foreign.plist"));
    foreign.source = StartupSource::LaunchAgent;
    manager.startAddApp(appOf(one, QStringLiteral("One")));
    manager.startSetStartupEnabled(foreign, false);
    manager.startAddApp(appOf(two, QStringLiteral("Two")));
    QVERIFY(manager.isChanging());
    QCOMPARE(changed.size(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 3, 60000);
    QVERIFY(!manager.isChanging());
    using Kind = StartupManager::ChangeKind;
    const QList<std::tuple<Kind, QString, bool>> expected { { Kind::Add, QStringLiteral("One"), true },
        { Kind::Remove, QStringLiteral("Foreign"), false }, { Kind::Add, QStringLiteral("Two"), true } };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(changed.at(i).at(0).value<Kind>(), std::get<0>(expected.at(i)));
        QCOMPARE(changed.at(i).at(1).toString(), std::get<1>(expected.at(i)));
        QCOMPARE(changed.at(i).at(2).toBool(), std::get<2>(expected.at(i)));
    }
    QCOMPARE(manager.items().size(), 2);
    QVERIFY(manager.isInStartup(StartupManager::normalizePath(one)));
    QVERIFY(manager.isInStartup(StartupManager::normalizePath(two)));
    QCOMPARE(agentFiles(home).size(), 2);
}

void TestStartupManager::failedWriteIsAFailure()
{
    TestHome home;
    FakeTools tools;
    const QString bundle = makeApp(home, QStringLiteral("root/Applications/Tool.app"), QStringLiteral("Tool"));
    StartupLocations locations = locationsIn(home);
    // A folder where nobody, not even root, can create a file.
    locations.userAgents = QStringLiteral("/proc/self");
    StartupManager manager(locations);
    LogRecorder log;
    QVERIFY(!manager.addAppToStartup(appOf(bundle, QStringLiteral("Tool"))));
    QCOMPARE(
        log.count(QStringLiteral("Failed to write plist: /proc/self/") + prefix + QStringLiteral("Tool.plist")), 1);
    QVERIFY(manager.items().isEmpty());
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl")));
}

void TestStartupManager::refusedRemovals_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("isOwn");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("plistElsewhere");
    QTest::addColumn<QString>("logLine");

    QTest::newRow("foreign agent") << QStringLiteral("com.vendor.agent") << false << int(StartupSource::LaunchAgent)
                                   << QString() << QStringLiteral("setStartupEnabled: not modifiable: ");
    QTest::newRow("foreign agent claiming to be own")
        << QStringLiteral("com.vendor.agent") << true << int(StartupSource::LaunchAgent) << QString()
        << QStringLiteral("Refused to delete third-party plist: ");
    QTest::newRow("own label, system folder") << prefix + QStringLiteral("Tool") << false << int(StartupSource::System)
                                              << QString() << QStringLiteral("not modifiable");
    QTest::newRow("own label, plist elsewhere")
        << prefix + QStringLiteral("Tool") << true << int(StartupSource::LaunchAgent)
        << QStringLiteral("Documents/") + prefix + QStringLiteral("Tool.plist")
        << QStringLiteral("Refused to delete a plist outside the LaunchAgents folder: ");
}

void TestStartupManager::refusedRemovals()
{
    QFETCH(QString, id);
    QFETCH(bool, isOwn);
    QFETCH(int, source);
    QFETCH(QString, plistElsewhere);
    QFETCH(QString, logLine);
    TestHome home;
    FakeTools tools;
    const QString inAgents = userAgent(home, id, program(QStringLiteral("/bin/sh")));
    StartupItem item;
    item.id = id;
    item.name = id;
    item.isOwn = isOwn;
    item.source = StartupSource(source);
    item.plistPath = plistElsewhere.isEmpty()
        ? inAgents
        : home.makeFileWithContent(plistElsewhere, plistXml(program(QStringLiteral("/bin/sh"))));

    StartupManager manager(locationsIn(home));
    LogRecorder log;
    QVERIFY(!manager.setStartupEnabled(item, false));
    QCOMPARE(log.count(logLine), 1);
    QVERIFY(QFile::exists(inAgents));
    QVERIFY(QFile::exists(item.plistPath));
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl")));

    StartupItem own = item;
    own.isOwn = true;
    own.source = StartupSource::LaunchAgent;
    QVERIFY(!manager.setStartupEnabled(own, true));
}

void TestStartupManager::ownAgentIsRemovedWhenUnloadingFails()
{
    TestHome home;
    FakeTools tools;
    qputenv("SWEEPNOOK_FAKE_LAUNCHCTL_EXIT", "3");
    const QString bundle = makeApp(home, QStringLiteral("root/Applications/Tool.app"), QStringLiteral("Tool"));
    const QString id = prefix + QStringLiteral("Tool");
    const QString path
        = userAgent(home, id, arguments({ QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), bundle }));
    StartupManager manager(locationsIn(home));
    QVERIFY(refreshed(manager));
    QVERIFY(manager.apps().first().inStartup);

    QSignalSpy told(&manager, &StartupManager::pathsRemoved);
    const bool removed = manager.setStartupEnabled(manager.items().first(), false);
    qunsetenv("SWEEPNOOK_FAKE_LAUNCHCTL_EXIT");
    QVERIFY(removed);
    // The other features drop the plist.
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().first().value<QSet<QString>>(), QSet<QString> { path });
    QVERIFY(!QFile::exists(path));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootout gui/501 ") + path));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl unload ") + path));
    QVERIFY(manager.items().isEmpty());
    // Its application is offered again without a new scan.
    QVERIFY(!manager.apps().first().inStartup);
}

void TestStartupManager::ownAgentLinkIsRemovedAsALink()
{
    TestHome home;
    FakeTools tools;
    const QString target
        = home.makeFileWithContent(QStringLiteral("keep/agent.plist"), plistXml(program(QStringLiteral("/bin/sh"))));
    const QString id = prefix + QStringLiteral("Linked");
    const QString link = home.makeLink(QStringLiteral("Library/LaunchAgents/") + id + QStringLiteral(".plist"), target);
    StartupManager manager(locationsIn(home));
    QVERIFY(refreshed(manager));
    QCOMPARE(manager.items().size(), 1);
    QVERIFY(manager.setStartupEnabled(manager.items().first(), false));
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(QFile::exists(target));
    // launchctl would have followed the link to the agent it names.
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl")));
}

void TestStartupManager::plistIsNeverWrittenThroughALink_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("link to a file outside") << true;
    QTest::newRow("link to nothing") << false;
}

// A link at the plist's name (made after any check) is refused, and its target never written.
void TestStartupManager::plistIsNeverWrittenThroughALink()
{
    QFETCH(bool, targetExists);
    TestHome home;
    const QByteArray original = plistXml(program(QStringLiteral("/bin/sh")));
    const QString target = home.filePath(QStringLiteral("elsewhere/agent.plist"));
    if (targetExists)
        home.makeFileWithContent(QStringLiteral("elsewhere/agent.plist"), original);
    else
        home.makeDir(QStringLiteral("elsewhere"));
    const QString path = home.filePath(QStringLiteral("Library/LaunchAgents/") + prefix + QStringLiteral("Tool.plist"));
    home.makeLink(QStringLiteral("Library/LaunchAgents/") + prefix + QStringLiteral("Tool.plist"), target);

    QVERIFY(
        !StartupManager::writeLaunchAgentPlist(path, prefix + QStringLiteral("Tool"), { QStringLiteral("/bin/true") }));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(QFileInfo(path).symLinkTarget(), target);
    QCOMPARE(QFile::exists(target), targetExists);
    if (targetExists) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original);
    }
    // Nothing of ours is left beside it.
    QCOMPARE(
        QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList { QFileInfo(path).fileName() });
}

// A plain plist is replaced by a new file, never rewritten in place; nothing else stays behind.
void TestStartupManager::plistIsReplacedByANewFile()
{
    TestHome home;
    const QString path = home.makeFileWithContent(
        QStringLiteral("Library/LaunchAgents/") + prefix + QStringLiteral("Tool.plist"), QByteArray("old"));
    const QString hardLink = home.filePath(QStringLiteral("second-name.plist"));
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(hardLink).constData()), 0);
    QVERIFY(
        StartupManager::writeLaunchAgentPlist(path, prefix + QStringLiteral("Tool"), { QStringLiteral("/bin/true") }));
    QCOMPARE(StartupManager::parsePlistExePath(path), QStringLiteral("/bin/true"));
    QFile other(hardLink);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QCOMPARE(other.readAll(), QByteArray("old"));
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0644));
    QCOMPARE(
        QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList { QFileInfo(path).fileName() });
}

void TestStartupManager::startAtLogin()
{
    TestHome home;
    FakeTools tools;
    StartupManager manager(locationsIn(home));
    QVERIFY(!manager.startsAtLogin());
    QVERIFY(manager.setStartAtLogin(true));
    QVERIFY(manager.startsAtLogin());
    const QString path
        = home.filePath(QStringLiteral("Library/LaunchAgents/") + prefix + QStringLiteral("Sweepnook.plist"));
    const QJsonObject plist = readWithPlistlib(path);
    QCOMPARE(plist.value(QStringLiteral("ProgramArguments")).toVariant().toStringList(),
        QStringList(QCoreApplication::applicationFilePath()));
    QCOMPARE(plist.value(QStringLiteral("RunAtLoad")).toBool(), true);
    // A second tick changes nothing.
    const int calls = tools.callLog().count(QStringLiteral("launchctl"));
    QVERIFY(manager.setStartAtLogin(true));
    QCOMPARE(tools.callLog().count(QStringLiteral("launchctl")), calls);

    QVERIFY(manager.setStartAtLogin(false));
    QVERIFY(!manager.startsAtLogin());
    QVERIFY(!QFile::exists(path));
    QVERIFY(manager.setStartAtLogin(false));
}

void TestStartupManager::disabledOwnAgent_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("added again") << QStringLiteral("add");
    QTest::newRow("switched on in the list") << QStringLiteral("enable");
    QTest::newRow("removed") << QStringLiteral("remove");
}

// Our own agent for an app, switched off (Disabled): adding the app or switching the agent on
// starts it for real, and it can be removed.
void TestStartupManager::disabledOwnAgent()
{
    QFETCH(QString, how);
    TestHome home;
    FakeTools tools;
    const QString bundle = makeApp(home, QStringLiteral("root/Applications/Tool.app"), QStringLiteral("Tool"));
    const QString path = userAgent(home, prefix + QStringLiteral("Tool"),
        arguments({ QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), bundle }) + "<key>Disabled</key><true/>\n");
    StartupManager manager(locationsIn(home));
    QVERIFY(refreshed(manager));
    QCOMPARE(manager.items().size(), 1);
    const StartupItem item = manager.items().first();
    QVERIFY(item.disabled);
    QVERIFY(item.isOwn);
    const InstalledApp app = appOf(bundle, QStringLiteral("Tool"));
    QVERIFY(!manager.isInStartup(StartupManager::normalizePath(app.exePath)));

    if (how == QLatin1String("remove")) {
        QVERIFY(manager.setStartupEnabled(item, false));
        QVERIFY(!QFile::exists(path));
        QVERIFY(manager.items().isEmpty());
        return;
    }
    if (how == QLatin1String("add"))
        QVERIFY(manager.addAppToStartup(app));
    else
        QVERIFY(manager.setStartupEnabled(item, true));
    // Written anew without Disabled, under the same label, and loaded.
    QVERIFY(!LaunchAgentPlist::read(path).disabled);
    QCOMPARE(LaunchAgentPlist::read(path).program, bundle);
    QVERIFY(!readWithPlistlib(path).contains(QStringLiteral("Disabled")));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl enable gui/501/") + prefix + QStringLiteral("Tool")));
    QVERIFY(tools.callLog().contains(QStringLiteral("launchctl bootstrap gui/501 ") + path));
    QCOMPARE(manager.items().size(), 1);
    QVERIFY(!manager.items().first().disabled);
    QVERIFY(manager.isInStartup(StartupManager::normalizePath(app.exePath)));
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestStartupManager::destroyedDuringAScan()
{
    TestHome home;
    FakeTools tools;
    for (int i = 0; i < 40; ++i)
        makeApp(home, QStringLiteral("root/Applications/App%1.app").arg(i), QStringLiteral("Bin"));
    {
        StartupManager cancelled(locationsIn(home));
        QSignalSpy finished(&cancelled, &StartupManager::refreshFinished);
        cancelled.refresh();
        cancelled.cancel();
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.first().first().toBool(), true);
        QVERIFY(cancelled.apps().isEmpty());
    }
    auto *manager = new StartupManager(locationsIn(home));
    QSignalSpy progress(manager, &StartupManager::progressChanged);
    manager->refresh();
    QVERIFY(progress.wait(30000));
    delete manager;
}

// Another feature (the uninstaller) moved an application and an agent's plist to the Trash:
// they leave the lists, and an application whose agent went is offered again; told during a
// refresh, they leave the lists it brings.
void TestStartupManager::removedElsewhereLeavesTheLists()
{
    TestHome home;
    FakeTools tools;
    const QString editor = makeApp(home, QStringLiteral("root/Applications/Editor.app"), QStringLiteral("EditorBin"));
    const QString notes = makeApp(home, QStringLiteral("root/Applications/Notes.app"), QStringLiteral("Notes"));
    const QString editorAgent = userAgent(home, QStringLiteral("com.vendor.editor"),
        arguments({ QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), editor }));
    const QString notesAgent
        = userAgent(home, QStringLiteral("com.vendor.notes"), program(notes + QStringLiteral("/Contents/MacOS/Notes")));
    StartupManager manager(locationsIn(home));
    QVERIFY(refreshed(manager));
    QCOMPARE(manager.items().size(), 2);
    QCOMPARE(manager.apps().size(), 2);
    QSignalSpy changed(&manager, &StartupManager::listsChanged);

    manager.forgetRemoved({ notes, notesAgent });
    QCOMPARE(changed.size(), 1);
    QCOMPARE(manager.items().size(), 1);
    QVERIFY(!findItem(manager.items(), QStringLiteral("com.vendor.notes")));
    QCOMPARE(manager.apps().size(), 1);
    QVERIFY(findApp(manager.apps(), QStringLiteral("Editor"))->inStartup);

    manager.forgetRemoved({ editorAgent });
    QCOMPARE(changed.size(), 2);
    QVERIFY(manager.items().isEmpty());
    QVERIFY(!findApp(manager.apps(), QStringLiteral("Editor"))->inStartup);

    manager.forgetRemoved({ home.filePath(QStringLiteral("Documents")) });
    QCOMPARE(changed.size(), 2);

    QSignalSpy finished(&manager, &StartupManager::refreshFinished);
    manager.refresh();
    manager.forgetRemoved({ editor });
    QCOMPARE(changed.size(), 2);
    QVERIFY(finished.wait(20000));
    // The files are still on disk: the refresh finds them, and the removal told during it takes
    // the application out again.
    QVERIFY(!findApp(manager.apps(), QStringLiteral("Editor")));
    QCOMPARE(manager.apps().size(), 1);
}

QTEST_GUILESS_MAIN(TestStartupManager)
#include "tst_startupmanager.moc"
