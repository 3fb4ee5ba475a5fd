#include "cleaners/duplicatefinder.h"
#include "core/fileutils.h"
#include "hostiletree.h"
#include "testhome.h"

#include <QtTest>

#include <QCryptographicHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <fcntl.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Everything one synchronous scan reported.
struct ScanRecord
{
    int started = -1;
    int progressCount = 0;
    int lastScanned = 0;
    // The signals in the order they came: 'p'rogress, 'r'ead progress, 'g'roup, 'f'inished.
    QByteArray order;
    QList<qint64> bytesRead;
    QList<DuplicateGroup> groups;
    bool finished = false;
    int finishedGroups = -1;
    qint64 finishedWaste = -1;
};

ScanRecord runScan(DuplicateFinder &finder)
{
    ScanRecord record;
    QObject::connect(&finder, &DuplicateFinder::scanStarted, [&](int files) { record.started = files; });
    QObject::connect(&finder, &DuplicateFinder::progress, [&](int scanned, int, const QString &) {
        QVERIFY(scanned > record.lastScanned);
        ++record.progressCount;
        record.lastScanned = scanned;
        record.order += 'p';
    });
    QObject::connect(&finder, &DuplicateFinder::readProgress, [&](const QString &, qint64 bytes, qint64) {
        record.bytesRead.append(bytes);
        record.order += 'r';
    });
    QObject::connect(&finder, &DuplicateFinder::duplicateGroupFound, [&](const DuplicateGroup &group) {
        record.groups.append(group);
        record.order += 'g';
    });
    QObject::connect(&finder, &DuplicateFinder::scanFinished, [&](int groups, qint64 waste) {
        record.order += 'f';
        record.finished = true;
        record.finishedGroups = groups;
        record.finishedWaste = waste;
    });
    finder.startScan();
    return record;
}

// While it lives, the calling thread opens folders as their permission bits say, root too:
// CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH leave its effective capabilities (they stay permitted
// and come back at the end). Another user has nothing to give up.
class PermissionBitsApply
{
public:
    PermissionBitsApply()
    {
        if (::geteuid() != 0 || ::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = { m_saved[0], m_saved[1] };
        lowered[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        m_lowered = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~PermissionBitsApply()
    {
        if (m_lowered)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionBitsApply(const PermissionBitsApply &) = delete;
    PermissionBitsApply &operator=(const PermissionBitsApply &) = delete;

    bool applies() const
    {
        return ::geteuid() != 0 || m_lowered;
    }

private:
    __user_cap_header_struct m_header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct m_saved[2] {};
    bool m_lowered = false;
};

QStringList sortedPaths(const DuplicateGroup &group)
{
    QStringList paths;
    for (const DuplicateFile &file : group.files)
        paths.append(file.path);
    paths.sort();
    return paths;
}

QString md5Hex(const QByteArray &content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex());
}

QPair<quint64, quint64> identity(const QString &path)
{
    struct stat info;
    ::lstat(QFile::encodeName(path).constData(), &info);
    return { quint64(info.st_dev), quint64(info.st_ino) };
}

using IdentitySet = QSet<QPair<quint64, quint64>>;

// Groups as sets of files on disk; groups that name a single file are dropped.
QList<IdentitySet> identityGroups(const QList<QStringList> &groups)
{
    QList<IdentitySet> result;
    for (const QStringList &paths : groups) {
        IdentitySet files;
        for (const QString &path : paths)
            files.insert(identity(path));
        if (files.size() >= 2)
            result.append(files);
    }
    std::sort(result.begin(), result.end(), [](const IdentitySet &a, const IdentitySet &b) {
        return *std::min_element(a.cbegin(), a.cend()) < *std::min_element(b.cbegin(), b.cend());
    });
    return result;
}

// Bytes this process has read through read calls so far, page cache included.
qint64 bytesReadByProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

QStringList logged;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logged.append(message);
}

// Runs a scan while recording the log lines it writes in logged.
ScanRecord runLoggedScan(DuplicateFinder &finder)
{
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    const ScanRecord record = runScan(finder);
    qInstallMessageHandler(previous);
    return record;
}

// Three pairs of identical files of 3000, 4000 and 5000 bytes under scan/.
void makeThreePairs(const TestHome &home)
{
    for (int size : { 3000, 4000, 5000 }) {
        home.makeFile(QStringLiteral("scan/%1-a.bin").arg(size), size);
        home.makeFile(QStringLiteral("scan/%1-b.bin").arg(size), size);
    }
}

} // namespace

class TestDuplicateFinder : public QObject
{
    Q_OBJECT

private slots:
    void minimumSizeBoundary_data();
    void minimumSizeBoundary();
    void differentHeadsAreNeverReadInFull();
    void sameHeadDifferentTail_data();
    void sameHeadDifferentTail();
    void eachFileIsReadOnce_data();
    void eachFileIsReadOnce();
    void symlinksIgnoredHiddenFilesIncluded();
    void missingFoldersOnly();
    void overlappingFoldersCollectEachFileOnce_data();
    void overlappingFoldersCollectEachFileOnce();
    void hardLinksAreOneFile_data();
    void hardLinksAreOneFile();
    void sparseCopiesCountTheSpaceTheyTake();
    void unreadableFoldersAreReported();
    void groupOrder_data();
    void groupOrder();
    void stopDuringQuickStage();
    void stopBetweenGroups();
    void progressLeadsTheGroupsAndLargeReadsAreReported();
    void fileSwappedAfterTheWalkIsNeverRead_data();
    void fileSwappedAfterTheWalkIsNeverRead();
    void namesThatCannotBeRepresentedAreSkipped();
    void runOffThreadAndCancel();
    void oneFileThroughTwoMountsIsNeverPaired();
    void agreesWithJdupes();
    void kernelTreesAreNeverListed();
    void duplicatesBeyondPathMaxAreFound();
};

void TestDuplicateFinder::minimumSizeBoundary_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("groups");
    QTest::newRow("equal to the minimum") << qint64(2000) << 1;
    QTest::newRow("one byte below") << qint64(1999) << 0;
}

