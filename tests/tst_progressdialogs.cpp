#include "core/cleancategory.h"
#include "core/cleanitem.h"
#include "testhome.h"
#include "widgets/detailitemwidget.h"
#include "widgets/itemdetaildialog.h"
#include "widgets/progressdialog.h"
#include "widgets/scanprogressdialog.h"
#include "widgetshot.h"

#include <QtTest>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

QStringList labelTexts(const QWidget *widget)
{
    QStringList texts;
    for (auto *label : widget->findChildren<QLabel *>()) {
        if (label->isVisibleTo(widget))
            texts.append(label->text());
    }
    return texts;
}

CleanCategory categoryWithItems(int count)
{
    CleanCategory category(QStringLiteral("app_caches"), QStringLiteral("Application Caches"), QString());
    for (int i = 0; i < count; ++i)
        category.items.append(CleanItem(QStringLiteral("/Users/me/Library/Caches/com.example.editor/cache-%1.db").arg(i), 1000 * i));
    return category;
}

} // namespace

class TestProgressDialogs : public QObject
{
    Q_OBJECT

private slots:
    void progressDialogShowsPercent();
    void progressDialogFinishes_data();
    void progressDialogFinishes();
    void progressDialogShowsLongSummaryWhole();
    void scanProgressShortensLongPaths_data();
    void scanProgressShortensLongPaths();
    void scanProgressFormatSize_data();
    void scanProgressFormatSize();
    void scanProgressCancelAndFinish();
    void detailDialogLoadsInBatches_data();
    void detailDialogLoadsInBatches();
    void detailRowOpensContainingFolder();
};

void TestProgressDialogs::progressDialogShowsPercent()
{
    ProgressDialog dialog(ProgressDialog::Scan);
    auto *bar = dialog.findChild<QProgressBar *>(QStringLiteral("progressBar"));
    dialog.setProgress(1, 3);
    QCOMPARE(bar->value(), 33);
    QVERIFY(labelTexts(&dialog).contains(QStringLiteral("33%")));
    dialog.setProgress(5, 0);
    QCOMPARE(bar->value(), 33);
    QVERIFY(labelTexts(&dialog).contains(QStringLiteral("33%")));
    dialog.setCurrentItem(QStringLiteral("Application Caches"));
    WidgetShot::render(&dialog, QStringLiteral("progress-scan"));
    QSignalSpy cancelled(&dialog, &ProgressDialog::cancelRequested);
    dialog.findChild<QPushButton *>(QStringLiteral("cancelBtn"))->click();
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(dialog.isVisible());
}

void TestProgressDialogs::progressDialogFinishes_data()
{
    QTest::addColumn<bool>("success");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("status");
    QTest::newRow("done") << true << QStringLiteral("Cleaned 3 items, freed 1.0 KB") << QStringLiteral("完成!")
                          << QStringLiteral("Cleaned 3 items, freed 1.0 KB");
    QTest::newRow("failed, no message") << false << QString() << QStringLiteral("操作失败")
                                        << QStringLiteral("已清理: 2.0 KB");
}

void TestProgressDialogs::progressDialogFinishes()
{
    QFETCH(bool, success);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(QString, status);
    ProgressDialog dialog(ProgressDialog::Clean);
    dialog.show();
    dialog.setCleanedSize(2048);
    dialog.setFinished(success, message);
    const QStringList texts = labelTexts(&dialog);
    QVERIFY(texts.contains(title));
    QVERIFY(texts.contains(status));
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("cancelBtn"))->isVisible());
    auto *close = dialog.findChild<QPushButton *>(QStringLiteral("closeBtn"));
    QVERIFY(close->isVisible());
    QCOMPARE(dialog.findChild<QProgressBar *>()->value(), 100);
    close->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestProgressDialogs::progressDialogShowsLongSummaryWhole()
{
    ProgressDialog dialog(ProgressDialog::Clean);
    const QString summary = QStringLiteral("Cleaned 12 items, freed 1.3 MB. Failed: 3 items\n\n"
                                           "Please close these browsers before cleaning:\n"
                                           "Google Chrome\nMozilla Firefox\nSafari\nBrave Browser");
    dialog.setFinished(false, summary);
    dialog.show();
    QLabel *status = nullptr;
    for (auto *label : dialog.findChildren<QLabel *>()) {
        if (label->text() == summary)
            status = label;
    }
    QVERIFY(status);
    QVERIFY(status->height() >= status->heightForWidth(status->width()));
    const QPushButton *close = nullptr;
    for (auto *button : dialog.findChildren<QPushButton *>()) {
        if (button->isVisibleTo(&dialog))
            close = button;
    }
    QVERIFY(close);
    QVERIFY(status->geometry().bottom() < close->geometry().top());
    QVERIFY(close->geometry().bottom() < dialog.height());
    WidgetShot::render(&dialog, QStringLiteral("progress-long-summary"), dialog.size());
}

