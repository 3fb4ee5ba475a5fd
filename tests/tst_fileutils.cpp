#include "core/fileutils.h"
#include "testhome.h"

#include <QtTest>

#include <QProcess>

#include <unistd.h>

class TestFileUtils : public QObject
{
    Q_OBJECT

private slots:
    void deleteDirectoryOnLinkRemovesOnlyTheLink_data();
    void deleteDirectoryOnLinkRemovesOnlyTheLink();
    void deleteDirectoryRemovesLinksInsideAsLinks();
    void deleteDirectoryReportsPartialFailure();
    void deleteDirectoryRefusesFilesAndMissingPaths();
    void deleteFileOnLinkRemovesTheLink();
    void dirSizeNeverFollowsLinksNorCountsTwice();
    void dirSizeAgreesWithFind();
    void sizesAreTheSpaceTakenEachFileOnce();
    void findFilesSkipsHiddenAndLinks();
    void isInside_data();
    void isInside();
};

void TestFileUtils::deleteDirectoryOnLinkRemovesOnlyTheLink_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("plain") << QString();
    QTest::newRow("trailing slash") << QStringLiteral("/");
    QTest::newRow("two trailing slashes") << QStringLiteral("//");
}

void TestFileUtils::deleteDirectoryOnLinkRemovesOnlyTheLink()
{
    QFETCH(QString, suffix);
    TestHome home;
    const QString precious = home.makeFile(QStringLiteral("Documents/keep/precious.txt"), 10);
    const QString link
        = home.makeLink(QStringLiteral("Library/Caches/app"), home.filePath(QStringLiteral("Documents/keep")));

    QVERIFY(FileUtils::deleteDirectory(link + suffix));
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(!QFileInfo::exists(link));
    QVERIFY(QFileInfo::exists(precious));
}

void TestFileUtils::deleteDirectoryRemovesLinksInsideAsLinks()
{
    TestHome home;
    const QString precious = home.makeFile(QStringLiteral("Documents/precious.txt"), 10);
    home.makeFile(QStringLiteral("Library/Caches/app/a/b/c.bin"), 100);
    home.makeFile(QStringLiteral("Library/Caches/app/.hidden"), 1);
    home.makeLink(QStringLiteral("Library/Caches/app/a/docs"), home.filePath(QStringLiteral("Documents")));
    home.makeLink(QStringLiteral("Library/Caches/app/file-link"), precious);
    home.makeLink(QStringLiteral("Library/Caches/app/dangling"), home.filePath(QStringLiteral("nowhere")));

    QVERIFY(FileUtils::deleteDirectory(home.filePath(QStringLiteral("Library/Caches/app"))));
    QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("Library/Caches/app"))));
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("Library/Caches"))));
    QVERIFY(QFileInfo::exists(precious));
}

void TestFileUtils::deleteDirectoryReportsPartialFailure()
{
    if (geteuid() == 0)
        QSKIP("root may remove entries of a read-only folder");
    TestHome home;
    home.makeFile(QStringLiteral("Library/Caches/app/free.bin"), 5);
    const QString stuck = home.makeFile(QStringLiteral("Library/Caches/app/locked/stuck.bin"), 5);
    const QString locked = home.filePath(QStringLiteral("Library/Caches/app/locked"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);

    QVERIFY(!FileUtils::deleteDirectory(home.filePath(QStringLiteral("Library/Caches/app"))));
    QVERIFY(QFileInfo::exists(stuck));
    QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("Library/Caches/app/free.bin"))));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestFileUtils::deleteDirectoryRefusesFilesAndMissingPaths()
{
    TestHome home;
    const QString file = home.makeFile(QStringLiteral("a.txt"), 3);
    QVERIFY(!FileUtils::deleteDirectory(file));
    QVERIFY(QFileInfo::exists(file));
    QVERIFY(!FileUtils::deleteDirectory(home.filePath(QStringLiteral("missing"))));
    QVERIFY(!FileUtils::deleteDirectory(QString()));
}

void TestFileUtils::deleteFileOnLinkRemovesTheLink()
{
    TestHome home;
    const QString target = home.makeFile(QStringLiteral("Documents/t.txt"), 3);
    const QString link = home.makeLink(QStringLiteral("Library/Logs/t.log"), target);
    QVERIFY(FileUtils::deleteFile(link));
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo::exists(target));
    QVERIFY(!FileUtils::deleteFile(home.filePath(QStringLiteral("Documents"))));
    QVERIFY(!FileUtils::deleteFile(link));
}

void TestFileUtils::dirSizeNeverFollowsLinksNorCountsTwice()
{
    TestHome home;
    home.makeFile(QStringLiteral("outside/big.bin"), 100000);
    const QString first = home.makeFile(QStringLiteral("tree/a.bin"), 1000);
    home.makeFile(QStringLiteral("tree/sub/.hidden"), 10);
    QVERIFY(QFile::link(first, home.filePath(QStringLiteral("tree/symlink-to-a"))));
    QCOMPARE(::link(QFile::encodeName(first).constData(),
                 QFile::encodeName(home.filePath(QStringLiteral("tree/sub/hardlink-to-a"))).constData()),
        0);
    home.makeLink(QStringLiteral("tree/outside"), home.filePath(QStringLiteral("outside")));

    QCOMPARE(FileUtils::calculateDirSize(home.filePath(QStringLiteral("tree"))), qint64(1010));
    QCOMPARE(FileUtils::getFileSize(home.filePath(QStringLiteral("tree/"))), qint64(1010));
    QCOMPARE(FileUtils::getFileSize(first), qint64(1000));
    QCOMPARE(FileUtils::calculateDirSize(home.filePath(QStringLiteral("missing"))), qint64(0));
}

