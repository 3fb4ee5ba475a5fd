#include "core/settings.h"
#include "app/application.h"
#include "app/cleanall.h"
#include "app/mainwindow.h"
#include "browserfixture.h"
#include "cleaners/browsercleaner.h"
#include "cleaners/junkcleaner.h"
#include "cleaners/largefilescanner.h"
#include "core/constants.h"
#include "faketools.h"
#include "junkfixture.h"
#include "messageboxanswerer.h"
#include "pages/dashboardpage.h"
#include "pages/junkpage.h"
#include "pages/registrypage.h"
#include "testhome.h"
#include "widgets/categorywidget.h"
#include "widgets/circleprogresswidget.h"
#include "widgets/progressdialog.h"

#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>

namespace {

// The fixture's junk: 30 files; the Trash file and the installer in Downloads start unselected.
constexpr qint64 FixtureJunkBytes = 51904600;
constexpr qint64 UnselectedBytes = 2500000 + 48000000;
constexpr qint64 SelectedJunkBytes = FixtureJunkBytes - UnselectedBytes;
constexpr qint64 FixtureBrowserBytes = 9644288;
const QString TrashFile = QStringLiteral(".Trash/Old presentation draft (final) v3.key");
const QString InstallerFile = QStringLiteral("Downloads/Installer-with-a-rather-long-name-1.2.3-universal.dmg");
const QString KeptCacheFile = QStringLiteral("Library/Caches/com.example.editor/blobs/cache-00.db");

const QString ChromeCacheFile
    = QStringLiteral("Library/Application Support/Google/Chrome/Default/Cache/Cache_Data/data_0");
// Firefox keeps its cache beside the other applications' caches: both scans find it.
const QString FirefoxCacheEntries
    = QStringLiteral("Library/Caches/Firefox/Profiles/k3x9.default-release/cache2/entries");

// The regular files below root and their sizes (st_size), as find lists them; the program's own
// hidden folders (settings, log) are left out, the Trash is kept.
QHash<QString, qint64> regularFiles(const QString &root)
{
    QProcess find;
    find.start(QStringLiteral("find"),
        { root, QStringLiteral("-type"), QStringLiteral("f"), QStringLiteral("-printf"), QStringLiteral("%P\t%s\n") });
    if (!find.waitForFinished(120000) || find.exitCode() != 0)
        qFatal("find failed");
    QHash<QString, qint64> files;
    const QList<QByteArray> lines = find.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype tab = line.lastIndexOf('\t');
        if (tab < 0)
            continue;
        const QString path = QString::fromUtf8(line.left(tab));
        if (!path.startsWith(QLatin1Char('.')) || path.startsWith(QStringLiteral(".Trash/")))
            files.insert(path, line.mid(tab + 1).toLongLong());
    }
    return files;
}

QString shownText(const QWidget *parent, const char *name)
{
    return parent->findChild<QLabel *>(QLatin1String(name))->text();
}

QString cardText(const DashboardPage *dashboard, const char *card)
{
    return shownText(dashboard->findChild<QWidget *>(QLatin1String(card)), "cardValue");
}

QStringList selectedPaths(const ScanResult &result)
{
    QStringList paths;
    for (const CleanCategory &category : result.categories) {
        for (const CleanItem &item : category.items) {
            if (category.checked && item.checked)
                paths.append(item.path);
        }
    }
    return paths;
}

// Whether file is one of the selected paths or lies in a selected folder.
bool isCovered(const QString &file, const QStringList &selected)
{
    for (const QString &path : selected) {
        if (file == path || file.startsWith(path + QLatin1Char('/')))
            return true;
    }
    return false;
}

// pgrep that finds only the named process.
QByteArray fakePgrep(const QString &running)
{
    return "#!/bin/sh\n[ \"$2\" = \"" + running.toUtf8() + "\" ] && exit 0\nexit 1\n";
}

} // namespace

