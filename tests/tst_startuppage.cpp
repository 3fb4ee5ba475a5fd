#include "cleaners/startupmanager.h"
#include "faketools.h"
#include "messageboxanswerer.h"
#include "pages/startuplistmodel.h"
#include "pages/startuppage.h"
#include "testhome.h"

#include <QAbstractItemModelTester>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString prefix = QStringLiteral("com.sweepnook.startup.");

StartupItem item(const QString &id, const QString &name, const QString &program, bool own,
    StartupSource source = StartupSource::LaunchAgent)
{
    StartupItem result;
    result.id = id;
    result.name = name;
    result.programPath = program;
    result.plistPath = QStringLiteral("/Users/me/Library/LaunchAgents/") + id + QStringLiteral(".plist");
    result.source = source;
    result.isOwn = own;
    return result;
}

InstalledApp app(const QString &name, bool inStartup = false)
{
    InstalledApp result;
    result.name = name;
    result.bundlePath = QStringLiteral("/Applications/") + name + QStringLiteral(".app");
    result.exePath = result.bundlePath + QStringLiteral("/Contents/MacOS/") + name;
    result.inStartup = inStartup;
    return result;
}

// Two own items, two foreign, one of the machine's daemons; three apps, one already started.
void fill(StartupListModel &model)
{
    model.setContents({ item(QStringLiteral("com.vendor.agent"), QStringLiteral("com.vendor.agent"),
                            QStringLiteral("/opt/Vendor/bin/agent"), false),
                          item(prefix + QStringLiteral("Zed"), QStringLiteral("Zed"),
                              QStringLiteral("/Applications/Zed.app/Contents/MacOS/zed"), true),
                          item(QStringLiteral("a.first.agent"), QStringLiteral("a.first.agent"),
                              QStringLiteral("/usr/local/bin/helper"), false),
                          item(prefix + QStringLiteral("Mail"), QStringLiteral("Mail"),
                              QStringLiteral("/Applications/Mail.app/Contents/MacOS/Mail"), true),
                          item(QStringLiteral("com.vendor.daemon"), QStringLiteral("com.vendor.daemon"),
                              QStringLiteral("/Library/Vendor/daemon"), false, StartupSource::System) },
        { app(QStringLiteral("Viewer")), app(QStringLiteral("Zed"), true), app(QStringLiteral("Archiver")) });
}

QStringList shownNames(const StartupListModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.kindAt(row) != StartupListModel::RowKind::Section)
            names.append(model.index(row).data().toString());
    return names;
}

int rowOf(const StartupListModel &model, const QString &name)
{
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.kindAt(row) != StartupListModel::RowKind::Section && model.index(row).data().toString() == name)
            return row;
    return -1;
}

QString makeApp(const TestHome &home, const QString &name)
{
    const QString bundle = QStringLiteral("Applications/") + name + QStringLiteral(".app");
    home.makeFileWithContent(bundle + QStringLiteral("/Contents/Info.plist"),
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleExecutable</key>"
        "<string>"
            + name.toUtf8() + "</string></dict></plist>");
    const QString exe = home.makeFile(bundle + QStringLiteral("/Contents/MacOS/") + name, 10);
    QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return home.filePath(bundle);
}

StartupLocations locationsIn(const TestHome &home)
{
    StartupLocations locations;
    locations.userAgents = home.filePath(QStringLiteral("Library/LaunchAgents"));
    locations.applicationFolders = { home.filePath(QStringLiteral("Applications")) };
    return locations;
}

QString badgeText(const StartupPage &page)
{
    return page.findChild<QLabel *>(QStringLiteral("startupCountBadge"))->text();
}

} // namespace

