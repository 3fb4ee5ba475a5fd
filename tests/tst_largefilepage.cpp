#include "messageboxanswerer.h"
#include "testhome.h"
#include "widgetshot.h"

#include "app/application.h"
#include "cleaners/largefilescanner.h"
#include "pages/largefiledelegate.h"
#include "pages/largefilemodel.h"
#include "pages/largefilepage.h"
#include "widgets/elidedlabel.h"

#include <QtTest>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QRawFont>
#include <QPushButton>
#include <QStackedWidget>
#include <QTranslator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 GiB = 1073741824;

LargeFileVolume volume(const QString &root, qint64 total, qint64 free)
{
    return LargeFileVolume { root, root, QStringLiteral("Disk ") + root, total, free };
}

QFrame *cardOf(const QWidget &page, const QString &path)
{
    for (QFrame *card : page.findChildren<QFrame *>(QStringLiteral("driveCard"))) {
        if (card->property("drivePath").toString() == path || card->property("folderPath").toString() == path)
            return card;
    }
    return nullptr;
}

QString infoText(const QWidget &page)
{
    return page.findChild<QLabel *>(QStringLiteral("largeFileInfoLabel"))->text();
}

int stackIndex(const QWidget &page)
{
    return page.findChild<QStackedWidget *>(QStringLiteral("largeFileStack"))->currentIndex();
}

// Answers the next integer input dialog with value, or cancels it when value is empty.
class InputAnswerer final : public QObject
{
public:
    explicit InputAnswerer(std::optional<int> value)
        : m_value(value)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_timer.stop();
            if (m_value) {
                dialog->setIntValue(*m_value);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        m_timer.start(5);
    }

private:
    std::optional<int> m_value;
    QTimer m_timer;
};

QList<LargeFileInfo> syntheticResults(int count)
{
    QList<LargeFileInfo> files;
    files.reserve(count);
    const QDateTime start(QDate(2024, 1, 1), QTime(9, 0));
    for (int i = 0; i < count; ++i) {
        LargeFileInfo file;
        file.name = QStringLiteral("Recording %1 from the long weekend in the mountains.mov").arg(i);
        file.directory = QStringLiteral("/Users/someone/Movies/Exports/%1").arg(i % 40);
        file.path = file.directory + QLatin1Char('/') + file.name;
        file.size = 104857600 + qint64(i) * 7919 * 1024;
        file.modified = start.addSecs(qint64(i) * 3600);
        file.type = QStringLiteral("video");
        files.append(file);
    }
    return files;
}

// Runs a real scan of folder through the page, with the smallest listed size.
bool scanThroughPage(LargeFilePage &page, LargeFileScanner &scanner, const QString &folder)
{
    page.addFolder(folder);
    scanner.setMinFileSize(1);
    QSignalSpy finished(&scanner, &LargeFileScanner::scanFinished);
    scanner.setDrives({ folder });
    scanner.startScan();
    return finished.wait(20000) && stackIndex(page) == 1;
}

} // namespace

class TestLargeFilePage : public QObject
{
    Q_OBJECT

private slots:
    void startWithNothingSelectedShowsTip();
    void infoTextCountsSelectedVolumes();
    void customSize();
    void sameFolderAddedOnce();
    void usageBar_data();
    void usageBar();
    void sizeBadgeTurnsRedAboveOneGiB();
    void longFolderIsShortened();
    void modelPassesTheTester();
    void twentyThousandResults();
    void bulkDeleteReportsPartialFailure();
    void lastSingleDeleteReturnsToTheScanPage();
    void selectAllSkipsFilesOnlyInICloud();
    void infoBadgeNeedsNoFallbackFont();
    void folderCardTextsFitBesideTheRemoveButton();
    void theRowPickedIsTheFileDeleted();
    void refusalsSpeakTheLanguage();
};