void TestDuplicateFinder::minimumSizeBoundary()
{
    QFETCH(qint64, size);
    QFETCH(int, groups);
    TestHome home;
    home.makeFile(QStringLiteral("scan/a.bin"), size);
    home.makeFile(QStringLiteral("scan/b.bin"), size);
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 2000;

    const ScanRecord record = runScan(finder);
    QCOMPARE(record.groups.size(), groups);
    QCOMPARE(record.started, groups * 2);
    QVERIFY(record.finished);
    QCOMPARE(record.finishedWaste, groups * size);
}

void TestDuplicateFinder::differentHeadsAreNeverReadInFull()
{
    const qint64 size = 1024 * 1024;
    TestHome home;
    const QByteArray copy(size, 'a');
    for (const char *name : { "scan/one.bin", "scan/deep/two.bin", "scan/three.bin" })
        home.makeFileWithContent(QString::fromLatin1(name), copy);
    home.makeFileWithContent(QStringLiteral("scan/other1.bin"), 'b' + copy.mid(1));
    home.makeFileWithContent(QStringLiteral("scan/other2.bin"), 'c' + copy.mid(1));
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };

    const qint64 readBefore = bytesReadByProcess();
    const ScanRecord record = runScan(finder);
    const qint64 readDuringScan = bytesReadByProcess() - readBefore;

    QCOMPARE(record.groups.size(), 1);
    QCOMPARE(sortedPaths(record.groups.first()),
        QStringList({ home.filePath(QStringLiteral("scan/deep/two.bin")), home.filePath(QStringLiteral("scan/one.bin")),
            home.filePath(QStringLiteral("scan/three.bin")) }));
    QCOMPARE(record.groups.first().hash, md5Hex(copy));
    QCOMPARE(record.groups.first().fileSize, size);
    QCOMPARE(record.finishedGroups, 1);
    QCOMPARE(record.finishedWaste, 2 * size);
    QCOMPARE(record.lastScanned, 5);
    if (readBefore < 0)
        QSKIP("no read accounting on this system");
    // Five heads and the rest of the three copies: about 3.2 MiB. Reading the other two in full
    // would add 2 MiB.
    QVERIFY2(readDuringScan < 4 * size, qPrintable(QString::number(readDuringScan)));
}

void TestDuplicateFinder::sameHeadDifferentTail_data()
{
    QTest::addColumn<int>("sharedBytes");
    QTest::newRow("first 4 KiB shared") << 4096;
    QTest::newRow("first 64 KiB shared") << 65536;
    QTest::newRow("all but the last byte") << 199999;
}

