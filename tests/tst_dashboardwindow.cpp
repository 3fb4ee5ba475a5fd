#include "app/application.h"
#include "app/mainwindow.h"
#include "cleaners/junkcleaner.h"
#include "junkfixture.h"
#include "pages/dashboardpage.h"
#include "pages/junkpage.h"
#include "pages/registrypage.h"
#include "testhome.h"
#include "widgets/categorywidget.h"
#include "widgets/progressdialog.h"

#include <QtTest>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>

namespace {

// The fixture's junk: 30 files; the Trash file and the installer in Downloads start unselected.
constexpr qint64 FixtureJunkBytes = 51904600;
constexpr qint64 UnselectedBytes = 2500000 + 48000000;
const QString TrashFile = QStringLiteral(".Trash/Old presentation draft (final) v3.key");
const QString InstallerFile = QStringLiteral("Downloads/Installer-with-a-rather-long-name-1.2.3-universal.dmg");
const QString KeptCacheFile = QStringLiteral("Library/Caches/com.example.editor/blobs/cache-00.db");

// Answers the next message box with one of its buttons and keeps the box's text.
class MessageBoxAnswer final
{
public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button)
    {
        QTimer::singleShot(0, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_text = box->text();
            box->button(button)->click();
        });
    }

    QString text() const
    {
        return m_text;
    }

private:
    QString m_text;
};

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
    void cleanAllAsksFirstWithCountAndSize();
    void cleanAllWithNothingSelectedSaysSo();

private:
    QStackedWidget *pageStack() const;
    DashboardPage *dashboard() const;
    QPushButton *dashboardButton(const char *name) const;
    void runFullScan();
    void setConfirmClean(bool confirm);

    TestHome *m_home = nullptr;
    MainWindow *m_window = nullptr;
};

void TestDashboardWindow::init()
{
    m_home = new TestHome;
    JunkFixture::populate(*m_home);
    Application::instance()->initialize();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestDashboardWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
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
    Application::instance()->settings()->setValue(QStringLiteral("clean/confirmClean"), confirm);
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
    QCOMPARE(Application::instance()->junkCleaner()->result().totalSize(), FixtureJunkBytes);
    QCOMPARE(dashboard()->junkBytes(), FixtureJunkBytes);
    QCOMPARE(dashboard()->browserBytes(), 0);
    QCOMPARE(dashboard()->registryCount(), 0);
    QWidget *junkCard = dashboard()->findChild<QWidget *>(QStringLiteral("junkCard"));
    QCOMPARE(junkCard->findChild<QLabel *>(QStringLiteral("cardValue"))->text(), QStringLiteral("49.5 MB"));
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
    // Unselected on the junk page: one cache file.
    JunkCleaner *junk = Application::instance()->junkCleaner();
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
    setConfirmClean(false);

    dashboardButton("cleanAllBtn")->click();
    auto *dialog = m_window->findChild<ProgressDialog *>();
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isFinished(), 20000);

    // What is left of the fixture (the program's own settings and log live in other hidden folders).
    QStringList remaining;
    QDirIterator it(m_home->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(m_home->path()).relativeFilePath(it.next());
        if (!path.startsWith(QLatin1Char('.')) || path.startsWith(QStringLiteral(".Trash/")))
            remaining.append(path);
    }
    remaining.sort();
    QCOMPARE(remaining, QStringList({ TrashFile, InstallerFile, KeptCacheFile }));
    const qint64 keptCacheBytes = 1000;
    QCOMPARE(dashboard()->junkBytes(), UnselectedBytes + keptCacheBytes);
}

void TestDashboardWindow::cleanAllAsksFirstWithCountAndSize()
{
    runFullScan();
    setConfirmClean(true);
    MessageBoxAnswer answer(QMessageBox::No);
    dashboardButton("cleanAllBtn")->click();
    QVERIFY(answer.text().contains(QStringLiteral("28 selected items")));
    QVERIFY(answer.text().contains(QStringLiteral("(1.3 MB)")));
    QVERIFY(!m_window->findChild<ProgressDialog *>());
    QVERIFY(QFileInfo::exists(m_home->filePath(KeptCacheFile)));
}

void TestDashboardWindow::cleanAllWithNothingSelectedSaysSo()
{
    MessageBoxAnswer answer(QMessageBox::Ok);
    dashboardButton("cleanAllBtn")->click();
    QCOMPARE(answer.text(), QStringLiteral("No items selected"));
    QVERIFY(!m_window->findChild<ProgressDialog *>());
}

QTEST_MAIN(TestDashboardWindow)
#include "tst_dashboardwindow.moc"