void TestProgressDialogs::scanProgressShortensLongPaths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("shownLength");
    QTest::newRow("50 characters") << 50 << 50;
    QTest::newRow("51 characters") << 51 << 50;
}

void TestProgressDialogs::scanProgressShortensLongPaths()
{
    QFETCH(int, length);
    QFETCH(int, shownLength);
    QString path;
    for (int i = 0; i < length; ++i)
        path.append(QChar(QLatin1Char('a' + i % 26)));
    ScanProgressDialog dialog;
    dialog.setProgress(path, 3, 2048);
    const QStringList texts = labelTexts(&dialog);
    const QString expected = length > 50 ? path.left(25) + QStringLiteral("...") + path.right(22) : path;
    QCOMPARE(expected.size() - (length > 50 ? 3 : 0), shownLength - (length > 50 ? 3 : 0));
    QVERIFY(texts.contains(QStringLiteral("Scanning: ") + expected));
    QVERIFY(texts.contains(QStringLiteral("Found 3 large files (2.0 KB)")));
}

void TestProgressDialogs::scanProgressFormatSize_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("1023") << qint64(1023) << QStringLiteral("1023 B");
    QTest::newRow("1048575") << qint64(1048575) << QStringLiteral("1024.0 KB");
    QTest::newRow("1048576") << qint64(1048576) << QStringLiteral("1.0 MB");
    QTest::newRow("1073741824") << qint64(1073741824) << QStringLiteral("1.00 GB");
}

void TestProgressDialogs::scanProgressFormatSize()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(CleanItem::formatSize(bytes), text);
}

void TestProgressDialogs::scanProgressCancelAndFinish()
{
    ScanProgressDialog cancelling;
    cancelling.show();
    QSignalSpy cancelled(&cancelling, &ScanProgressDialog::cancelRequested);
    cancelling.findChild<QPushButton *>()->click();
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!cancelling.isVisible());

    ScanProgressDialog finishing;
    finishing.show();
    finishing.setProgress(QStringLiteral("/Volumes/Data/Movies/holiday.mov"), 12, 5368709120);
    WidgetShot::render(&finishing, QStringLiteral("scan-progress"));
    QSignalSpy finishedCancel(&finishing, &ScanProgressDialog::cancelRequested);
    finishing.setFinished(12, 5368709120);
    QVERIFY(labelTexts(&finishing).contains(QStringLiteral("Found 12 large files (5.00 GB)")));
    auto *button = finishing.findChild<QPushButton *>();
    QCOMPARE(button->text(), QStringLiteral("View Results"));
    WidgetShot::render(&finishing, QStringLiteral("scan-progress-finished"));
    button->click();
    QCOMPARE(finishedCancel.count(), 0);
    QCOMPARE(finishing.result(), int(QDialog::Accepted));
}

void TestProgressDialogs::detailDialogLoadsInBatches_data()
{
    QTest::addColumn<int>("items");
    QTest::newRow("none") << 0;
    QTest::newRow("120") << 120;
}

void TestProgressDialogs::detailDialogLoadsInBatches()
{
    QFETCH(int, items);
    CleanCategory category = categoryWithItems(items);
    ItemDetailDialog dialog(&category);
    dialog.show();
    QVERIFY(labelTexts(&dialog).contains(
        QStringLiteral("%1  |  %2 files").arg(CleanItem::formatSize(category.totalSize())).arg(items)));
    if (items == 0) {
        QTest::qWait(0);
        QTRY_COMPARE(dialog.findChildren<DetailItemWidget *>().size(), 0);
        return;
    }
    QTRY_COMPARE(dialog.loadedCount(), 50);
    QCOMPARE(dialog.findChildren<DetailItemWidget *>().size(), 50);
    WidgetShot::render(&dialog, QStringLiteral("item-detail"));
    for (auto *label : dialog.findChildren<QLabel *>()) {
        if (label->text() == QLatin1String("Action"))
            QVERIFY(label->width() >= label->sizeHint().width());
    }
    auto *bar = dialog.findChild<QScrollArea *>()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    QTRY_COMPARE(dialog.loadedCount(), 100);
    const int firstMaximum = bar->maximum();
    QTRY_VERIFY(bar->maximum() > firstMaximum);
    bar->setValue(bar->maximum());
    QTRY_COMPARE(dialog.loadedCount(), 120);
}

void TestProgressDialogs::detailRowOpensContainingFolder()
{
    TestHome home;
    const QString file = home.makeFile(QStringLiteral("Library/Caches/app/a.db"), 1);
    const QString folder = home.makeDir(QStringLiteral("Library/Caches/app/sub"));
    QCOMPARE(DetailItemWidget(CleanItem(file, 1)).locationPath(),
        home.filePath(QStringLiteral("Library/Caches/app")));
    QCOMPARE(DetailItemWidget(CleanItem(folder, 0)).locationPath(), folder);
}

QTEST_MAIN(TestProgressDialogs)
#include "tst_progressdialogs.moc"
