#include "core/settings.h"
#include "app/application.h"
#include "cleaners/junkcleaner.h"
#include "junkfixture.h"
#include "messageboxanswerer.h"
#include "pages/junkpage.h"
#include "core/cleanengine.h"
#include "testhome.h"
#include "widgets/categorywidget.h"
#include "widgets/cleanitemwidget.h"
#include "widgets/progressdialog.h"
#include "widgetshot.h"

#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSemaphore>

#include <algorithm>

namespace {

// An engine whose scan lists one file (holding, when asked, until released) and whose clean
// stands in one long deletion until it is cancelled.
class SlowCleanEngine final : public CleanEngine
{
public:
    ~SlowCleanEngine() override
    {
        stopWorker();
    }

    std::atomic<bool> holdScan { false };
    QSemaphore scanEntered;
    QSemaphore scanRelease;
    QSemaphore cleanEntered;

protected:
    void doScan() override
    {
        CleanCategory category(QStringLiteral("files"), QStringLiteral("Files"), QString());
        category.items = { CleanItem(QStringLiteral("/nonexistent/a"), 10) };
        m_result.categories.append(category);
        scanEntered.release();
        while (holdScan && !isCancelled() && !scanRelease.tryAcquire(1, 10)) { }
    }

    CleanOutcome doClean() override
    {
        cleanEntered.release();
        while (!isCancelled())
            QThread::msleep(1);
        return { 10, 1, QString() };
    }
};

// A scan that lists one file and could not read two folders.
class UnreadableEngine final : public CleanEngine
{
public:
    ~UnreadableEngine() override
    {
        stopWorker();
    }

protected:
    void doScan() override
    {
        CleanCategory category(QStringLiteral("app_caches"), QStringLiteral("Application Caches"), QString());
        category.items.append(CleanItem(QDir::homePath() + QStringLiteral("/Library/Caches/app/a.db"), 10));
        m_result.categories.append(category);
        m_result.unreadableFolders = { QDir::homePath() + QStringLiteral("/Library/Caches/com.apple.Safari"),
            QDir::homePath() + QStringLiteral("/Library/Caches/CloudKit") };
    }
    CleanOutcome doClean() override
    {
        return {};
    }
};

class PageFixture
{
public:
    PageFixture()
    {
        JunkFixture::populate(home);
        Application::instance()->initialize();
        page = new JunkPage(Application::instance()->junkCleaner(), Application::instance()->settings());
        page->resize(WidgetShot::pageSize());
        page->show();
    }
    ~PageFixture()
    {
        delete page;
    }

    bool scan()
    {
        QSignalSpy finished(page, &BasePage::scanFinished);
        button("scanBtn")->click();
        return finished.wait(60000);
    }

    QPushButton *button(const char *name) const
    {
        return page->findChild<QPushButton *>(QLatin1String(name));
    }

    CategoryWidget *row(const QString &categoryName) const
    {
        for (auto *row : page->findChildren<CategoryWidget *>()) {
            for (auto *label : row->findChildren<QLabel *>()) {
                if (label->text() == categoryName)
                    return row;
            }
        }
        return nullptr;
    }