void TestDuplicateFinder::sameHeadDifferentTail()
{
    QFETCH(int, sharedBytes);
    TestHome home;
    const QByteArray head(sharedBytes, 'h');
    home.makeFileWithContent(QStringLiteral("scan/a.bin"), head + QByteArray(200000 - sharedBytes, 'x'));
    home.makeFileWithContent(QStringLiteral("scan/b.bin"), head + QByteArray(200000 - sharedBytes, 'y'));
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };

    const ScanRecord record = runScan(finder);
    QCOMPARE(record.lastScanned, 2);
    QVERIFY(record.groups.isEmpty());
    QVERIFY(record.finished);
    QCOMPARE(record.finishedGroups, 0);
}

void TestDuplicateFinder::eachFileIsReadOnce_data()
{
    // Every file's content; equal contents are copies.
    QTest::addColumn<QByteArrayList>("contents");
    // Bytes read beyond one read of every file.
    QTest::addColumn<qint64>("again");
    QRandomGenerator random(13);
    const auto bytes = [&](int size) {
        QByteArray content(size, Qt::Uninitialized);
        for (char &byte : content)
            byte = char(random.bounded(256));
        return content;
    };
    const QByteArray large = bytes(1048576);
    QByteArray otherHead = large;
    otherHead[10] = char(~otherHead.at(10));
    const QByteArray mid = bytes(300 * 1024);
    QTest::newRow("copies beyond the head") << QByteArrayList { large, large, large, otherHead, mid, mid } << qint64(0);
    const QByteArray small = bytes(40000);
    QTest::newRow("copies within the head")
        << QByteArrayList { bytes(3000), small, small, small, bytes(40000), bytes(5000), bytes(5000) } << qint64(0);
    const QByteArray first = bytes(300 * 1024);
    const QByteArray second = bytes(300 * 1024);
    QTest::newRow("two groups of one size") << QByteArrayList { first, second, first, second, second } << qint64(0);
    QByteArray otherTail = mid;
    otherTail[200 * 1024] = char(~otherTail.at(200 * 1024));
    QTest::newRow("a shared head, one other tail") << QByteArrayList { mid, otherTail, otherTail } << qint64(0);
    // The uncommon case: files sharing a head split into two groups; only one of them has the
    // member read for the MD5, and one member of the other is read again.
    QTest::newRow("a shared head, two groups")
        << QByteArrayList { mid, otherTail, mid, otherTail } << qint64(mid.size());
}

void TestDuplicateFinder::eachFileIsReadOnce()
{
    QFETCH(QByteArrayList, contents);
    QFETCH(qint64, again);
    TestHome home;
    QSet<QString> expectedHashes;
    // Of a file of a size no other file has: nothing. Else its head, and the rest of it if
    // another file of its size shares that head.
    qint64 oneRead = again;
    for (int i = 0; i < contents.size(); ++i) {
        const QByteArray &content = contents.at(i);
        home.makeFileWithContent(QStringLiteral("scan/f%1.bin").arg(i), content);
        const auto sameSize = [&](const QByteArray &other) { return other.size() == content.size(); };
        const auto sameHead
            = [&](const QByteArray &other) { return sameSize(other) && other.left(65536) == content.left(65536); };
        if (std::count_if(contents.cbegin(), contents.cend(), sameSize) > 1)
            oneRead += std::count_if(contents.cbegin(), contents.cend(), sameHead) > 1
                ? content.size()
                : qMin<qint64>(content.size(), 65536);
        if (contents.count(content) > 1)
            expectedHashes.insert(md5Hex(content));
    }
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1;

    const qint64 readBefore = bytesReadByProcess();
    const ScanRecord record = runScan(finder);
    const qint64 readDuringScan = bytesReadByProcess() - readBefore;

    QSet<QString> hashes;
    for (const DuplicateGroup &group : record.groups)
        hashes.insert(group.hash);
    QCOMPARE(hashes, expectedHashes);
    if (readBefore < 0)
        QSKIP("no read accounting on this system");
    // Beyond the files, only a little bookkeeping (the mount table) is read.
    QVERIFY2(readDuringScan >= oneRead && readDuringScan < oneRead + 65536,
        qPrintable(QStringLiteral("read %1 bytes, expected %2").arg(readDuringScan).arg(oneRead)));
}

