#include "appfixture.h"
#include "cleaners/appuninstaller.h"
#include "faketools.h"
#include "messageboxanswerer.h"
#include "pages/appuninstallerpage.h"
#include "testhome.h"
#include "widgets/appcarddelegate.h"
#include "widgets/applistmodel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

AppInfo app(const QString &name, const QString &folder = QStringLiteral("/nowhere"))
{
    AppInfo info;
    info.name = name;
    info.path = folder + QLatin1Char('/') + name + QStringLiteral(".app");
    info.bundleId = QStringLiteral("com.example.") + QString(name).remove(QLatin1Char(' '));
    info.size = 1024 * 1024;
    return info;
}

// A page around an engine whose folders hold nothing: the records a test hands in arrive as
// a scan's, before that scan's own (empty) end is delivered.
struct PageFixture
{
    explicit PageFixture(const QStringList &folders = { QStringLiteral("/nonexistent-apps") })
        : page(&uninstaller)
    {
        uninstaller.setApplicationFolders(folders);
        page.resize(900, 600);
    }

    // Shows the page (or refreshes it) and delivers apps as the scan's results.
    bool scanWith(const QList<AppInfo> &apps)
    {
        QSignalSpy finished(&uninstaller, &AppUninstaller::scanFinished);
        if (page.isVisible())
            page.onRefreshClicked();
        else
            page.show();
        for (const AppInfo &info : apps)
            emit uninstaller.appFound(info);
        return finished.wait(30000);
    }

    QListView *list() const
    {
        return page.findChild<QListView *>(QStringLiteral("appList"));
    }

    QString text(const char *objectName) const
    {
        return page.findChild<QLabel *>(QLatin1String(objectName))->text();
    }

    QPushButton *uninstallButton() const
    {
        return page.findChild<QPushButton *>(QStringLiteral("appUninstallBtn"));
    }

    void tick(int row, bool on = true) const
    {
        QAbstractItemModel *model = list()->model();
        model->setData(model->index(row, 0), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    }

    AppUninstaller uninstaller;
    AppUninstallerPage page;
};

} // namespace

class TestAppUninstallerPage : public QObject
{
    Q_OBJECT

private slots:
    void leftoverNoteCountsTickedLeftovers_data();
    void leftoverNoteCountsTickedLeftovers();
    void leftoverRowSaysWhyItIsOffered_data();
    void leftoverRowSaysWhyItIsOffered();
    void detailLine_data();
    void detailLine();
    void modelIsConsistent();
    void filterBadgeCountsShownAndAll();
    void selectionLabelAndButton();
    void cardClicksExpandAndTickLeftovers();
    void confirmationNamesAppsAndUninstallRescans();
    void confirmationForOneAppSaysTheApp();
    void runningAppIsReportedAsFailed();
    void removedElsewhereLeavesAppsAndLeftovers();
    void removedDuringAScanLeavesWhatItFinds();
    void leftoverPartlyRemovedElsewhereIsMeasuredAgain();
    void finishSaysWhatWentToTheTrash_data();
    void finishSaysWhatWentToTheTrash();
};

void TestAppUninstallerPage::leftoverNoteCountsTickedLeftovers_data()
{
    QTest::addColumn<bool>("identifierTicked");
    QTest::addColumn<bool>("nameMatchTicked");
    QTest::addColumn<QString>("note");
    QTest::newRow("name match unticked") << true << false << QStringLiteral("+2.0 KB leftovers");
    QTest::newRow("both ticked") << true << true << QStringLiteral("+6.5 MB leftovers");
    QTest::newRow("nothing ticked") << false << false << QString();
}

// The card's "+... leftovers" is what an uninstall would move along: the ticked leftovers, not
// the name-only guesses the user has not ticked.
void TestAppUninstallerPage::leftoverNoteCountsTickedLeftovers()
{
    QFETCH(bool, identifierTicked);
    QFETCH(bool, nameMatchTicked);
    QFETCH(QString, note);
    AppInfo slack = app(QStringLiteral("Slack"));
    slack.leftovers = { { QStringLiteral("/nowhere/Library/Caches/com.example.Slack"), 2048, identifierTicked,
                            LeftoverItem::Reason::BundleIdentifier },
        { QStringLiteral("/nowhere/Library/Application Support/Slack"), 6815744 - 2048, nameMatchTicked,
            LeftoverItem::Reason::Name } };
    slack.leftoverSize = 6815744;
    QCOMPARE(AppCardDelegate::leftoverNote(slack), note);
}

