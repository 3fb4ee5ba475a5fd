#include "cleaners/browsercleaner.h"
#include "cleaners/junkcleaner.h"
#include "core/fileutils.h"
#include "core/pinnedroot.h"
#include "core/treewalker.h"
#include "faketools.h"
#include "hostiletree.h"
#include "testhome.h"

#include <QtTest>

#include <QSqlDatabase>
#include <QSqlQuery>

#include <memory>

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

// Trees that try to make a removal reach what it must not: links on the way and at the end,
// "." and "..", folders swapped between the check and the removal, mount points, deep and
// long-named trees, FIFOs. After each case a sentinel tree outside the home must be unchanged.
class TestHostileTrees : public QObject
{
    Q_OBJECT

private slots:
    void removeUnder_data();
    void removeUnder();
    void deleteDirectoryRefusesDotComponents_data();
    void deleteDirectoryRefusesDotComponents();
    void folderSwappedForLinkBeforeRemoval_data();
    void folderSwappedForLinkBeforeRemoval();
    void pinnedRoot_data();
    void pinnedRoot();
    void deepTreeOnSmallStack();
    void pathLongerThanPathMax();
    void openRegularFile_data();
    void openRegularFile();
    void readRegularFileHonoursTheLimit();
    void mountPointInsideRemovedFolderIsLeftAlone();
    void mountPointOnTheWayRefuses();
    void rootOnAnotherVolumeIsRefused();
    void clean_data();
    void clean();
    void namesThatAreNotTextAreSkipped();
    void oversizedProfilesIniIsRefused();
};

namespace {

// The tree every removal case starts from: root is Library/Caches of the home.
struct CacheTree
{
    explicit CacheTree(const TestHome &home, const SentinelTree &sentinel)
    {
        home.makeFile(QStringLiteral("Library/Caches/app/a/b/file.bin"), 10);
        home.makeFile(QStringLiteral("Library/Caches/app/top.bin"), 10);
        home.makeFile(QStringLiteral("Library/Caches/loose.bin"), 10);
        home.makeFile(QStringLiteral("Library/CachesOld/keep.bin"), 10);
        home.makeLink(QStringLiteral("Library/Caches/out"), sentinel.path());
        home.makeLink(QStringLiteral("Library/Caches/outfile"), sentinel.filePath(QStringLiteral("secret.txt")));
        home.makeLink(QStringLiteral("Library/Caches/app/a/escape"), sentinel.filePath(QStringLiteral("Cache")));
    }
};

// Every name of a walk, to compare with find.
class Collector final : public TreeWalker::Visitor
{
public:
    void visitFile(const TreeWalker::Entry &entry) override
    {
        files.append(entry.path());
        maxDepth = std::max(maxDepth, entry.depth());
    }

    QList<QByteArray> files;
    int maxDepth = 0;
};

} // namespace

void TestHostileTrees::removeUnder_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<FileUtils::Expect>("expect");
    QTest::addColumn<FileUtils::Removal::Status>("status");
    QTest::addColumn<QStringList>("gone");

    using E = FileUtils::Expect;
    using R = FileUtils::Removal;
    const QString caches = QStringLiteral("Library/Caches/");
    QTest::newRow("a file") << caches + QStringLiteral("app/top.bin") << E::File << R::Removed
                            << QStringList { caches + QStringLiteral("app/top.bin") };
    QTest::newRow("a folder with a link inside")
        << caches + QStringLiteral("app") << E::Folder << R::Removed << QStringList { caches + QStringLiteral("app") };
    QTest::newRow("a folder named with a trailing slash")
        << caches + QStringLiteral("app/") << E::Folder << R::Removed << QStringList { caches + QStringLiteral("app") };
    QTest::newRow("through a link on the way")
        << caches + QStringLiteral("out/secret.txt") << E::File << R::Refused << QStringList();
    QTest::newRow("through a link on the way, as a folder")
        << caches + QStringLiteral("out/Cache") << E::Folder << R::Refused << QStringList();
    QTest::newRow("a link to a folder is removed as a link")
        << caches + QStringLiteral("out") << E::Folder << R::Removed << QStringList { caches + QStringLiteral("out") };
    QTest::newRow("a link to a file is removed as a link")
        << caches + QStringLiteral("outfile") << E::File << R::Removed
        << QStringList { caches + QStringLiteral("outfile") };
    QTest::newRow("dot-dot at the end") << caches + QStringLiteral("app/a/..") << E::Folder << R::Refused
                                        << QStringList();
    QTest::newRow("dot at the end") << caches + QStringLiteral("app/a/.") << E::Folder << R::Refused << QStringList();
    QTest::newRow("dot-dot on the way") << caches + QStringLiteral("app/../loose.bin") << E::File << R::Refused
                                        << QStringList();
    QTest::newRow("the root itself") << QStringLiteral("Library/Caches") << E::Any << R::Refused << QStringList();
    QTest::newRow("a sibling extending the root's name")
        << QStringLiteral("Library/CachesOld/keep.bin") << E::File << R::Refused << QStringList();
    QTest::newRow("nothing there") << caches + QStringLiteral("none/x.bin") << E::File << R::Missing << QStringList();
    QTest::newRow("a folder where a file was listed")
        << caches + QStringLiteral("app") << E::File << R::Refused << QStringList();
    QTest::newRow("a file where a folder was listed")
        << caches + QStringLiteral("loose.bin") << E::Folder << R::Refused << QStringList();
}