class TestStartupPage : public QObject
{
    Q_OBJECT

private slots:
    void modelPassesTheTester();
    void ownItemsComeFirstThenForeignThenSystemThenApps();
    void foreignItemIsCheckedAndCannotBeToggled();
    void filter_data();
    void filter();
    void pathText_data();
    void pathText();
    void pageScansAddsAndRemoves();
    void disabledOwnAgentCanBeEnabledAndRemoved();
    void failedAddShowsAMessageAndKeepsTheList();
    void slowLaunchctlLeavesThePageResponsive();
    void refreshWhileScanningDoesNothing();
    void emptyListSaysWhy_data();
    void emptyListSaysWhy();
    void hintFitsANarrowPage();
};

void TestStartupPage::modelPassesTheTester()
{
    StartupListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(model);
    model.setFilter(QStringLiteral("vendor"));
    model.setFilter(QString());
}

void TestStartupPage::ownItemsComeFirstThenForeignThenSystemThenApps()
{
    StartupListModel model;
    fill(model);
    QCOMPARE(shownNames(model),
        QStringList({ QStringLiteral("Mail"), QStringLiteral("Zed"), QStringLiteral("a.first.agent"),
            QStringLiteral("com.vendor.agent"), QStringLiteral("com.vendor.daemon"), QStringLiteral("Archiver"),
            QStringLiteral("Viewer") }));
    QCOMPARE(model.shownItemCount(), 5);
    QCOMPARE(model.shownAppCount(), 2);
}

void TestStartupPage::foreignItemIsCheckedAndCannotBeToggled()
{
    StartupListModel model;
    fill(model);
    QSignalSpy removals(&model, &StartupListModel::removeRequested);
    for (const QString &name : { QStringLiteral("com.vendor.agent"), QStringLiteral("com.vendor.daemon") }) {
        const QModelIndex index = model.index(rowOf(model, name));
        QCOMPARE(index.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(!index.flags().testFlag(Qt::ItemIsUserCheckable));
    }
    const QModelIndex own = model.index(rowOf(model, QStringLiteral("Mail")));
    QVERIFY(own.flags().testFlag(Qt::ItemIsUserCheckable));
    QCOMPARE(own.data(StartupListModel::BadgeRole).toString(), QStringLiteral("Sweepnook"));
    QCOMPARE(model.index(rowOf(model, QStringLiteral("com.vendor.agent"))).data(StartupListModel::BadgeRole).toString(),
        QStringLiteral("LaunchAgent"));
    QVERIFY(model.index(rowOf(model, QStringLiteral("com.vendor.daemon"))).data(StartupListModel::RevealRole).toBool());
    QVERIFY(!model.setData(own, int(Qt::Unchecked), Qt::CheckStateRole));
    QCOMPARE(removals.size(), 1);
    QCOMPARE(removals.first().first().value<StartupItem>().id, prefix + QStringLiteral("Mail"));
}

void TestStartupPage::filter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("spaces only show everything")
        << QStringLiteral("   ")
        << QStringList({ QStringLiteral("Mail"), QStringLiteral("Zed"), QStringLiteral("a.first.agent"),
               QStringLiteral("com.vendor.agent"), QStringLiteral("com.vendor.daemon"), QStringLiteral("Archiver"),
               QStringLiteral("Viewer") });
    QTest::newRow("name in another case") << QStringLiteral(" VIEW ") << QStringList(QStringLiteral("Viewer"));
    QTest::newRow("part of a program path")
        << QStringLiteral("LOCAL/bin") << QStringList(QStringLiteral("a.first.agent"));
    QTest::newRow("path of an application")
        << QStringLiteral("macos/archiver") << QStringList(QStringLiteral("Archiver"));
    QTest::newRow("nothing") << QStringLiteral("no such thing") << QStringList();
}

void TestStartupPage::filter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    StartupListModel model;
    fill(model);
    model.setFilter(filter);
    QCOMPARE(shownNames(model), expected);
    if (expected.isEmpty())
        QCOMPARE(model.rowCount(), 0);
}