void TestAppUninstallerPage::leftoverRowSaysWhyItIsOffered_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("sharedWithSystem");
    QTest::addColumn<QString>("shown");
    QTest::newRow("identifier") << int(LeftoverItem::Reason::BundleIdentifier) << false
                                << QStringLiteral("bundle identifier");
    QTest::newRow("name") << int(LeftoverItem::Reason::Name) << false << QStringLiteral("name only");
    QTest::newRow("identifier shared with the system")
        << int(LeftoverItem::Reason::BundleIdentifier) << true << QStringLiteral("shared with macOS");
}

void TestAppUninstallerPage::leftoverRowSaysWhyItIsOffered()
{
    QFETCH(int, reason);
    QFETCH(bool, sharedWithSystem);
    QFETCH(QString, shown);
    LeftoverItem leftover(
        QStringLiteral("/nowhere/Library/Preferences/com.apple.Notes.plist"), 10, false, LeftoverItem::Reason(reason));
    leftover.sharedWithSystem = sharedWithSystem;
    QCOMPARE(AppCardDelegate::leftoverReason(leftover), shown);
}

void TestAppUninstallerPage::detailLine_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("publisher");
    QTest::addColumn<QString>("detail");
    const QString forty(40, QLatin1Char('p'));
    QTest::newRow("both") << QStringLiteral("1.2") << QStringLiteral("Foo Inc.") << QStringLiteral("v1.2 · Foo Inc.");
    QTest::newRow("version only") << QStringLiteral("7") << QString() << QStringLiteral("v7");
    QTest::newRow("publisher only") << QString() << QStringLiteral("Foo Inc.") << QStringLiteral("Foo Inc.");
    QTest::newRow("neither") << QString() << QString() << QString();
    QTest::newRow("publisher of 40 whole") << QString() << forty << forty;
    QTest::newRow("publisher of 41 cut") << QStringLiteral("2") << forty + QStringLiteral("q")
                                         << QStringLiteral("v2 · ") + forty.left(37) + QStringLiteral("…");
}

void TestAppUninstallerPage::detailLine()
{
    QFETCH(QString, version);
    QFETCH(QString, publisher);
    QFETCH(QString, detail);
    AppInfo info;
    info.version = version;
    info.publisher = publisher;
    QCOMPARE(AppListModel::detailText(info), detail);
}

void TestAppUninstallerPage::modelIsConsistent()
{
    AppListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    AppInfo locked = app(QStringLiteral("Safari"));
    locked.systemProtected = true;
    model.append(app(QStringLiteral("Foo")));
    model.append(locked);
    QVERIFY(model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(!model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(!(model.flags(model.index(1)) & Qt::ItemIsUserCheckable));
    QCOMPARE(model.checkedCount(), 1);
    model.setExpanded(0, true);
    model.clear();
    QCOMPARE(model.checkedCount(), 0);
    QCOMPARE(model.rowCount(), 0);
}

void TestAppUninstallerPage::filterBadgeCountsShownAndAll()
{
    TestHome home;
    PageFixture fixture;
    QCOMPARE(fixture.text("appCountBadge"), QStringLiteral("--"));
    QList<AppInfo> apps;
    for (int i = 1; i <= 37; ++i) {
        AppInfo info = app(QStringLiteral("Tool %1").arg(i));
        info.publisher = QStringLiteral("Zeta Software");
        apps.append(info);
    }
    for (const char *name : { "Zeta", "Photo ZETA", "zetabase" })
        apps.append(app(QLatin1String(name)));
    QVERIFY(fixture.scanWith(apps));
    QCOMPARE(fixture.text("appCountBadge"), QStringLiteral("40 apps"));
    auto *search = fixture.page.findChild<QLineEdit *>(QStringLiteral("appSearch"));
    search->setText(QStringLiteral("  zeta "));
    QCOMPARE(fixture.text("appCountBadge"), QStringLiteral("3 / 40 apps"));
    QCOMPARE(fixture.list()->model()->rowCount(), 3);
    search->setText(QStringLiteral("[a-z]*"));
    QCOMPARE(fixture.text("appCountBadge"), QStringLiteral("0 / 40 apps"));
    QVERIFY(fixture.page.findChild<QLabel *>(QStringLiteral("appEmptyLabel"))->isVisible());
    search->clear();
    QCOMPARE(fixture.text("appCountBadge"), QStringLiteral("40 apps"));
}

void TestAppUninstallerPage::selectionLabelAndButton()
{
    TestHome home;
    PageFixture fixture;
    QVERIFY(fixture.scanWith({ app(QStringLiteral("Alpha")), app(QStringLiteral("Beta")) }));
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("No apps selected"));
    QVERIFY(!fixture.uninstallButton()->isEnabled());
    fixture.tick(0);
    fixture.tick(1);
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("2 app(s) selected"));
    QVERIFY(fixture.uninstallButton()->isEnabled());
    // A ticked application hidden by the search stays ticked.
    fixture.page.findChild<QLineEdit *>(QStringLiteral("appSearch"))->setText(QStringLiteral("alp"));
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("2 app(s) selected"));
    fixture.tick(0, false);
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("1 app(s) selected"));
    fixture.page.findChild<QLineEdit *>(QStringLiteral("appSearch"))->clear();
    fixture.tick(1, false);
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("No apps selected"));
    QVERIFY(!fixture.uninstallButton()->isEnabled());
}

