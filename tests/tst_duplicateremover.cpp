#include "cleaners/duplicatefinder.h"
#include "cleaners/duplicateremover.h"
#include "hostiletree.h"
#include "testhome.h"

#include <QtTest>

#include <QCryptographicHash>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray Content(256 * 1024, 'd');

QString contentHash()
{
    return QString::fromLatin1(QCryptographicHash::hash(Content, QCryptographicHash::Md5).toHex());
}

// The file as a scan would have seen it now.
DuplicateFile seen(const QString &path)
{
    const std::optional<FileIdentity> identity = FileIdentity::ofRegularFile(path);
    return DuplicateFile { path, Content.size(), QFileInfo(path).lastModified(), identity.value_or(FileIdentity()) };
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

// Rewrites path with content and puts its modification time back: only the change time moves.
void rewriteKeepingTime(const QString &path, const QByteArray &content)
{
    struct stat before;
    QVERIFY(::stat(QFile::encodeName(path).constData(), &before) == 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
    file.close();
    const struct timespec times[2] = { before.st_atim, before.st_mtim };
    QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
}

} // namespace

class TestDuplicateRemover : public QObject
{
    Q_OBJECT

private slots:
    void removesOnlyCopiesOfAKeptFile_data();
    void removesOnlyCopiesOfAKeptFile();
    void unchangedCopyIsDeletedWithoutReading();
    void keptCopyIsCheckedBeforeEveryDeletion_data();
    void keptCopyIsCheckedBeforeEveryDeletion();
    void copyReplacedAfterTheCompareIsLeftAlone();
    void movedToTheTrashCanBePutBack_data();
    void movedToTheTrashCanBePutBack();
    void theOnlyCopySeenThroughAnOverlayStays();
};

void TestDuplicateRemover::removesOnlyCopiesOfAKeptFile_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("removed");
    QTest::newRow("unchanged copy") << QString() << true;
    QTest::newRow("copy edited since the scan") << QStringLiteral("edit copy") << false;
    QTest::newRow("copy rewritten, same size, time put back") << QStringLiteral("rewrite copy") << false;
    QTest::newRow("copy rewritten with the same bytes") << QStringLiteral("rewrite copy same") << true;
    QTest::newRow("copy grown since the scan") << QStringLiteral("grow copy") << false;
    QTest::newRow("copy replaced by a link to the kept file") << QStringLiteral("link copy") << false;
    QTest::newRow("copy replaced by a hard link to the kept file") << QStringLiteral("hard link copy") << false;
    QTest::newRow("copy replaced by a folder") << QStringLiteral("folder copy") << false;
    QTest::newRow("copy replaced by a FIFO") << QStringLiteral("fifo copy") << false;
    QTest::newRow("kept file edited") << QStringLiteral("edit kept") << false;
    QTest::newRow("kept file rewritten with the same bytes") << QStringLiteral("rewrite kept same") << false;
    QTest::newRow("kept file gone") << QStringLiteral("remove kept") << false;
    QTest::newRow("copy outside the scanned folders") << QStringLiteral("outside") << false;
}

void TestDuplicateRemover::removesOnlyCopiesOfAKeptFile()
{
    QFETCH(QString, change);
    QFETCH(bool, removed);
    TestHome home;
    const QString kept = home.makeFileWithContent(QStringLiteral("scan/kept.bin"), Content);
    const QString copy = home.makeFileWithContent(QStringLiteral("scan/copy.bin"), Content);
    const DuplicateFile keptSeen = seen(kept);
    const DuplicateFile copySeen = seen(copy);
    const QByteArray copyName = QFile::encodeName(copy);
    QByteArray other = Content;
    other[other.size() / 2] = 'e';
    if (change == QLatin1String("edit copy")) {
        home.makeFileWithContent(QStringLiteral("scan/copy.bin"), other);
    } else if (change == QLatin1String("rewrite copy")) {
        rewriteKeepingTime(copy, other);
    } else if (change == QLatin1String("rewrite copy same")) {
        rewriteKeepingTime(copy, Content);
    } else if (change == QLatin1String("grow copy")) {
        home.makeFileWithContent(QStringLiteral("scan/copy.bin"), Content + 'x');
    } else if (change == QLatin1String("link copy")) {
        QFile::remove(copy);
        home.makeLink(QStringLiteral("scan/copy.bin"), kept);
    } else if (change == QLatin1String("hard link copy")) {
        QFile::remove(copy);
        QVERIFY(::link(QFile::encodeName(kept).constData(), copyName.constData()) == 0);
    } else if (change == QLatin1String("folder copy")) {
        QFile::remove(copy);
        home.makeFile(QStringLiteral("scan/copy.bin/inside.bin"), 10);
    } else if (change == QLatin1String("fifo copy")) {
        QFile::remove(copy);
        QVERIFY(::mkfifo(copyName.constData(), 0600) == 0);
    } else if (change == QLatin1String("edit kept")) {
        home.makeFileWithContent(QStringLiteral("scan/kept.bin"), other);
    } else if (change == QLatin1String("rewrite kept same")) {
        rewriteKeepingTime(kept, Content);
    } else if (change == QLatin1String("remove kept")) {
        QFile::remove(kept);
    }
    const QStringList roots { home.filePath(
        change == QLatin1String("outside") ? QStringLiteral("elsewhere") : QStringLiteral("scan")) };

    DuplicateRemover remover;
    QSignalSpy finished(&remover, &DuplicateRemover::finished);
    remover.remove({ DuplicateRemoval { contentHash(), Content.size(), { copySeen }, { keptSeen } } }, roots);

    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toStringList(), removed ? QStringList { copy } : QStringList());
    QCOMPARE(finished.first().at(1).toStringList(), removed ? QStringList() : QStringList { copy });
    struct stat info;
    QCOMPARE(::lstat(copyName.constData(), &info) == 0, !removed);
    if (change != QLatin1String("remove kept"))
        QVERIFY(QFileInfo::exists(kept));
}

