#include "appfixture.h"
#include "cleaners/appuninstaller.h"
#include "cleaners/duplicateremover.h"
#include "cleaners/fileidentity.h"
#include "cleaners/largefilescanner.h"
#include "core/fileutils.h"
#include "core/hometrash.h"
#include "core/pinnedroot.h"
#include "faketools.h"
#include "hostiletree.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

// The one way into the Trash, as each of its callers takes it: the uninstaller (its leftovers,
// the Finder asked first, or renamed with "name <seconds>.ext" when the Finder is not there),
// the large file finder (a scan's entry, renamed, numbered names) and the duplicate remover (a
// compared copy, renamed, numbered names). Between the caller's own checks and the move, the
// tree is changed as a row says; the Trash may only ever receive the entry that was chosen.

namespace {

enum class Caller { UninstallerFinder, UninstallerRename, LargeFiles, Duplicates };
enum class Change {
    None,
    NameTaken, // an item of the same name is in the Trash already
    FolderSwappedForLink, // the folder holding the entry became a link to a look-alike elsewhere
    EntryReplaced, // another file of the same name and content took the entry's place
    EntryGone, // the entry went elsewhere: not in the Trash, so never reported as moved there
    OtherVolume, // the entry lies on another volume than the Trash
    VolumeInside, // a volume is mounted inside the chosen folder
    SameVolumeMountedInside, // a folder of the same volume is mounted inside the chosen folder
};
enum class Expect { Moved, Refused };

const QByteArray Content = QByteArray(4096, 'c');
const QByteArray OtherContent = QByteArray(4096, 'o');

// Where a bundle keeps the bytes that tell it apart.
const QString BundleData = QStringLiteral("/Contents/Resources/data");

// A file's bytes; a bundle's are those of its data file.
QByteArray contentOf(const QString &path)
{
    QFile file(QFileInfo(path).isDir() ? path + BundleData : path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList trashEntries(const TestHome &home)
{
    QStringList entries = QDir(home.filePath(QStringLiteral(".Trash")))
                              .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    entries.sort();
    return entries;
}

// What one caller moves, from which root, and how it is asked to.
class Chooser
{
public:
    explicit Chooser(const TestHome &home)
        : m_home(home)
    {
    }
    virtual ~Chooser() = default;
    // The folder the caller reaches its entries from (relative to the home).
    virtual QString root() const = 0;
    // The chosen entry (relative to the home).
    virtual QString entry() const = 0;
    // Makes an entry of the chosen kind with content at the path relative to the home.
    virtual QString make(const QString &relativePath, const QByteArray &content) const
    {
        return m_home.makeFileWithContent(relativePath, content);
    }
    // Records what the user chose (the scan's view of it); false if that failed.
    virtual bool choose(const QString &path) = 0;
    // Asks the caller to move the chosen entry to the Trash; true when it says it did.
    virtual bool trash(const QString &path) = 0;

protected:
    const TestHome &m_home;
};

// An application bundle the uninstaller removes.
class UninstallerChooser final : public Chooser
{
public:
    UninstallerChooser(const TestHome &home, bool finder)
        : Chooser(home)
        , m_finder(finder)
    {
    }
    QString root() const override
    {
        return QStringLiteral("Applications");
    }
    QString entry() const override
    {
        return QStringLiteral("Applications/Foo.app");
    }
    QString make(const QString &relativePath, const QByteArray &content) const override
    {
        const QString bundle = AppFixture::makeBundle(
            m_home, relativePath, { { QStringLiteral("CFBundleIdentifier"), QStringLiteral("com.foo.app") } });
        m_home.makeFileWithContent(relativePath + BundleData, content);
        return bundle;
    }
    bool choose(const QString &path) override
    {
        m_uninstaller.setApplicationFolders({ m_home.filePath(root()) });
        QSignalSpy found(&m_uninstaller, &AppUninstaller::appFound);
        QSignalSpy finished(&m_uninstaller, &AppUninstaller::scanFinished);
        m_uninstaller.startScan();
        if (!finished.wait(20000) || found.size() != 1)
            return false;
        m_info = found.first().first().value<AppInfo>();
        return m_info.path == path;
    }
    bool trash(const QString &) override
    {
        qputenv("SWEEPNOOK_FAKE_FINDER", m_finder ? "trash" : "");
        const UninstallOutcome outcome = m_uninstaller.uninstallApp(m_info);
        qunsetenv("SWEEPNOOK_FAKE_FINDER");
        return outcome.result == UninstallOutcome::Result::Removed;
    }

private:
    const bool m_finder;
    AppUninstaller m_uninstaller;
    AppInfo m_info;
};

// A file the large file finder listed.
class LargeFileChooser final : public Chooser
{
public:
    using Chooser::Chooser;
    QString root() const override
    {
        return QStringLiteral("Chosen");
    }
    QString entry() const override
    {
        return QStringLiteral("Chosen/sub/big.mov");
    }
    bool choose(const QString &) override
    {
        m_scanner.setDrives({ m_home.filePath(root()) });
        m_scanner.setMinFileSize(Content.size());
        QSignalSpy finished(&m_scanner, &LargeFileScanner::scanFinished);
        m_scanner.startScan();
        return finished.wait(20000) && m_scanner.resultCount() == 1;
    }
    bool trash(const QString &path) override
    {
        QSignalSpy finished(&m_scanner, &LargeFileScanner::deleteFinished);
        if (!m_scanner.deleteFiles({ path }, LargeFileScanner::DeleteMode::MoveToTrash) || !finished.wait(20000))
            return false;
        return finished.first().first().value<LargeFileDeletion>().removed == QStringList { path };
    }

private:
    LargeFileScanner m_scanner;
};

// A copy the duplicate remover compared with a kept copy elsewhere in the scanned folder.
class DuplicateChooser final : public Chooser
{
public:
    using Chooser::Chooser;
    QString root() const override
    {
        return QStringLiteral("Chosen");
    }
    QString entry() const override
    {
        return QStringLiteral("Chosen/sub/copy.bin");
    }
    bool choose(const QString &path) override
    {
        const QString kept = m_home.makeFileWithContent(QStringLiteral("Chosen/kept/kept.bin"), Content);
        const std::optional<FileIdentity> copy = FileIdentity::ofRegularFile(path);
        const std::optional<FileIdentity> original = FileIdentity::ofRegularFile(kept);
        if (!copy || !original)
            return false;
        m_removal = DuplicateRemoval { QStringLiteral("hash"), Content.size(), { { path, Content.size(), {}, *copy } },
            { { kept, Content.size(), {}, *original } } };
        return true;
    }
    bool trash(const QString &path) override
    {
        QSignalSpy finished(&m_remover, &DuplicateRemover::finished);
        m_remover.remove({ m_removal }, { m_home.filePath(root()) }, DuplicateRemover::Disposal::MoveToTrash);
        return finished.size() == 1 && finished.first().first().toStringList() == QStringList { path }
        && m_remover.trashedPath(path)
            == m_home.filePath(QStringLiteral(".Trash/")) + QFileInfo(m_remover.trashedPath(path)).fileName();
    }

private:
    DuplicateRemover m_remover;
    DuplicateRemoval m_removal;
};

std::unique_ptr<Chooser> chooserFor(Caller caller, const TestHome &home)
{
    switch (caller) {
    case Caller::UninstallerFinder:
        return std::make_unique<UninstallerChooser>(home, true);
    case Caller::UninstallerRename:
        return std::make_unique<UninstallerChooser>(home, false);
    case Caller::LargeFiles:
        return std::make_unique<LargeFileChooser>(home);
    case Caller::Duplicates:
        return std::make_unique<DuplicateChooser>(home);
    }
    return nullptr;
}

// Removes the seams when the test ends, whatever way.
struct HookGuard
{
    ~HookGuard()
    {
        FileUtils::setBeforeRemoveHook({});
        HomeTrash::setBeforeRenameHook({});
    }
};

enum class Kind { File, Folder, Link };

// Makes an entry of the kind at path (relative to the home) holding or leading to content.
QString makeEntry(const TestHome &home, Kind kind, const QString &relativePath, const QByteArray &content)
{
    switch (kind) {
    case Kind::File:
        return home.makeFileWithContent(relativePath, content);
    case Kind::Folder:
        home.makeFileWithContent(relativePath + QStringLiteral("/inside"), content);
        return home.filePath(relativePath);
    case Kind::Link:
        return home.makeLink(relativePath, home.makeFileWithContent(relativePath + QStringLiteral(" target"), content));
    }
    return QString();
}

// What an entry made by makeEntry holds: a file's bytes, a folder's file's, a link's target's name.
QByteArray heldBy(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return QFile::encodeName(QFileInfo(info.symLinkTarget()).fileName());
    QFile file(info.isDir() ? path + QStringLiteral("/inside") : path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

Q_DECLARE_METATYPE(Caller)
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Expect)
Q_DECLARE_METATYPE(HomeTrash::Naming)
Q_DECLARE_METATYPE(HomeTrash::Outcome::Status)

class TestHomeTrash : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheChosenEntryReachesTheTrash_data();
    void onlyTheChosenEntryReachesTheTrash();
    void takenNamesKeepWhatMustStayLast_data();
    void takenNamesKeepWhatMustStayLast();
    void onlyWhatTheFinderPutInTheTrashCountsAsMoved_data();
    void onlyWhatTheFinderPutInTheTrashCountsAsMoved();
    void aNameTakenJustBeforeTheRenameIsKept_data();
    void aNameTakenJustBeforeTheRenameIsKept();
    void renameNeverReplaces_data();
    void renameNeverReplaces();
};

void TestHomeTrash::onlyTheChosenEntryReachesTheTrash_data()
{
    QTest::addColumn<Caller>("caller");
    QTest::addColumn<Change>("change");
    QTest::addColumn<Expect>("expect");
    // The name the chosen entry takes in the Trash when its own is taken.
    QTest::addColumn<QString>("freeName");

    const struct
    {
        const char *name;
        Caller caller;
        QString freeName;
    } callers[] = {
        // The fake Finder numbers names as the Finder does.
        { "uninstaller, Finder", Caller::UninstallerFinder, QStringLiteral("^Foo 2\\.app$") },
        { "uninstaller, no Finder", Caller::UninstallerRename, QStringLiteral("^Foo \\d{10,}\\.app$") },
        { "large files", Caller::LargeFiles, QStringLiteral("^big 2\\.mov$") },
        { "duplicates", Caller::Duplicates, QStringLiteral("^copy 2\\.bin$") },
    };
    for (const auto &c : callers) {
        QTest::addRow("%s, unchanged", c.name) << c.caller << Change::None << Expect::Moved << c.freeName;
        QTest::addRow("%s, name taken in the Trash", c.name)
            << c.caller << Change::NameTaken << Expect::Moved << c.freeName;
        QTest::addRow("%s, folder swapped for a link", c.name)
            << c.caller << Change::FolderSwappedForLink << Expect::Refused << c.freeName;
        QTest::addRow("%s, entry replaced", c.name)
            << c.caller << Change::EntryReplaced << Expect::Refused << c.freeName;
        QTest::addRow("%s, entry gone", c.name) << c.caller << Change::EntryGone << Expect::Refused << c.freeName;
        QTest::addRow("%s, another volume", c.name) << c.caller << Change::OtherVolume << Expect::Refused << c.freeName;
        if (c.caller != Caller::UninstallerFinder && c.caller != Caller::UninstallerRename)
            continue;
        // Only the uninstaller chooses a folder here.
        QTest::addRow("%s, a volume mounted inside", c.name)
            << c.caller << Change::VolumeInside << Expect::Refused << c.freeName;
        QTest::addRow("%s, a folder of the same volume mounted inside", c.name)
            << c.caller << Change::SameVolumeMountedInside << Expect::Refused << c.freeName;
    }
}

void TestHomeTrash::onlyTheChosenEntryReachesTheTrash()
{
    QFETCH(Caller, caller);
    QFETCH(Change, change);
    QFETCH(Expect, expect);
    QFETCH(QString, freeName);
    const bool mounts
        = change == Change::OtherVolume || change == Change::VolumeInside || change == Change::SameVolumeMountedInside;
    if (mounts)
        HOSTILE_TREE_RUN_IN_MOUNT_NAMESPACE();

    FakeTools tools;
    TestHome home;
    const std::unique_ptr<Chooser> chooser = chooserFor(caller, home);
    std::optional<HostileTree::TmpfsMount> volume;
    if (change == Change::OtherVolume) {
        volume.emplace(home.filePath(chooser->root()));
        QVERIFY(volume->isMounted());
    }
    const QString chosen = chooser->make(chooser->entry(), Content);
    const QString name = QFileInfo(chosen).fileName();
    if (change == Change::NameTaken)
        chooser->make(QStringLiteral(".Trash/") + name, OtherContent);
    QVERIFY(chooser->choose(chosen));
    // Mounted after the scan, as a disk image opened from inside the bundle would be.
    std::optional<HostileTree::TmpfsMount> inside;
    std::optional<HostileTree::BindMount> bound;
    const QString volumeFile = chosen + QStringLiteral("/Contents/Volume/on the volume.txt");
    if (change == Change::VolumeInside) {
        inside.emplace(chosen + QStringLiteral("/Contents/Volume"));
        QVERIFY(inside->isMounted());
    } else if (change == Change::SameVolumeMountedInside) {
        bound.emplace(home.makeDir(QStringLiteral("Shared")), chosen + QStringLiteral("/Contents/Volume"));
        QVERIFY(bound->isMounted());
    }
    if (inside || bound) {
        QFile file(volumeFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(OtherContent);
    }

    // Where the chosen entry is after the change, and the look-alike that must stay.
    const QString folder = QFileInfo(chosen).path();
    QString chosenNow = chosen;
    QString lookAlike;
    HookGuard guard;
    if (change == Change::FolderSwappedForLink) {
        lookAlike = chooser->make(QStringLiteral("Elsewhere/") + name, Content);
        chosenNow = folder + QStringLiteral(" (moved)/") + name;
        FileUtils::setBeforeRemoveHook([=](const QByteArray &) {
            if (QFileInfo(folder).isSymLink())
                return;
            QDir().rename(folder, folder + QStringLiteral(" (moved)"));
            QFile::link(QFileInfo(lookAlike).path(), folder);
        });
    } else if (change == Change::EntryGone) {
        chosenNow = home.filePath(QStringLiteral("Gone/")) + name;
        FileUtils::setBeforeRemoveHook([=](const QByteArray &) {
            QDir().mkpath(QFileInfo(chosenNow).path());
            QDir().rename(chosen, chosenNow);
        });
    } else if (change == Change::EntryReplaced) {
        lookAlike = chosen;
        chosenNow = chosen + QStringLiteral(".old");
        FileUtils::setBeforeRemoveHook([=](const QByteArray &) {
            if (QFileInfo::exists(chosenNow))
                return;
            QDir().rename(chosen, chosenNow);
            QFile replacement(chosen);
            if (replacement.open(QIODevice::WriteOnly))
                replacement.write(Content);
        });
    }

    QCOMPARE(chooser->trash(chosen), expect == Expect::Moved);

    const QStringList trash = trashEntries(home);
    if (!lookAlike.isEmpty())
        QCOMPARE(contentOf(lookAlike), Content);
    const bool askedFinder = tools.callLog().contains(QStringLiteral("osascript-argv"));
    if (expect == Expect::Refused) {
        QCOMPARE(contentOf(chosenNow), Content);
        QVERIFY2(trash.isEmpty(), qPrintable(trash.join(QLatin1Char(','))));
        // The Finder goes by the path: it is never asked about an entry reached otherwise now.
        QVERIFY(!askedFinder || change == Change::OtherVolume);
        if (inside || bound)
            QCOMPARE(contentOf(volumeFile), OtherContent);
        return;
    }
    QVERIFY(!QFileInfo::exists(chosenNow));
    QString arrived = name;
    if (change == Change::NameTaken) {
        QCOMPARE(trash.size(), 2);
        QCOMPARE(contentOf(home.filePath(QStringLiteral(".Trash/") + name)), OtherContent);
        arrived = trash.at(trash.at(0) == name ? 1 : 0);
        QVERIFY2(QRegularExpression(freeName).match(arrived).hasMatch(), qPrintable(arrived));
    } else {
        QCOMPARE(trash, QStringList { arrived });
    }
    QCOMPARE(contentOf(home.filePath(QStringLiteral(".Trash/") + arrived)), Content);
    QCOMPARE(askedFinder, caller == Caller::UninstallerFinder || caller == Caller::UninstallerRename);
}

void TestHomeTrash::takenNamesKeepWhatMustStayLast_data()
{
    QTest::addColumn<QString>("entry"); // a trailing "/" makes a folder, "/Contents/" a bundle
    QTest::addColumn<HomeTrash::Naming>("naming");
    QTest::addColumn<QString>("arrives"); // a pattern of the name it takes in the Trash
    const auto numbered = HomeTrash::Naming::Numbered;
    const auto stamped = HomeTrash::Naming::Stamped;
    QTest::newRow("file") << "movie.mov" << numbered << "^movie 2\\.mov$";
    QTest::newRow("file, last extension") << "backup.tar.gz" << numbered << "^backup\\.tar 2\\.gz$";
    QTest::newRow("file without extension") << "README" << numbered << "^README 2$";
    QTest::newRow("file named by a dot") << ".hidden" << numbered << "^\\.hidden 2$";
    QTest::newRow("file named by an identifier")
        << "com.foo.app.plist" << stamped << "^com\\.foo\\.app \\d{10,}\\.plist$";
    QTest::newRow("bundle") << "Editor.app/Contents/" << numbered << "^Editor 2\\.app$";
    QTest::newRow("bundle named by an identifier")
        << "com.foo.Helper.app/Contents/" << stamped << "^com\\.foo\\.Helper \\d{10,}\\.app$";
    QTest::newRow("package") << "Photos Library.photoslibrary/" << numbered << "^Photos Library 2\\.photoslibrary$";
    QTest::newRow("folder named by an identifier") << "com.foo.app/" << numbered << "^com\\.foo\\.app 2$";
    QTest::newRow("folder named by an identifier, stamped")
        << "com.foo.app/" << stamped << "^com\\.foo\\.app \\d{10,}$";
}

void TestHomeTrash::takenNamesKeepWhatMustStayLast()
{
    QFETCH(QString, entry);
    QFETCH(HomeTrash::Naming, naming);
    QFETCH(QString, arrives);
    TestHome home;
    const QString name = entry.section(QLatin1Char('/'), 0, 0);
    if (entry.contains(QLatin1Char('/')))
        home.makeDir(QStringLiteral("Chosen/") + entry);
    else
        home.makeFile(QStringLiteral("Chosen/") + entry, 10);
    home.makeFile(QStringLiteral(".Trash/") + name, 5);
    const QString root = home.filePath(QStringLiteral("Chosen"));

    const HomeTrash::Outcome outcome
        = HomeTrash::moveUnder(PinnedRoot::open(root, root), root + QLatin1Char('/') + name, {}, { false, naming });
    QVERIFY2(outcome.moved(), qPrintable(outcome.reason));
    const QString arrived = QFileInfo(outcome.trashedPath).fileName();
    QVERIFY2(QRegularExpression(arrives).match(arrived).hasMatch(), qPrintable(arrived));
    QCOMPARE(outcome.trashedPath, home.filePath(QStringLiteral(".Trash/")) + arrived);
    QVERIFY(QFileInfo::exists(outcome.trashedPath));
    QCOMPARE(QFileInfo(home.filePath(QStringLiteral(".Trash/") + name)).size(), 5);
}

void TestHomeTrash::onlyWhatTheFinderPutInTheTrashCountsAsMoved_data()
{
    QTest::addColumn<QByteArray>("finder"); // what the fake Finder does (tests/fakebin/osascript)
    QTest::addColumn<bool>("link"); // the entry is a link to a bundle
    QTest::addColumn<HomeTrash::Outcome::Status>("status");
    QTest::addColumn<bool>("byFinder");
    QTest::addColumn<QString>("reason"); // what the log says about the Finder, in part

    using Status = HomeTrash::Outcome::Status;
    QTest::newRow("moved, says where") << QByteArray("trash") << false << Status::Moved << true << QString();
    QTest::newRow("moved, says nothing") << QByteArray("quiet") << false << Status::Moved << true << QString();
    QTest::newRow("says done, moved nothing: renamed")
        << QByteArray("claim") << false << Status::Moved << false << QStringLiteral("left it where it was");
    QTest::newRow("not allowed: renamed") << QByteArray("denied") << false << Status::Moved << false
                                          << QStringLiteral("not allowed to control the Finder");
    QTest::newRow("not running: renamed")
        << QByteArray("") << false << Status::Moved << false << QStringLiteral("Application isn't running");
    QTest::newRow("moved, but not to a Trash") << QByteArray("elsewhere") << false << Status::Missing << false
                                               << QStringLiteral("left its folder, but is not in the Trash");
    QTest::newRow("a link goes as the link, never by the Finder")
        << QByteArray("trash") << true << Status::Moved << false << QString();
}

void TestHomeTrash::onlyWhatTheFinderPutInTheTrashCountsAsMoved()
{
    QFETCH(QByteArray, finder);
    QFETCH(bool, link);
    QFETCH(HomeTrash::Outcome::Status, status);
    QFETCH(bool, byFinder);
    QFETCH(QString, reason);
    FakeTools tools;
    TestHome home;
    const QString bundle = home.makeFileWithContent(QStringLiteral("Applications/Foo.app") + BundleData, Content);
    const QString apps = home.filePath(QStringLiteral("Applications"));
    const QString path = link ? home.makeLink(QStringLiteral("Applications/Link.app"), bundle) : bundle;

    if (!reason.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QRegularExpression::escape(reason)));
    qputenv("SWEEPNOOK_FAKE_FINDER", finder);
    const HomeTrash::Outcome outcome
        = HomeTrash::moveUnder(PinnedRoot::open(apps, apps), path, {}, { true, HomeTrash::Naming::Stamped });
    qunsetenv("SWEEPNOOK_FAKE_FINDER");

    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.byFinder, byFinder);
    QCOMPARE(tools.callLog().contains(QStringLiteral("osascript-argv")), !link);
    QVERIFY(!QFileInfo::exists(path) || QFileInfo(path).isSymLink() != link);
    if (status != HomeTrash::Outcome::Moved) {
        QVERIFY(outcome.trashedPath.isEmpty());
        QVERIFY(trashEntries(home).isEmpty());
        return;
    }
    QCOMPARE(outcome.trashedPath, home.filePath(QStringLiteral(".Trash/")) + QFileInfo(path).fileName());
    QCOMPARE(trashEntries(home), QStringList { QFileInfo(path).fileName() });
    QCOMPARE(QFileInfo(outcome.trashedPath).isSymLink(), link);
    QCOMPARE(contentOf(outcome.trashedPath), Content);
}

// Another item takes the free name found in the Trash just before the entry is renamed to it:
// that item stays as it is, and the entry takes the next free name.
void TestHomeTrash::aNameTakenJustBeforeTheRenameIsKept_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Kind>("taker");
    QTest::newRow("file, by a file") << Kind::File << Kind::File;
    QTest::newRow("link, by a file") << Kind::Link << Kind::File;
    QTest::newRow("folder, by a folder") << Kind::Folder << Kind::Folder;
    QTest::newRow("file, by a link") << Kind::File << Kind::Link;
}

void TestHomeTrash::aNameTakenJustBeforeTheRenameIsKept()
{
    QFETCH(Kind, kind);
    QFETCH(Kind, taker);
    TestHome home;
    const QString chosen = makeEntry(home, kind, QStringLiteral("Chosen/report.txt"), Content);
    const QByteArray chosenHolds = heldBy(chosen);
    home.makeDir(QStringLiteral(".Trash"));
    QStringList taken;
    QByteArray takerHolds;
    HookGuard guard;
    HomeTrash::setBeforeRenameHook([&](const QString &trashedPath) {
        if (!taken.isEmpty())
            return;
        taken << trashedPath;
        takerHolds = heldBy(
            makeEntry(home, taker, QStringLiteral(".Trash/") + QFileInfo(trashedPath).fileName(), OtherContent));
    });
    const QString root = home.filePath(QStringLiteral("Chosen"));

    const HomeTrash::Outcome outcome = HomeTrash::moveUnder(PinnedRoot::open(root, root), chosen, {});
    QVERIFY2(outcome.moved(), qPrintable(outcome.reason));
    QCOMPARE(taken, QStringList { home.filePath(QStringLiteral(".Trash/report.txt")) });
    QCOMPARE(outcome.trashedPath, home.filePath(QStringLiteral(".Trash/report 2.txt")));
    QCOMPARE(heldBy(outcome.trashedPath), chosenHolds);
    QCOMPARE(heldBy(taken.first()), takerHolds);
    QCOMPARE(QFileInfo(taken.first()).isSymLink(), taker == Kind::Link);
    QCOMPARE(QFileInfo(taken.first()).isDir(), taker == Kind::Folder);
    QVERIFY(!QFileInfo::exists(chosen) && !QFileInfo(chosen).isSymLink());
}

// The rename of the system's call and the portable one: a taken name is never replaced, by any
// kind of entry; a free one is taken, a link as the link.
void TestHomeTrash::renameNeverReplaces_data()
{
    QTest::addColumn<bool>("portable");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("takenBy"); // -1: the name is free; else a Kind
    for (bool portable : { false, true }) {
        for (Kind kind : { Kind::File, Kind::Folder, Kind::Link }) {
            const char *kindName = kind == Kind::File ? "file" : kind == Kind::Folder ? "folder" : "link";
            const char *way = portable ? "portable" : "system";
            QTest::addRow("%s, %s, free name", way, kindName) << portable << kind << -1;
            QTest::addRow("%s, %s, name taken by a file", way, kindName) << portable << kind << int(Kind::File);
            QTest::addRow("%s, %s, name taken by an empty folder", way, kindName)
                << portable << kind << int(Kind::Folder);
            QTest::addRow("%s, %s, name taken by a link", way, kindName) << portable << kind << int(Kind::Link);
        }
    }
}

void TestHomeTrash::renameNeverReplaces()
{
    QFETCH(bool, portable);
    QFETCH(Kind, kind);
    QFETCH(int, takenBy);
    TestHome home;
    const QString from = makeEntry(home, kind, QStringLiteral("From/entry"), Content);
    const QByteArray fromHolds = heldBy(from);
    const QString to = home.filePath(QStringLiteral("To/entry"));
    home.makeDir(QStringLiteral("To"));
    if (takenBy == int(Kind::Folder))
        home.makeDir(QStringLiteral("To/entry"));
    else if (takenBy >= 0)
        makeEntry(home, Kind(takenBy), QStringLiteral("To/entry"), OtherContent);
    const QByteArray toHolds = heldBy(to);
    const int fromFd = ::open(QFile::encodeName(home.filePath(QStringLiteral("From"))).constData(), O_RDONLY);
    const int toFd = ::open(QFile::encodeName(home.filePath(QStringLiteral("To"))).constData(), O_RDONLY);
    QVERIFY(fromFd >= 0 && toFd >= 0);

    errno = 0;
    const bool renamed = portable ? FileUtils::renameNoReplacePortable(fromFd, "entry", toFd, "entry")
                                  : FileUtils::renameNoReplace(fromFd, "entry", toFd, "entry");
    const int error = errno;
    ::close(fromFd);
    ::close(toFd);
    QCOMPARE(renamed, takenBy < 0);
    if (takenBy >= 0) {
        QCOMPARE(error, EEXIST);
        QCOMPARE(heldBy(from), fromHolds);
        QCOMPARE(heldBy(to), toHolds);
        QCOMPARE(QFileInfo(to).isSymLink(), takenBy == int(Kind::Link));
        return;
    }
    QVERIFY(!QFileInfo::exists(from) && !QFileInfo(from).isSymLink());
    QCOMPARE(heldBy(to), fromHolds);
    QCOMPARE(QFileInfo(to).isSymLink(), kind == Kind::Link);
}

QTEST_GUILESS_MAIN(TestHomeTrash)
#include "tst_hometrash.moc"
