#include "hostiletree.h"
#include "testhome.h"

#include "cleaners/largefilescanner.h"
#include "cleaners/largefilevolumes.h"
#include "core/hometrash.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 MinSize = 1000;

// A scanner set up for folders of a test home, with a small threshold.
struct Scan
{
    explicit Scan(const QStringList &folders, qint64 minSize = MinSize)
    {
        scanner.setDrives(folders);
        scanner.setMinFileSize(minSize);
    }

    // Runs one scan to its end; false if it never finished.
    bool run()
    {
        QSignalSpy finished(&scanner, &LargeFileScanner::scanFinished);
        scanner.startScan();
        return finished.wait(20000);
    }

    QStringList foundPaths() const
    {
        QStringList paths;
        for (const LargeFileInfo &file : scanner.getResults())
            paths << file.path;
        paths.sort();
        return paths;
    }

    LargeFileScanner scanner;
};

bool deleteAndWait(
    LargeFileScanner &scanner, const QStringList &paths, LargeFileScanner::DeleteMode mode, LargeFileDeletion *deletion)
{
    QSignalSpy finished(&scanner, &LargeFileScanner::deleteFinished);
    if (!scanner.deleteFiles(paths, mode) || !finished.wait(20000))
        return false;
    *deletion = finished.first().first().value<LargeFileDeletion>();
    return true;
}

// A file of size bytes at path, given as the bytes the system uses.
bool makeNativeFile(const QByteArray &path, qint64 size)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const QByteArray content(size, 'n');
    const bool written = ::write(fd, content.constData(), size_t(size)) == size;
    return ::close(fd) == 0 && written;
}

bool existsNative(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0;
}

QStringList names(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

QStringList findOracle(const QString &root, qint64 minSize)
{
    QProcess find;
    find.start(QStringLiteral("find"),
        { QStringLiteral("-L"), root, QStringLiteral("-name"), QStringLiteral(".*"), QStringLiteral("-prune"),
            QStringLiteral("-o"), QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-size"),
            QStringLiteral("+%1c").arg(minSize - 1), QStringLiteral("-print") });
    find.waitForFinished(120000);
    QStringList paths
        = QString::fromLocal8Bit(find.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    paths.sort();
    return paths;
}

} // namespace

class TestLargeFileScanner : public QObject
{
    Q_OBJECT

private slots:
    void thresholdIsInclusive();
    void fileTypes_data();
    void fileTypes();
    void packagesAreOneEntryNeverEntered();
    void dotEntriesSkippedOtherHiddenFoldersWalked();
    void excludedFragmentSkippedButVisited();
    void linksToFoldersFollowedOnceLinksToFilesNotListed();
    void aFileReachedTwiceIsListedOnce();
    void otherVolumesAreNotEntered();
    void deepTreesAreWalked();
    void agreesWithFind();
    void cancelledScanEmitsNothingAndANewScanWaitsForTheOldWalk();
    void cancelledScanIsLoggedAsCancelled();
    void startScanDuringAScanIsIgnored();
    void deletingUpdatesTotals();
    void removedElsewhereLeavesTheResults_data();
    void removedElsewhereLeavesTheResults();
    void deletingTellsWhatWent();
    void deletingAMissingFileFailsWithTheLogLine();
    void deletingRefusesPathsNotFound();
    void moveToTrashLeavesTheFileInTheTrash();
    void onlyTheEntryTheScanSawIsRemoved_data();
    void onlyTheEntryTheScanSawIsRemoved();
    void trashNamesKeepTheExtension_data();
    void trashNamesKeepTheExtension();
    void resultsAreLargestFirst();
    void sparseFilesCountTheSpaceTheyTake();
    void filesReachedThroughALinkShowWhereTheyLie();
    void namesShowingOnePathAreKeptApart();
    void linksIntoPackagesListThePackage();
    void anInnerLocationOnAnotherVolumeIsWalked();
    void aFileInsideAPackageAndOutsideCountsOnce();
    void volumesAsAMacUserSeesThem();
};

void TestLargeFileScanner::thresholdIsInclusive()
{
    TestHome home;
    home.makeFile(QStringLiteral("data/exact.bin"), MinSize);
    home.makeFile(QStringLiteral("data/less.bin"), MinSize - 1);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    QCOMPARE(scan.foundPaths(), QStringList { home.filePath(QStringLiteral("data/exact.bin")) });
    QCOMPARE(scan.scanner.totalSize(), MinSize);
    QCOMPARE(scan.scanner.visitedCount(), 2);
}

void TestLargeFileScanner::fileTypes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::newRow("upper-case video") << "Movie.MP4"
                                      << "video";
    QTest::newRow("last extension counts") << "backup.tar.gz"
                                           << "archive";
    QTest::newRow("no dot") << "README"
                            << "other";
    QTest::newRow("audio") << "song.flac"
                           << "audio";
    QTest::newRow("image") << "scan.TIFF"
                           << "image";
    QTest::newRow("document") << "report.pdf"
                              << "document";
    QTest::newRow("disk image") << "Installer.dmg"
                                << "archive";
    QTest::newRow("unknown") << "disk.qcow2"
                             << "other";
}

void TestLargeFileScanner::fileTypes()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    TestHome home;
    home.makeFile(QStringLiteral("data/") + name, MinSize);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    QCOMPARE(scan.scanner.getResults().size(), 1);
    const LargeFileInfo file = scan.scanner.getResults().first();
    QCOMPARE(file.type, type);
    QCOMPARE(file.name, name);
    QCOMPARE(file.directory, home.filePath(QStringLiteral("data")));
    QVERIFY(!file.isPackage);
}