void TestLargeFilePage::startWithNothingSelectedShowsTip()
{
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, { volume(QStringLiteral("/"), 100, 50) });
    QSignalSpy started(&scanner, &LargeFileScanner::scanStarted);
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    page.onStartScan();
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.title(), QStringLiteral("Tip"));
    QCOMPARE(answerer.text(), QStringLiteral("Please select at least one drive to scan."));
    QCOMPARE(started.size(), 0);
}

void TestLargeFilePage::infoTextCountsSelectedVolumes()
{
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(
        &scanner, { volume(QStringLiteral("/"), 100, 50), volume(QStringLiteral("/Volumes/Backup"), 100, 10) });
    QCOMPARE(infoText(page), QStringLiteral("Select a volume above to begin scanning."));
    QTest::mouseClick(cardOf(page, QStringLiteral("/")), Qt::LeftButton);
    QTest::mouseClick(cardOf(page, QStringLiteral("/Volumes/Backup")), Qt::LeftButton);
    QVERIFY(cardOf(page, QStringLiteral("/"))->property("selected").toBool());
    page.findChild<QComboBox *>(QStringLiteral("minSizeCombo"))->setCurrentIndex(2);
    QVERIFY2(infoText(page).startsWith(QStringLiteral("2 volume")), qPrintable(infoText(page)));
    QVERIFY(infoText(page).endsWith(QStringLiteral("scan for files larger than 200 MB.")));

    QTest::mouseClick(cardOf(page, QStringLiteral("/")), Qt::LeftButton);
    QVERIFY(infoText(page).startsWith(QStringLiteral("1 volume")));
}

void TestLargeFilePage::customSize()
{
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, {});
    auto *combo = page.findChild<QComboBox *>(QStringLiteral("minSizeCombo"));
    const int customIndex = combo->count() - 1;
    {
        InputAnswerer answerer(5);
        combo->setCurrentIndex(customIndex);
    }
    QCOMPARE(combo->currentText(), QStringLiteral("5 MB"));
    QCOMPARE(combo->currentData().toLongLong(), 5 * 1048576LL);
    QCOMPARE(combo->itemText(combo->count() - 1), QStringLiteral("Custom..."));

    combo->setCurrentIndex(1);
    {
        InputAnswerer answerer(std::nullopt);
        combo->setCurrentIndex(combo->count() - 1);
    }
    QCOMPARE(combo->currentText(), QStringLiteral("100 MB"));

    // The custom size is what a scan uses.
    page.addFolder(home.path());
    combo->setCurrentIndex(customIndex);
    page.onStartScan();
    QCOMPARE(scanner.minFileSize(), 5 * 1048576LL);
    scanner.cancel();
}

void TestLargeFilePage::sameFolderAddedOnce()
{
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, {});
    const QString folder = home.makeDir(QStringLiteral("Movies"));
    QVERIFY(page.addFolder(folder));
    QVERIFY(!page.addFolder(folder + QLatin1Char('/')));
    QCOMPARE(page.findChildren<QFrame *>(QStringLiteral("driveCard")).size(), 1);
    QVERIFY(infoText(page).startsWith(QStringLiteral("1 volume")));

    cardOf(page, folder)->findChild<QPushButton *>(QStringLiteral("removeFolderBtn"))->click();
    QCOMPARE(infoText(page), QStringLiteral("Select a volume above to begin scanning."));
    QVERIFY(page.addFolder(folder));
}

void TestLargeFilePage::usageBar_data()
{
    QTest::addColumn<qint64>("free");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("level");
    QTest::newRow("81 % full is amber") << qint64(19) << 81 << "high";
    QTest::newRow("80 % full is green") << qint64(20) << 80 << "normal";
}

void TestLargeFilePage::usageBar()
{
    QFETCH(qint64, free);
    QFETCH(int, percent);
    QFETCH(QString, level);
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, { volume(QStringLiteral("/"), 100, free) });
    auto *bar = cardOf(page, QStringLiteral("/"))->findChild<QProgressBar *>(QStringLiteral("usageBar"));
    QCOMPARE(bar->value(), percent);
    QCOMPARE(bar->property("level").toString(), level);
}