void TestHostileTrees::removeUnder()
{
    QFETCH(QString, relativePath);
    QFETCH(FileUtils::Expect, expect);
    QFETCH(FileUtils::Removal::Status, status);
    QFETCH(QStringList, gone);
    SentinelTree sentinel;
    TestHome home;
    CacheTree tree(home, sentinel);
    const QStringList everything
        = { QStringLiteral("Library/Caches/app/a/b/file.bin"), QStringLiteral("Library/Caches/app/top.bin"),
              QStringLiteral("Library/Caches/loose.bin"), QStringLiteral("Library/CachesOld/keep.bin"),
              QStringLiteral("Library/Caches/out"), QStringLiteral("Library/Caches/outfile") };

    const PinnedRoot root = PinnedRoot::open(home.filePath(QStringLiteral("Library/Caches")), home.path());
    QVERIFY2(root.isOpen(), qPrintable(root.reason()));
    const FileUtils::Removal removal = FileUtils::removeUnder(root, home.filePath(relativePath), expect);

    QCOMPARE(removal.status, status);
    QVERIFY2(sentinel.unchanged(), qPrintable(sentinel.differences()));
    for (const QString &path : everything) {
        const bool expectedGone = std::any_of(gone.cbegin(), gone.cend(),
            [&](const QString &g) { return path == g || path.startsWith(g + QLatin1Char('/')); });
        QCOMPARE(QFileInfo(home.filePath(path)).exists() || QFileInfo(home.filePath(path)).isSymLink(), !expectedGone);
    }
}

void TestHostileTrees::deleteDirectoryRefusesDotComponents_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("X/L1/L2/L3/..") << QStringLiteral("X/L1/L2/L3/..");
    QTest::newRow("X/target/.") << QStringLiteral("X/target/.");
    QTest::newRow("X/target/./") << QStringLiteral("X/target/./");
    QTest::newRow("X/target/../target") << QStringLiteral("X/target/../target");
}

void TestHostileTrees::deleteDirectoryRefusesDotComponents()
{
    QFETCH(QString, relativePath);
    TestHome home;
    home.makeFile(QStringLiteral("X/keep.bin"), 5);
    home.makeFile(QStringLiteral("X/sibling/keep.bin"), 5);
    home.makeFile(QStringLiteral("X/target/inside.bin"), 5);
    home.makeFile(QStringLiteral("X/L1/L2/L3/deep.bin"), 5);

    QVERIFY(!FileUtils::deleteDirectory(home.filePath(relativePath)));
    QVERIFY(!FileUtils::deleteFile(home.filePath(relativePath)));
    for (const char *kept : { "X/keep.bin", "X/sibling/keep.bin", "X/target/inside.bin", "X/L1/L2/L3/deep.bin" })
        QVERIFY2(QFileInfo::exists(home.filePath(QLatin1String(kept))), kept);
}

void TestHostileTrees::folderSwappedForLinkBeforeRemoval_data()
{
    QTest::addColumn<bool>("throughRoot");
    // The root is above the swapped folder: the link on the way refuses the removal.
    QTest::newRow("removeUnder a pinned root") << true;
    // The parent is pinned before the swap: the folder that was checked goes, wherever it moved.
    QTest::newRow("deleteDirectory") << false;
}