// The dashboard inside the main window: its place in the stack, the full scan the window runs
// for it, and Clean All.
class TestDashboardWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dashboardAndRegistryPagesSitAtTheirIndices();
    void fullScanOnAFixtureHomeShowsItsTotals();
    void fullScanEmptiesTheJunkPageRowsUntilItsResultIsBack();
    void fullScanCancelledFromElsewhereLeavesTheScanningLook();
    void junkCardOpensTheJunkPage();
    void cleanAllRemovesExactlyTheSelectedFiles();
    void cleanAllShowsARunningBrowsersRefusalAndStillCleansJunk();
    void cleanAllAsksFirstWithCountAndSize();
    void cleanAllWithNothingSelectedSaysSo();
    void totalsFollowTheJunkPagesOwnCleanAndScan();
    void pathBothScansFindIsCountedAndCleanedOnce();
    void browserUntickedAfterTheScanIsNeitherCountedNorCleaned();
    void cleanAllLeavesEveryResultWithWhatRemains();
    void totalsFollowARemovalOnAnotherPage();

private:
    QStackedWidget *pageStack() const;
    DashboardPage *dashboard() const;
    QPushButton *dashboardButton(const char *name) const;
    void runFullScan();
    void setConfirmClean(bool confirm);
    // Clean All with confirmation: the size the dashboard shows is what it asks about (or it
    // says there is nothing to clean).
    void verifyCleanAllAsksAboutWhatIsShown();
    // The fixture's files, relative to the home (the program's own settings and log live in
    // other hidden folders).
    QStringList fixtureFiles() const;

    TestHome *m_home = nullptr;
    FakeTools *m_tools = nullptr;
    MainWindow *m_window = nullptr;
};

void TestDashboardWindow::init()
{
    // The fake tools' folder stays out of the home's temporary folder, which the junk rules clean.
    m_tools = new FakeTools;
    m_home = new TestHome;
    m_tools->addTool(QStringLiteral("pgrep"), fakePgrep(QString()));
    JunkFixture::populate(*m_home);
    BrowserFixture::populate(*m_home);
    Application::instance()->initialize();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestDashboardWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    // The engines outlive the window: the next test starts with every browser ticked.
    Application::instance()->browserCleaner()->setBrowserEnabled(Constants::Firefox, true);
    delete m_tools;
    m_tools = nullptr;
    delete m_home;
    m_home = nullptr;
}

QStackedWidget *TestDashboardWindow::pageStack() const
{
    return m_window->findChild<QStackedWidget *>(QStringLiteral("pageStack"));
}

DashboardPage *TestDashboardWindow::dashboard() const
{
    return qobject_cast<DashboardPage *>(pageStack()->widget(MainWindow::DashboardIndex));
}

QPushButton *TestDashboardWindow::dashboardButton(const char *name) const
{
    return dashboard()->findChild<QPushButton *>(QLatin1String(name));
}