void TestDuplicateFinder::symlinksIgnoredHiddenFilesIncluded()
{
    TestHome home;
    const QString plain = home.makeFile(QStringLiteral("scan/plain.bin"), 3000);
    const QString hidden = home.makeFile(QStringLiteral("scan/.hidden/.copy.bin"), 3000);
    home.makeFile(QStringLiteral("outside/third.bin"), 3000);
    home.makeLink(QStringLiteral("scan/link.bin"), plain);
    home.makeLink(QStringLiteral("scan/linked-folder"), home.filePath(QStringLiteral("outside")));
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1000;

    const ScanRecord record = runScan(finder);
    QCOMPARE(record.groups.size(), 1);
    QCOMPARE(sortedPaths(record.groups.first()), QStringList({ hidden, plain }));
}

void TestDuplicateFinder::missingFoldersOnly()
{
    TestHome home;
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("nothing")), home.filePath(QStringLiteral("nor/this")) };

    const ScanRecord record = runScan(finder);
    QCOMPARE(record.started, 0);
    QCOMPARE(record.progressCount, 0);
    QVERIFY(record.finished);
    QCOMPARE(record.finishedGroups, 0);
    QCOMPARE(record.finishedWaste, qint64(0));
}

void TestDuplicateFinder::overlappingFoldersCollectEachFileOnce_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::newRow("folder and its sub-folder") << QStringList { QStringLiteral("scan"), QStringLiteral("scan/sub") };
    QTest::newRow("sub-folder first") << QStringList { QStringLiteral("scan/sub"), QStringLiteral("scan") };
    QTest::newRow("same folder twice") << QStringList { QStringLiteral("scan"), QStringLiteral("scan") };
    QTest::newRow("through ..") << QStringList { QStringLiteral("scan/sub/.."), QStringLiteral("scan") };
    QTest::newRow("through a link") << QStringList { QStringLiteral("scan"), QStringLiteral("link-to-scan") };
}

void TestDuplicateFinder::overlappingFoldersCollectEachFileOnce()
{
    QFETCH(QStringList, folders);
    TestHome home;
    home.makeFile(QStringLiteral("scan/sub/a.bin"), 3000);
    home.makeFile(QStringLiteral("scan/sub/b.bin"), 3000);
    home.makeLink(QStringLiteral("link-to-scan"), home.filePath(QStringLiteral("scan")));
    DuplicateFinder finder;
    for (const QString &folder : std::as_const(folders))
        finder.directories.append(home.filePath(folder));
    finder.minSize = 1000;

    const ScanRecord record = runScan(finder);
    QCOMPARE(record.started, 2);
    QCOMPARE(record.groups.size(), 1);
    QCOMPARE(identityGroups({ sortedPaths(record.groups.first()) }).size(), 1);
    QCOMPARE(record.groups.first().files.size(), 2);
    QCOMPARE(record.finishedWaste, qint64(3000));
}

void TestDuplicateFinder::hardLinksAreOneFile_data()
{
    QTest::addColumn<bool>("withCopy");
    QTest::newRow("file and its hard link") << false;
    QTest::newRow("file, hard link and a copy") << true;
}

void TestDuplicateFinder::hardLinksAreOneFile()
{
    QFETCH(bool, withCopy);
    TestHome home;
    const QString original = home.makeFile(QStringLiteral("scan/a.bin"), 3000);
    QVERIFY(::link(QFile::encodeName(original).constData(),
                QFile::encodeName(home.filePath(QStringLiteral("scan/hard.bin"))).constData())
        == 0);
    if (withCopy)
        home.makeFile(QStringLiteral("scan/copy.bin"), 3000);
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1000;

    const ScanRecord record = runScan(finder);
    QCOMPARE(record.groups.size(), withCopy ? 1 : 0);
    if (withCopy) {
        QCOMPARE(record.groups.first().files.size(), 2);
        QVERIFY(sortedPaths(record.groups.first()).contains(home.filePath(QStringLiteral("scan/copy.bin"))));
    }
}

// Two copies of a 64 MiB content of which one block is written take a few KiB each: the group
// and the scan's total tell the space, the group's size the length.
void TestDuplicateFinder::sparseCopiesCountTheSpaceTheyTake()
{
    TestHome home;
    const qint64 length = 64 * 1024 * 1024;
    home.makeSparseFile(QStringLiteral("scan/disk.img"), length, QByteArray(4096, 's'));
    home.makeSparseFile(QStringLiteral("scan/disk copy.img"), length, QByteArray(4096, 's'));
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1000;

    const ScanRecord record = runScan(finder);
    QCOMPARE(record.groups.size(), 1);
    const DuplicateGroup &group = record.groups.first();
    QCOMPARE(group.fileSize, length);
    QCOMPARE(group.files.size(), 2);
    for (const DuplicateFile &file : group.files)
        QVERIFY2(file.size >= 4096 && file.size < length / 64, qPrintable(QString::number(file.size)));
    QCOMPARE(record.finishedWaste, qMin(group.files.at(0).size, group.files.at(1).size));
}