void TestLargeFilePage::sizeBadgeTurnsRedAboveOneGiB()
{
    QVERIFY(!LargeFileDelegate::isLargeBadge(GiB));
    QVERIFY(LargeFileDelegate::isLargeBadge(GiB + 1));
}

void TestLargeFilePage::longFolderIsShortened()
{
    const QString folder = QStringLiteral("/Users/someone/Documents/Projects/Clients/AB/render"); // 51 characters
    QCOMPARE(folder.size(), 51);
    QCOMPARE(LargeFileDelegate::shortFolder(folder), folder.left(25) + QStringLiteral("...") + folder.right(22));
    QCOMPARE(LargeFileDelegate::shortFolder(folder.left(50)), folder.left(50));
}

void TestLargeFilePage::modelPassesTheTester()
{
    LargeFileModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QList<LargeFileInfo> files = syntheticResults(30);
    files[3].type = QStringLiteral("archive");
    model.setFiles(files);
    model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole);
    model.setOrder(LargeFileModel::Order::ByDate);
    QCOMPARE(model.data(model.index(0), LargeFileModel::PathRole).toString(), files.last().path);
    model.setTypeFilter(QStringLiteral("archive"));
    QCOMPARE(model.rowCount(), 1);
    model.setTypeFilter(QString());
    QCOMPARE(model.checkedCount(), 1);
    QCOMPARE(model.checkedPaths(), QStringList { files.last().path });
    model.removeEntries({ files.last().entry() });
    model.removeEntries({ files.at(0).entry(), files.at(1).entry() });
    QCOMPARE(model.rowCount(), 27);
    QCOMPARE(model.checkedCount(), 0);
}

void TestLargeFilePage::twentyThousandResults()
{
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, {});
    page.resize(WidgetShot::pageSize());
    const QList<LargeFileInfo> files = syntheticResults(20000);
    QElapsedTimer timer;
    timer.start();
    page.showResults(files);
    const QImage shot = WidgetShot::render(&page, QStringLiteral("largefiles-20000-results"));
    qInfo("20,000 results shown and painted in %lld ms", timer.elapsed());

    QCOMPARE(stackIndex(page), 1);
    QCOMPARE(page.resultsModel()->rowCount(), 20000);
    // Largest first, and one view with no widget per result.
    QCOMPARE(page.resultsModel()->data(page.resultsModel()->index(0), LargeFileModel::PathRole).toString(),
        files.last().path);
    QVERIFY(page.findChildren<QCheckBox *>().size() < 5);
    QVERIFY(page.findChild<QListView *>(QStringLiteral("largeFileList"))->uniformItemSizes());
    QVERIFY(page.findChild<QLabel *>(QStringLiteral("largeResultsSummary"))
                ->text()
                .startsWith(QStringLiteral("Found 20,000 large files, total ")));
    QVERIFY(!shot.isNull());
}

void TestLargeFilePage::bulkDeleteReportsPartialFailure()
{
    TestHome home;
    const QString a = home.makeFile(QStringLiteral("Movies/a.mov"), 3000);
    const QString b = home.makeFile(QStringLiteral("Movies/b.mov"), 2000);
    const QString c = home.makeFile(QStringLiteral("Movies/c.mov"), 1000);
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, {});
    QVERIFY(scanThroughPage(page, scanner, home.filePath(QStringLiteral("Movies"))));
    LargeFileModel *model = page.resultsModel();
    for (int row = 0; row < 3; ++row)
        model->setData(model->index(row), Qt::Checked, Qt::CheckStateRole);
    QVERIFY(QFile::remove(b)); // gone behind the finder's back: its deletion fails
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("Failed to delete file: .*b.mov")));

    QSignalSpy finished(&scanner, &LargeFileScanner::deleteFinished);
    MessageBoxAnswerer confirm(QMessageBox::Discard);
    page.onDeleteSelected();
    QVERIFY(confirm.answered());
    MessageBoxAnswerer report(QMessageBox::Ok);
    QVERIFY(finished.wait(20000));
    QVERIFY(report.answered());
    QCOMPARE(report.title(), QStringLiteral("Delete Completed"));
    QVERIFY2(report.text().startsWith(QStringLiteral("Deleted 2 files successfully. 1 files failed to delete.")),
        qPrintable(report.text()));
    QVERIFY(!QFileInfo::exists(a));
    QVERIFY(!QFileInfo::exists(c));
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->data(model->index(0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("largeSelectionLabel"))->text(),
        QStringLiteral("Selected: 1 files (2.0 KB)"));
    QVERIFY(page.findChild<QPushButton *>(QStringLiteral("largeDeleteBtn"))->isEnabled());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("largeResultsSummary"))->text(),
        QStringLiteral("Found 1 large files, total 2.0 KB"));
}