void TestStartupPage::pathText_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QString sixty = QStringLiteral("/opt/") + QString(50, QLatin1Char('a')) + QStringLiteral("/tool");
    QTest::newRow("60 characters") << sixty << sixty.left(20) + QStringLiteral("…") + sixty.right(27);
    QTest::newRow("inside a bundle") << QStringLiteral("/Applications/Foo.app/Contents/MacOS/Foo")
                                     << QStringLiteral("/Applications/Foo.app");
    QTest::newRow("50 characters stay whole") << sixty.left(50) << sixty.left(50);
}

void TestStartupPage::pathText()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(StartupListModel::pathText(path), expected);
}

void TestStartupPage::pageScansAddsAndRemoves()
{
    TestHome home;
    FakeTools tools;
    makeApp(home, QStringLiteral("Viewer"));
    makeApp(home, QStringLiteral("Archiver"));
    StartupManager manager(locationsIn(home));
    StartupPage page(&manager);
    QSignalSpy finished(&manager, &StartupManager::refreshFinished);
    page.resize(660, 600);
    page.show();
    QVERIFY(page.isLoading());
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("startupRefreshBtn"))->isEnabled());
    QVERIFY(finished.wait(30000));
    QVERIFY(!page.isLoading());
    QCOMPARE(badgeText(page), QStringLiteral("0 startup items · 2 apps"));

    StartupListModel *model = page.model();
    QSignalSpy changed(&manager, &StartupManager::changeFinished);
    model->setData(model->index(rowOf(*model, QStringLiteral("Viewer"))), int(Qt::Checked), Qt::CheckStateRole);
    QVERIFY(changed.wait(60000));
    // The application now shows as its own, ticked startup item.
    QCOMPARE(badgeText(page), QStringLiteral("1 startup items · 1 apps"));
    const int added = rowOf(*model, QStringLiteral("Viewer"));
    QCOMPARE(model->kindAt(added), StartupListModel::RowKind::Item);
    QCOMPARE(model->index(added).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(QFileInfo::exists(
        home.filePath(QStringLiteral("Library/LaunchAgents/") + prefix + QStringLiteral("Viewer.plist"))));

    model->setData(model->index(added), int(Qt::Unchecked), Qt::CheckStateRole);
    QVERIFY(changed.wait(60000));
    QCOMPARE(badgeText(page), QStringLiteral("0 startup items · 2 apps"));
    QCOMPARE(model->kindAt(rowOf(*model, QStringLiteral("Viewer"))), StartupListModel::RowKind::App);
}