// A folder the scan may not open is named, each once, however many chosen folders reach it; the
// duplicates around it are still found.
void TestDuplicateFinder::unreadableFoldersAreReported()
{
    TestHome home;
    makeThreePairs(home);
    const QString locked = home.makeDir(QStringLiteral("scan/Private"));
    home.makeFile(QStringLiteral("scan/Private/secret.bin"), 3000, 's');
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")), locked };
    finder.minSize = 1000;

    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    ScanRecord record;
    bool applied = false;
    {
        PermissionBitsApply lowered;
        applied = lowered.applies();
        if (applied)
            record = runScan(finder);
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!applied)
        QSKIP("this process reads every folder whatever its permissions");
    QVERIFY(record.finished);
    QCOMPARE(record.groups.size(), 3);
    QCOMPARE(finder.unreadableFolders, QStringList { locked });
}

void TestDuplicateFinder::groupOrder_data()
{
    QTest::addColumn<int>("sameSize");
    QTest::newRow("files within 64 KiB") << 3000;
    QTest::newRow("files beyond 64 KiB") << 100000;
}

void TestDuplicateFinder::groupOrder()
{
    QFETCH(int, sameSize);
    TestHome home;
    // Two groups of one size and one group each of a larger and a smaller size.
    const QList<QByteArray> contents { QByteArray(sameSize, 'p'), QByteArray(sameSize, 'q'),
        QByteArray(sameSize * 2, 'r'), QByteArray(sameSize / 2, 's') };
    for (int i = 0; i < contents.size(); ++i) {
        home.makeFileWithContent(QStringLiteral("scan/%1-a.bin").arg(i), contents.at(i));
        home.makeFileWithContent(QStringLiteral("scan/%1-b.bin").arg(i), contents.at(i));
    }
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1;

    const ScanRecord record = runScan(finder);
    QCOMPARE(record.groups.size(), 4);
    QStringList twoOfOneSize { md5Hex(contents.at(0)), md5Hex(contents.at(1)) };
    twoOfOneSize.sort(); // within one size: ascending head digest; here head and content agree in order
    const QByteArray head0 = QCryptographicHash::hash(contents.at(0).left(65536), QCryptographicHash::Md5);
    const QByteArray head1 = QCryptographicHash::hash(contents.at(1).left(65536), QCryptographicHash::Md5);
    const QStringList byHead = head0 < head1 ? QStringList { md5Hex(contents.at(0)), md5Hex(contents.at(1)) }
                                             : QStringList { md5Hex(contents.at(1)), md5Hex(contents.at(0)) };
    const QStringList expected { md5Hex(contents.at(2)), byHead.at(0), byHead.at(1), md5Hex(contents.at(3)) };
    QStringList hashes;
    for (const DuplicateGroup &group : record.groups) {
        hashes.append(group.hash);
        for (const DuplicateFile &file : group.files) {
            QCOMPARE(file.size, group.fileSize);
            QCOMPARE(file.modified, QFileInfo(file.path).lastModified());
        }
    }
    QCOMPARE(hashes, expected);
    QCOMPARE(record.finishedWaste, qint64(sameSize) * 4 + sameSize / 2);
}

void TestDuplicateFinder::stopDuringQuickStage()
{
    TestHome home;
    makeThreePairs(home);
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1;
    connect(&finder, &DuplicateFinder::progress, this, [&finder] { finder.cancelled = true; });

    const ScanRecord record = runLoggedScan(finder);

    QCOMPARE(record.started, 6);
    QCOMPARE(record.progressCount, 1);
    QVERIFY(record.groups.isEmpty());
    QVERIFY(!record.finished);
    QVERIFY(logged.filter(QStringLiteral("DuplicateFinder: scan start")).size() == 1);
    QVERIFY(logged.filter(QStringLiteral("DuplicateFinder: 0 groups")).size() <= 1);
    QVERIFY(finder.cancelled);
}