void TestLargeFilePage::lastSingleDeleteReturnsToTheScanPage()
{
    TestHome home;
    const QString movie = home.makeFile(QStringLiteral("Movies/only.mov"), 3000);
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, {});
    page.resize(WidgetShot::pageSize());
    page.show();
    QVERIFY(scanThroughPage(page, scanner, home.filePath(QStringLiteral("Movies"))));

    auto *list = page.findChild<QListView *>(QStringLiteral("largeFileList"));
    const QPoint onCard = list->visualRect(page.resultsModel()->index(0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, onCard, list->viewport()->mapToGlobal(onCard));
    QApplication::sendEvent(list->viewport(), &event);
    auto *menu = page.findChild<QMenu *>(QStringLiteral("largeFileMenu"));
    QVERIFY(menu);
    QAction *remove = menu->actions().last();
    QCOMPARE(remove->property("filePath").toString(), movie);

    QSignalSpy finished(&scanner, &LargeFileScanner::deleteFinished);
    MessageBoxAnswerer confirm(QMessageBox::Yes);
    remove->trigger();
    QVERIFY(confirm.answered());
    QVERIFY(confirm.text().contains(QStringLiteral("only.mov")));
    MessageBoxAnswerer info(QMessageBox::Ok);
    QVERIFY(finished.wait(20000));
    QVERIFY(info.answered());
    QCOMPARE(info.title(), QStringLiteral("Info"));
    QCOMPARE(info.text(), QStringLiteral("All files have been deleted"));
    QCOMPARE(stackIndex(page), 0);
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral(".Trash/only.mov"))));
}

void TestLargeFilePage::selectAllSkipsFilesOnlyInICloud()
{
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, {});
    QList<LargeFileInfo> files = syntheticResults(3);
    files[1].inCloud = true;
    page.showResults(files);
    page.findChild<QCheckBox *>(QStringLiteral("selectAllBox"))->click();
    LargeFileModel *model = page.resultsModel();
    QCOMPARE(model->checkedCount(), 2);
    QCOMPARE(model->checkedSize(), files.at(0).size + files.at(2).size);
    // Ticked on its own, it is selected but frees nothing here.
    model->setData(model->index(model->rowOf(files.at(1).path)), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(model->checkedCount(), 3);
    QCOMPARE(model->checkedSize(), files.at(0).size + files.at(2).size);
}

void TestLargeFilePage::infoBadgeNeedsNoFallbackFont()
{
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, { volume(QStringLiteral("/"), 100, 50) });
    const auto *badge = page.findChild<QLabel *>(QStringLiteral("infoBadge"));
    QVERIFY(badge);
    QVERIFY(!badge->text().isEmpty());
    // The badge's own font, without the fallbacks that differ from one machine to the next.
    const QRawFont font = QRawFont::fromFont(badge->font());
    QVERIFY(font.isValid());
    for (const char32_t character : badge->text().toUcs4())
        QVERIFY2(font.supportsCharacter(character), qPrintable(QString::number(character, 16)));
}