void TestDuplicateRemover::unchangedCopyIsDeletedWithoutReading()
{
    TestHome home;
    const QString kept = home.makeFileWithContent(QStringLiteral("scan/kept.bin"), Content);
    QList<DuplicateFile> copies;
    for (int i = 0; i < 4; ++i)
        copies.append(seen(home.makeFileWithContent(QStringLiteral("scan/copy%1.bin").arg(i), Content)));
    DuplicateRemover remover;
    QSignalSpy finished(&remover, &DuplicateRemover::finished);

    const qint64 before = bytesReadByProcess();
    remover.start({ DuplicateRemoval { contentHash(), Content.size(), copies, { seen(kept) } } },
        { home.filePath(QStringLiteral("scan")) });
    QVERIFY(finished.wait(20000));
    const qint64 read = bytesReadByProcess() - before;

    QCOMPARE(finished.first().at(0).toStringList().size(), 4);
    for (const DuplicateFile &copy : std::as_const(copies))
        QVERIFY(!QFileInfo::exists(copy.path));
    if (before < 0)
        QSKIP("no read accounting on this system");
    QVERIFY2(read < Content.size(), qPrintable(QString::number(read)));
}

void TestDuplicateRemover::keptCopyIsCheckedBeforeEveryDeletion_data()
{
    QTest::addColumn<QString>("race");
    // Between the checks of the first copy and its deletion:
    QTest::newRow("kept copy removed") << QStringLiteral("remove kept");
    QTest::newRow("kept copy moved onto the copy: one file under two names") << QStringLiteral("move kept");
}

void TestDuplicateRemover::keptCopyIsCheckedBeforeEveryDeletion()
{
    QFETCH(QString, race);
    TestHome home;
    const QString kept = home.makeFileWithContent(QStringLiteral("scan/kept.bin"), Content);
    const QString first = home.makeFileWithContent(QStringLiteral("scan/first.bin"), Content);
    const QString second = home.makeFileWithContent(QStringLiteral("scan/second.bin"), Content);
    DuplicateRemover remover;
    remover.beforeDelete = [&](const QString &path) {
        if (path != first)
            return;
        if (race == QLatin1String("remove kept"))
            QFile::remove(kept);
        else
            ::rename(QFile::encodeName(kept).constData(), QFile::encodeName(first).constData());
    };
    QSignalSpy finished(&remover, &DuplicateRemover::finished);
    remover.remove(
        { DuplicateRemoval { contentHash(), Content.size(), { seen(first), seen(second) }, { seen(kept) } } },
        { home.filePath(QStringLiteral("scan")) });

    // The held kept file lost its last name with the first deletion: it is written back where
    // that copy was (so that copy is not deleted after all), and the second copy is left alone.
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toStringList(), QStringList());
    QCOMPARE(finished.first().at(1).toStringList(), (QStringList { first, second }));
    QFile restored(first);
    QVERIFY(restored.open(QIODevice::ReadOnly));
    QVERIFY(restored.readAll() == Content);
    QVERIFY(QFileInfo::exists(second));
}

// Another file put in a copy's place between its comparison and its removal is not what was
// compared: it stays, and the copy is reported as not deleted.
void TestDuplicateRemover::copyReplacedAfterTheCompareIsLeftAlone()
{
    TestHome home;
    const QString kept = home.makeFileWithContent(QStringLiteral("scan/kept.bin"), Content);
    const QString copy = home.makeFileWithContent(QStringLiteral("scan/copy.bin"), Content);
    DuplicateRemover remover;
    remover.beforeDelete = [&](const QString &path) {
        QFile::remove(path);
        home.makeFileWithContent(QStringLiteral("scan/copy.bin"), "someone else's file");
    };
    QSignalSpy finished(&remover, &DuplicateRemover::finished);
    remover.remove({ DuplicateRemoval { contentHash(), Content.size(), { seen(copy) }, { seen(kept) } } },
        { home.filePath(QStringLiteral("scan")) });

    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toStringList(), QStringList());
    QCOMPARE(finished.first().at(1).toStringList(), QStringList { copy });
    QFile other(copy);
    QVERIFY(other.open(QIODevice::ReadOnly));
    QCOMPARE(other.readAll(), QByteArray("someone else's file"));
}