void TestDashboardWindow::runFullScan()
{
    QPushButton *fullScan = dashboardButton("fullScanBtn");
    fullScan->click();
    QVERIFY(!fullScan->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(fullScan->isEnabled(), 20000);
}

void TestDashboardWindow::setConfirmClean(bool confirm)
{
    Application::instance()->settings()->setValue(Settings::ConfirmClean, confirm);
}

void TestDashboardWindow::verifyCleanAllAsksAboutWhatIsShown()
{
    setConfirmClean(true);
    const qint64 shown = dashboard()->cleanableBytes();
    MessageBoxAnswerer answer(shown > 0 ? QMessageBox::No : QMessageBox::Ok);
    dashboardButton("cleanAllBtn")->click();
    QVERIFY(answer.answered());
    if (shown == 0)
        QCOMPARE(answer.text(), QStringLiteral("No items selected"));
    else
        QVERIFY2(answer.text().contains(QStringLiteral("(%1)").arg(CleanItem::formatSize(shown))),
            qPrintable(answer.text()));
}

QStringList TestDashboardWindow::fixtureFiles() const
{
    QStringList files;
    QDirIterator it(m_home->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(m_home->path()).relativeFilePath(it.next());
        if (!path.startsWith(QLatin1Char('.')) || path.startsWith(QStringLiteral(".Trash/")))
            files.append(path);
    }
    files.sort();
    return files;
}

void TestDashboardWindow::dashboardAndRegistryPagesSitAtTheirIndices()
{
    QVERIFY(dashboard());
    QVERIFY(qobject_cast<RegistryPage *>(pageStack()->widget(MainWindow::RegistryIndex)));
    QCOMPARE(pageStack()->currentWidget(), dashboard());
}

void TestDashboardWindow::fullScanOnAFixtureHomeShowsItsTotals()
{
    runFullScan();
    // The cards show what Clean All would free: the selection, not everything found.
    QCOMPARE(Application::instance()->junkCleaner()->result().totalSize(), FixtureJunkBytes);
    QCOMPARE(dashboard()->junkBytes(), SelectedJunkBytes);
    QCOMPARE(Application::instance()->browserCleaner()->result().totalSize(), FixtureBrowserBytes);
    QCOMPARE(dashboard()->browserBytes(), Application::instance()->browserCleaner()->result().selectedSize());
    QCOMPARE(dashboard()->registryCount(), 0);
    QCOMPARE(cardText(dashboard(), "junkCard"), QStringLiteral("1.3 MB"));
    QCOMPARE(shownText(dashboard(), "statusLabel"), QStringLiteral("Last scan: just now"));
    QVERIFY(dashboardButton("cleanAllBtn")->isVisible());
    QVERIFY(dashboardButton("cleanAllBtn")->isEnabled());
}

void TestDashboardWindow::fullScanEmptiesTheJunkPageRowsUntilItsResultIsBack()
{
    runFullScan();
    auto *junkPage = qobject_cast<JunkPage *>(pageStack()->widget(MainWindow::JunkIndex));
    QVERIFY(!junkPage->findChildren<CategoryWidget *>().isEmpty());

    dashboardButton("startScanBtn")->click();
    // The rows pointed into the result the engine has just emptied.
    const auto visibleRows = [junkPage] {
        int count = 0;
        for (const CategoryWidget *row : junkPage->findChildren<CategoryWidget *>())
            count += row->isVisibleTo(junkPage) ? 1 : 0;
        return count;
    };
    QCOMPARE(visibleRows(), 0);
    QVERIFY(!junkPage->findChild<QPushButton *>(QStringLiteral("cleanBtn"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(dashboardButton("startScanBtn")->isEnabled(), 20000);
    QVERIFY(visibleRows() > 0);
    QVERIFY(junkPage->findChild<QPushButton *>(QStringLiteral("cleanBtn"))->isEnabled());
}

void TestDashboardWindow::fullScanCancelledFromElsewhereLeavesTheScanningLook()
{
    QPushButton *fullScan = dashboardButton("fullScanBtn");
    fullScan->click();
    Application::instance()->junkCleaner()->cancel();
    QTRY_VERIFY_WITH_TIMEOUT(fullScan->isEnabled(), 20000);
    QCOMPARE(fullScan->text(), QStringLiteral("🔍  Start Full Scan"));
    QVERIFY(dashboardButton("cleanAllBtn")->isVisible());
}

void TestDashboardWindow::junkCardOpensTheJunkPage()
{
    dashboard()->updateStats(1024, 0, 0);
    QWidget *card = dashboard()->findChild<QWidget *>(QStringLiteral("junkCard"));
    QTest::mouseClick(card, Qt::LeftButton);
    QCOMPARE(pageStack()->currentIndex(), int(MainWindow::JunkIndex));
}

void TestDashboardWindow::cleanAllRemovesExactlyTheSelectedFiles()
{
    runFullScan();
    JunkCleaner *junk = Application::instance()->junkCleaner();
    BrowserCleaner *browser = Application::instance()->browserCleaner();
    // Unselected on the junk page: one cache file.
    int unchecked = 0;
    for (CleanCategory &category : junk->result().categories) {
        for (CleanItem &item : category.items) {
            if (item.path == m_home->filePath(KeptCacheFile)) {
                item.checked = false;
                ++unchecked;
            }
        }
    }
    QCOMPARE(unchecked, 1);
    const QStringList selected = selectedPaths(junk->result()) + selectedPaths(browser->result());
    const qint64 browserSelectedBytes = browser->result().selectedSize();
    QVERIFY(browserSelectedBytes > 0);
    QStringList expected;
    for (const QString &file : fixtureFiles()) {
        if (!isCovered(m_home->filePath(file), selected))
            expected.append(file);
    }
    QVERIFY(expected.contains(KeptCacheFile) && expected.contains(TrashFile) && expected.contains(InstallerFile));
    QVERIFY(!expected.contains(ChromeCacheFile));
    setConfirmClean(false);

    dashboardButton("cleanAllBtn")->click();
    auto *dialog = m_window->findChild<ProgressDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isFinished(), 20000);

    QCOMPARE(fixtureFiles(), expected);
    // What remains is unticked: nothing more for Clean All until the next scan.
    QCOMPARE(dashboard()->junkBytes(), qint64(0));
    QCOMPARE(dashboard()->browserBytes(), qint64(0));
    QVERIFY(shownText(dashboard(), "statusLabel").startsWith(QStringLiteral("Cleaned ")));
    verifyCleanAllAsksAboutWhatIsShown();
}

void TestDashboardWindow::cleanAllShowsARunningBrowsersRefusalAndStillCleansJunk()
{
    runFullScan();
    m_tools->addTool(QStringLiteral("pgrep"), fakePgrep(QStringLiteral("Google Chrome")));
    setConfirmClean(false);
    dashboardButton("cleanAllBtn")->click();
    auto *dialog = m_window->findChild<ProgressDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isFinished(), 20000);

    QVERIFY(QFileInfo::exists(m_home->filePath(ChromeCacheFile)));
    QVERIFY(!QFileInfo::exists(m_home->filePath(KeptCacheFile)));
    bool refusalShown = false;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        refusalShown = refusalShown || label->text().contains(QStringLiteral("Google Chrome"));
    QVERIFY(refusalShown);
    // Junk went, Chrome stayed: partly done, not a failure.
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("progressIcon"))->property("outcome").toString(),
        QStringLiteral("partly"));
    verifyCleanAllAsksAboutWhatIsShown();
}