void TestLargeFilePage::folderCardTextsFitBesideTheRemoveButton()
{
    TestHome home;
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, { volume(QStringLiteral("/"), 100, 50) });
    page.resize(660, 572);
    const QString folder = home.makeDir(QStringLiteral("Movies/Final Cut Exports/Client Projects"));
    QVERIFY(page.addFolder(folder));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    const QFrame *card = cardOf(page, folder);
    const auto *name = card->findChild<ElidedLabel *>(QStringLiteral("driveName"));
    const auto *path = card->findChild<ElidedLabel *>(QStringLiteral("drivePathLabel"));
    QVERIFY(name && path);
    QCOMPARE(name->fullText(), QStringLiteral("Client Projects"));
    QCOMPARE(path->fullText(), QStringLiteral("~/Movies/Final Cut Exports/Client Projects"));
    const QRect removeButton = card->findChild<QPushButton *>(QStringLiteral("removeFolderBtn"))->geometry();
    for (const ElidedLabel *label : { name, path }) {
        // What shows fits the label, the label stops before the button, and a cut text has the whole as tooltip.
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
            qPrintable(label->text()));
        QVERIFY(label->mapTo(card, QPoint(label->width(), 0)).x() <= removeButton.left());
        QCOMPARE(label->toolTip(), label->text() == label->fullText() ? QString() : label->fullText());
    }
}

// Two files whose names show alike ("x" and a byte that does not decode, "x" and U+FFFD): the
// row the user checked is the file that goes.
void TestLargeFilePage::theRowPickedIsTheFileDeleted()
{
    TestHome home;
    const QByteArray folder = QFile::encodeName(home.makeDir(QStringLiteral("Movies")));
    const QByteArray invalid = folder + "/x\xff";
    const QByteArray replacement = folder + "/x\xef\xbf\xbd";
    for (const auto &[path, size] : { std::pair { invalid, 3000 }, std::pair { replacement, 2000 } }) {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, QByteArray(size, 'm').constData(), size_t(size)), ssize_t(size));
        ::close(fd);
    }
    LargeFileScanner scanner;
    LargeFilePage page(&scanner, {});
    QVERIFY(scanThroughPage(page, scanner, home.filePath(QStringLiteral("Movies"))));
    LargeFileModel *model = page.resultsModel();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->data(model->index(0), LargeFileModel::SizeRole).toLongLong(), 3000);
    model->setData(model->index(0), Qt::Checked, Qt::CheckStateRole);

    QSignalSpy finished(&scanner, &LargeFileScanner::deleteFinished);
    MessageBoxAnswerer confirm(QMessageBox::Discard);
    page.onDeleteSelected();
    QVERIFY(confirm.answered());
    MessageBoxAnswerer report(QMessageBox::Ok);
    QVERIFY(finished.wait(20000));
    QVERIFY(report.answered());
    struct stat info;
    QVERIFY(::lstat(invalid.constData(), &info) != 0);
    QVERIFY(::lstat(replacement.constData(), &info) == 0);
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->data(model->index(0), LargeFileModel::SizeRole).toLongLong(), 2000);
    QCOMPARE(model->data(model->index(0), LargeFileModel::EntryRole).toByteArray(), replacement);
}

// Why a deletion was refused is told in the interface's language.
void TestLargeFilePage::refusalsSpeakTheLanguage()
{
    TestHome home;
    QTranslator german;
    QVERIFY(german.load(Application::translationPath(QStringLiteral("de"))));
    QCoreApplication::installTranslator(&german);
    LargeFileScanner scanner;
    QSignalSpy finished(&scanner, &LargeFileScanner::deleteFinished);
    QVERIFY(scanner.deleteFiles(
        { home.filePath(QStringLiteral("never-listed.mov")) }, LargeFileScanner::DeleteMode::Permanently));
    QVERIFY(finished.wait(20000));
    QCoreApplication::removeTranslator(&german);
    const LargeFileDeletion deletion = finished.first().first().value<LargeFileDeletion>();
    QCOMPARE(deletion.failureReasons.size(), 1);
    const QString reason = deletion.failureReasons.first();
    QVERIFY(!reason.isEmpty());
    QVERIFY2(!reason.contains(QStringLiteral("among the results")), qPrintable(reason));
}

QTEST_MAIN(TestLargeFilePage)
#include "tst_largefilepage.moc"