void TestLargeFileScanner::packagesAreOneEntryNeverEntered()
{
    TestHome home;
    home.makeFile(QStringLiteral("Apps/Editor.app/Contents/Info.plist"), 10);
    home.makeFile(QStringLiteral("Apps/Editor.app/Contents/MacOS/Editor"), 3 * MinSize);
    home.makeFile(QStringLiteral("Pictures/Photos Library.photoslibrary/originals/A/IMG_1.heic"), MinSize);
    home.makeFile(QStringLiteral("Pictures/Photos Library.photoslibrary/.hidden-db"), 200);
    home.makeFile(QStringLiteral("Tools/Helper/Contents/Info.plist"), 10);
    home.makeFile(QStringLiteral("Tools/Helper/Contents/Resources/big.dat"), MinSize);
    home.makeFile(QStringLiteral("Tools/Small.bundle/Contents/tiny"), 10);
    home.makeFile(QStringLiteral("Tools/Plain/Contents/big.dat"), MinSize); // no Info.plist: a folder

    Scan scan({ home.path() });
    QVERIFY(scan.run());
    QCOMPARE(scan.foundPaths(),
        (QStringList { home.filePath(QStringLiteral("Apps/Editor.app")),
            home.filePath(QStringLiteral("Pictures/Photos Library.photoslibrary")),
            home.filePath(QStringLiteral("Tools/Helper")),
            home.filePath(QStringLiteral("Tools/Plain/Contents/big.dat")) }));
    for (const LargeFileInfo &file : scan.scanner.getResults()) {
        if (file.name == QLatin1String("Editor.app")) {
            QVERIFY(file.isPackage);
            QCOMPARE(file.type, QStringLiteral("package"));
            QCOMPARE(file.size, 3 * MinSize + 10);
        } else if (file.name == QLatin1String("Photos Library.photoslibrary")) {
            QCOMPARE(file.size, MinSize + 200); // dot-files inside a package are part of it
        }
    }
    // Nothing inside a package counts as a walked file.
    QCOMPARE(scan.scanner.visitedCount(), 1);
}

void TestLargeFileScanner::dotEntriesSkippedOtherHiddenFoldersWalked()
{
    TestHome home;
    home.makeFile(QStringLiteral("data/.hidden.mov"), MinSize);
    home.makeFile(QStringLiteral("data/.secret/movie.mov"), MinSize);
    const QString flagged = home.makeFile(QStringLiteral("data/Library/Backups/backup.img"), MinSize);
#ifdef UF_HIDDEN
    QCOMPARE(::chflags(QFile::encodeName(home.filePath(QStringLiteral("data/Library"))).constData(), UF_HIDDEN), 0);
#endif
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    QCOMPARE(scan.foundPaths(), QStringList { flagged });
}

void TestLargeFileScanner::excludedFragmentSkippedButVisited()
{
    TestHome home;
    home.makeFile(QStringLiteral("External/$Recycle.Bin/S-1-5/old.iso"), MinSize);
    home.makeFile(QStringLiteral("External/System Volume Information/index.dat"), MinSize);
    const QString kept = home.makeFile(QStringLiteral("External/Recycle.Bin/kept.iso"), MinSize);
    Scan scan({ home.filePath(QStringLiteral("External")) });
    QVERIFY(scan.run());
    QCOMPARE(scan.foundPaths(), QStringList { kept });
    QCOMPARE(scan.scanner.visitedCount(), 3);
}

void TestLargeFileScanner::linksToFoldersFollowedOnceLinksToFilesNotListed()
{
    TestHome home;
    const QString outside = home.makeFile(QStringLiteral("Elsewhere/Projects/render.mov"), MinSize);
    home.makeLink(QStringLiteral("scan/Projects"), home.filePath(QStringLiteral("Elsewhere/Projects")));
    home.makeLink(QStringLiteral("scan/Again"), home.filePath(QStringLiteral("Elsewhere/Projects")));
    home.makeLink(QStringLiteral("scan/Projects2/loop"), home.filePath(QStringLiteral("scan")));
    home.makeLink(QStringLiteral("Elsewhere/Projects/up"), home.filePath(QStringLiteral("Elsewhere")));
    const QString inside = home.makeFile(QStringLiteral("scan/own.mov"), MinSize);
    home.makeLink(QStringLiteral("scan/own-link.mov"), inside);
    home.makeLink(QStringLiteral("scan/outside-link.mov"), outside);

    Scan scan({ home.filePath(QStringLiteral("scan")) });
    QVERIFY(scan.run());
    const QStringList found = scan.foundPaths();
    QCOMPARE(found.size(), 2);
    QVERIFY(found.contains(inside));
    // Reached through one of the two links to its folder, once.
    QVERIFY(found.contains(home.filePath(QStringLiteral("scan/Projects/render.mov")))
        || found.contains(home.filePath(QStringLiteral("scan/Again/render.mov"))));
}

void TestLargeFileScanner::aFileReachedTwiceIsListedOnce()
{
    TestHome home;
    const QString movie = home.makeFile(QStringLiteral("Movies/clip.mov"), MinSize);
    QCOMPARE(::link(QFile::encodeName(movie).constData(),
                 QFile::encodeName(home.filePath(QStringLiteral("Movies/clip-hardlink.mov"))).constData()),
        0);
    home.makeFile(QStringLiteral("Movies/Inner/other.mov"), MinSize);
    // The second folder lies inside the first one.
    Scan scan({ home.filePath(QStringLiteral("Movies")), home.filePath(QStringLiteral("Movies/Inner/")) });
    QVERIFY(scan.run());
    QCOMPARE(scan.scanner.getResults().size(), 2);
    QCOMPARE(scan.scanner.totalSize(), 2 * MinSize);
}

