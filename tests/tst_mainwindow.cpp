#include "core/settings.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/navbutton.h"
#include "app/settingsdialog.h"
#include "dialogcloser.h"
#include "testhome.h"

#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QStackedWidget>
#include <QSystemTrayIcon>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsOnTheDashboard();
    void sideBarShowsEightEntries();
    void navigationButtonSwitchesPage_data();
    void navigationButtonSwitchesPage();
    void hiddenButtonsNeverSwitchPages_data();
    void hiddenButtonsNeverSwitchPages();
    void dashboardNavigationReachesHiddenPages();
    void pagesOutsideTheStackAreIgnored();
    void closeEndsTheWindowUnlessMinimizingToTray();
    void closeToTrayHidesAndTrayBringsTheWindowBack_data();
    void closeToTrayHidesAndTrayBringsTheWindowBack();
    void zoomTogglesMaximized();
    void settingsDialogShowsWhatIsStored();
    void aboutBoxShowsTheLogo();
    void dragsOnlyFromSideBarAndTitleBar_data();
    void dragsOnlyFromSideBarAndTitleBar();
    void appliesTheGlobalStyleSheet();
    void everyStyleRuleIsClosed();

private:
    QList<NavButton *> navButtons() const;
    QStackedWidget *pageStack() const;
    void setMinimizeToTray(bool enabled);

    TestHome *m_home = nullptr;
    MainWindow *m_window = nullptr;
};

void TestMainWindow::init()
{
    m_home = new TestHome;
    Application::instance()->initialize();
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_home;
    m_home = nullptr;
}

QList<NavButton *> TestMainWindow::navButtons() const
{
    return m_window->findChildren<NavButton *>();
}

QStackedWidget *TestMainWindow::pageStack() const
{
    return m_window->findChild<QStackedWidget *>(QStringLiteral("pageStack"));
}

void TestMainWindow::setMinimizeToTray(bool enabled)
{
    Application::instance()->settings()->setValue(Settings::MinimizeToTray, enabled);
}

void TestMainWindow::startsOnTheDashboard()
{
    const QList<NavButton *> buttons = navButtons();
    QCOMPARE(buttons.size(), 10);
    QCOMPARE(pageStack()->count(), 10);
    QCOMPARE(m_window->currentPage(), 0);
    QCOMPARE(pageStack()->currentIndex(), 0);
    for (int index = 0; index < buttons.size(); ++index)
        QCOMPARE(buttons.at(index)->isChecked(), index == 0);
}

void TestMainWindow::sideBarShowsEightEntries()
{
    QStringList shown;
    const QList<NavButton *> buttons = navButtons();
    for (const NavButton *button : buttons) {
        if (button->isVisible())
            shown.append(button->text());
    }
    const QStringList expected = { QStringLiteral("Dashboard"), QStringLiteral("Junk Cleaner"),
        QStringLiteral("Browser Cleaner"), QStringLiteral("Startup Manager"), QStringLiteral("Large Files"),
        QStringLiteral("App Uninstaller"), QStringLiteral("Duplicate Files"), QStringLiteral("Privacy Cleaner") };
    QCOMPARE(shown, expected);
}

void TestMainWindow::navigationButtonSwitchesPage_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("junk") << 1;
    QTest::newRow("startup") << 4;
    QTest::newRow("privacy, the last") << 9;
}

void TestMainWindow::navigationButtonSwitchesPage()
{
    QFETCH(int, index);
    const QList<NavButton *> buttons = navButtons();
    QTest::mouseClick(buttons.at(index), Qt::LeftButton);
    QCOMPARE(m_window->currentPage(), index);
    QCOMPARE(pageStack()->currentIndex(), index);
    for (int position = 0; position < buttons.size(); ++position)
        QCOMPARE(buttons.at(position)->isChecked(), position == index);
}

void TestMainWindow::hiddenButtonsNeverSwitchPages_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("registry") << int(MainWindow::RegistryIndex);
    QTest::newRow("tweaks") << int(MainWindow::TweaksIndex);
}