// The folder on the way is swapped for a link between the check and the removal: the removal
// must not reach the link's target.
void TestHostileTrees::folderSwappedForLinkBeforeRemoval()
{
    QFETCH(bool, throughRoot);
    SentinelTree sentinel;
    TestHome home;
    home.makeFile(QStringLiteral("Library/Caches/app/Cache/data_0"), 10);
    home.makeFile(QStringLiteral("Library/Caches/app/Cache/index"), 10);
    const QString app = home.filePath(QStringLiteral("Library/Caches/app"));
    const QString target = app + QStringLiteral("/Cache");
    const PinnedRoot root = PinnedRoot::open(home.filePath(QStringLiteral("Library/Caches")), home.path());
    QVERIFY(root.isOpen());

    int calls = 0;
    FileUtils::setBeforeRemoveHook([&](const QByteArray &) {
        ++calls;
        QVERIFY(QDir().rename(app, app + QStringLiteral(".moved")));
        QVERIFY(QFile::link(sentinel.path(), app));
    });
    const bool done = throughRoot
        ? FileUtils::removeUnder(root, target, FileUtils::Expect::Folder).status == FileUtils::Removal::Refused
        : FileUtils::deleteDirectory(target);
    FileUtils::setBeforeRemoveHook({});

    QCOMPARE(calls, 1);
    QVERIFY(done);
    QVERIFY2(sentinel.unchanged(), qPrintable(sentinel.differences()));
    QCOMPARE(QFileInfo::exists(home.filePath(QStringLiteral("Library/Caches/app.moved/Cache/data_0"))), throughRoot);
}

void TestHostileTrees::pinnedRoot_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("base");
    QTest::addColumn<PinnedRoot::Status>("status");
    QTest::newRow("a folder in the home") << QStringLiteral("Library/Caches/app") << QString() << PinnedRoot::Open;
    QTest::newRow("the base itself") << QString() << QString() << PinnedRoot::Open;
    QTest::newRow("a link leading out of the home")
        << QStringLiteral("Library/Caches/com.apple.Safari") << QString() << PinnedRoot::Refused;
    QTest::newRow("below a link leading out")
        << QStringLiteral("Library/Caches/com.apple.Safari/Cache") << QString() << PinnedRoot::Refused;
    QTest::newRow("a link staying in the home")
        << QStringLiteral("Library/Caches/alias") << QString() << PinnedRoot::Open;
    QTest::newRow("the home reached through a link")
        << QStringLiteral("Library/Caches/app") << QStringLiteral("homelink") << PinnedRoot::Open;
    QTest::newRow("a file") << QStringLiteral("Library/Caches/app/f.bin") << QString() << PinnedRoot::Refused;
    QTest::newRow("missing") << QStringLiteral("Library/Caches/none") << QString() << PinnedRoot::Missing;
    QTest::newRow("dot-dot") << QStringLiteral("Library/Caches/app/..") << QString() << PinnedRoot::Refused;
}

void TestHostileTrees::pinnedRoot()
{
    QFETCH(QString, folder);
    QFETCH(QString, base);
    QFETCH(PinnedRoot::Status, status);
    SentinelTree sentinel;
    TestHome home;
    home.makeFile(QStringLiteral("Library/Caches/app/f.bin"), 1);
    home.makeLink(QStringLiteral("Library/Caches/com.apple.Safari"), sentinel.path());
    home.makeLink(QStringLiteral("Library/Caches/alias"), home.filePath(QStringLiteral("Library/Caches/app")));
    QTemporaryDir linkHolder;
    const QString homeLink = linkHolder.filePath(QStringLiteral("homelink"));
    QVERIFY(QFile::link(home.path(), homeLink));
    const QString basePath = base.isEmpty() ? home.path() : homeLink;
    const QString folderPath = folder.isEmpty() ? basePath : basePath + QLatin1Char('/') + folder;

    const PinnedRoot root = PinnedRoot::open(folderPath, basePath);
    QCOMPARE(root.status(), status);
    QCOMPARE(root.fd() >= 0, status == PinnedRoot::Open);
    QCOMPARE(root.reason().isEmpty(), status == PinnedRoot::Open);
    if (root.isOpen())
        QCOMPARE(root.path(), folderPath);
}

// Deep trees: the walk and the removal run on a thread with the stack macOS gives a secondary
// thread, and with far fewer descriptors allowed than the tree has levels.
void TestHostileTrees::deepTreeOnSmallStack()
{
    constexpr int depth = 2000;
    TestHome home;
    const QString top = home.filePath(QStringLiteral("Library/Caches/deep"));
    QVERIFY(HostileTree::makeDeepChain(top, "d", depth, 123));
    home.makeFile(QStringLiteral("Library/Caches/deep/d/side.bin"), 7);

    qint64 size = -1;
    Collector collected;
    TreeWalker::Outcome outcome = TreeWalker::Outcome::Aborted;
    bool removed = false;
    {
        HostileTree::DescriptorLimit limit(256);
        HostileTree::runWithStack(HostileTree::secondaryThreadStack, [&] {
            size = FileUtils::calculateDirSize(top);
            const int fd = ::open(QFile::encodeName(top).constData(), O_RDONLY | O_DIRECTORY);
            outcome = TreeWalker::walk(fd, QFile::encodeName(top), collected);
            ::close(fd);
            removed = FileUtils::deleteDirectory(top);
        });
    }
    QCOMPARE(size, qint64(130));
    QCOMPARE(outcome, TreeWalker::Outcome::Complete);
    QCOMPARE(collected.files.size(), 2);
    QCOMPARE(collected.maxDepth, depth + 1);
    QVERIFY(collected.files.contains(QFile::encodeName(top) + QByteArray("/d").repeated(depth) + "/bottom.bin"));
    QVERIFY(removed);
    QVERIFY(!QFileInfo::exists(top));
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("Library/Caches"))));
}