void TestLargeFileScanner::otherVolumesAreNotEntered()
{
    // sysfs lies on a volume of its own and holds files of 4096 bytes.
    if (!QFileInfo(QStringLiteral("/sys/kernel")).isDir())
        QSKIP("needs a folder on another volume");
    TestHome home;
    home.makeLink(QStringLiteral("scan/kernel"), QStringLiteral("/sys/kernel"));
    Scan scan({ home.filePath(QStringLiteral("scan")) }, 1);
    QVERIFY(scan.run());
    QCOMPARE(scan.foundPaths(), QStringList());
}

void TestLargeFileScanner::deepTreesAreWalked()
{
    TestHome home;
    QString deep = QStringLiteral("deep");
    for (int level = 0; level < 300; ++level)
        deep += QStringLiteral("/d");
    const QString bottom = home.makeFile(deep + QStringLiteral("/bottom.bin"), MinSize);
    const QString side = home.makeFile(QStringLiteral("deep/d/d/side.bin"), MinSize);
    for (int threads : { 1, 2 }) {
        Scan scan({ home.filePath(QStringLiteral("deep")) });
        scan.scanner.setThreadCount(threads);
        QVERIFY(scan.run());
        QCOMPARE(scan.foundPaths(), (QStringList { bottom, side }));
    }
}

void TestLargeFileScanner::agreesWithFind()
{
    TestHome home;
    for (int folder = 0; folder < 30; ++folder) {
        for (int file = 0; file < 12; ++file) {
            const qint64 size = MinSize - 6 + (folder * 7 + file * 3) % 12;
            home.makeFile(QStringLiteral("tree/f%1/sub%2/file%3.dat").arg(folder).arg(file % 3).arg(file), size);
        }
        home.makeFile(QStringLiteral("tree/f%1/.cache/hidden.dat").arg(folder), 2 * MinSize);
    }
    home.makeLink(QStringLiteral("tree/f0/elsewhere"), home.makeDir(QStringLiteral("outside")));
    home.makeFile(QStringLiteral("outside/linked.dat"), 2 * MinSize);
    const QString root = home.filePath(QStringLiteral("tree"));
    const QStringList expected = findOracle(root, MinSize);
    QVERIFY(expected.size() > 100);
    for (int threads : { 1, 2 }) {
        Scan scan({ root });
        scan.scanner.setThreadCount(threads);
        QVERIFY(scan.run());
        QCOMPARE(scan.foundPaths(), expected);
    }
}

void TestLargeFileScanner::cancelledScanEmitsNothingAndANewScanWaitsForTheOldWalk()
{
    TestHome home;
    for (int folder = 0; folder < 200; ++folder)
        home.makeFile(QStringLiteral("many/f%1/a.bin").arg(folder), MinSize);
    const QString second = home.makeFile(QStringLiteral("second/b.bin"), MinSize);
    Scan scan({ home.filePath(QStringLiteral("many")) });
    QSignalSpy started(&scan.scanner, &LargeFileScanner::scanStarted);
    QSignalSpy finished(&scan.scanner, &LargeFileScanner::scanFinished);
    scan.scanner.startScan();
    QVERIFY(scan.scanner.isScanning());
    scan.scanner.cancel();
    QVERIFY(!scan.scanner.isScanning());

    scan.scanner.setDrives({ home.filePath(QStringLiteral("second")) });
    scan.scanner.startScan();
    QCOMPARE(started.size(), 2);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toInt(), 1);
    QCOMPARE(scan.foundPaths(), QStringList { second });
}

namespace {
QMutex capturedMutex;
QStringList captured;
QtMessageHandler previousHandler = nullptr;

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        const QMutexLocker locker(&capturedMutex);
        captured.append(message);
    }
    previousHandler(type, context, message);
}
} // namespace

void TestLargeFileScanner::cancelledScanIsLoggedAsCancelled()
{
    TestHome home;
    home.makeFile(QStringLiteral("first/a.bin"), MinSize);
    home.makeFile(QStringLiteral("second/b.bin"), MinSize);
    captured.clear();
    previousHandler = qInstallMessageHandler(captureMessage);
    Scan scan({ home.filePath(QStringLiteral("first")) });
    QSignalSpy finished(&scan.scanner, &LargeFileScanner::scanFinished);
    scan.scanner.startScan();
    scan.scanner.cancel();
    // The second scan's walk starts once the first one has returned.
    scan.scanner.setDrives({ home.filePath(QStringLiteral("second")) });
    scan.scanner.startScan();
    const bool done = finished.wait(20000);
    qInstallMessageHandler(previousHandler);
    QVERIFY(done);
    const QMutexLocker locker(&capturedMutex);
    QCOMPARE(captured.filter(QStringLiteral("Large file scan cancelled")).size(), 1);
    // Only the second scan completed.
    QCOMPARE(captured.filter(QStringLiteral("Scan completed")).size(), 1);
}

void TestLargeFileScanner::startScanDuringAScanIsIgnored()
{
    TestHome home;
    const QString first = home.makeFile(QStringLiteral("first/a.bin"), MinSize);
    home.makeFile(QStringLiteral("second/b.bin"), MinSize);
    Scan scan({ home.filePath(QStringLiteral("first")) });
    QSignalSpy started(&scan.scanner, &LargeFileScanner::scanStarted);
    QSignalSpy finished(&scan.scanner, &LargeFileScanner::scanFinished);
    scan.scanner.startScan();
    scan.scanner.setDrives({ home.filePath(QStringLiteral("second")) });
    scan.scanner.startScan();
    QCOMPARE(started.size(), 1);
    QVERIFY(finished.wait(20000));
    QCOMPARE(scan.foundPaths(), QStringList { first });
    QVERIFY(!scan.scanner.isScanning());
}