void TestDuplicateFinder::stopBetweenGroups()
{
    TestHome home;
    makeThreePairs(home);
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1;
    connect(&finder, &DuplicateFinder::duplicateGroupFound, this, [&finder] { finder.cancelled = true; });

    const ScanRecord record = runLoggedScan(finder);

    QCOMPARE(record.groups.size(), 1);
    QCOMPARE(record.groups.first().fileSize, qint64(5000));
    QVERIFY(!record.finished);
    QCOMPARE(logged.filter(QStringLiteral("DuplicateFinder: 1 groups, wasted 5000 bytes")).size(), 1);
}

void TestDuplicateFinder::progressLeadsTheGroupsAndLargeReadsAreReported()
{
    TestHome home;
    const qint64 large = 24 * 1048576;
    home.makeFile(QStringLiteral("scan/large-a.bin"), large, 'L');
    home.makeFile(QStringLiteral("scan/large-b.bin"), large, 'L');
    for (const char *name : { "scan/small-a.bin", "scan/small-b.bin", "scan/small-c.bin" })
        home.makeFile(QString::fromLatin1(name), 200 * 1024, 's');
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1024;
    // A slow disk: every chunk read in full takes a while.
    finder.afterChunkRead = [](const QString &) { QThread::msleep(15); };

    const ScanRecord record = runScan(finder);

    QCOMPARE(record.groups.size(), 2);
    QCOMPARE(record.lastScanned, 5);
    QVERIFY2(record.order.indexOf('p') < record.order.indexOf('g'), record.order.constData());
    QVERIFY2(record.order.endsWith('f'), record.order.constData());
    QVERIFY2(record.order.indexOf('r') < record.order.indexOf('g'), record.order.constData());
    QVERIFY(record.bytesRead.size() >= 2);
    QVERIFY(QSet<qint64>(record.bytesRead.cbegin(), record.bytesRead.cend()).size() >= 2);
}

void TestDuplicateFinder::fileSwappedAfterTheWalkIsNeverRead_data()
{
    QTest::addColumn<QString>("swap");
    QTest::newRow("a FIFO (would block for ever)") << QStringLiteral("fifo");
    QTest::newRow("a link to the same file") << QStringLiteral("link");
    QTest::newRow("another file of the same content") << QStringLiteral("other");
}

void TestDuplicateFinder::fileSwappedAfterTheWalkIsNeverRead()
{
    QFETCH(QString, swap);
    TestHome home;
    const QString swapped = home.makeFile(QStringLiteral("scan/a.bin"), 3000);
    home.makeFile(QStringLiteral("scan/b.bin"), 3000);
    home.makeFile(QStringLiteral("scan/c.bin"), 3000);
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1000;
    QList<DuplicateGroup> groups;
    connect(&finder, &DuplicateFinder::duplicateGroupFound, this,
        [&](const DuplicateGroup &group) { groups.append(group); });

    const auto candidates = finder.collectBySize();
    const QByteArray swappedName = QFile::encodeName(swapped);
    if (swap == QLatin1String("fifo")) {
        QVERIFY(QFile::remove(swapped));
        QVERIFY(::mkfifo(swappedName.constData(), 0600) == 0);
    } else if (swap == QLatin1String("link")) {
        // Followed, the link would lead to the very file the walk saw.
        const QString moved = home.filePath(QStringLiteral("moved.bin"));
        QVERIFY(QFile::rename(swapped, moved));
        QVERIFY(QFile::link(moved, swapped));
    } else {
        const QString copy = home.filePath(QStringLiteral("copy.bin"));
        QVERIFY(QFile::copy(swapped, copy)); // a new inode while the old one still exists
        QVERIFY(::rename(QFile::encodeName(copy).constData(), swappedName.constData()) == 0);
    }
    finder.hashAndEmit(candidates);

    QCOMPARE(groups.size(), 1);
    QCOMPARE(sortedPaths(groups.first()),
        QStringList({ home.filePath(QStringLiteral("scan/b.bin")), home.filePath(QStringLiteral("scan/c.bin")) }));
}

void TestDuplicateFinder::namesThatCannotBeRepresentedAreSkipped()
{
    TestHome home;
    const QString good = home.makeFile(QStringLiteral("scan/good.bin"), 3000);
    const QString twin = home.makeFile(QStringLiteral("scan/twin.bin"), 3000);
    const QByteArray folder = QFile::encodeName(home.filePath(QStringLiteral("scan")));
    for (const char *name : { "/bad\xff.bin", "/bad\xfe.bin" }) { // not valid UTF-8
        const int fd = ::open(QByteArray(folder + name).constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, QByteArray(3000, 'x').constData(), 3000), ssize_t(3000));
        ::close(fd);
    }
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1000;

    const ScanRecord record = runLoggedScan(finder);

    QCOMPARE(record.groups.size(), 1);
    QCOMPARE(sortedPaths(record.groups.first()), QStringList({ good, twin }));
    QCOMPARE(logged.filter(QStringLiteral("cannot be represented")).size(), 2);
}