// A few long names make paths longer than PATH_MAX: listed, counted and removed all the same.
void TestHostileTrees::pathLongerThanPathMax()
{
    const QByteArray longName(250, 'n');
    const int levels = PATH_MAX / longName.size() + 2;
    TestHome home;
    const QString top = home.filePath(QStringLiteral("Library/Caches/long"));
    QVERIFY(HostileTree::makeDeepChain(top, longName, levels, 50));
    QVERIFY(HostileTree::makeDeepChain(top + QStringLiteral("/second"), longName, levels, 50));
    const QByteArray deepFile = QFile::encodeName(top) + QByteArray('/' + longName).repeated(levels) + "/bottom.bin";
    QVERIFY(deepFile.size() > PATH_MAX);

    QCOMPARE(FileUtils::calculateDirSize(top), qint64(100));
    const PinnedRoot root = PinnedRoot::open(home.filePath(QStringLiteral("Library/Caches")), home.path());
    QCOMPARE(FileUtils::removeUnder(root, deepFile, FileUtils::Expect::File).status, FileUtils::Removal::Removed);
    QCOMPARE(FileUtils::calculateDirSize(top), qint64(50));
    QVERIFY(FileUtils::deleteDirectory(top));
    QVERIFY(!QFileInfo::exists(top));
}

void TestHostileTrees::openRegularFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opens");
    QTest::newRow("a regular file") << QStringLiteral("plain.txt") << true;
    QTest::newRow("a FIFO") << QStringLiteral("fifo") << false;
    QTest::newRow("a link to a regular file") << QStringLiteral("link") << false;
    QTest::newRow("a folder") << QStringLiteral("folder") << false;
    QTest::newRow("missing") << QStringLiteral("none") << false;
}

void TestHostileTrees::openRegularFile()
{
    QFETCH(QString, name);
    QFETCH(bool, opens);
    TestHome home;
    const QString plain = home.makeFileWithContent(QStringLiteral("d/plain.txt"), "hello");
    home.makeLink(QStringLiteral("d/link"), plain);
    home.makeDir(QStringLiteral("d/folder"));
    QVERIFY(HostileTree::makeFifo(home.filePath(QStringLiteral("d/fifo"))));
    const QString path = home.filePath(QStringLiteral("d/") + name);

    QFile file;
    QCOMPARE(FileUtils::openRegularFile(file, path), opens);
    if (opens)
        QCOMPARE(file.readAll(), QByteArray("hello"));
    QByteArray contents;
    QString error;
    QCOMPARE(FileUtils::readRegularFile(path, 100, &contents, &error), opens);
    QCOMPARE(error.isEmpty(), opens);
    QCOMPARE(FileUtils::isRegularFileOrAbsent(path), opens || name == QLatin1String("none"));
}

void TestHostileTrees::readRegularFileHonoursTheLimit()
{
    TestHome home;
    const QString path = home.makeFile(QStringLiteral("big.ini"), 2000);
    QByteArray contents;
    QString error;
    QVERIFY(!FileUtils::readRegularFile(path, 1999, &contents, &error));
    QVERIFY(contents.isEmpty());
    QVERIFY(!error.isEmpty());
    QVERIFY(FileUtils::readRegularFile(path, 2000, &contents, &error));
    QCOMPARE(contents.size(), 2000);
}

void TestHostileTrees::mountPointInsideRemovedFolderIsLeftAlone()
{
    HOSTILE_TREE_RUN_IN_MOUNT_NAMESPACE();
    TestHome home;
    home.makeFile(QStringLiteral("Library/Caches/app/own.bin"), 5);
    HostileTree::TmpfsMount volume(home.filePath(QStringLiteral("Library/Caches/app/volume")));
    QVERIFY(volume.isMounted());
    home.makeFile(QStringLiteral("Library/Caches/app/volume/on-the-volume.bin"), 5);

    QVERIFY(!FileUtils::deleteDirectory(home.filePath(QStringLiteral("Library/Caches/app"))));
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("Library/Caches/app/volume/on-the-volume.bin"))));
    QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("Library/Caches/app/own.bin"))));
    QCOMPARE(FileUtils::calculateDirSize(home.filePath(QStringLiteral("Library/Caches/app"))), qint64(0));
}