void TestLargeFileScanner::deletingUpdatesTotals()
{
    TestHome home;
    const QString big = home.makeFile(QStringLiteral("data/big.bin"), 3 * MinSize);
    const QString small = home.makeFile(QStringLiteral("data/small.bin"), MinSize);
    const QString app = home.makeFile(QStringLiteral("data/Tool.app/Contents/MacOS/Tool"), 2 * MinSize);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    QCOMPARE(scan.scanner.totalSize(), 6 * MinSize);

    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { big, home.filePath(QStringLiteral("data/Tool.app")) },
        LargeFileScanner::DeleteMode::Permanently, &deletion));
    QCOMPARE(deletion.removed.size(), 2);
    QCOMPARE(deletion.freedBytes, 5 * MinSize);
    QCOMPARE(deletion.trashedBytes, 0);
    QVERIFY(!QFileInfo::exists(big));
    QVERIFY(!QFileInfo::exists(app));
    QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("data/Tool.app"))));
    QCOMPARE(scan.scanner.totalSize(), MinSize);
    QCOMPARE(scan.foundPaths(), QStringList { small });
}

void TestLargeFileScanner::removedElsewhereLeavesTheResults_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("gone");
    QTest::addColumn<bool>("duringScan");
    QTest::newRow("a file") << names({ "data/big.bin" }) << names({ "data/big.bin" }) << false;
    QTest::newRow("a folder with what it held")
        << names({ "data/sub" }) << names({ "data/sub/a.bin", "data/sub/b.bin" }) << false;
    QTest::newRow("where a file reached through a folder link lay")
        << names({ "Elsewhere/Projects/render.mov" }) << names({ "data/Projects/render.mov" }) << false;
    QTest::newRow("a name that only begins the same") << names({ "data/big", "data/su" }) << QStringList() << false;
    QTest::newRow("nothing of the results") << names({ "Library/Caches/x" }) << QStringList() << false;
    QTest::newRow("while the scan runs: at its end")
        << names({ "data/big.bin", "data/sub" }) << names({ "data/big.bin", "data/sub/a.bin", "data/sub/b.bin" })
        << true;
}

void TestLargeFileScanner::removedElsewhereLeavesTheResults()
{
    QFETCH(QStringList, removed);
    QFETCH(QStringList, gone);
    QFETCH(bool, duringScan);
    TestHome home;
    home.makeFile(QStringLiteral("data/big.bin"), 3 * MinSize);
    home.makeFile(QStringLiteral("data/sub/a.bin"), MinSize);
    home.makeFile(QStringLiteral("data/sub/b.bin"), 2 * MinSize);
    home.makeFile(QStringLiteral("Elsewhere/Projects/render.mov"), 4 * MinSize);
    home.makeLink(QStringLiteral("data/Projects"), home.filePath(QStringLiteral("Elsewhere/Projects")));
    QSet<QString> removedPaths;
    for (const QString &path : std::as_const(removed))
        removedPaths.insert(home.filePath(path));
    QStringList gonePaths;
    for (const QString &path : std::as_const(gone))
        gonePaths.append(home.filePath(path));

    Scan scan({ home.filePath(QStringLiteral("data")) });
    QSignalSpy forgotten(&scan.scanner, &LargeFileScanner::resultsForgotten);
    if (duringScan) {
        QSignalSpy finished(&scan.scanner, &LargeFileScanner::scanFinished);
        scan.scanner.startScan();
        scan.scanner.forgetRemoved(removedPaths);
        QVERIFY(forgotten.isEmpty());
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().at(0).toInt(), 4 - int(gone.size()));
    } else {
        QVERIFY(scan.run());
        scan.scanner.forgetRemoved(removedPaths);
    }

    QStringList left = QStringList { home.filePath(QStringLiteral("data/big.bin")),
        home.filePath(QStringLiteral("data/sub/a.bin")), home.filePath(QStringLiteral("data/sub/b.bin")),
        home.filePath(QStringLiteral("data/Projects/render.mov")) };
    qint64 leftBytes = 10 * MinSize;
    for (const QString &path : std::as_const(gonePaths)) {
        left.removeOne(path);
        leftBytes -= QFileInfo(path).size();
    }
    left.sort();
    QCOMPARE(scan.foundPaths(), left);
    QCOMPARE(scan.scanner.totalSize(), leftBytes);
    QCOMPARE(forgotten.size(), gone.isEmpty() ? 0 : 1);
    if (!gone.isEmpty()) {
        QStringList told = forgotten.first().first().toStringList();
        told.sort();
        gonePaths.sort();
        QCOMPARE(told, gonePaths);
    }
}

// What a deletion removed is told to the other features by its listed path and, for a file a
// folder link led to, where it really lay.
void TestLargeFileScanner::deletingTellsWhatWent()
{
    TestHome home;
    const QString big = home.makeFile(QStringLiteral("data/big.bin"), 3 * MinSize);
    const QString real = home.makeFile(QStringLiteral("Elsewhere/Projects/render.mov"), MinSize);
    home.makeLink(QStringLiteral("data/Projects"), home.filePath(QStringLiteral("Elsewhere/Projects")));
    const QString listed = home.filePath(QStringLiteral("data/Projects/render.mov"));
    const QString missing = home.makeFile(QStringLiteral("data/gone.bin"), MinSize);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    QVERIFY(QFile::remove(missing));

    QSignalSpy told(&scan.scanner, &LargeFileScanner::pathsRemoved);
    LargeFileDeletion deletion;
    QVERIFY(
        deleteAndWait(scan.scanner, { big, listed, missing }, LargeFileScanner::DeleteMode::Permanently, &deletion));
    QCOMPARE(deletion.failed, QStringList { missing });
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().first().value<QSet<QString>>(), QSet<QString>({ big, listed, real }));

    // A deletion that removed nothing tells nothing.
    QVERIFY(deleteAndWait(scan.scanner, { missing }, LargeFileScanner::DeleteMode::Permanently, &deletion));
    QCOMPARE(told.size(), 1);
}