    // The category rows in view, top to bottom.
    QStringList rowNames() const
    {
        QList<CategoryWidget *> rows;
        for (auto *row : page->findChildren<CategoryWidget *>()) {
            if (row->isVisibleTo(page))
                rows.append(row);
        }
        std::sort(rows.begin(), rows.end(), [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
        QStringList names;
        for (auto *row : rows)
            names.append(row->findChildren<QLabel *>().value(1)->text());
        return names;
    }

    // The size a row shows in its header.
    static QString rowSize(const CategoryWidget *row)
    {
        const QList<QLabel *> labels = row->findChildren<QLabel *>();
        return labels.value(4)->text();
    }

    QString statValue() const
    {
        return page->findChild<QLabel *>(QStringLiteral("statValue"))->text();
    }

    QString selectionText() const
    {
        for (auto *label : page->findChildren<QLabel *>()) {
            if (label->text().startsWith(QLatin1String("Selected:")))
                return label->text();
        }
        return QString();
    }

    TestHome home;
    JunkPage *page = nullptr;
};

QStringList visibleLoadMoreTexts(const CategoryWidget *row)
{
    QStringList texts;
    for (auto *button : row->findChildren<QPushButton *>()) {
        if (button->text().startsWith(QLatin1String("Load more")) && button->isVisibleTo(row))
            texts.append(button->text());
    }
    return texts;
}

} // namespace

class TestJunkPage : public QObject
{
    Q_OBJECT

private slots:
    void cleanWithoutSelectionStartsNothing();
    void confirmationGuardsTheClean_data();
    void confirmationGuardsTheClean();
    void cancelledScanLeavesNothingToClean();
    void rowsLoadTenAtATime();
    void headerShowsPartialSelection();
    void unselectedCategoryShowsUnselectedRows();
    void headerFollowsItsItems_data();
    void headerFollowsItsItems();
    void unreadableFoldersAreCountedWithTheWayToGrantAccess();
    void categoryIcons_data();
    void categoryIcons();
    void renderPageBeforeAndAfterScan();
    void rowsAddUpToThePageTotal();
    void cleanShowsWhatRemains();
    void aCancelledCleansLateEndNeverFinishesTheNextScansCard();
    void aLongCategoryNameIsElidedNotWidened();
    void aLongDescriptionIsElidedWithinItsRoom();
};

void TestJunkPage::cleanWithoutSelectionStartsNothing()
{
    PageFixture fixture;
    QVERIFY(fixture.scan());
    for (auto *row : fixture.page->findChildren<CategoryWidget *>())
        row->onCheckBoxToggled(false);
    QCOMPARE(fixture.selectionText(), QStringLiteral("Selected: 0 items, 0 B"));
    QVERIFY(!fixture.button("cleanBtn")->isEnabled());
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    fixture.page->startClean();
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.title(), QStringLiteral("Notice"));
    QCOMPARE(answerer.text(), QStringLiteral("No items selected"));
    QCOMPARE(Application::instance()->junkCleaner()->state(), CleanEngine::Finished);
    QVERIFY(QFile::exists(fixture.home.filePath(QStringLiteral("Library/Logs/com.example.app/run.log"))));
}

void TestJunkPage::confirmationGuardsTheClean_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("cleaned");
    QTest::newRow("asked, yes") << true << QMessageBox::Yes << true;
    QTest::newRow("asked, no") << true << QMessageBox::No << false;
    QTest::newRow("not asked") << false << QMessageBox::Yes << true;
}

void TestJunkPage::confirmationGuardsTheClean()
{
    QFETCH(bool, confirm);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, cleaned);
    PageFixture fixture;
    Application::instance()->settings()->setValue(Settings::ConfirmClean, confirm);
    QVERIFY(fixture.scan());
    const QString log = fixture.home.filePath(QStringLiteral("Library/Logs/com.example.app/run.log"));
    const QString trashed = fixture.home.filePath(QStringLiteral(".Trash/Old presentation draft (final) v3.key"));

    QSignalSpy finished(fixture.page, &BasePage::cleanFinished);
    MessageBoxAnswerer answerer(answer);
    fixture.button("cleanBtn")->click();
    if (confirm) {
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Confirm Clean"));
        QVERIFY(answerer.text().startsWith(
            QStringLiteral("Are you sure you want to clean 28 selected items?\nThis action cannot be undone!")));
    } else {
        QVERIFY(!answerer.answered());
    }
    if (!cleaned) {
        QVERIFY(QFile::exists(log));
        QCOMPARE(fixture.page->findChildren<CategoryWidget *>().size(), 6);
        return;
    }
    QVERIFY(finished.wait(60000));
    QVERIFY(!QFile::exists(log));
    QVERIFY(QFile::exists(trashed));
    auto *dialog = fixture.page->findChild<ProgressDialog *>();
    QVERIFY(dialog);
    QVERIFY(dialog->isFinished());
    bool summaryShown = false;
    for (auto *label : dialog->findChildren<QLabel *>())
        summaryShown = summaryShown || label->text().startsWith(QLatin1String("Cleaned 28 items, freed "));
    QVERIFY(summaryShown);
    // What was not chosen stays: the Trash and the installers, unticked by default.
    QTRY_COMPARE(fixture.rowNames(), QStringList({ QStringLiteral("Trash"), QStringLiteral("Download Installers") }));
    QCOMPARE(fixture.selectionText(), QStringLiteral("Selected: 0 items, 0 B"));
    QVERIFY(!fixture.button("cleanBtn")->isEnabled());
    WidgetShot::render(dialog, QStringLiteral("progress-clean-finished"));
}