void TestHostileTrees::mountPointOnTheWayRefuses()
{
    HOSTILE_TREE_RUN_IN_MOUNT_NAMESPACE();
    TestHome home;
    HostileTree::TmpfsMount volume(home.filePath(QStringLiteral("Library/Caches/Chrome")));
    QVERIFY(volume.isMounted());
    home.makeFile(QStringLiteral("Library/Caches/Chrome/Cache/data_0"), 5);
    const PinnedRoot root = PinnedRoot::open(home.filePath(QStringLiteral("Library/Caches")), home.path());
    QVERIFY(root.isOpen());

    const QString cache = home.filePath(QStringLiteral("Library/Caches/Chrome/Cache"));
    QCOMPARE(FileUtils::removeUnder(root, cache, FileUtils::Expect::Folder).status, FileUtils::Removal::Refused);
    QCOMPARE(
        FileUtils::removeUnder(root, home.filePath(QStringLiteral("Library/Caches/Chrome")), FileUtils::Expect::Folder)
            .status,
        FileUtils::Removal::Refused);
    QVERIFY(!FileUtils::deleteDirectory(home.filePath(QStringLiteral("Library/Caches/Chrome"))));
    QVERIFY(QFileInfo::exists(cache + QStringLiteral("/data_0")));
}

void TestHostileTrees::rootOnAnotherVolumeIsRefused()
{
    HOSTILE_TREE_RUN_IN_MOUNT_NAMESPACE();
    TestHome home;
    HostileTree::TmpfsMount volume(home.filePath(QStringLiteral("Library/Caches")));
    QVERIFY(volume.isMounted());
    home.makeFile(QStringLiteral("Library/Caches/app/data"), 5);
    const PinnedRoot root = PinnedRoot::open(home.filePath(QStringLiteral("Library/Caches/app")), home.path());
    QCOMPARE(root.status(), PinnedRoot::Refused);
}

// ---- engine cleans on hostile homes ----