void TestLargeFileScanner::deletingAMissingFileFailsWithTheLogLine()
{
    TestHome home;
    const QString gone = home.makeFile(QStringLiteral("data/gone.mov"), MinSize);
    const QString kept = home.makeFile(QStringLiteral("data/kept.mov"), MinSize);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    QVERIFY(QFile::remove(gone));

    QTest::ignoreMessage(QtDebugMsg,
        QRegularExpression(
            QStringLiteral("\\[ERROR\\] Failed to delete file: %1").arg(QRegularExpression::escape(gone))));
    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { gone, kept }, LargeFileScanner::DeleteMode::Permanently, &deletion));
    QCOMPARE(deletion.failed, QStringList { gone });
    QCOMPARE(deletion.removed, QStringList { kept });
    QCOMPARE(deletion.freedBytes, MinSize);
    // The failed entry stays listed and counted.
    QCOMPARE(scan.foundPaths(), QStringList { gone });
    QCOMPARE(scan.scanner.totalSize(), MinSize);
}

void TestLargeFileScanner::deletingRefusesPathsNotFound()
{
    TestHome home;
    home.makeFile(QStringLiteral("data/found.mov"), MinSize);
    const QString small = home.makeFile(QStringLiteral("data/small.txt"), 10);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Failed to delete file: .*small.txt")));
    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { small }, LargeFileScanner::DeleteMode::Permanently, &deletion));
    QCOMPARE(deletion.failed, QStringList { small });
    QVERIFY(QFileInfo::exists(small));

    scan.scanner.startScan();
    QVERIFY(!scan.scanner.deleteFiles({ small }, LargeFileScanner::DeleteMode::Permanently));
    scan.scanner.cancel();
}

void TestLargeFileScanner::moveToTrashLeavesTheFileInTheTrash()
{
    TestHome home;
    home.makeFile(QStringLiteral(".Trash/movie.mov"), 5);
    const QString movie = home.makeFile(QStringLiteral("Movies/movie.mov"), 2 * MinSize);
    const QString app = home.makeFile(QStringLiteral("Movies/Cutter.app/Contents/Info.plist"), MinSize);
    Scan scan({ home.filePath(QStringLiteral("Movies")) });
    QVERIFY(scan.run());
    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { movie, home.filePath(QStringLiteral("Movies/Cutter.app")) },
        LargeFileScanner::DeleteMode::MoveToTrash, &deletion));
    QCOMPARE(deletion.removed.size(), 2);
    QCOMPARE(deletion.trashedBytes, 3 * MinSize);
    QCOMPARE(deletion.freedBytes, 0);
    QVERIFY(!QFileInfo::exists(movie));
    QCOMPARE(QFileInfo(home.filePath(QStringLiteral(".Trash/movie 2.mov"))).size(), 2 * MinSize);
    QCOMPARE(QFileInfo(home.filePath(QStringLiteral(".Trash/movie.mov"))).size(), 5);
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral(".Trash/Cutter.app/Contents/Info.plist"))));
    QVERIFY(!QFileInfo::exists(app));
    QCOMPARE(scan.scanner.resultCount(), 0);
    QCOMPARE(scan.scanner.totalSize(), 0);
}

// What happens to the chosen file's place between the scan and the deletion.
enum class Change { None, SwappedFolderLink, RenamedAndReplacedFolder, ReplacedFile, GrownFile, LinkOnTheWay };
Q_DECLARE_METATYPE(Change)

void TestLargeFileScanner::onlyTheEntryTheScanSawIsRemoved_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("toTrash");
    QTest::addColumn<bool>("chosenGoes");
    const struct
    {
        const char *name;
        Change change;
        bool chosenGoes;
    } cases[] = {
        { "unchanged", Change::None, true },
        // The link is reached as it was at scan time: the file seen goes, the new target's stays.
        { "folder link repointed", Change::SwappedFolderLink, true },
        { "folder renamed and replaced", Change::RenamedAndReplacedFolder, false },
        { "file replaced by another of that name", Change::ReplacedFile, false },
        { "file written since", Change::GrownFile, false },
        { "folder on the way now a link", Change::LinkOnTheWay, false },
    };
    for (const auto &c : cases) {
        QTest::addRow("%s, deleted", c.name) << c.change << false << c.chosenGoes;
        QTest::addRow("%s, trashed", c.name) << c.change << true << c.chosenGoes;
    }
}