void TestDashboardWindow::cleanAllAsksFirstWithCountAndSize()
{
    runFullScan();
    const ScanResult &junk = Application::instance()->junkCleaner()->result();
    const ScanResult &browser = Application::instance()->browserCleaner()->result();
    const int count = junk.selectedItemCount() + browser.selectedItemCount();
    const QString size = CleanItem::formatSize(junk.selectedSize() + browser.selectedSize());
    setConfirmClean(true);
    MessageBoxAnswerer answer(QMessageBox::No);
    dashboardButton("cleanAllBtn")->click();
    QVERIFY2(answer.text().contains(QStringLiteral("%1 selected items (%2)").arg(count).arg(size)),
        qPrintable(answer.text()));
    QVERIFY(!m_window->findChild<ProgressDialog *>());
    QVERIFY(QFileInfo::exists(m_home->filePath(KeptCacheFile)));
    QVERIFY(QFileInfo::exists(m_home->filePath(ChromeCacheFile)));
}

void TestDashboardWindow::cleanAllWithNothingSelectedSaysSo()
{
    MessageBoxAnswerer answer(QMessageBox::Ok);
    dashboardButton("cleanAllBtn")->click();
    QCOMPARE(answer.text(), QStringLiteral("No items selected"));
    QVERIFY(!m_window->findChild<ProgressDialog *>());
}