namespace {

enum class Engine { Junk, Browser };

using Builder = std::function<void(const TestHome &, const SentinelTree &)>;
using AfterScan = std::function<void(const TestHome &, const SentinelTree &, CleanEngine &)>;
using BeforeRemove = std::function<void(const TestHome &, const SentinelTree &, const QByteArray &path)>;

// One hostile home: how it is made, what happens between the scan and the clean or just before
// a removal, and what must be left, gone, and never listed afterwards (paths in the home).
struct HostileCase
{
    Engine engine = Engine::Junk;
    QString mountAt; // a tmpfs is mounted here before building (mount namespace only)
    Builder build;
    AfterScan afterScan;
    BeforeRemove beforeRemove;
    QStringList mustRemain;
    QStringList mustGo;
    QStringList neverListed;
    std::function<void(const TestHome &)> verify;
};

const QString kCaches = QStringLiteral("Library/Caches/");
const QString kChromeDefault = QStringLiteral("Library/Application Support/Google/Chrome/Default/");
const QString kFirefoxProfile = QStringLiteral("Library/Application Support/Firefox/Profiles/abc.default/");

void swapForLink(const QString &folder, const QString &target)
{
    QVERIFY(QDir().rename(folder, folder + QStringLiteral(".moved")));
    QVERIFY(QFile::link(target, folder));
}

void checkEverything(CleanEngine &engine)
{
    for (CleanCategory &category : engine.result().categories)
        category.setAllItemsChecked(true);
}

// Replaces the items of a category of the scan with one the scan would never make.
void injectItem(CleanEngine &engine, const QString &categoryId, const QString &path, bool isDirectory)
{
    CleanCategory *category = engine.result().findCategory(categoryId);
    QVERIFY(category);
    CleanItem item(path, 1);
    item.isDirectory = isDirectory;
    category->items = { item };
}

void makePlacesDatabase(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hostile-places"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("hostile-places"));
}

QMap<QString, HostileCase> hostileCases()
{
    QMap<QString, HostileCase> cases;
    HostileCase c;

    c = HostileCase();
    c.build = [](const TestHome &home, const SentinelTree &sentinel) {
        home.makeFile(kCaches + QStringLiteral("app/x.bin"), 10);
        home.makeLink(kCaches + QStringLiteral("com.apple.Safari"), sentinel.path());
    };
    c.mustGo = QStringList { kCaches + QStringLiteral("app/x.bin") };
    c.neverListed = QStringList { kCaches + QStringLiteral("com.apple.Safari") };
    cases.insert(QStringLiteral("junk, a rule folder is a link out of the home"), c);

    c = HostileCase();
    c.build = [](const TestHome &home, const SentinelTree &) {
        home.makeFile(kCaches + QStringLiteral("com.apple.Safari/secret.txt"), 10);
        home.makeFile(kCaches + QStringLiteral("com.apple.Safari/Cache/data_0"), 10);
    };
    c.afterScan = [](const TestHome &home, const SentinelTree &sentinel, CleanEngine &engine) {
        // Only the browser caches list these files (their rule names the swapped folder itself);
        // the application caches are unticked should they list anything.
        if (CleanCategory *caches = engine.result().findCategory(QStringLiteral("app_caches")))
            caches->checked = false;
        swapForLink(home.filePath(kCaches + QStringLiteral("com.apple.Safari")), sentinel.path());
    };
    c.mustRemain = QStringList { kCaches + QStringLiteral("com.apple.Safari.moved/Cache/data_0") };
    cases.insert(QStringLiteral("junk, a rule folder swapped for a link after the scan"), c);

    c = HostileCase();
    c.build = [](const TestHome &home, const SentinelTree &) {
        for (const char *name : { "data_0", "index", "a", "b", "c" })
            home.makeFile(kCaches + QStringLiteral("app/Cache/") + QLatin1String(name), 10);
    };
    // After the first file of the folder went, the folder becomes a link to the sentinel's.
    c.beforeRemove = [](const TestHome &home, const SentinelTree &sentinel, const QByteArray &path) {
        const QString folder = home.filePath(kCaches + QStringLiteral("app/Cache"));
        if (path.startsWith(QByteArray(QFile::encodeName(folder) + '/')) && !QFileInfo(folder).isSymLink()
            && QDir(folder).count() < 7)
            swapForLink(folder, sentinel.filePath(QStringLiteral("Cache")));
    };
    cases.insert(QStringLiteral("junk, a folder swapped for a link during the clean"), c);

    c = HostileCase();
    c.mountAt = kCaches + QStringLiteral("volume");
    c.build = [](const TestHome &home, const SentinelTree &) {
        home.makeFile(kCaches + QStringLiteral("volume/on-the-volume.bin"), 10);
        home.makeFile(kCaches + QStringLiteral("app/x.bin"), 10);
    };
    c.mustRemain = QStringList { kCaches + QStringLiteral("volume/on-the-volume.bin") };
    c.mustGo = QStringList { kCaches + QStringLiteral("app/x.bin") };
    c.neverListed = QStringList { kCaches + QStringLiteral("volume") };
    cases.insert(QStringLiteral("junk, a volume mounted in the caches folder"), c);

    c = HostileCase();
    c.build = [](const TestHome &home, const SentinelTree &) {
        QVERIFY(HostileTree::makeDeepChain(home.filePath(kCaches + QStringLiteral("deep")), "d", 2000, 10));
        QVERIFY(HostileTree::makeDeepChain(
            home.filePath(kCaches + QStringLiteral("long")), QByteArray(250, 'n'), PATH_MAX / 250 + 2, 10));
    };
    c.afterScan = [](const TestHome &, const SentinelTree &, CleanEngine &engine) {
        const CleanCategory *caches = engine.result().findCategory(QStringLiteral("app_caches"));
        QVERIFY(caches);
        QCOMPARE(caches->items.size(), 2);
    };
    c.verify = [](const TestHome &home) {
        for (const QString &top : { QStringLiteral("deep"), QStringLiteral("long") }) {
            const QByteArray name = top == QLatin1String("deep") ? QByteArray("d") : QByteArray(250, 'n');
            QVERIFY(!HostileTree::chainEndsInFile(home.filePath(kCaches + top), name));
            QVERIFY(FileUtils::deleteDirectory(home.filePath(kCaches + top)));
        }
    };
    cases.insert(QStringLiteral("junk, a tree 2000 levels deep and one past PATH_MAX"), c);

    c = HostileCase();
    c.build = [](const TestHome &home, const SentinelTree &) {
        home.makeFile(kCaches + QStringLiteral("app/x.bin"), 10);
        home.makeFile(kCaches + QStringLiteral("app/a/keep.bin"), 10);
        home.makeFile(kCaches + QStringLiteral("app/a/b/keep.bin"), 10);
    };
    c.afterScan = [](const TestHome &home, const SentinelTree &, CleanEngine &engine) {
        injectItem(engine, QStringLiteral("app_caches"), home.filePath(kCaches + QStringLiteral("app/a/b/..")), true);
    };
    c.mustRemain = QStringList { kCaches + QStringLiteral("app/a/keep.bin"),
        kCaches + QStringLiteral("app/a/b/keep.bin"), kCaches + QStringLiteral("app/x.bin") };
    cases.insert(QStringLiteral("junk, an item ending in \"..\""), c);

    c = HostileCase();
    c.engine = Engine::Browser;
    c.build = [](const TestHome &home, const SentinelTree &) {
        home.makeFile(kChromeDefault + QStringLiteral("Cache/data_0"), 10);
        home.makeFile(kChromeDefault + QStringLiteral("Cache/index"), 10);
    };
    c.beforeRemove = [](const TestHome &home, const SentinelTree &sentinel, const QByteArray &) {
        const QString profile = home.filePath(kChromeDefault.chopped(1));
        if (!QFileInfo(profile).isSymLink())
            swapForLink(profile, sentinel.path());
    };
    c.mustRemain
        = QStringList { QStringLiteral("Library/Application Support/Google/Chrome/Default.moved/Cache/data_0") };
    cases.insert(QStringLiteral("browser, a profile folder swapped for a link before its cache goes"), c);

    c = HostileCase();
    c.engine = Engine::Browser;
    c.mountAt = kChromeDefault + QStringLiteral("Cache");
    c.build = [](const TestHome &home, const SentinelTree &) {
        home.makeFile(kChromeDefault + QStringLiteral("Cache/data_0"), 10);
        home.makeFile(kChromeDefault + QStringLiteral("Code Cache/js/x"), 10);
    };
    c.mustRemain = QStringList { kChromeDefault + QStringLiteral("Cache/data_0") };
    c.mustGo = QStringList { kChromeDefault + QStringLiteral("Code Cache") };
    c.neverListed = QStringList { kChromeDefault + QStringLiteral("Cache") };
    cases.insert(QStringLiteral("browser, a volume mounted as a cache folder"), c);

    c = HostileCase();
    c.engine = Engine::Browser;
    c.mountAt = kChromeDefault + QStringLiteral("Cache/volume");
    c.build = [](const TestHome &home, const SentinelTree &) {
        home.makeFile(kChromeDefault + QStringLiteral("Cache/volume/data_0"), 10);
        home.makeFile(kChromeDefault + QStringLiteral("Cache/own.bin"), 10);
    };
    c.mustRemain = QStringList { kChromeDefault + QStringLiteral("Cache/volume/data_0") };
    c.mustGo = QStringList { kChromeDefault + QStringLiteral("Cache/own.bin") };
    cases.insert(QStringLiteral("browser, a volume mounted inside a cache folder"), c);

    c = HostileCase();
    c.engine = Engine::Browser;
    c.build = [](const TestHome &home, const SentinelTree &) {
        makePlacesDatabase(home.filePath(kFirefoxProfile + QStringLiteral("places.sqlite")));
        QVERIFY(HostileTree::makeFifo(home.filePath(kFirefoxProfile + QStringLiteral("places.sqlite-journal"))));
    };
    c.afterScan = [](const TestHome &, const SentinelTree &, CleanEngine &engine) { checkEverything(engine); };
    c.mustRemain = QStringList { kFirefoxProfile + QStringLiteral("places.sqlite"),
        kFirefoxProfile + QStringLiteral("places.sqlite-journal") };
    cases.insert(QStringLiteral("browser, a FIFO beside the history database"), c);

    c = HostileCase();
    c.engine = Engine::Browser;
    c.build = [](const TestHome &home, const SentinelTree &) {
        home.makeFile(kChromeDefault + QStringLiteral("Cache/data_0"), 10);
        home.makeFile(kChromeDefault + QStringLiteral("Bookmarks"), 10);
    };
    c.afterScan = [](const TestHome &home, const SentinelTree &, CleanEngine &engine) {
        injectItem(engine, QStringLiteral("google_chrome_cache"),
            home.filePath(kChromeDefault + QStringLiteral("Cache/..")), true);
    };
    c.mustRemain
        = QStringList { kChromeDefault + QStringLiteral("Bookmarks"), kChromeDefault + QStringLiteral("Cache/data_0") };
    cases.insert(QStringLiteral("browser, an item ending in \"..\""), c);

    return cases;
}

bool waitForSignal(QSignalSpy &spy)
{
    return !spy.isEmpty() || spy.wait(20000);
}

} // namespace