void TestLargeFileScanner::onlyTheEntryTheScanSawIsRemoved()
{
    QFETCH(Change, change);
    QFETCH(bool, toTrash);
    QFETCH(bool, chosenGoes);
    TestHome home;
    const bool throughLink = change == Change::SwappedFolderLink;
    const QString seen = throughLink ? home.makeFile(QStringLiteral("outside/dir/big.mov"), 3 * MinSize, 's')
                                     : home.makeFile(QStringLiteral("Movies/sub/big.mov"), 3 * MinSize, 's');
    const QString chosen = throughLink ? home.filePath(QStringLiteral("Movies/ext/big.mov")) : seen;
    if (throughLink)
        home.makeLink(QStringLiteral("Movies/ext"), home.filePath(QStringLiteral("outside/dir")));
    Scan scan({ home.filePath(QStringLiteral("Movies")) });
    QVERIFY(scan.run());
    QCOMPARE(scan.foundPaths(), QStringList { chosen });

    // The file that must survive whatever happens: the one now at the chosen path, if another.
    QString other;
    QString seenNow = seen;
    switch (change) {
    case Change::None:
        break;
    case Change::SwappedFolderLink:
        other = home.makeFile(QStringLiteral("outside/other/big.mov"), MinSize, 'o');
        QVERIFY(QFile::remove(home.filePath(QStringLiteral("Movies/ext"))));
        home.makeLink(QStringLiteral("Movies/ext"), home.filePath(QStringLiteral("outside/other")));
        break;
    case Change::RenamedAndReplacedFolder:
        seenNow = home.filePath(QStringLiteral("Movies/old/big.mov"));
        QVERIFY(
            QDir().rename(home.filePath(QStringLiteral("Movies/sub")), home.filePath(QStringLiteral("Movies/old"))));
        other = home.makeFile(QStringLiteral("Movies/sub/big.mov"), 3 * MinSize, 'o');
        break;
    case Change::ReplacedFile:
        seenNow = home.filePath(QStringLiteral("Movies/kept.mov"));
        QVERIFY(QFile::rename(seen, seenNow));
        other = home.makeFile(QStringLiteral("Movies/sub/big.mov"), 3 * MinSize, 'o');
        break;
    case Change::GrownFile: {
        QFile file(seen);
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.write("more") == 4);
        break;
    }
    case Change::LinkOnTheWay:
        seenNow = home.filePath(QStringLiteral("Movies/old/big.mov"));
        QVERIFY(
            QDir().rename(home.filePath(QStringLiteral("Movies/sub")), home.filePath(QStringLiteral("Movies/old"))));
        home.makeLink(QStringLiteral("Movies/sub"), home.filePath(QStringLiteral("Movies/old")));
        break;
    }
    QByteArray otherContent;
    if (!other.isEmpty()) {
        QFile file(other);
        QVERIFY(file.open(QIODevice::ReadOnly));
        otherContent = file.readAll();
    }

    if (!chosenGoes)
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Failed to delete file: .*big.mov")));
    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { chosen },
        toTrash ? LargeFileScanner::DeleteMode::MoveToTrash : LargeFileScanner::DeleteMode::Permanently, &deletion));

    if (!other.isEmpty()) {
        QFile file(other);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), otherContent);
    }
    const QString trashed = home.filePath(QStringLiteral(".Trash/big.mov"));
    if (chosenGoes) {
        QCOMPARE(deletion.removed, QStringList { chosen });
        QVERIFY(deletion.failed.isEmpty());
        QCOMPARE(toTrash ? deletion.trashedBytes : deletion.freedBytes, 3 * MinSize);
        QVERIFY(!QFileInfo::exists(seenNow));
        QCOMPARE(QFileInfo(trashed).size(), toTrash ? 3 * MinSize : 0);
        QCOMPARE(scan.scanner.resultCount(), 0);
    } else {
        QCOMPARE(deletion.failed, QStringList { chosen });
        QCOMPARE(deletion.failureReasons, QStringList { QStringLiteral("It changed since the scan") });
        QVERIFY(deletion.removed.isEmpty());
        QCOMPARE(deletion.freedBytes + deletion.trashedBytes, 0);
        QVERIFY(QFileInfo::exists(seenNow));
        QVERIFY(!QFileInfo::exists(trashed));
        QCOMPARE(scan.foundPaths(), QStringList { chosen });
    }
}

void TestLargeFileScanner::trashNamesKeepTheExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("second");
    QTest::newRow("extension") << "movie.mov"
                               << "movie 2.mov";
    QTest::newRow("last extension") << "backup.tar.gz"
                                    << "backup.tar 2.gz";
    QTest::newRow("no extension") << "README"
                                  << "README 2";
    QTest::newRow("package") << "Editor.app"
                             << "Editor 2.app";
}

void TestLargeFileScanner::trashNamesKeepTheExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, second);
    QCOMPARE(HomeTrash::numberedName(name, 2), second);
}

void TestLargeFileScanner::resultsAreLargestFirst()
{
    TestHome home;
    home.makeFile(QStringLiteral("data/b.bin"), 2 * MinSize);
    home.makeFile(QStringLiteral("data/a/c.bin"), 3 * MinSize);
    home.makeFile(QStringLiteral("data/a.bin"), MinSize);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    QList<qint64> sizes;
    for (const LargeFileInfo &file : scan.scanner.getResults())
        sizes << file.size;
    QCOMPARE(sizes, (QList<qint64> { 3 * MinSize, 2 * MinSize, MinSize }));
}

// A 64 MiB file with one block written is listed by its length, but its size, the totals and
// what its deletion frees are the space it took.
void TestLargeFileScanner::sparseFilesCountTheSpaceTheyTake()
{
    TestHome home;
    const qint64 length = 64 * 1024 * 1024;
    const QString sparse = home.makeSparseFile(QStringLiteral("data/disk.img"), length, QByteArray(4096, 's'));
    const QString dense = home.makeFile(QStringLiteral("data/movie.mov"), 200000);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    const QList<LargeFileInfo> results = scan.scanner.getResults();
    QCOMPARE(results.size(), 2);
    QCOMPARE(results.first().path, dense);
    QCOMPARE(results.first().size, 200000);
    QCOMPARE(results.first().misleadingLength(), 0);
    const LargeFileInfo &found = results.last();
    QCOMPARE(found.path, sparse);
    QCOMPARE(found.length, length);
    QCOMPARE(found.misleadingLength(), length);
    QVERIFY2(found.size >= 4096 && found.size < length / 64, qPrintable(QString::number(found.size)));
    QCOMPARE(scan.scanner.totalSize(), 200000 + found.size);

    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { sparse }, LargeFileScanner::DeleteMode::Permanently, &deletion));
    QCOMPARE(deletion.freedBytes, found.size);
    QCOMPARE(scan.scanner.totalSize(), 200000);
}