void TestJunkPage::cancelledScanLeavesNothingToClean()
{
    PageFixture fixture;
    QVERIFY(fixture.scan());
    QVERIFY(fixture.button("cleanBtn")->isEnabled());
    QSignalSpy finished(fixture.page, &BasePage::scanFinished);
    fixture.button("scanBtn")->click();
    // The card of the first scan may still await its deletion.
    ProgressDialog *dialog = nullptr;
    for (auto *candidate : fixture.page->findChildren<ProgressDialog *>()) {
        if (candidate->isVisible())
            dialog = candidate;
    }
    QVERIFY(dialog);
    dialog->findChild<QPushButton *>(QStringLiteral("cancelBtn"))->click();
    QCOMPARE(Application::instance()->junkCleaner()->state(), CleanEngine::Cancelled);
    QVERIFY(fixture.button("scanBtn")->isEnabled());
    // Whatever the cancelled scan had found was never shown, so it cannot be cleaned.
    QVERIFY(!fixture.button("cleanBtn")->isEnabled());
    QTRY_VERIFY(fixture.page->findChildren<CategoryWidget *>().isEmpty());
    QCOMPARE(finished.count(), 0);
}

void TestJunkPage::rowsLoadTenAtATime()
{
    PageFixture fixture;
    QVERIFY(fixture.scan());
    CategoryWidget *caches = fixture.row(QStringLiteral("Application Caches"));
    QVERIFY(caches);
    QCOMPARE(caches->findChildren<CleanItemWidget *>().size(), 0);
    caches->onHeaderClicked();
    QCOMPARE(caches->findChildren<CleanItemWidget *>().size(), 10);
    QCOMPARE(visibleLoadMoreTexts(caches), QStringList { QStringLiteral("Load more (15 remaining)") });
    caches->onLoadMoreClicked();
    QCOMPARE(caches->findChildren<CleanItemWidget *>().size(), 20);
    QCOMPARE(visibleLoadMoreTexts(caches), QStringList { QStringLiteral("Load more (5 remaining)") });
    caches->onLoadMoreClicked();
    QCOMPARE(caches->findChildren<CleanItemWidget *>().size(), 25);
    QVERIFY(visibleLoadMoreTexts(caches).isEmpty());
}

void TestJunkPage::headerShowsPartialSelection()
{
    TestHome home;
    for (int i = 0; i < 3; ++i)
        home.makeFile(QStringLiteral("Library/Caches/app/%1.db").arg(i), 100);
    Application::instance()->initialize();
    JunkPage page(Application::instance()->junkCleaner(), Application::instance()->settings());
    page.show();
    QSignalSpy scanned(&page, &BasePage::scanFinished);
    page.startScan();
    QVERIFY(scanned.wait(60000));
    auto *row = page.findChild<CategoryWidget *>();
    QVERIFY(row);
    row->setExpanded(true);
    const QList<CleanItemWidget *> items = row->findChildren<CleanItemWidget *>();
    QCOMPARE(items.size(), 3);
    QCheckBox *header = row->findChildren<QCheckBox *>().first();
    QVERIFY(header->parentWidget() != items.first());
    const CleanCategory *category
        = Application::instance()->junkCleaner()->result().findCategory(QStringLiteral("app_caches"));

    items.at(0)->findChild<QCheckBox *>()->click();
    QCOMPARE(header->checkState(), Qt::PartiallyChecked);
    QVERIFY(category->checked);
    QCOMPARE(Application::instance()->junkCleaner()->result().selectedItemCount(), 2);

    items.at(1)->findChild<QCheckBox *>()->click();
    items.at(2)->findChild<QCheckBox *>()->click();
    QCOMPARE(header->checkState(), Qt::Unchecked);
    QVERIFY(!category->checked);
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("cleanBtn"))->isEnabled());

    // A click on the header selects everything again, rows included.
    header->click();
    QCOMPARE(header->checkState(), Qt::Checked);
    QVERIFY(items.at(2)->isChecked());
    QCOMPARE(Application::instance()->junkCleaner()->result().selectedItemCount(), 3);
}

void TestJunkPage::headerFollowsItsItems_data()
{
    QTest::addColumn<QList<bool>>("items");
    QTest::addColumn<Qt::CheckState>("shown");
    QTest::newRow("none ticked") << QList<bool> { false, false } << Qt::Unchecked;
    QTest::newRow("one of two") << QList<bool> { true, false } << Qt::PartiallyChecked;
    QTest::newRow("both") << QList<bool> { true, true } << Qt::Checked;
}