void TestDashboardWindow::totalsFollowTheJunkPagesOwnCleanAndScan()
{
    runFullScan();
    QCOMPARE(dashboard()->junkBytes(), SelectedJunkBytes);
    const qint64 browserBytes = dashboard()->browserBytes();
    setConfirmClean(false);
    auto *junkPage = qobject_cast<JunkPage *>(pageStack()->widget(MainWindow::JunkIndex));
    m_window->switchToPage(MainWindow::JunkIndex);

    QSignalSpy cleaned(junkPage, &BasePage::cleanFinished);
    junkPage->findChild<QPushButton *>(QStringLiteral("cleanBtn"))->click();
    QVERIFY(cleaned.wait(20000));
    QCOMPARE(dashboard()->junkBytes(), qint64(0));
    QCOMPARE(dashboard()->browserBytes(), browserBytes);
    QCOMPARE(cardText(dashboard(), "junkCard"), QStringLiteral("0 B"));
    QCOMPARE(
        shownText(dashboard(), "statusLabel"), QStringLiteral("Cleaned ") + CleanItem::formatSize(SelectedJunkBytes));

    // The page's own scan finds what is left (the Trash file and the installer) and a new cache.
    m_home->makeFile(QStringLiteral("Library/Caches/com.example.new/fresh.cache"), 7000);
    QSignalSpy scanned(junkPage, &BasePage::scanFinished);
    junkPage->findChild<QPushButton *>(QStringLiteral("scanBtn"))->click();
    QVERIFY(scanned.wait(20000));
    QCOMPARE(dashboard()->junkBytes(), qint64(7000));
    QCOMPARE(dashboard()->junkBytes(), Application::instance()->junkCleaner()->result().selectedSize());
    QCOMPARE(shownText(dashboard(), "statusLabel"), QStringLiteral("Last scan: just now"));

    // A box unticked on the junk page shows on the dashboard when it comes back.
    for (CleanCategory &category : Application::instance()->junkCleaner()->result().categories)
        category.checked = false;
    m_window->switchToPage(MainWindow::DashboardIndex);
    QCOMPARE(dashboard()->junkBytes(), qint64(0));
    verifyCleanAllAsksAboutWhatIsShown();
}

void TestDashboardWindow::pathBothScansFindIsCountedAndCleanedOnce()
{
    const QList<qint64> entrySizes = { 400000, 250000, 90001 };
    for (int i = 0; i < entrySizes.size(); ++i)
        m_home->makeFile(FirefoxCacheEntries + QStringLiteral("/%1A0F").arg(i), entrySizes.at(i));
    runFullScan();
    // Both scans list the cache: the junk rules file by file, the browser rules as its folder.
    const auto lists = [this](const ScanResult &result) {
        for (const CleanCategory &category : result.categories) {
            for (const CleanItem &item : category.items) {
                const QString path = item.path + QLatin1Char('/');
                if (path.startsWith(m_home->filePath(FirefoxCacheEntries) + QLatin1Char('/')) && category.checked
                    && item.checked)
                    return true;
            }
        }
        return false;
    };
    QVERIFY(lists(Application::instance()->junkCleaner()->result()));
    QVERIFY(lists(Application::instance()->browserCleaner()->result()));

    // What the dashboard shows: the ring is what Clean All removes, each path once; each card what its
    // page's clean would remove, so the two cards share Firefox's cache.
    const qint64 shown = dashboard()->cleanableBytes();
    QCOMPARE(cardText(dashboard(), "junkCard"), CleanItem::formatSize(dashboard()->junkBytes(), 1));
    QCOMPARE(cardText(dashboard(), "browserCard"), CleanItem::formatSize(dashboard()->browserBytes(), 1));
    auto *ring = dashboard()->findChild<CircleProgressWidget *>(QStringLiteral("ring"));
    QCOMPARE(ring->valueText() + QLatin1Char(' ') + ring->unit(), CleanItem::formatSize(shown, 1));
    QCOMPARE(ring->unit(), QStringLiteral("MB"));
    QCOMPARE(dashboard()->junkBytes(), Application::instance()->junkCleaner()->result().selectedSize());
    QCOMPARE(dashboard()->junkBytes() + dashboard()->browserBytes(), shown + 740001);

    const QHash<QString, qint64> before = regularFiles(m_home->path());
    setConfirmClean(true);
    MessageBoxAnswerer answer(QMessageBox::Yes);
    dashboardButton("cleanAllBtn")->click();
    QVERIFY(answer.answered());
    auto *dialog = m_window->findChild<ProgressDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isFinished(), 20000);
    const QHash<QString, qint64> after = regularFiles(m_home->path());

    qint64 bytesGone = 0;
    int filesGone = 0;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key())) {
            bytesGone += it.value();
            ++filesGone;
        }
    }
    QVERIFY(!after.contains(FirefoxCacheEntries + QStringLiteral("/0A0F")));
    const CleanAll::Summary summary = m_window->findChild<CleanAll *>()->summary();
    QCOMPARE(summary.itemsFailed, 0);
    QVERIFY(summary.errors.isEmpty());
    // What left the disk is what was shown, asked about and reported.
    QCOMPARE(summary.bytesFreed(), bytesGone);
    QCOMPARE(shown, bytesGone);
    const QString asked = answer.text();
    QVERIFY2(asked.contains(QStringLiteral("clean %1 selected items (%2)")
                                .arg(summary.itemsCleaned)
                                .arg(CleanItem::formatSize(bytesGone))),
        qPrintable(asked));
    // Folder items hold several files each.
    QVERIFY(filesGone >= summary.itemsCleaned);
    const QString reported
        = QStringLiteral("Cleaned %1 items, freed %2").arg(summary.itemsCleaned).arg(CleanItem::formatSize(bytesGone));
    bool summaryShown = false;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        summaryShown = summaryShown || label->text().contains(reported);
    QVERIFY2(summaryShown, qPrintable(reported));
    QCOMPARE(shownText(dashboard(), "statusLabel"), QStringLiteral("Cleaned ") + CleanItem::formatSize(bytesGone));
}