void TestAppUninstallerPage::cardClicksExpandAndTickLeftovers()
{
    TestHome home;
    PageFixture fixture;
    AppInfo info = app(QStringLiteral("Foo"));
    info.leftovers = { { home.filePath(QStringLiteral("Library/Caches/com.example.Foo")), 2048, true,
                           LeftoverItem::Reason::BundleIdentifier },
        { home.filePath(QStringLiteral("Library/Preferences/Foo.plist")), 10, false, LeftoverItem::Reason::Name } };
    info.leftoverSize = 2058;
    QVERIFY(fixture.scanWith({ info }));
    QListView *list = fixture.list();
    const QModelIndex index = list->model()->index(0, 0);
    QRect card = list->visualRect(index);
    QCOMPARE(card.height(), AppCardDelegate::CardHeight + AppCardDelegate::Gap);

    // The size column opens the card; the second leftover row ticks that leftover.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(card.right() - 40, card.top() + 38));
    QVERIFY(index.data(AppListModel::ExpandedRole).toBool());
    card = list->visualRect(index);
    QVERIFY(card.height() > AppCardDelegate::CardHeight + 2 * AppCardDelegate::LeftoverRowHeight);
    const int secondRow = card.top() + AppCardDelegate::CardHeight + 6 + AppCardDelegate::LeftoverRowHeight + 14;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(card.left() + 120, secondRow));
    // The card's left part ticks the application.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(card.left() + 25, card.top() + 38));
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("1 app(s) selected"));
    const AppInfo chosen = index.data(AppListModel::AppRole).value<AppInfo>();
    QVERIFY(chosen.leftovers.at(0).selected);
    QVERIFY(chosen.leftovers.at(1).selected);
    QCOMPARE(chosen.selectedLeftoverSize(), qint64(2058));
}

void TestAppUninstallerPage::confirmationForOneAppSaysTheApp()
{
    TestHome home;
    FakeTools tools;
    const QString folder = home.makeDir(QStringLiteral("Applications"));
    AppInfo alpha = app(QStringLiteral("Alpha"), folder);
    AppFixture::makeBundle(home, QStringLiteral("Applications/Alpha.app"), {});
    alpha.leftovers = { { home.makeFile(QStringLiteral("Library/Caches/com.example.Alpha/x"), 3).chopped(2), 3, true,
        LeftoverItem::Reason::BundleIdentifier } };
    PageFixture fixture({ folder });
    QVERIFY(fixture.scanWith({ alpha }));
    fixture.tick(0);

    MessageBoxAnswerer no(QMessageBox::No);
    fixture.uninstallButton()->click();
    QTRY_VERIFY(no.answered());
    QCOMPARE(no.text(),
        QStringLiteral("Uninstall 1 app(s) and their leftover files?\n\n• Alpha\n\n"
                       "The app and 1 selected leftover items (3 B) will be moved to the Trash."));
    QVERIFY(QFileInfo::exists(alpha.path));
}