void TestHostileTrees::clean_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = hostileCases().keys();
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestHostileTrees::clean()
{
    QFETCH(QString, name);
    const HostileCase hostile = hostileCases().value(name);
    if (!hostile.mountAt.isEmpty())
        HOSTILE_TREE_RUN_IN_MOUNT_NAMESPACE();
    SentinelTree sentinel;
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("pgrep"), "#!/bin/sh\nexit 1\n");
    std::unique_ptr<HostileTree::TmpfsMount> volume;
    if (!hostile.mountAt.isEmpty()) {
        volume = std::make_unique<HostileTree::TmpfsMount>(home.filePath(hostile.mountAt));
        QVERIFY(volume->isMounted());
    }
    hostile.build(home, sentinel);
    std::unique_ptr<CleanEngine> engine;
    if (hostile.engine == Engine::Junk) {
        engine = std::make_unique<JunkCleaner>();
        engine->loadRules(QStringLiteral(":/rules/junk_rules.json"));
    } else {
        auto browser = std::make_unique<BrowserCleaner>();
        browser->loadRules(QStringLiteral(":/rules/browser_rules.json"));
        engine = std::move(browser);
    }

    QSignalSpy scanned(engine.get(), &CleanEngine::scanFinished);
    engine->startScan();
    QVERIFY(waitForSignal(scanned));
    for (const CleanCategory &category : engine->result().categories) {
        for (const CleanItem &item : category.items) {
            for (const QString &hidden : hostile.neverListed)
                QVERIFY2(!item.path.startsWith(home.filePath(hidden)), qPrintable(item.path));
            QVERIFY2(!item.path.startsWith(sentinel.path()), qPrintable(item.path));
        }
    }
    if (hostile.afterScan)
        hostile.afterScan(home, sentinel, *engine);

    if (hostile.beforeRemove)
        FileUtils::setBeforeRemoveHook([&](const QByteArray &path) { hostile.beforeRemove(home, sentinel, path); });
    QSignalSpy cleaned(engine.get(), &CleanEngine::cleanFinished);
    engine->startClean();
    const bool finished = waitForSignal(cleaned);
    FileUtils::setBeforeRemoveHook({});
    QVERIFY(finished);

    QVERIFY2(sentinel.unchanged(), qPrintable(sentinel.differences()));
    for (const QString &path : hostile.mustRemain)
        QVERIFY2(
            QFileInfo(home.filePath(path)).exists() || QFileInfo(home.filePath(path)).isSymLink(), qPrintable(path));
    for (const QString &path : hostile.mustGo)
        QVERIFY2(!QFileInfo::exists(home.filePath(path)), qPrintable(path));
    if (hostile.verify)
        hostile.verify(home);
}