void TestDashboardWindow::browserUntickedAfterTheScanIsNeitherCountedNorCleaned()
{
    m_home->makeFile(FirefoxCacheEntries + QStringLiteral("/0A0F"), 400000);
    runFullScan();
    const qint64 withFirefox = dashboard()->browserBytes();
    m_window->switchToPage(MainWindow::BrowserIndex);
    QCheckBox *firefoxBox = nullptr;
    for (QCheckBox *box : pageStack()->widget(MainWindow::BrowserIndex)->findChildren<QCheckBox *>())
        firefoxBox = box->text() == QStringLiteral("Mozilla Firefox") ? box : firefoxBox;
    QVERIFY(firefoxBox && firefoxBox->isChecked());
    firefoxBox->click();
    QVERIFY(!Application::instance()->browserCleaner()->isBrowserEnabled(Constants::Firefox));
    m_window->switchToPage(MainWindow::DashboardIndex);
    QVERIFY(dashboard()->browserBytes() < withFirefox);
    QVERIFY(dashboard()->browserBytes() > 0);
    const qint64 shown = dashboard()->cleanableBytes();
    const QHash<QString, qint64> before = regularFiles(m_home->path());

    setConfirmClean(false);
    dashboardButton("cleanAllBtn")->click();
    auto *dialog = m_window->findChild<ProgressDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isFinished(), 20000);
    const QHash<QString, qint64> after = regularFiles(m_home->path());
    qint64 bytesGone = 0;
    QStringList firefoxGone;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.contains(it.key()))
            continue;
        bytesGone += it.value();
        if (it.key().contains(QStringLiteral("Firefox")))
            firefoxGone.append(it.key());
    }
    QCOMPARE(firefoxGone, QStringList());
    const CleanAll::Summary summary = m_window->findChild<CleanAll *>()->summary();
    QCOMPARE(summary.itemsFailed, 0);
    QCOMPARE(summary.bytesFreed(), bytesGone);
    QCOMPARE(shown, bytesGone);
}