void TestAppUninstallerPage::confirmationNamesAppsAndUninstallRescans()
{
    TestHome home;
    FakeTools tools;
    qputenv("SWEEPNOOK_FAKE_FINDER", "trash");
    const QString folder = home.makeDir(QStringLiteral("Applications"));
    AppInfo alpha = app(QStringLiteral("Alpha <i>Pro"), folder);
    AppFixture::makeBundle(home, QStringLiteral("Applications/Alpha <i>Pro.app"), {});
    alpha.leftovers = { { home.makeFile(QStringLiteral("Library/Caches/com.example.Alpha/x"), 3).chopped(2), 3, true,
        LeftoverItem::Reason::BundleIdentifier } };
    AppInfo beta = app(QStringLiteral("Beta"), folder);
    AppFixture::makeBundle(home, QStringLiteral("Applications/Beta.app"), {});
    PageFixture fixture({ folder });
    QVERIFY(fixture.scanWith({ alpha, beta }));
    fixture.tick(0);
    fixture.tick(1);
    fixture.page.findChild<QLineEdit *>(QStringLiteral("appSearch"))->setText(QStringLiteral("beta"));

    {
        MessageBoxAnswerer no(QMessageBox::No);
        fixture.uninstallButton()->click();
        QTRY_VERIFY(no.answered());
        QCOMPARE(no.title(), QStringLiteral("Confirm Uninstall"));
        QCOMPARE(no.text(),
            QStringLiteral("Uninstall 2 app(s) and their leftover files?\n\n• Alpha <i>Pro\n• Beta\n\n"
                           "Apps and 1 selected leftover items (3 B) will be moved to Trash."));
    }
    QVERIFY(QFileInfo::exists(beta.path));

    QSignalSpy uninstalled(&fixture.uninstaller, &AppUninstaller::uninstallFinished);
    QSignalSpy rescanned(&fixture.uninstaller, &AppUninstaller::scanFinished);
    MessageBoxAnswerer yes(QMessageBox::Yes);
    fixture.uninstallButton()->click();
    QVERIFY(uninstalled.wait(30000));
    QVERIFY(rescanned.wait(30000));
    qunsetenv("SWEEPNOOK_FAKE_FINDER");
    QVERIFY(!QFileInfo::exists(alpha.path));
    QVERIFY(!QFileInfo::exists(beta.path));
    QVERIFY(!QFileInfo::exists(alpha.leftovers.at(0).path));
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("No apps selected"));
    QVERIFY(!fixture.uninstallButton()->isEnabled());
    QCOMPARE(fixture.text("appCountBadge"), QStringLiteral("0 / 0 apps"));
}

void TestAppUninstallerPage::runningAppIsReportedAsFailed()
{
    TestHome home;
    FakeTools tools;
    const QString folder = home.makeDir(QStringLiteral("Applications"));
    AppFixture::makeBundle(home, QStringLiteral("Applications/Foo.app"), {});
    AppFixture::RunningCopy running(folder + QStringLiteral("/Foo.app/Contents/MacOS/main"));
    PageFixture fixture({ folder });
    QVERIFY(fixture.scanWith({ app(QStringLiteral("Foo"), folder) }));
    fixture.tick(0);
    MessageBoxAnswerer yes(QMessageBox::Yes);
    fixture.uninstallButton()->click();
    QTRY_VERIFY(yes.answered());
    MessageBoxAnswerer ok(QMessageBox::Ok);
    QTRY_VERIFY_WITH_TIMEOUT(ok.answered(), 30000);
    QCOMPARE(ok.title(), QStringLiteral("Failed"));
    QCOMPARE(ok.text(), QStringLiteral("Could not uninstall Foo.\nClose the app first."));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/Foo.app")));
}