// A file the walk reached through a folder link out of the chosen folder is shown in the folder
// where it lies, with the link it came through; deleting it removes that file and leaves the link.
void TestLargeFileScanner::filesReachedThroughALinkShowWhereTheyLie()
{
    TestHome home;
    const QString real = home.makeFile(QStringLiteral("Elsewhere/Photos/album.zip"), MinSize);
    const QString link
        = home.makeLink(QStringLiteral("data/links/photos"), home.filePath(QStringLiteral("Elsewhere/Photos")));
    const QString plain = home.makeFile(QStringLiteral("data/big.bin"), 2 * MinSize);
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    const QList<LargeFileInfo> results = scan.scanner.getResults();
    QCOMPARE(results.size(), 2);
    const LargeFileInfo &linked = results.last();
    QCOMPARE(linked.path, link + QStringLiteral("/album.zip"));
    QCOMPARE(linked.directory, home.filePath(QStringLiteral("Elsewhere/Photos")));
    QCOMPARE(linked.realPath(), real);
    QCOMPARE(linked.via(), link);
    const LargeFileInfo &inPlace = results.first();
    QCOMPARE(inPlace.directory, home.filePath(QStringLiteral("data")));
    QCOMPARE(inPlace.realPath(), plain);
    QCOMPARE(inPlace.via(), QString());

    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { linked.path }, LargeFileScanner::DeleteMode::Permanently, &deletion));
    QVERIFY(deletion.failed.isEmpty());
    QVERIFY(!QFileInfo::exists(real));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo::exists(plain));
}

void TestLargeFileScanner::volumesAsAMacUserSeesThem()
{
    using Mount = LargeFileVolumes::Mount;
    const qint64 disk = 494000000000;
    const QList<Mount> mounts {
        { QStringLiteral("/"), QStringLiteral("Macintosh HD"), "apfs", disk, 100 },
        { QStringLiteral("/dev"), QStringLiteral("devfs"), "devfs", 200000, 0 },
        { QStringLiteral("/System/Volumes/VM"), QStringLiteral("VM"), "apfs", disk, 100 },
        { QStringLiteral("/System/Volumes/Preboot"), QStringLiteral("Preboot"), "apfs", disk, 100 },
        { QStringLiteral("/System/Volumes/Update"), QStringLiteral("Update"), "apfs", disk, 100 },
        { QStringLiteral("/System/Volumes/Data"), QStringLiteral("Data"), "apfs", disk, 100 },
        { QStringLiteral("/System/Volumes/Data/home"), QString(), "autofs", 1, 0 },
        { QStringLiteral("/Volumes/Backup"), QStringLiteral("Backup"), "hfs", 2000, 500 },
        { QStringLiteral("/Volumes/Card"), QStringLiteral("Card"), "msdos", 0, 0 },
        { QStringLiteral("/Volumes/Ejecting"), QStringLiteral("Ejecting"), "apfs", 10, 5, false },
    };
    const QList<LargeFileVolume> volumes = LargeFileVolumes::browsable(mounts);
    QCOMPARE(volumes.size(), 2);
    QCOMPARE(volumes.at(0).rootPath, QStringLiteral("/"));
    QCOMPARE(volumes.at(0).walkPath, QStringLiteral("/System/Volumes/Data"));
    QCOMPARE(volumes.at(0).name, QStringLiteral("Macintosh HD"));
    QCOMPARE(volumes.at(1).walkPath, QStringLiteral("/Volumes/Backup"));
    // Without a data volume (older systems, other platforms) the start-up disk is walked itself.
    QCOMPARE(LargeFileVolumes::browsable({ mounts.first() }).first().walkPath, QStringLiteral("/"));
}

// Two names the system holds apart (one not UTF-8, one holding U+FFFD) show one path; the
// entry picked is the one acted on, and the shown path alone names neither.
void TestLargeFileScanner::namesShowingOnePathAreKeptApart()
{
    TestHome home;
    const QByteArray folder = QFile::encodeName(home.makeDir(QStringLiteral("data")));
    const QByteArray invalid = folder + "/x\xff";
    const QByteArray replacement = folder + "/x\xef\xbf\xbd";
    QVERIFY(makeNativeFile(invalid, 3 * MinSize));
    QVERIFY(makeNativeFile(replacement, 2 * MinSize));
    Scan scan({ home.filePath(QStringLiteral("data")) });
    QVERIFY(scan.run());
    const QString shown = home.filePath(QStringLiteral("data/x\uFFFD"));
    QCOMPARE(scan.foundPaths(), (QStringList { shown, shown }));
    QCOMPARE(scan.scanner.totalSize(), 5 * MinSize);

    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { shown }, LargeFileScanner::DeleteMode::Permanently, &deletion));
    QCOMPARE(deletion.failed, QStringList { shown });
    QVERIFY(existsNative(invalid));
    QVERIFY(existsNative(replacement));

    const LargeFileInfo picked = scan.scanner.getResults().first();
    QCOMPARE(picked.size, 3 * MinSize);
    QCOMPARE(picked.entry(), invalid);
    QSignalSpy finished(&scan.scanner, &LargeFileScanner::deleteFinished);
    QVERIFY(scan.scanner.deleteEntries({ picked.entry() }, LargeFileScanner::DeleteMode::MoveToTrash));
    QVERIFY(finished.wait(20000));
    deletion = finished.first().first().value<LargeFileDeletion>();
    QCOMPARE(deletion.removedEntries, QList<QByteArray> { invalid });
    QVERIFY(!existsNative(invalid));
    QVERIFY(existsNative(QFile::encodeName(home.filePath(QStringLiteral(".Trash"))) + "/x\xff"));
    QVERIFY(existsNative(replacement));
    QCOMPARE(scan.scanner.resultCount(), 1);
    QCOMPARE(scan.scanner.getResults().first().entry(), replacement);
    QCOMPARE(scan.scanner.totalSize(), 2 * MinSize);
}