// A ticked category whose items are not all ticked (what a clean leaves: the unticked ones)
// shows what its items are.
void TestJunkPage::headerFollowsItsItems()
{
    QFETCH(QList<bool>, items);
    QFETCH(Qt::CheckState, shown);
    CleanCategory category(QStringLiteral("app_caches"), QStringLiteral("Application Caches"), QString());
    for (int i = 0; i < items.size(); ++i) {
        CleanItem item(QStringLiteral("/home/u/Library/Caches/app/%1.db").arg(i), 100);
        item.checked = items.at(i);
        category.items.append(item);
    }
    CategoryWidget row(&category);
    QCOMPARE(row.findChildren<QCheckBox *>().first()->checkState(), shown);
    // A click selects everything, or nothing when everything was.
    row.findChildren<QCheckBox *>().first()->click();
    const bool all = shown != Qt::Checked;
    QCOMPARE(category.selectedCount(), all ? int(items.size()) : 0);
    QCOMPARE(row.findChildren<QCheckBox *>().first()->checkState(), all ? Qt::Checked : Qt::Unchecked);
}

void TestJunkPage::unreadableFoldersAreCountedWithTheWayToGrantAccess()
{
    TestHome home;
    Application::instance()->initialize();
    UnreadableEngine engine;
    BasePage page(&engine, Application::instance()->settings());
    page.resize(WidgetShot::pageSize());
    page.show();
    auto *note = page.findChild<QLabel *>(QStringLiteral("unreadableNote"));
    QVERIFY(note);
    QVERIFY(!note->isVisible());
    QSignalSpy scanned(&page, &BasePage::scanFinished);
    page.startScan();
    QVERIFY(scanned.wait(10000));
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(),
        QStringLiteral("2 folders could not be read, among them %1/Library/Caches/com.apple.Safari. To include them, "
                       "allow Sweepnook Full Disk Access in System Settings > Privacy & Security.")
            .arg(QDir::homePath()));
}

void TestJunkPage::unselectedCategoryShowsUnselectedRows()
{
    PageFixture fixture;
    QVERIFY(fixture.scan());
    CategoryWidget *trash = fixture.row(QStringLiteral("Trash"));
    QVERIFY(trash);
    trash->setExpanded(true);
    auto *item = trash->findChild<CleanItemWidget *>();
    QVERIFY(!item->isChecked());
    const ScanResult &result = Application::instance()->junkCleaner()->result();
    const int before = result.selectedItemCount();
    item->findChild<QCheckBox *>()->click();
    QCOMPARE(result.selectedItemCount(), before + 1);
    QVERIFY(fixture.selectionText().startsWith(QStringLiteral("Selected: %1 items, ").arg(before + 1)));
}

void TestJunkPage::categoryIcons_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("icon");
    QTest::newRow("junk rule") << QStringLiteral("log_files") << QStringLiteral(":/icons/categories/log_files.svg");
    QTest::newRow("browser prefix") << QStringLiteral("google_chrome_cookies")
                                    << QStringLiteral(":/icons/categories/cookies.svg");
    QTest::newRow("brave prefix") << QStringLiteral("brave_code_cache")
                                  << QStringLiteral(":/icons/categories/code_cache.svg");
    QTest::newRow("unknown") << QStringLiteral("trash") << QStringLiteral(":/icons/categories/default.svg");
}

void TestJunkPage::categoryIcons()
{
    QFETCH(QString, id);
    QFETCH(QString, icon);
    QCOMPARE(CategoryWidget::getCategoryIconPath(id), icon);
    QVERIFY(QFile::exists(icon));
}

void TestJunkPage::renderPageBeforeAndAfterScan()
{
    PageFixture fixture;
    QVERIFY(!WidgetShot::render(fixture.page, QStringLiteral("junk-page-empty")).isNull());
    QVERIFY(fixture.scan());
    fixture.row(QStringLiteral("Application Caches"))->setExpanded(true);
    QVERIFY(!WidgetShot::render(fixture.page, QStringLiteral("junk-page-results")).isNull());
}

