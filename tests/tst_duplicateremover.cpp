#include "cleaners/duplicateremover.h"
#include "testhome.h"

#include <QtTest>

#include <QCryptographicHash>

#include <unistd.h>

namespace {

const QByteArray Content(5000, 'd');

QString contentHash()
{
    return QString::fromLatin1(QCryptographicHash::hash(Content, QCryptographicHash::Md5).toHex());
}

} // namespace

class TestDuplicateRemover : public QObject
{
    Q_OBJECT

private slots:
    void removesOnlyCopiesOfAKeptFile_data();
    void removesOnlyCopiesOfAKeptFile();
};

void TestDuplicateRemover::removesOnlyCopiesOfAKeptFile_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("removed");
    QTest::newRow("unchanged copy") << QString() << true;
    QTest::newRow("copy edited since the scan") << QStringLiteral("edit copy") << false;
    QTest::newRow("copy grown since the scan") << QStringLiteral("grow copy") << false;
    QTest::newRow("copy replaced by a link to the kept file") << QStringLiteral("link copy") << false;
    QTest::newRow("copy replaced by a hard link to the kept file") << QStringLiteral("hard link copy") << false;
    QTest::newRow("copy replaced by a folder") << QStringLiteral("folder copy") << false;
    QTest::newRow("kept file edited") << QStringLiteral("edit kept") << false;
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
    const QByteArray copyName = QFile::encodeName(copy);
    if (change == QLatin1String("edit copy")) {
        home.makeFileWithContent(QStringLiteral("scan/copy.bin"), QByteArray(Content.size(), 'e'));
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
    } else if (change == QLatin1String("edit kept")) {
        home.makeFileWithContent(QStringLiteral("scan/kept.bin"), QByteArray(Content.size(), 'e'));
    } else if (change == QLatin1String("remove kept")) {
        QFile::remove(kept);
    }
    const QStringList roots { home.filePath(
        change == QLatin1String("outside") ? QStringLiteral("elsewhere") : QStringLiteral("scan")) };

    DuplicateRemover remover;
    QSignalSpy finished(&remover, &DuplicateRemover::finished);
    remover.remove({ DuplicateRemoval { contentHash(), Content.size(), { copy }, { kept } } }, roots);

    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toStringList(), removed ? QStringList { copy } : QStringList());
    QCOMPARE(finished.first().at(1).toStringList(), removed ? QStringList() : QStringList { copy });
    QCOMPARE(QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(), !removed);
    if (change != QLatin1String("remove kept"))
        QVERIFY(QFileInfo::exists(kept));
}

QTEST_GUILESS_MAIN(TestDuplicateRemover)
#include "tst_duplicateremover.moc"