// Our own agent, switched off, shows unticked; ticking it starts it again, and unticking
// then removes it.
void TestStartupPage::disabledOwnAgentCanBeEnabledAndRemoved()
{
    TestHome home;
    FakeTools tools;
    makeApp(home, QStringLiteral("Viewer"));
    const QString plist
        = home.makeFileWithContent(QStringLiteral("Library/LaunchAgents/") + prefix + QStringLiteral("Viewer.plist"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
            "<key>Label</key><string>"
                + (prefix + QStringLiteral("Viewer")).toUtf8() + "</string><key>Program</key><string>"
                + home.filePath(QStringLiteral("Applications/Viewer.app/Contents/MacOS/Viewer")).toUtf8()
                + "</string><key>Disabled</key><true/></dict></plist>\n");
    StartupManager manager(locationsIn(home));
    StartupPage page(&manager);
    QSignalSpy finished(&manager, &StartupManager::refreshFinished);
    page.show();
    QVERIFY(finished.wait(30000));
    StartupListModel *model = page.model();
    const int row = rowOf(*model, QStringLiteral("Viewer"));
    QVERIFY2(row >= 0, qPrintable(shownNames(*model).join(QLatin1Char(','))));
    QCOMPARE(model->kindAt(row), StartupListModel::RowKind::Item);
    QCOMPARE(model->index(row).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));

    QSignalSpy changed(&manager, &StartupManager::changeFinished);
    model->setData(model->index(row), int(Qt::Checked), Qt::CheckStateRole);
    QVERIFY(changed.wait(60000));
    const int enabled = rowOf(*model, QStringLiteral("Viewer"));
    QVERIFY2(enabled >= 0, qPrintable(shownNames(*model).join(QLatin1Char(','))));
    QCOMPARE(model->kindAt(enabled), StartupListModel::RowKind::Item);
    QCOMPARE(model->index(enabled).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QVERIFY(!StartupManager::parsePlistExePath(plist).isEmpty());

    model->setData(model->index(enabled), int(Qt::Unchecked), Qt::CheckStateRole);
    QVERIFY(changed.wait(60000));
    QVERIFY(!QFileInfo::exists(plist));
    QCOMPARE(model->kindAt(rowOf(*model, QStringLiteral("Viewer"))), StartupListModel::RowKind::App);
}

void TestStartupPage::failedAddShowsAMessageAndKeepsTheList()
{
    TestHome home;
    FakeTools tools;
    makeApp(home, QStringLiteral("Viewer"));
    StartupLocations locations = locationsIn(home);
    locations.userAgents = QStringLiteral("/proc/self");
    StartupManager manager(locations);
    StartupPage page(&manager);
    QSignalSpy finished(&manager, &StartupManager::refreshFinished);
    page.show();
    QVERIFY(finished.wait(30000));
    StartupListModel *model = page.model();
    MessageBoxAnswerer answerer(QMessageBox::Ok);
    model->setData(model->index(rowOf(*model, QStringLiteral("Viewer"))), int(Qt::Checked), Qt::CheckStateRole);
    QTRY_VERIFY_WITH_TIMEOUT(answerer.answered(), 60000);
    QCOMPARE(answerer.title(), QStringLiteral("Operation Failed"));
    QCOMPARE(answerer.text(), QStringLiteral("Failed to add \"Viewer\" to startup."));
    const QModelIndex viewer = model->index(rowOf(*model, QStringLiteral("Viewer")));
    QCOMPARE(model->kindAt(viewer.row()), StartupListModel::RowKind::App);
    QCOMPARE(viewer.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
}

// launchctl may take long to answer: the page goes on handling events meanwhile, and the list
// follows once it has.
void TestStartupPage::slowLaunchctlLeavesThePageResponsive()
{
    TestHome home;
    FakeTools tools;
    makeApp(home, QStringLiteral("Viewer"));
    StartupManager manager(locationsIn(home));
    StartupPage page(&manager);
    QSignalSpy finished(&manager, &StartupManager::refreshFinished);
    page.show();
    QVERIFY(finished.wait(30000));
    const QString gate = home.filePath(QStringLiteral("launchctl may answer"));
    qputenv("SWEEPNOOK_FAKE_LAUNCHCTL_GATE", QFile::encodeName(gate));
    const auto ungate = qScopeGuard([] { qunsetenv("SWEEPNOOK_FAKE_LAUNCHCTL_GATE"); });
    StartupListModel *model = page.model();
    model->setData(model->index(rowOf(*model, QStringLiteral("Viewer"))), int(Qt::Checked), Qt::CheckStateRole);
    // Back at once: launchctl has not answered.
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl gave up")));
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl load")));
    QCOMPARE(model->kindAt(rowOf(*model, QStringLiteral("Viewer"))), StartupListModel::RowKind::App);
    // While it waits, events are handled.
    QTRY_VERIFY_WITH_TIMEOUT(tools.callLog().contains(QStringLiteral("launchctl bootstrap")), 60000);
    bool handled = false;
    QTimer::singleShot(0, &page, [&handled] { handled = true; });
    QTRY_VERIFY(handled);
    QVERIFY(!QFileInfo::exists(gate));
    home.makeFile(QStringLiteral("launchctl may answer"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(
        model->kindAt(rowOf(*model, QStringLiteral("Viewer"))), StartupListModel::RowKind::Item, 60000);
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl gave up")));
    QVERIFY(!tools.callLog().contains(QStringLiteral("launchctl load")));
}

void TestStartupPage::refreshWhileScanningDoesNothing()
{
    TestHome home;
    FakeTools tools;
    for (int i = 0; i < 5; ++i)
        makeApp(home, QStringLiteral("App%1").arg(i));
    StartupManager manager(locationsIn(home));
    StartupPage page(&manager);
    QSignalSpy finished(&manager, &StartupManager::refreshFinished);
    QSignalSpy progress(&manager, &StartupManager::progressChanged);
    page.show();
    auto *refresh = page.findChild<QPushButton *>(QStringLiteral("startupRefreshBtn"));
    QMetaObject::invokeMethod(&page, "onRefreshClicked");
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QVERIFY(refresh->isEnabled());
    QCOMPARE(badgeText(page), QStringLiteral("0 startup items · 5 apps"));
    // One scan: it began once.
    int scansBegun = 0;
    for (const QList<QVariant> &message : std::as_const(progress))
        scansBegun += message.first().toString() == QLatin1String("Scanning startup items...") ? 1 : 0;
    QCOMPARE(scansBegun, 1);
}

void TestStartupPage::emptyListSaysWhy_data()
{
    QTest::addColumn<QStringList>("apps");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("emptyText");
    const QStringList two { QStringLiteral("Viewer"), QStringLiteral("Archiver") };
    QTest::newRow("no match") << two << QStringLiteral("  <b>no such</b> ")
                              << QStringLiteral("No startup items match \"<b>no such</b>\"");
    QTest::newRow("a match") << two << QStringLiteral("view") << QString();
    QTest::newRow("no search") << two << QString() << QString();
    QTest::newRow("nothing on this Mac") << QStringList() << QString()
                                         << QStringLiteral("No startup items or apps found");
}

void TestStartupPage::emptyListSaysWhy()
{
    QFETCH(QStringList, apps);
    QFETCH(QString, search);
    QFETCH(QString, emptyText);
    TestHome home;
    FakeTools tools;
    for (const QString &name : std::as_const(apps))
        makeApp(home, name);
    StartupManager manager(locationsIn(home));
    StartupPage page(&manager);
    QSignalSpy finished(&manager, &StartupManager::refreshFinished);
    page.show();
    QVERIFY(finished.wait(30000));
    page.findChild<QLineEdit *>(QStringLiteral("startupSearch"))->setText(search);
    QCOMPARE(page.emptyText(), emptyText);
    auto *empty = page.findChild<QLabel *>(QStringLiteral("startupEmpty"));
    QCOMPARE(empty->isVisible(), !emptyText.isEmpty());
    QCOMPARE(empty->textFormat(), Qt::PlainText);
    // Clearing the search brings the list back.
    if (!apps.isEmpty()) {
        page.findChild<QLineEdit *>(QStringLiteral("startupSearch"))->clear();
        QCOMPARE(page.emptyText(), QString());
    }
}

void TestStartupPage::hintFitsANarrowPage()
{
    TestHome home;
    FakeTools tools;
    StartupManager manager(locationsIn(home));
    StartupPage page(&manager);
    page.resize(560, 500);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *hint = page.findChild<QLabel *>(QStringLiteral("startupHint"));
    // Whole inside the page, tall enough for every line it wraps into.
    QVERIFY(hint->geometry().right() < page.width());
    QVERIFY2(hint->height() >= hint->heightForWidth(hint->width()),
        qPrintable(QStringLiteral("%1 < %2").arg(hint->height()).arg(hint->heightForWidth(hint->width()))));
    QVERIFY(hint->fontMetrics().horizontalAdvance(hint->text()) > hint->width());
}

QTEST_MAIN(TestStartupPage)
#include "tst_startuppage.moc"