// QuickLook's and Homebrew's caches lie inside the application caches: each file is shown in one
// row, every row shows what it holds whether ticked or not, and the rows add up to the total.
void TestJunkPage::rowsAddUpToThePageTotal()
{
    PageFixture fixture;
    fixture.home.makeFile(QStringLiteral("Library/Caches/com.apple.QuickLook.thumbnailcache/blob-2.bin"), 700000);
    fixture.home.makeFile(QStringLiteral("Library/Caches/com.apple.QuickLook.thumbnailcache/index.sqlite"), 90000);
    fixture.home.makeFile(QStringLiteral("Library/Caches/Homebrew/downloads/wget.tar.gz"), 1500000);
    QVERIFY(fixture.scan());
    const ScanResult &result = Application::instance()->junkCleaner()->result();
    qint64 rowsTotal = 0;
    for (auto *row : fixture.page->findChildren<CategoryWidget *>()) {
        const QString name = row->findChildren<QLabel *>().value(1)->text();
        const CleanCategory *category = nullptr;
        for (const CleanCategory &candidate : result.categories)
            category = candidate.name == name ? &candidate : category;
        QVERIFY2(category, qPrintable(name));
        QCOMPARE(PageFixture::rowSize(row), CleanItem::formatSize(category->totalSize()));
        rowsTotal += category->totalSize();
    }
    QCOMPARE(rowsTotal, result.totalSize());
    QCOMPARE(fixture.statValue(), CleanItem::formatSize(rowsTotal));
    QCOMPARE(PageFixture::rowSize(fixture.row(QStringLiteral("QuickLook Cache"))), CleanItem::formatSize(790000));
    // The Trash is unticked by default and still shows what it holds.
    QCOMPARE(PageFixture::rowSize(fixture.row(QStringLiteral("Trash"))), CleanItem::formatSize(2500000));

    // Unticking QuickLook's row takes exactly its files out of the selection.
    const qint64 selectedBefore = result.selectedSize();
    CategoryWidget *quickLook = fixture.row(QStringLiteral("QuickLook Cache"));
    quickLook->findChild<QCheckBox *>()->click();
    QCOMPARE(result.selectedSize(), selectedBefore - 790000);
    QVERIFY(fixture.selectionText().endsWith(CleanItem::formatSize(selectedBefore - 790000)));
    QCOMPARE(PageFixture::rowSize(quickLook), CleanItem::formatSize(790000));
    QCOMPARE(fixture.statValue(), CleanItem::formatSize(rowsTotal));
}

// After a clean the page lists what remains: the unticked rows, and a file that could not be
// removed with the reason; what was deleted is gone from the list. The card says so.
void TestJunkPage::cleanShowsWhatRemains()
{
    PageFixture fixture;
    Application::instance()->settings()->setValue(Settings::ConfirmClean, false);
    QVERIFY(fixture.scan());
    // Between the scan and the clean, the listed log became a folder: it is not what was chosen.
    const QString log = fixture.home.filePath(QStringLiteral("Library/Logs/com.example.app/run.log"));
    QVERIFY(QFile::remove(log));
    fixture.home.makeFile(QStringLiteral("Library/Logs/com.example.app/run.log/inner.txt"), 10);
    QSignalSpy finished(fixture.page, &BasePage::cleanFinished);
    fixture.button("cleanBtn")->click();
    QVERIFY(finished.wait(60000));

    QTRY_COMPARE(fixture.rowNames(),
        QStringList({ QStringLiteral("Log Files"), QStringLiteral("Trash"), QStringLiteral("Download Installers") }));
    CategoryWidget *logs = fixture.row(QStringLiteral("Log Files"));
    logs->setExpanded(true);
    const auto *failure = logs->findChild<QLabel *>(QStringLiteral("itemFailure"));
    QVERIFY(failure);
    QCOMPARE(failure->text(), QStringLiteral("Not removed: a folder"));
    QCOMPARE(failure->textFormat(), Qt::PlainText);
    QCOMPARE(fixture.selectionText(), QStringLiteral("Selected: 1 items, %1").arg(CleanItem::formatSize(120000)));
    QVERIFY(fixture.button("cleanBtn")->isEnabled());

    auto *card = fixture.page->findChild<ProgressDialog *>();
    QVERIFY(card && card->isFinished());
    QStringList texts;
    for (auto *label : card->findChildren<QLabel *>())
        texts.append(label->text());
    QVERIFY2(texts.contains(QStringLiteral("Partly done")), qPrintable(texts.join(QLatin1Char('|'))));
    const QString summary = QStringLiteral("Cleaned 27 items, freed %1\n")
                                .arg(CleanItem::formatSize(1000 * 25 + 4096 * 300 + 30000 + 800));
    QVERIFY(std::any_of(texts.cbegin(), texts.cend(), [&](const QString &text) {
        return text.startsWith(summary) && text.contains(QLatin1String("could not be removed"));
    }));
    WidgetShot::render(fixture.page, QStringLiteral("junk-page-after-clean"));
    WidgetShot::render(card, QStringLiteral("junk-page-after-clean-card"), card->size());
}