// A folder link to a package, or into a folder inside one, lists the package where it is, as
// one entry: nothing inside it is listed as a loose file.
void TestLargeFileScanner::linksIntoPackagesListThePackage()
{
    TestHome home;
    home.makeFile(QStringLiteral("Elsewhere/Linked.photoslibrary/originals/IMG.heic"), MinSize);
    home.makeFile(QStringLiteral("Elsewhere/Editor.app/Contents/Info.plist"), 10);
    home.makeFile(QStringLiteral("Elsewhere/Editor.app/Contents/Resources/big.dat"), MinSize);
    home.makeFile(QStringLiteral("Elsewhere/Tool/Contents/Info.plist"), 10);
    home.makeFile(QStringLiteral("Elsewhere/Tool/Contents/MacOS/tool"), MinSize);
    home.makeLink(
        QStringLiteral("scan/links/library"), home.filePath(QStringLiteral("Elsewhere/Linked.photoslibrary")));
    home.makeLink(QStringLiteral("scan/links/originals"),
        home.filePath(QStringLiteral("Elsewhere/Linked.photoslibrary/originals")));
    home.makeLink(QStringLiteral("scan/links/resources"),
        home.filePath(QStringLiteral("Elsewhere/Editor.app/Contents/Resources")));
    home.makeLink(QStringLiteral("scan/links/macos"), home.filePath(QStringLiteral("Elsewhere/Tool/Contents/MacOS")));
    const QString library = home.filePath(QStringLiteral("Elsewhere/Linked.photoslibrary"));
    for (int threads : { 1, 2 }) {
        Scan scan({ home.filePath(QStringLiteral("scan")) });
        scan.scanner.setThreadCount(threads);
        QVERIFY(scan.run());
        QCOMPARE(scan.foundPaths(),
            (QStringList { home.filePath(QStringLiteral("Elsewhere/Editor.app")), library,
                home.filePath(QStringLiteral("Elsewhere/Tool")) }));
        for (const LargeFileInfo &file : scan.scanner.getResults())
            QVERIFY(file.isPackage);
    }

    // The package goes whole, from where it is; the links stay.
    Scan scan({ home.filePath(QStringLiteral("scan")) });
    QVERIFY(scan.run());
    LargeFileDeletion deletion;
    QVERIFY(deleteAndWait(scan.scanner, { library }, LargeFileScanner::DeleteMode::MoveToTrash, &deletion));
    QCOMPARE(deletion.removed, QStringList { library });
    QVERIFY(!QFileInfo::exists(library));
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral(".Trash/Linked.photoslibrary/originals/IMG.heic"))));
    QVERIFY(QFileInfo(home.filePath(QStringLiteral("scan/links/library"))).isSymLink());
}

// Locations chosen one inside the other are walked once, unless the inner one is another
// volume, which the outer walk never enters.
void TestLargeFileScanner::anInnerLocationOnAnotherVolumeIsWalked()
{
    HOSTILE_TREE_RUN_IN_MOUNT_NAMESPACE();
    TestHome home;
    const QString outer = home.makeFile(QStringLiteral("outer/movie.mov"), MinSize);
    const QString sameVolume = home.makeFile(QStringLiteral("outer/folder/clip.mov"), MinSize);
    HostileTree::TmpfsMount volume(home.filePath(QStringLiteral("outer/volume")));
    if (!volume.isMounted())
        QSKIP("cannot mount a tmpfs here");
    const QString inner = home.makeFile(QStringLiteral("outer/volume/inner.mov"), MinSize);
    const QStringList expected { outer, sameVolume, inner };
    const QStringList locations { home.filePath(QStringLiteral("outer")), home.filePath(QStringLiteral("outer/volume")),
        home.filePath(QStringLiteral("outer/folder")) };
    for (const QStringList &order : { locations, QStringList { locations.at(2), locations.at(1), locations.at(0) } }) {
        Scan scan(order);
        QVERIFY(scan.run());
        QStringList found = scan.foundPaths();
        QCOMPARE(found.size(), 3);
        found.sort();
        QStringList sorted = expected;
        sorted.sort();
        QCOMPARE(found, sorted);
        QCOMPARE(scan.scanner.totalSize(), 3 * MinSize);
    }
}

// A file with a name inside a listed package and another outside counts once in the total: as
// part of the package.
void TestLargeFileScanner::aFileInsideAPackageAndOutsideCountsOnce()
{
    TestHome home;
    home.makeFile(QStringLiteral("data/Editor.app/Contents/Info.plist"), 10);
    const QString inside = home.makeFile(QStringLiteral("data/Editor.app/Contents/Resources/big.dat"), 3 * MinSize);
    const QString loose = home.filePath(QStringLiteral("data/loose/big.dat"));
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("data/loose"))));
    QCOMPARE(::link(QFile::encodeName(inside).constData(), QFile::encodeName(loose).constData()), 0);
    const QString other = home.makeFile(QStringLiteral("data/loose/other.dat"), MinSize);
    for (int threads : { 1, 2 }) {
        Scan scan({ home.filePath(QStringLiteral("data")) });
        scan.scanner.setThreadCount(threads);
        QVERIFY(scan.run());
        QCOMPARE(scan.foundPaths(), (QStringList { home.filePath(QStringLiteral("data/Editor.app")), other }));
        QCOMPARE(scan.scanner.totalSize(), 3 * MinSize + 10 + MinSize);
    }
}

QTEST_GUILESS_MAIN(TestLargeFileScanner)
#include "tst_largefilescanner.moc"