// Another feature removed an app's bundle and another app's leftover: the app leaves the list
// (and the selection), the leftover leaves its app and the leftovers' size follows.
void TestAppUninstallerPage::removedElsewhereLeavesAppsAndLeftovers()
{
    TestHome home;
    AppInfo alpha = app(QStringLiteral("Alpha"));
    alpha.leftovers = { { home.filePath(QStringLiteral("Library/Caches/com.example.Alpha")), 300, true,
                            LeftoverItem::Reason::BundleIdentifier },
        { home.filePath(QStringLiteral("Library/Preferences/com.example.Alpha.plist")), 20, true,
            LeftoverItem::Reason::BundleIdentifier } };
    alpha.leftoverSize = 320;
    const AppInfo beta = app(QStringLiteral("Beta"));
    const AppInfo gamma = app(QStringLiteral("Gamma"));
    PageFixture fixture;
    QVERIFY(fixture.scanWith({ alpha, beta, gamma }));
    QAbstractItemModelTester tester(fixture.list()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    fixture.tick(1);
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("1 app(s) selected"));

    fixture.uninstaller.forgetRemoved({ beta.path, home.filePath(QStringLiteral("Library/Caches")) });
    QAbstractItemModel *model = fixture.list()->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("Gamma"));
    const AppInfo left = model->index(0, 0).data(AppListModel::AppRole).value<AppInfo>();
    QCOMPARE(left.leftovers.size(), 1);
    QCOMPARE(left.leftovers.first().path, alpha.leftovers.at(1).path);
    QCOMPARE(left.leftoverSize, 20);
    QCOMPARE(fixture.text("appSelectionLabel"), QStringLiteral("No apps selected"));
    QVERIFY(!fixture.uninstallButton()->isEnabled());
    QCOMPARE(fixture.text("appCountBadge"), QStringLiteral("2 apps"));
}

// Told while the scan runs: the apps and leftovers it reports afterwards come without what went.
void TestAppUninstallerPage::removedDuringAScanLeavesWhatItFinds()
{
    TestHome home;
    AppInfo alpha = app(QStringLiteral("Alpha"));
    alpha.leftovers = { { home.filePath(QStringLiteral("Library/Caches/com.example.Alpha")), 300, true,
        LeftoverItem::Reason::BundleIdentifier } };
    alpha.leftoverSize = 300;
    const AppInfo beta = app(QStringLiteral("Beta"));
    PageFixture fixture;
    QSignalSpy finished(&fixture.uninstaller, &AppUninstaller::scanFinished);
    fixture.page.show();
    fixture.uninstaller.forgetRemoved({ beta.path, alpha.leftovers.first().path });
    emit fixture.uninstaller.appFound(alpha);
    emit fixture.uninstaller.appFound(beta);
    QVERIFY(finished.wait(30000));
    QAbstractItemModel *model = fixture.list()->model();
    QCOMPARE(model->rowCount(), 1);
    const AppInfo left = model->index(0, 0).data(AppListModel::AppRole).value<AppInfo>();
    QCOMPARE(left.name, QStringLiteral("Alpha"));
    QVERIFY(left.leftovers.isEmpty());
    QCOMPARE(left.leftoverSize, 0);

    // A new scan starts afresh.
    QVERIFY(fixture.scanWith({ alpha, beta }));
    QCOMPARE(model->rowCount(), 2);
}

// Another feature removed a file inside a leftover folder: the folder stays, measured again.
void TestAppUninstallerPage::leftoverPartlyRemovedElsewhereIsMeasuredAgain()
{
    TestHome home;
    const QString kept = home.makeFile(QStringLiteral("Library/Caches/com.example.Alpha/kept.db"), 1000);
    const QString cleaned = home.makeFile(QStringLiteral("Library/Caches/com.example.Alpha/cleaned.db"), 500);
    const QString prefs = home.makeFile(QStringLiteral("Library/Preferences/com.example.Alpha.plist"), 20);
    AppInfo alpha = app(QStringLiteral("Alpha"));
    alpha.leftovers = { { QFileInfo(kept).path(), 1500, true, LeftoverItem::Reason::BundleIdentifier },
        { prefs, 20, true, LeftoverItem::Reason::BundleIdentifier } };
    alpha.leftoverSize = 1520;
    PageFixture fixture;
    QVERIFY(fixture.scanWith({ alpha }));
    QAbstractItemModel *model = fixture.list()->model();

    QVERIFY(QFile::remove(cleaned));
    QSignalSpy measured(&fixture.uninstaller, &AppUninstaller::leftoverMeasured);
    fixture.uninstaller.forgetRemoved({ cleaned });
    QVERIFY(measured.wait(10000));
    QCOMPARE(measured.size(), 1);
    QCOMPARE(measured.first().first().toString(), QFileInfo(kept).path());
    const AppInfo now = model->index(0, 0).data(AppListModel::AppRole).value<AppInfo>();
    QCOMPARE(now.leftovers.size(), 2);
    QCOMPARE(now.leftovers.at(0).size, 1000);
    QCOMPARE(now.leftovers.at(1).size, 20);
    QCOMPARE(now.leftoverSize, 1020);
}