// Clean All with Chrome running: Firefox's cache (junk and browser data at once) leaves the disk
// through the browser clean and so leaves the junk result and page too; Chrome's data stays and
// still counts on its card, and the ring shows the sum of what remains selected.
void TestDashboardWindow::cleanAllLeavesEveryResultWithWhatRemains()
{
    const QList<qint64> entrySizes = { 400000, 250000 };
    for (int i = 0; i < entrySizes.size(); ++i)
        m_home->makeFile(FirefoxCacheEntries + QStringLiteral("/%1A0F").arg(i), entrySizes.at(i));
    runFullScan();
    JunkCleaner *junk = Application::instance()->junkCleaner();
    BrowserCleaner *browser = Application::instance()->browserCleaner();
    const QString firefoxCaches = m_home->filePath(QStringLiteral("Library/Caches/Firefox"));
    const auto holdsBelow = [](const ScanResult &result, const QString &folder) {
        for (const CleanCategory &category : result.categories) {
            for (const CleanItem &item : category.items) {
                if (item.path.startsWith(folder + QLatin1Char('/')))
                    return true;
            }
        }
        return false;
    };
    QVERIFY(holdsBelow(junk->result(), firefoxCaches));
    qint64 chromeSelected = 0;
    for (const CleanCategory &category : browser->result().categories) {
        for (const CleanItem &item : category.items) {
            if (category.checked && item.checked && item.path.contains(QStringLiteral("/Google/Chrome/")))
                chromeSelected += item.size;
        }
    }
    QVERIFY(chromeSelected > 0);

    m_tools->addTool(QStringLiteral("pgrep"), fakePgrep(QStringLiteral("Google Chrome")));
    setConfirmClean(false);
    dashboardButton("cleanAllBtn")->click();
    auto *dialog = m_window->findChild<ProgressDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isFinished(), 20000);

    QVERIFY(!QFileInfo::exists(m_home->filePath(FirefoxCacheEntries + QStringLiteral("/0A0F"))));
    QVERIFY(QFileInfo::exists(m_home->filePath(ChromeCacheFile)));
    // Every item either result still lists is on the disk; Firefox's cache is in neither.
    for (const CleanEngine *engine : { static_cast<CleanEngine *>(junk), static_cast<CleanEngine *>(browser) }) {
        for (const CleanCategory &category : engine->result().categories) {
            for (const CleanItem &item : category.items)
                QVERIFY2(QFileInfo::exists(item.path) || QFileInfo(item.path).isSymLink(), qPrintable(item.path));
        }
    }
    QVERIFY(!holdsBelow(junk->result(), firefoxCaches));
    QVERIFY(!holdsBelow(browser->result(), firefoxCaches));
    // The junk page shows the junk result as it now is.
    auto *junkPage = pageStack()->widget(MainWindow::JunkIndex);
    QCOMPARE(shownText(junkPage, "statValue"), CleanItem::formatSize(junk->result().totalSize()));

    QCOMPARE(dashboard()->browserBytes(), chromeSelected);
    QCOMPARE(cardText(dashboard(), "browserCard"), CleanItem::formatSize(chromeSelected, 1));
    const qint64 remaining = dashboard()->cleanableBytes();
    QCOMPARE(remaining, m_window->findChild<CleanAll *>()->selection().size);
    auto *ring = dashboard()->findChild<CircleProgressWidget *>(QStringLiteral("ring"));
    QCOMPARE(ring->valueText() + QLatin1Char(' ') + ring->unit(), CleanItem::formatSize(remaining, 1));
    verifyCleanAllAsksAboutWhatIsShown();
}

// The large file finder deletes a cache file the junk scan counted while the dashboard is on
// show: its cards and ring drop it at once.
void TestDashboardWindow::totalsFollowARemovalOnAnotherPage()
{
    runFullScan();
    QCOMPARE(dashboard()->junkBytes(), SelectedJunkBytes);
    const QString cache = m_home->filePath(QStringLiteral("Library/Caches/com.example.editor/blobs/cache-00.db"));
    const qint64 size = QFileInfo(cache).size();
    QVERIFY(size > 0);
    LargeFileScanner *scanner = Application::instance()->largeFileScanner();
    QSignalSpy scanned(scanner, &LargeFileScanner::scanFinished);
    scanner->setDrives({ QFileInfo(cache).path() });
    scanner->setMinFileSize(1);
    scanner->startScan();
    QVERIFY(scanned.wait(20000));
    {
        QSignalSpy deleted(scanner, &LargeFileScanner::deleteFinished);
        // The large file page tells how its deletion went.
        MessageBoxAnswerer told(QMessageBox::Ok);
        QVERIFY(scanner->deleteFiles({ cache }, LargeFileScanner::DeleteMode::Permanently));
        QVERIFY(deleted.wait(20000));
        QVERIFY(told.answered());
    }
    QVERIFY(!QFileInfo::exists(cache));

    QCOMPARE(pageStack()->currentWidget(), dashboard());
    QCOMPARE(dashboard()->junkBytes(), SelectedJunkBytes - size);
    QCOMPARE(dashboard()->junkBytes(), Application::instance()->junkCleaner()->result().selectedSize());
    verifyCleanAllAsksAboutWhatIsShown();
}

QTEST_MAIN(TestDashboardWindow)
#include "tst_dashboardwindow.moc"