// A name that is not valid UTF-8 cannot be held as text: it is skipped with a log line, never
// turned into a lossy name another file may carry.
void TestHostileTrees::namesThatAreNotTextAreSkipped()
{
    TestHome home;
    const QString folder = home.makeDir(kCaches + QStringLiteral("app"));
    const QByteArray badName = QFile::encodeName(folder) + "/bad-\xff\xfe.bin";
    const int fd = ::open(badName.constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    home.makeFile(kCaches + QStringLiteral("app/good.bin"), 5);
    // The lossy text of the bad name, as a second file: it must not be taken for the first.
    home.makeFile(kCaches + QStringLiteral("app/") + QFile::decodeName("bad-\xff\xfe.bin"), 7);

    JunkCleaner cleaner;
    cleaner.loadRules(QStringLiteral(":/rules/junk_rules.json"));
    QSignalSpy scanned(&cleaner, &CleanEngine::scanFinished);
    QTest::ignoreMessage(QtDebugMsg,
        QRegularExpression(QStringLiteral("\\[WARN\\] Skipping .*/app/bad-%FF%FE\\.bin: the name is not valid text$")));
    cleaner.startScan();
    QVERIFY(waitForSignal(scanned));
    const CleanCategory *caches = cleaner.result().findCategory(QStringLiteral("app_caches"));
    QVERIFY(caches);
    QCOMPARE(caches->items.size(), 2);
    QSignalSpy cleaned(&cleaner, &CleanEngine::cleanFinished);
    cleaner.startClean();
    QVERIFY(waitForSignal(cleaned));
    QCOMPARE(cleaned.at(0).at(1).toInt(), 2);
    struct stat info;
    QCOMPARE(::lstat(badName.constData(), &info), 0);
}

void TestHostileTrees::oversizedProfilesIniIsRefused()
{
    TestHome home;
    home.makeFile(QStringLiteral("Library/Application Support/Firefox/profiles.ini"), 1024 * 1024 + 1, '#');
    home.makeDir(QStringLiteral("Library/Application Support/Firefox/Profiles/abc.default"));
    BrowserCleaner cleaner;
    QTest::ignoreMessage(QtDebugMsg,
        QRegularExpression(QStringLiteral("\\[WARN\\] Cannot read .*profiles\\.ini: larger than 1048576 bytes$")));
    const QStringList profiles = cleaner.firefoxProfiles();
    QCOMPARE(profiles,
        QStringList { home.filePath(QStringLiteral("Library/Application Support/Firefox/Profiles/abc.default")) });
}

QTEST_GUILESS_MAIN(TestHostileTrees)
#include "tst_hostiletrees.moc"