void TestAppUninstallerPage::finishSaysWhatWentToTheTrash_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("leftovers");
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("moved");
    QTest::addColumn<QString>("failure");
    const QString foo = QStringLiteral("Foo");
    const QString bar = QStringLiteral("Bar");
    QTest::newRow("one app") << QStringList { foo } << QList<int> { 0 } << QString()
                             << QStringLiteral("Moved Foo (1.0 MB) to the Trash.") << QString();
    QTest::newRow("one app and its leftovers")
        << QStringList { foo } << QList<int> { 3 } << QString()
        << QStringLiteral("Moved Foo and 3 leftover items (1.0 MB) to the Trash.") << QString();
    QTest::newRow("two apps") << QStringList { foo, bar } << QList<int> { 0, 0 } << QString()
                              << QStringLiteral("Moved 2 apps (2.0 MB) to the Trash.") << QString();
    QTest::newRow("two apps and their leftovers")
        << QStringList { foo, bar } << QList<int> { 2, 1 } << QString()
        << QStringLiteral("Moved 2 apps and 3 leftover items (2.0 MB) to the Trash.") << QString();
    QTest::newRow("one of two still running") << QStringList { foo, bar } << QList<int> { 2, 1 } << bar
                                              << QStringLiteral("Moved Foo and 2 leftover items (1.0 MB) to the Trash.")
                                              << QStringLiteral("Could not uninstall Bar.\nClose the app first.");
    QTest::newRow("the only app still running") << QStringList { foo } << QList<int> { 1 } << foo << QString()
                                                << QStringLiteral("Could not uninstall Foo.\nClose the app first.");
}

// After an uninstall the page says what went to the Trash, as a finished clean does; what
// stayed is reported as before.
void TestAppUninstallerPage::finishSaysWhatWentToTheTrash()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, leftovers);
    QFETCH(QString, running);
    QFETCH(QString, moved);
    QFETCH(QString, failure);
    TestHome home;
    FakeTools tools;
    qputenv("SWEEPNOOK_FAKE_FINDER", "trash");
    const QString folder = home.makeDir(QStringLiteral("Applications"));
    QList<AppInfo> apps;
    for (int a = 0; a < names.size(); ++a) {
        AppFixture::makeBundle(home, QStringLiteral("Applications/%1.app").arg(names.at(a)), {});
        AppInfo info = app(names.at(a), folder);
        for (int l = 0; l < leftovers.at(a); ++l) {
            const QString file
                = home.makeFile(QStringLiteral("Library/Caches/com.example.%1.%2/data").arg(names.at(a)).arg(l), 1000);
            info.leftovers.append({ QFileInfo(file).path(), 1000, true, LeftoverItem::Reason::BundleIdentifier });
        }
        apps.append(info);
    }
    std::unique_ptr<AppFixture::RunningCopy> runningCopy;
    if (!running.isEmpty())
        runningCopy = std::make_unique<AppFixture::RunningCopy>(
            QStringLiteral("%1/%2.app/Contents/MacOS/main").arg(folder, running));
    PageFixture fixture({ folder });
    QVERIFY(fixture.scanWith(apps));
    for (int row = 0; row < apps.size(); ++row)
        fixture.tick(row);
    auto *result = fixture.page.findChild<QLabel *>(QStringLiteral("appResultLabel"));
    QVERIFY(result->isHidden());

    QSignalSpy rescanned(&fixture.uninstaller, &AppUninstaller::scanFinished);
    {
        MessageBoxAnswerer yes(QMessageBox::Yes);
        fixture.uninstallButton()->click();
        QTRY_VERIFY(yes.answered());
    }
    if (!failure.isEmpty()) {
        MessageBoxAnswerer ok(QMessageBox::Ok);
        QTRY_VERIFY_WITH_TIMEOUT(ok.answered(), 30000);
        QCOMPARE(ok.text(), failure);
    }
    QTRY_COMPARE_WITH_TIMEOUT(rescanned.size(), 1, 30000);
    qunsetenv("SWEEPNOOK_FAKE_FINDER");
    QCOMPARE(result->isVisible(), !moved.isEmpty());
    QCOMPARE(result->text(), moved);
    QCOMPARE(result->textFormat(), Qt::PlainText);

    // Refresh puts it away.
    QVERIFY(fixture.scanWith({}));
    QVERIFY(result->isHidden());
}

QTEST_MAIN(TestAppUninstallerPage)
#include "tst_appuninstallerpage.moc"