void TestMainWindow::hiddenButtonsNeverSwitchPages()
{
    QFETCH(int, index);
    m_window->switchToPage(MainWindow::JunkIndex);
    emit navButtons().at(index)->clicked();
    QVERIFY(QMetaObject::invokeMethod(m_window, "onNavButtonClicked", Q_ARG(int, index)));
    QCOMPARE(m_window->currentPage(), int(MainWindow::JunkIndex));
    QCOMPARE(pageStack()->currentIndex(), int(MainWindow::JunkIndex));
    QVERIFY(navButtons().at(MainWindow::JunkIndex)->isChecked());
}

void TestMainWindow::dashboardNavigationReachesHiddenPages()
{
    QVERIFY(QMetaObject::invokeMethod(m_window, "onDashboardNavigate", Q_ARG(int, MainWindow::RegistryIndex)));
    QCOMPARE(pageStack()->currentIndex(), int(MainWindow::RegistryIndex));
    QVERIFY(navButtons().at(MainWindow::RegistryIndex)->isChecked());
    QVERIFY(!navButtons().at(MainWindow::DashboardIndex)->isChecked());
}

void TestMainWindow::pagesOutsideTheStackAreIgnored()
{
    m_window->switchToPage(MainWindow::LargeFilesIndex);
    for (const int index : { -1, 10, 42 }) {
        QVERIFY(QMetaObject::invokeMethod(m_window, "onDashboardNavigate", Q_ARG(int, index)));
        QCOMPARE(pageStack()->currentIndex(), int(MainWindow::LargeFilesIndex));
    }
}

void TestMainWindow::closeEndsTheWindowUnlessMinimizingToTray()
{
    setMinimizeToTray(false);
    auto *tray = m_window->findChild<QSystemTrayIcon *>();
    QVERIFY(tray && tray->isVisible());
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
    QVERIFY(!tray->isVisible());
}

void TestMainWindow::closeToTrayHidesAndTrayBringsTheWindowBack_data()
{
    QTest::addColumn<int>("reason");
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick);
    QTest::newRow("click") << int(QSystemTrayIcon::Trigger);
}

void TestMainWindow::closeToTrayHidesAndTrayBringsTheWindowBack()
{
    QFETCH(int, reason);
    setMinimizeToTray(true);
    auto *tray = m_window->findChild<QSystemTrayIcon *>();
    QVERIFY(!m_window->close());
    QVERIFY(!m_window->isVisible());
    QVERIFY(tray->isVisible());

    emit tray->activated(QSystemTrayIcon::Context);
    QVERIFY(!m_window->isVisible());
    m_window->showMinimized();
    m_window->hide();
    emit tray->activated(QSystemTrayIcon::ActivationReason(reason));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
}

void TestMainWindow::zoomTogglesMaximized()
{
    QVERIFY(QMetaObject::invokeMethod(m_window, "onMaximizeClicked"));
    QTRY_VERIFY(m_window->isMaximized());
    QVERIFY(QMetaObject::invokeMethod(m_window, "onMaximizeClicked"));
    QTRY_VERIFY(!m_window->isMaximized());
}

void TestMainWindow::settingsDialogShowsWhatIsStored()
{
    Application::instance()->settings()->setValue(Settings::ConfirmClean, false);
    DialogCloser closer;
    QVERIFY(QMetaObject::invokeMethod(m_window, "onNavButtonClicked", Q_ARG(int, MainWindow::SettingsIndex)));
    QCOMPARE(closer.titles().size(), 1);
    auto *dialog = m_window->findChild<SettingsDialog *>();
    QVERIFY(dialog);
    const QList<QCheckBox *> boxes = dialog->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 3);
    for (QCheckBox *box : boxes)
        box->setChecked(!box->isChecked());

    // Reopened after the cancelled visit, the kept dialog shows the stored values again.
    QVERIFY(QMetaObject::invokeMethod(m_window, "onSettingsClicked"));
    QCOMPARE(closer.titles().size(), 2);
    QCOMPARE(m_window->findChild<SettingsDialog *>(), dialog);
    QCOMPARE(dialog->findChildren<QCheckBox *>(), boxes);
    const QList<bool> shown = { boxes.at(0)->isChecked(), boxes.at(1)->isChecked(), boxes.at(2)->isChecked() };
    QCOMPARE(shown, (QList<bool> { false, false, false }));
}