void TestDuplicateRemover::movedToTheTrashCanBePutBack_data()
{
    QTest::addColumn<bool>("trashUsable");
    QTest::newRow("into the Trash") << true;
    QTest::newRow("no Trash folder can be made") << false;
}

void TestDuplicateRemover::movedToTheTrashCanBePutBack()
{
    QFETCH(bool, trashUsable);
    TestHome home;
    const QString kept = home.makeFileWithContent(QStringLiteral("scan/kept.bin"), Content);
    const QString copy = home.makeFileWithContent(QStringLiteral("scan/copy.bin"), Content);
    // The user's Trash folder; nothing may land in the working folder instead.
    const QString trash = home.filePath(QStringLiteral(".Trash"));
    if (!trashUsable)
        home.makeFile(QStringLiteral(".Trash"), 10); // a file where the folder would be
    const QString working = home.makeDir(QStringLiteral("working"));
    const QString previousWorking = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working));

    DuplicateRemover remover;
    QSignalSpy finished(&remover, &DuplicateRemover::finished);
    remover.remove({ DuplicateRemoval { contentHash(), Content.size(), { seen(copy) }, { seen(kept) } } },
        { home.filePath(QStringLiteral("scan")) }, DuplicateRemover::Disposal::MoveToTrash);
    QDir::setCurrent(previousWorking);

    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toStringList(), trashUsable ? QStringList { copy } : QStringList());
    QCOMPARE(finished.first().at(1).toStringList(), trashUsable ? QStringList() : QStringList { copy });
    QVERIFY(QDir(working).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    QVERIFY(QFileInfo::exists(kept));
    if (!trashUsable) {
        // Left in place, never deleted instead.
        QFile left(copy);
        QVERIFY(left.open(QIODevice::ReadOnly));
        QVERIFY(left.readAll() == Content);
        QVERIFY(remover.trashedPath(copy).isEmpty());
        return;
    }
    const QString trashed = remover.trashedPath(copy);
    QCOMPARE(trashed, trash + QStringLiteral("/copy.bin"));
    QVERIFY(!QFileInfo::exists(copy));
    // Putting it back restores it.
    QVERIFY(QFile::rename(trashed, copy));
    QFile back(copy);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QVERIFY(back.readAll() == Content);
}

// One file seen through an overlay of its folder is one file: the finder does not pair it with
// itself, and a removal told to keep the view and remove the file puts the content back where
// the file was.
void TestDuplicateRemover::theOnlyCopySeenThroughAnOverlayStays()
{
    HOSTILE_TREE_RUN_IN_MOUNT_NAMESPACE();
    TestHome home;
    const QString real = home.makeFileWithContent(QStringLiteral("real/only.bin"), Content);
    for (const char *folder : { "view", "upper", "work" })
        QVERIFY(QDir().mkpath(home.filePath(QString::fromLatin1(folder))));
    const QByteArray options = "lowerdir=" + QFile::encodeName(home.filePath(QStringLiteral("real")))
        + ",upperdir=" + QFile::encodeName(home.filePath(QStringLiteral("upper")))
        + ",workdir=" + QFile::encodeName(home.filePath(QStringLiteral("work")));
    const QByteArray target = QFile::encodeName(home.filePath(QStringLiteral("view")));
    if (::mount("overlay", target.constData(), "overlay", 0, options.constData()) != 0)
        QSKIP("no overlay mounts here");
    const QString view = home.filePath(QStringLiteral("view/only.bin"));
    const QStringList folders { home.filePath(QStringLiteral("real")), home.filePath(QStringLiteral("view")) };

    DuplicateFinder finder;
    finder.directories = folders;
    finder.minSize = 1;
    QSignalSpy groups(&finder, &DuplicateFinder::duplicateGroupFound);
    finder.startScan();
    QCOMPARE(groups.size(), 0);

    DuplicateRemover remover;
    QSignalSpy finished(&remover, &DuplicateRemover::finished);
    remover.remove({ DuplicateRemoval { contentHash(), Content.size(), { seen(real) }, { seen(view) } } }, folders);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toStringList(), QStringList());
    QCOMPARE(finished.first().at(1).toStringList(), QStringList { real });
    QFile restored(real);
    QVERIFY(restored.open(QIODevice::ReadOnly));
    QVERIFY(restored.readAll() == Content);
    ::umount2(target.constData(), MNT_DETACH);
}

QTEST_GUILESS_MAIN(TestDuplicateRemover)
#include "tst_duplicateremover.moc"