void TestDuplicateFinder::runOffThreadAndCancel()
{
    TestHome home;
    makeThreePairs(home);
    home.makeFile(QStringLiteral("scan/big-a.bin"), 4 * 1048576);
    home.makeFile(QStringLiteral("scan/big-b.bin"), 4 * 1048576);
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1;
    QSignalSpy groups(&finder, &DuplicateFinder::duplicateGroupFound);
    QSignalSpy finished(&finder, &DuplicateFinder::scanFinished);
    QSignalSpy stopped(&finder, &DuplicateFinder::scanStopped);

    QVERIFY(finder.start());
    QVERIFY(finished.wait(20000));
    QCOMPARE(groups.size(), 4);
    QTRY_VERIFY(!finder.isRunning());
    QVERIFY(stopped.isEmpty());

    // Cancelled while a file is read: nothing more arrives but the stop.
    QSemaphore reading;
    QSemaphore resume;
    finder.afterChunkRead = [&](const QString &) {
        reading.release();
        resume.acquire();
    };
    groups.clear();
    QVERIFY(finder.start());
    QVERIFY(!finder.start());
    QVERIFY(QTest::qWaitFor([&] { return reading.tryAcquire(); }, 20000));
    finder.cancel();
    resume.release(1000);
    QVERIFY(stopped.wait(20000));
    QCOMPARE(groups.size(), 0);
    QCOMPARE(finished.size(), 1);
}

void TestDuplicateFinder::oneFileThroughTwoMountsIsNeverPaired()
{
    // Two overlay mounts of one lower folder show each of its files under two device numbers
    // with one inode number: the same file, as on a share mounted twice.
    if (::geteuid() != 0)
        QSKIP("mounting needs root");
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        QSKIP("no private mount namespace here");
    TestHome home;
    const QString only = home.makeFile(QStringLiteral("lower/only.bin"), 3000, 'o');
    home.makeFile(QStringLiteral("lower/copy-a.bin"), 5000, 'c');
    home.makeFile(QStringLiteral("lower/copy-b.bin"), 5000, 'c');
    for (const char *folder : { "one", "two", "upper1", "upper2", "work1", "work2" })
        QVERIFY(QDir().mkpath(home.filePath(QString::fromLatin1(folder))));
    for (int i = 1; i <= 2; ++i) {
        const QByteArray options = "lowerdir=" + QFile::encodeName(home.filePath(QStringLiteral("lower")))
            + ",upperdir=" + QFile::encodeName(home.filePath(QStringLiteral("upper%1").arg(i)))
            + ",workdir=" + QFile::encodeName(home.filePath(QStringLiteral("work%1").arg(i)));
        const QByteArray target
            = QFile::encodeName(home.filePath(i == 1 ? QStringLiteral("one") : QStringLiteral("two")));
        if (::mount("overlay", target.constData(), "overlay", 0, options.constData()) != 0)
            QSKIP("no overlay mounts here");
    }
    const QString first = home.filePath(QStringLiteral("one/only.bin"));
    const QString second = home.filePath(QStringLiteral("two/only.bin"));
    struct stat a;
    struct stat b;
    QVERIFY(::stat(QFile::encodeName(first).constData(), &a) == 0
        && ::stat(QFile::encodeName(second).constData(), &b) == 0);
    if (a.st_dev == b.st_dev || a.st_ino != b.st_ino)
        QSKIP("these overlay mounts do not show one file under two devices");
    Q_UNUSED(only);

    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("one")), home.filePath(QStringLiteral("two")) };
    finder.minSize = 1000;
    const ScanRecord record = runScan(finder);

    // Only the real copies pair up, each once.
    QCOMPARE(record.groups.size(), 1);
    QCOMPARE(record.groups.first().files.size(), 2);
    QCOMPARE(record.groups.first().fileSize, qint64(5000));
    for (const char *folder : { "one", "two" })
        ::umount(QFile::encodeName(home.filePath(QString::fromLatin1(folder))).constData());
}

