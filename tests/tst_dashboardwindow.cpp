#include "app/application.h"
#include "app/mainwindow.h"
#include "pages/dashboardpage.h"
#include "pages/registrypage.h"
#include "testhome.h"

#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

// The dashboard inside the main window: its place in the stack, the full scan the window runs
// for it, and Clean All.
class TestDashboardWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dashboardAndRegistryPagesSitAtTheirIndices();
    void fullScanFromTheDashboardCompletes();
    void junkCardOpensTheJunkPage();

private:
    QStackedWidget *pageStack() const;
    DashboardPage *dashboard() const;

    TestHome *m_home = nullptr;
    MainWindow *m_window = nullptr;
};

void TestDashboardWindow::init()
{
    m_home = new TestHome;
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

void TestDashboardWindow::dashboardAndRegistryPagesSitAtTheirIndices()
{
    QVERIFY(dashboard());
    QVERIFY(qobject_cast<RegistryPage *>(pageStack()->widget(MainWindow::RegistryIndex)));
    QCOMPARE(pageStack()->currentWidget(), dashboard());
}

void TestDashboardWindow::fullScanFromTheDashboardCompletes()
{
    auto *fullScanButton = dashboard()->findChild<QPushButton *>(QStringLiteral("fullScanBtn"));
    fullScanButton->click();
    QTRY_VERIFY(fullScanButton->isEnabled());
    auto *cleanAll = dashboard()->findChild<QPushButton *>(QStringLiteral("cleanAllBtn"));
    QVERIFY(cleanAll->isVisible());
    QVERIFY(cleanAll->isEnabled());
}

void TestDashboardWindow::junkCardOpensTheJunkPage()
{
    dashboard()->updateStats(1024, 0, 0);
    QWidget *card = dashboard()->findChild<QWidget *>(QStringLiteral("junkCard"));
    QTest::mouseClick(card, Qt::LeftButton);
    QCOMPARE(pageStack()->currentIndex(), int(MainWindow::JunkIndex));
}

QTEST_MAIN(TestDashboardWindow)
#include "tst_dashboardwindow.moc"