void TestFileUtils::dirSizeAgreesWithFind()
{
    TestHome home;
    for (int i = 0; i < 40; ++i)
        home.makeFile(QStringLiteral("tree/d%1/e%2/f%3.bin").arg(i % 5).arg(i % 3).arg(i), 37 * i + 1);
    home.makeFile(QStringLiteral("tree/.dot/.x"), 7);

    QProcess find;
    find.start(QStringLiteral("find"),
        { home.filePath(QStringLiteral("tree")), QStringLiteral("-type"), QStringLiteral("f"),
            QStringLiteral("-printf"), QStringLiteral("%s\\n") });
    QVERIFY(find.waitForFinished(120000));
    qint64 expected = 0;
    for (const QByteArray &line : find.readAllStandardOutput().split('\n'))
        expected += line.toLongLong();
    QCOMPARE(FileUtils::calculateDirSize(home.filePath(QStringLiteral("tree"))), expected);
}

// A sparse file counts the blocks it has, not its length, and its second name adds nothing: find
// tells each file's inode, length and 512-byte blocks.
void TestFileUtils::sizesAreTheSpaceTakenEachFileOnce()
{
    TestHome home;
    const qint64 length = 64 * 1024 * 1024;
    const QString sparse = home.makeSparseFile(QStringLiteral("tree/disk.img"), length, QByteArray(4096, 's'));
    QCOMPARE(
        ::link(QFile::encodeName(sparse).constData(),
            QFile::encodeName(home.makeDir(QStringLiteral("tree/sub")) + QStringLiteral("/disk-link.img")).constData()),
        0);
    home.makeFile(QStringLiteral("tree/dense.bin"), 5000);

    QProcess find;
    find.start(QStringLiteral("find"),
        { home.filePath(QStringLiteral("tree")), QStringLiteral("-type"), QStringLiteral("f"),
            QStringLiteral("-printf"), QStringLiteral("%i %s %b\\n") });
    QVERIFY(find.waitForFinished(120000));
    QHash<QByteArray, qint64> byInode;
    for (const QByteArray &line : find.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 3)
            byInode.insert(fields.at(0), qMin(fields.at(1).toLongLong(), fields.at(2).toLongLong() * 512));
    }
    QCOMPARE(byInode.size(), 2);
    qint64 expected = 0;
    for (const qint64 size : std::as_const(byInode))
        expected += size;

    QCOMPARE(FileUtils::calculateDirSize(home.filePath(QStringLiteral("tree"))), expected);
    QCOMPARE(FileUtils::getFileSize(home.filePath(QStringLiteral("tree"))), expected);
    QVERIFY2(expected < 5000 + length / 64, qPrintable(QString::number(expected)));
    QVERIFY(FileUtils::getFileSize(sparse) < length / 64);
    QVERIFY(FileUtils::getFileSize(sparse) >= 4096);
}

void TestFileUtils::findFilesSkipsHiddenAndLinks()
{
    TestHome home;
    home.makeFile(QStringLiteral("Logs/a.LOG"), 1);
    home.makeFile(QStringLiteral("Logs/sub/b.log"), 1);
    home.makeFile(QStringLiteral("Logs/.c.log"), 1);
    home.makeFile(QStringLiteral("Logs/d.txt"), 1);
    home.makeLink(QStringLiteral("Logs/e.log"), home.filePath(QStringLiteral("Logs/d.txt")));
    const QString logs = home.filePath(QStringLiteral("Logs"));

    QStringList flat = FileUtils::findFiles(logs, { QStringLiteral("*.log") }, false);
    QCOMPARE(flat, QStringList { logs + QStringLiteral("/a.LOG") });
    QStringList deep = FileUtils::findFiles(logs, { QStringLiteral("*.log") }, true);
    deep.sort();
    QCOMPARE(deep, (QStringList { logs + QStringLiteral("/a.LOG"), logs + QStringLiteral("/sub/b.log") }));
}

void TestFileUtils::isInside_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("inside");
    QTest::newRow("the root itself") << QStringLiteral("Library/Caches") << true;
    QTest::newRow("below the root") << QStringLiteral("Library/Caches/app/x") << true;
    QTest::newRow("not yet existing below") << QStringLiteral("Library/Caches/new/deep") << true;
    QTest::newRow("sibling extending the name") << QStringLiteral("Library/CachesOld/x") << false;
    QTest::newRow("dot-dot escape") << QStringLiteral("Library/Caches/../Preferences") << false;
    QTest::newRow("dot-dot through missing") << QStringLiteral("Library/Caches/none/../../Mail") << false;
    QTest::newRow("link leading out") << QStringLiteral("Library/Caches/out/secret") << false;
    QTest::newRow("link staying in") << QStringLiteral("Library/Caches/alias/x") << true;
}

void TestFileUtils::isInside()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, inside);
    TestHome home;
    home.makeFile(QStringLiteral("Library/Caches/app/x"), 1);
    home.makeFile(QStringLiteral("Library/CachesOld/x"), 1);
    home.makeFile(QStringLiteral("Documents/secret"), 1);
    home.makeLink(QStringLiteral("Library/Caches/out"), home.filePath(QStringLiteral("Documents")));
    home.makeLink(QStringLiteral("Library/Caches/alias"), home.filePath(QStringLiteral("Library/Caches/app")));

    QCOMPARE(FileUtils::isInside(home.filePath(relativePath), home.filePath(QStringLiteral("Library/Caches"))), inside);
}

QTEST_GUILESS_MAIN(TestFileUtils)
#include "tst_fileutils.moc"