void TestDuplicateFinder::agreesWithJdupes()
{
    const QString jdupes = QStandardPaths::findExecutable(QStringLiteral("jdupes"));
    if (jdupes.isEmpty())
        QSKIP("jdupes is not installed");
    TestHome home;
    QRandomGenerator random(7);
    QList<QByteArray> contents;
    for (int i = 0; i < 12; ++i) {
        // A few sizes only, so that sizes collide; some pairs share a long head.
        const int size = QList<int> { 700, 70000, 140000 }.at(i % 3);
        QByteArray content(size, Qt::Uninitialized);
        for (char &byte : content)
            byte = char(random.bounded(256));
        if (i % 4 == 3)
            content.replace(0, 65536 < size ? 65536 : size - 1, contents.at(i - 3).left(65536));
        contents.append(content);
    }
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        paths.append(home.makeFileWithContent(
            QStringLiteral("scan/d%1/%2f%3.bin").arg(i % 5).arg(i % 7 ? QString() : QStringLiteral(".")).arg(i),
            contents.at(int(random.bounded(contents.size())))));
    }
    for (int i = 0; i < 5; ++i) {
        QVERIFY(::link(QFile::encodeName(paths.at(i * 3)).constData(),
                    QFile::encodeName(home.filePath(QStringLiteral("scan/hard%1.bin").arg(i))).constData())
            == 0);
    }
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1;
    const ScanRecord record = runScan(finder);

    QProcess process;
    process.start(jdupes, { QStringLiteral("-r"), QStringLiteral("-q"), home.filePath(QStringLiteral("scan")) });
    QVERIFY(process.waitForFinished(60000));
    QList<QStringList> expected { {} }; // one path a line, groups separated by empty lines
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            expected.append(QStringList());
        else
            expected.last().append(QString::fromUtf8(line));
    }
    QList<QStringList> found;
    for (const DuplicateGroup &group : record.groups)
        found.append(sortedPaths(group));
    QVERIFY(!found.isEmpty());
    QCOMPARE(identityGroups(found), identityGroups(expected));
}

// The kernel's trees are known by their file system, not by their path: a folder chosen through
// a link to one lists nothing.
void TestDuplicateFinder::kernelTreesAreNeverListed()
{
    if (!QFileInfo(QStringLiteral("/sys/module")).isDir())
        QSKIP("needs /sys/module");
    TestHome home;
    home.makeLink(QStringLiteral("scan/module"), QStringLiteral("/sys/module"));
    const QString a = home.makeFileWithContent(QStringLiteral("scan/a.bin"), QByteArray(3000, 'k'));
    const QString b = home.makeFileWithContent(QStringLiteral("scan/b.bin"), QByteArray(3000, 'k'));
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan/module")), home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1;
    const ScanRecord record = runScan(finder);
    QCOMPARE(record.groups.size(), 1);
    QCOMPARE(sortedPaths(record.groups.first()), (QStringList { a, b }));
}

// Copies in folders whose paths are longer than PATH_MAX are found and read like any other.
void TestDuplicateFinder::duplicatesBeyondPathMaxAreFound()
{
    TestHome home;
    const QByteArray name(200, 'd');
    constexpr int Depth = 25;
    constexpr int Size = 5000;
    QVERIFY(HostileTree::makeDeepChain(home.filePath(QStringLiteral("scan/a")), name, Depth, Size));
    QVERIFY(HostileTree::makeDeepChain(home.filePath(QStringLiteral("scan/b")), name, Depth, Size));
    const QString shallow = home.makeFile(QStringLiteral("scan/shallow.bin"), Size, 'b');
    QString deep;
    for (int level = 0; level < Depth; ++level)
        deep += QLatin1Char('/') + QString::fromLatin1(name);
    deep += QStringLiteral("/bottom.bin");
    DuplicateFinder finder;
    finder.directories = { home.filePath(QStringLiteral("scan")) };
    finder.minSize = 1;
    const ScanRecord record = runScan(finder);
    QVERIFY(FileUtils::deleteDirectory(home.filePath(QStringLiteral("scan"))));
    QCOMPARE(record.groups.size(), 1);
    QCOMPARE(sortedPaths(record.groups.first()),
        (QStringList {
            home.filePath(QStringLiteral("scan/a")) + deep, home.filePath(QStringLiteral("scan/b")) + deep, shallow }));
    QVERIFY(home.filePath(QStringLiteral("scan/a")).size() + deep.size() > PATH_MAX);
}

QTEST_GUILESS_MAIN(TestDuplicateFinder)
#include "tst_duplicatefinder.moc"