// Cancel a clean while a long deletion runs and start a scan at once: the scan's card must not
// turn into the clean's "Done!" while the scan runs.
void TestJunkPage::aCancelledCleansLateEndNeverFinishesTheNextScansCard()
{
    TestHome home;
    Settings settings;
    settings.setValue(Settings::ConfirmClean, false);
    SlowCleanEngine engine;
    BasePage page(&engine, &settings);
    page.show();
    QSignalSpy scanned(&page, &BasePage::scanFinished);
    page.startScan();
    QVERIFY(scanned.wait());
    QVERIFY(engine.scanEntered.tryAcquire());

    page.startClean();
    QVERIFY(engine.cleanEntered.tryAcquire(1, 5000));
    page.cancelOperation();
    engine.holdScan = true;
    page.startScan();
    ProgressDialog *card = nullptr;
    for (ProgressDialog *candidate : page.findChildren<ProgressDialog *>())
        card = candidate->isVisible() ? candidate : card;
    QVERIFY(card);
    // The scan runs once the cancelled clean has returned; whatever that clean posted has been
    // delivered after the events below.
    QVERIFY(engine.scanEntered.tryAcquire(1, 5000));
    QCoreApplication::processEvents();
    QVERIFY(!card->isFinished());
    QVERIFY(card->isVisible());

    engine.scanRelease.release();
    QVERIFY(scanned.wait());
    QCOMPARE(engine.state(), CleanEngine::Finished);
}

// A long name (a browser's name before a rule's, in a long language) must not push the row, its
// size and its expand button past the page: it is cut with an ellipsis and told in full by the
// tooltip.
void TestJunkPage::aLongCategoryNameIsElidedNotWidened()
{
    CleanCategory shortName(QStringLiteral("logs"), QStringLiteral("Logs"), QString());
    const QString longText = QStringLiteral("Mozilla Firefox - Données de navigation sécurisée et encore plus");
    CleanCategory longName(QStringLiteral("logs"), longText, QString());
    CategoryWidget shortRow(&shortName);
    CategoryWidget longRow(&longName);
    QCOMPARE(longRow.minimumSizeHint().width(), shortRow.minimumSizeHint().width());

    longRow.resize(420, longRow.sizeHint().height());
    longRow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&longRow));
    auto *name = longRow.findChild<QLabel *>(QStringLiteral("categoryName"));
    QVERIFY(name);
    QVERIFY(name->text().endsWith(QChar(0x2026)));
    QCOMPARE(name->toolTip(), longText);
}

// A long description in a long language, beside a long count, in the window's style: what shows
// fits its room and ends with an ellipsis, never cut off mid-letter, and the tooltip tells it all.
void TestJunkPage::aLongDescriptionIsElidedWithinItsRoom()
{
    const QString longText
        = QStringLiteral("Données en cache créées par les apps installées, que les apps recréent au besoin");
    CleanCategory category(QStringLiteral("app_caches"), QStringLiteral("Caches des apps"), QString());
    category.description = longText;
    for (int i = 0; i < 12345; ++i)
        category.items.append(CleanItem(QStringLiteral("/tmp/cache/%1").arg(i), 1));
    CategoryWidget row(&category);
    QFile windowStyle(QStringLiteral(":/styles/style.qss"));
    QVERIFY(windowStyle.open(QIODevice::ReadOnly | QIODevice::Text));
    row.setStyleSheet(QString::fromUtf8(windowStyle.readAll()));
    row.resize(600, row.sizeHint().height());
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    auto *description = row.findChild<QLabel *>(QStringLiteral("categoryDescription"));
    QVERIFY(description);
    QTRY_VERIFY(description->text().endsWith(QChar(0x2026)));
    QVERIFY(description->fontMetrics().horizontalAdvance(description->text()) <= description->contentsRect().width());
    QCOMPARE(description->toolTip(), longText);
}

QTEST_MAIN(TestJunkPage)
#include "tst_junkpage.moc"