void TestMainWindow::aboutBoxShowsTheLogo()
{
    QPixmap logo;
    QTimer::singleShot(0, this, [&logo] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        logo = box->iconPixmap();
        box->accept();
    });
    QVERIFY(QMetaObject::invokeMethod(m_window, "onAboutClicked"));
    QCOMPARE(logo.size(), QSize(64, 64));
}

void TestMainWindow::dragsOnlyFromSideBarAndTitleBar_data()
{
    QTest::addColumn<QPoint>("pressPoint");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("side bar, left button") << QPoint(60, 600) << int(Qt::LeftButton) << true;
    QTest::newRow("title bar, left button") << QPoint(500, 30) << int(Qt::LeftButton) << true;
    QTest::newRow("page area") << QPoint(500, 300) << int(Qt::LeftButton) << false;
    QTest::newRow("shadow margin") << QPoint(4, 300) << int(Qt::LeftButton) << false;
    QTest::newRow("side bar, right button") << QPoint(60, 600) << int(Qt::RightButton) << false;
}

void TestMainWindow::dragsOnlyFromSideBarAndTitleBar()
{
    QFETCH(QPoint, pressPoint);
    QFETCH(int, button);
    QFETCH(bool, moves);
    const auto mouseButton = Qt::MouseButton(button);
    const QPoint start = m_window->pos();
    const QPoint globalPress = m_window->mapToGlobal(pressPoint);
    const QPoint shift(40, 25);

    QMouseEvent press(QEvent::MouseButtonPress, pressPoint, globalPress, mouseButton, mouseButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &press);
    QMouseEvent move(
        QEvent::MouseMove, pressPoint + shift, globalPress + shift, Qt::NoButton, mouseButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &move);
    QMouseEvent release(
        QEvent::MouseButtonRelease, pressPoint + shift, globalPress + shift, mouseButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &release);

    QCOMPARE(m_window->pos(), moves ? start + shift : start);
}

void TestMainWindow::appliesTheGlobalStyleSheet()
{
    QVERIFY(m_window->styleSheet().contains(QStringLiteral("#navWidget")));
    QVERIFY(m_window->styleSheet().contains(QStringLiteral(":/icons/check.svg")));
    QVERIFY(QFile::exists(QStringLiteral(":/icons/check.svg")));
}

// An unclosed rule swallows every rule after it: the pages styled further down show bare.
void TestMainWindow::everyStyleRuleIsClosed()
{
    const QString sheet = m_window->styleSheet();
    int depth = 0;
    int line = 1;
    for (qsizetype at = 0; at < sheet.size(); ++at) {
        if (sheet.at(at) == QLatin1Char('\n'))
            ++line;
        if (sheet.mid(at, 2) == QLatin1String("/*")) {
            const qsizetype end = sheet.indexOf(QLatin1String("*/"), at + 2);
            QVERIFY2(end > 0, qPrintable(QStringLiteral("comment left open at line %1").arg(line)));
            line += int(sheet.mid(at, end - at).count(QLatin1Char('\n')));
            at = end + 1;
        } else if (sheet.at(at) == QLatin1Char('{')) {
            QVERIFY2(depth == 0, qPrintable(QStringLiteral("rule opened inside a rule at line %1").arg(line)));
            ++depth;
        } else if (sheet.at(at) == QLatin1Char('}')) {
            QVERIFY2(depth == 1, qPrintable(QStringLiteral("stray closing brace at line %1").arg(line)));
            --depth;
        }
    }
    QCOMPARE(depth, 0);
    // The last page's rules reach it.
    auto *title = m_window->findChild<QLabel *>(QStringLiteral("privacyTitle"));
    QVERIFY(title);
    title->ensurePolished();
    QCOMPARE(title->font().pixelSize(), 22);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QUELMO"));
    QCoreApplication::setApplicationName(QStringLiteral("Sweepnook"));
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"
