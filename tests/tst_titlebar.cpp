#include "app/navbutton.h"
#include "app/relauncher.h"
#include "app/titlebar.h"
#include "core/languages.h"
#include "widgets/elidedlabel.h"
#include "dialogcloser.h"
#include "faketools.h"
#include "testhome.h"

#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QWidget>

class TestTitleBar : public QObject
{
    Q_OBJECT

private slots:
    void navButtonClicksOnlyOnLeftReleaseInside_data();
    void navButtonClicksOnlyOnLeftReleaseInside();
    void navButtonAnnouncesOnlyCheckedChanges();
    void navButtonHidesEmptyAndPlaceholderBadges_data();
    void navButtonHidesEmptyAndPlaceholderBadges();
    void navButtonRecoloursItsIcon();
    void navButtonElidesALabelThatDoesNotFit_data();
    void navButtonElidesALabelThatDoesNotFit();
    void menuEntriesEmitTheirSignals_data();
    void menuEntriesEmitTheirSignals();
    void languageMenuChecksTheStoredLanguage();
    void choosingTheCurrentLanguageDoesNothing();
    void languageMenuTellsTheLanguageInUse_data();
    void languageMenuTellsTheLanguageInUse();
    void choosingAnotherLanguageStoresItAndReopensTheBundle();
    void restartWithoutBundleStartsTheExecutable();
    void failedRestartIsReported();
    void restartQuitsEvenWhenTheWindowOnlyHidesOnClose();
    void bundlePath_data();
    void bundlePath();

private:
    static QAction *languageAction(TitleBar &bar, const QString &code);
    static void storeLanguage(const QString &code);
    static QString fakeExecutable(const TestHome &home, const QString &relativePath);
};

QAction *TestTitleBar::languageAction(TitleBar &bar, const QString &code)
{
    const QList<QAction *> actions = bar.findChildren<QAction *>();
    for (QAction *action : actions) {
        if (action->isCheckable() && action->data().toString() == code)
            return action;
    }
    return nullptr;
}

void TestTitleBar::storeLanguage(const QString &code)
{
    QSettings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook")).setValue(QStringLiteral("language"), code);
}

// A stand-in for the program's executable that records that it was started.
QString TestTitleBar::fakeExecutable(const TestHome &home, const QString &relativePath)
{
    const QString path
        = home.makeFileWithContent(relativePath, "#!/bin/sh\necho \"started $0\" >> \"$SWEEPNOOK_FAKE_LOG\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestTitleBar::navButtonClicksOnlyOnLeftReleaseInside_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releasePoint");
    QTest::addColumn<bool>("clicked");
    QTest::newRow("left inside") << int(Qt::LeftButton) << QPoint(100, 20) << true;
    QTest::newRow("left dragged outside") << int(Qt::LeftButton) << QPoint(100, 80) << false;
    QTest::newRow("left dragged off the left edge") << int(Qt::LeftButton) << QPoint(-5, 20) << false;
    QTest::newRow("right inside") << int(Qt::RightButton) << QPoint(100, 20) << false;
}

void TestTitleBar::navButtonClicksOnlyOnLeftReleaseInside()
{
    QFETCH(int, button);
    QFETCH(QPoint, releasePoint);
    QFETCH(bool, clicked);
    NavButton nav(QStringLiteral("Junk Cleaner"), QStringLiteral(":/icons/trash.svg"));
    nav.resize(188, 48);
    QSignalSpy clicks(&nav, &NavButton::clicked);

    QTest::mousePress(&nav, Qt::MouseButton(button), {}, QPoint(100, 20));
    QTest::mouseRelease(&nav, Qt::MouseButton(button), {}, releasePoint);
    QCOMPARE(clicks.count(), clicked ? 1 : 0);
    QVERIFY(!nav.isChecked());
}

void TestTitleBar::navButtonAnnouncesOnlyCheckedChanges()
{
    NavButton nav(QStringLiteral("Dashboard"), QStringLiteral(":/icons/dashboard.svg"));
    QSignalSpy changes(&nav, &NavButton::checkedChanged);
    nav.setChecked(true);
    nav.setChecked(true);
    nav.setChecked(false);
    nav.setChecked(false);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(0).at(0).toBool(), true);
    QCOMPARE(changes.at(1).at(0).toBool(), false);
}

void TestTitleBar::navButtonHidesEmptyAndPlaceholderBadges_data()
{
    QTest::addColumn<QString>("badge");
    QTest::addColumn<bool>("shown");
    QTest::newRow("count") << QStringLiteral("12") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("no value yet") << QStringLiteral("--") << false;
}

void TestTitleBar::navButtonHidesEmptyAndPlaceholderBadges()
{
    QFETCH(QString, badge);
    QFETCH(bool, shown);
    NavButton nav(QStringLiteral("Large Files"), QStringLiteral(":/icons/largefile.svg"));
    nav.setSubText(QStringLiteral("3"));
    nav.setSubText(badge);
    bool badgeShown = false;
    const QList<QLabel *> labels = nav.findChildren<QLabel *>();
    for (const QLabel *label : labels)
        badgeShown = badgeShown || (!label->isHidden() && label->text() == badge && !badge.isEmpty());
    QCOMPARE(badgeShown, shown);
}

void TestTitleBar::navButtonRecoloursItsIcon()
{
    const QPixmap icon
        = NavButton::loadSvgWithColor(QStringLiteral(":/icons/trash.svg"), QColor(0x10, 0xB9, 0x81), 2.0);
    QCOMPARE(icon.size(), QSize(48, 48));
    QCOMPARE(icon.devicePixelRatio(), 2.0);
    const QImage image = icon.toImage().convertToFormat(QImage::Format_ARGB32);
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            // Edge pixels lose colour precision to premultiplied alpha: judge the solid ones.
            if (qAlpha(pixel) < 255)
                continue;
            ++painted;
            QCOMPARE(QColor(pixel).rgb() & 0xFFFFFF, QRgb(0x10B981));
        }
    }
    QVERIFY(painted > 20);
    QVERIFY(NavButton::loadSvgWithColor(QStringLiteral(":/icons/missing.svg"), Qt::white, 1.0).isNull());
}

void TestTitleBar::navButtonElidesALabelThatDoesNotFit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("elided");
    QTest::newRow("short") << QStringLiteral("Junk") << false << false;
    QTest::newRow("short, checked") << QStringLiteral("Junk") << true << false;
    QTest::newRow("long") << QStringLiteral("Programme beim Anmelden und Hintergrundobjekte") << false << true;
    QTest::newRow("long, checked") << QStringLiteral("Programme beim Anmelden und Hintergrundobjekte") << true << true;
}

// A label wider than the side-bar entry ends in "…" inside the entry and shows in full as a tooltip.
void TestTitleBar::navButtonElidesALabelThatDoesNotFit()
{
    QFETCH(QString, text);
    QFETCH(bool, checked);
    QFETCH(bool, elided);
    NavButton nav(QStringLiteral("Dashboard"), QStringLiteral(":/icons/trash.svg"));
    nav.resize(188, 48);
    nav.show();
    nav.setChecked(checked);
    nav.setText(text);
    auto *label = nav.findChild<ElidedLabel *>();
    QVERIFY(label);
    QCOMPARE(nav.text(), text);
    QVERIFY(label->geometry().right() < nav.width());
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
    QCOMPARE(label->text().endsWith(QChar(0x2026)), elided);
    QCOMPARE(label->toolTip(), elided ? text : QString());
}

void TestTitleBar::menuEntriesEmitTheirSignals_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("settings") << QStringLiteral("Settings") << QByteArray(SIGNAL(settingsClicked()));
    QTest::newRow("about") << QStringLiteral("About") << QByteArray(SIGNAL(aboutClicked()));
    QTest::newRow("help") << QStringLiteral("Help") << QByteArray(SIGNAL(helpClicked()));
    QTest::newRow("support") << QStringLiteral("Support") << QByteArray(SIGNAL(supportClicked()));
}

void TestTitleBar::menuEntriesEmitTheirSignals()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, signal);
    TestHome home;
    TitleBar bar;
    QSignalSpy spy(&bar, signal.constData());
    QAction *found = nullptr;
    const QList<QAction *> actions = bar.menu()->actions();
    for (QAction *action : actions) {
        if (action->text().endsWith(QStringLiteral("  ") + entry))
            found = action;
    }
    QVERIFY(found);
    found->trigger();
    QCOMPARE(spy.count(), 1);
}

void TestTitleBar::languageMenuChecksTheStoredLanguage()
{
    TestHome home;
    storeLanguage(QStringLiteral("ja"));
    TitleBar bar;
    int checked = 0;
    const QList<QAction *> actions = bar.findChildren<QAction *>();
    for (const QAction *action : actions)
        checked += action->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);
    QVERIFY(languageAction(bar, QStringLiteral("ja"))->isChecked());
    QVERIFY(languageAction(bar, QStringLiteral("zh_TW")));
}

void TestTitleBar::choosingTheCurrentLanguageDoesNothing()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("open"), "#!/bin/sh\necho \"open $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\n");
    TitleBar bar;
    bar.setExecutablePath(fakeExecutable(home, QStringLiteral("Sweepnook.app/Contents/MacOS/Sweepnook")));
    QSignalSpy changes(&bar, &TitleBar::languageChanged);
    DialogCloser closer;

    languageAction(bar, QStringLiteral("en"))->trigger();
    QCOMPARE(changes.count(), 0);
    QVERIFY(closer.titles().isEmpty());
    QVERIFY(!QSettings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook")).contains(QStringLiteral("language")));
    QVERIFY(tools.callLog().isEmpty());
}

void TestTitleBar::languageMenuTellsTheLanguageInUse_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("inUse");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("restarts");
    QTest::newRow("German system, English chosen") << "" << "de_DE" << "de" << "en" << true;
    QTest::newRow("German system, German chosen") << "" << "de_DE" << "de" << "de" << false;
    QTest::newRow("Chinese system, English chosen") << "" << "zh_CN" << "zh_TW" << "en" << true;
    QTest::newRow("English system, English chosen") << "" << "en_GB" << "en" << "en" << false;
    QTest::newRow("unoffered system language, French chosen") << "" << "ru_RU" << "en" << "fr" << true;
    QTest::newRow("stored Japanese, Japanese chosen") << "ja" << "de_DE" << "ja" << "ja" << false;
    QTest::newRow("stored Japanese, system's German chosen") << "ja" << "de_DE" << "ja" << "de" << true;
    QTest::newRow("stored English, Chinese system") << "en" << "zh_TW" << "en" << "zh_TW" << true;
}

// Start-up's choice is what the menu checks; choosing another entry stores it and restarts, the
// checked one changes nothing.
void TestTitleBar::languageMenuTellsTheLanguageInUse()
{
    QFETCH(QString, stored);
    QFETCH(QString, systemLocale);
    QFETCH(QString, inUse);
    QFETCH(QString, chosen);
    QFETCH(bool, restarts);
    TestHome home;
    FakeTools tools;
    const QString executable = fakeExecutable(home, QStringLiteral("build/sweepnook"));
    if (!stored.isEmpty())
        storeLanguage(stored);
    QCOMPARE(Languages::choose(stored, systemLocale), inUse);
    TitleBar bar;
    bar.setExecutablePath(executable);
    bar.setLanguageInUse(inUse);
    for (const Language &language : Languages::offered())
        QCOMPARE(languageAction(bar, language.code)->isChecked(), language.code == inUse);
    DialogCloser closer;

    languageAction(bar, chosen)->trigger();
    const QSettings settings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook"));
    QCOMPARE(settings.value(QStringLiteral("language")).toString(), restarts ? chosen : stored);
    QVERIFY(languageAction(bar, chosen)->isChecked());
    if (restarts) {
        QTRY_COMPARE(tools.callLog(), QStringLiteral("started %1\n").arg(executable));
    } else {
        QVERIFY(closer.titles().isEmpty());
        QVERIFY(tools.callLog().isEmpty());
    }
}

void TestTitleBar::choosingAnotherLanguageStoresItAndReopensTheBundle()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("open"), "#!/bin/sh\necho \"open $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\n");
    storeLanguage(QStringLiteral("en"));
    TitleBar bar;
    bar.setExecutablePath(fakeExecutable(home, QStringLiteral("Sweepnook.app/Contents/MacOS/Sweepnook")));
    QSignalSpy changes(&bar, &TitleBar::languageChanged);
    DialogCloser closer;

    languageAction(bar, QStringLiteral("fr"))->trigger();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("fr"));
    QCOMPARE(
        QSettings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook")).value(QStringLiteral("language")).toString(),
        QStringLiteral("fr"));
    QCOMPARE(closer.titles(), QStringList { QStringLiteral("Language Changed") });
    QTRY_COMPARE(tools.callLog(), QStringLiteral("open -n %1\n").arg(home.filePath(QStringLiteral("Sweepnook.app"))));
}

void TestTitleBar::restartWithoutBundleStartsTheExecutable()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("open"), "#!/bin/sh\necho \"open $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\n");
    const QString executable = fakeExecutable(home, QStringLiteral("build/sweepnook"));
    TitleBar bar;
    bar.setExecutablePath(executable);
    DialogCloser closer;

    languageAction(bar, QStringLiteral("de"))->trigger();
    QCOMPARE(closer.titles(), QStringList { QStringLiteral("Language Changed") });
    QTRY_COMPARE(tools.callLog(), QStringLiteral("started %1\n").arg(executable));
}

void TestTitleBar::failedRestartIsReported()
{
    TestHome home;
    FakeTools tools;
    tools.addTool(QStringLiteral("open"), "#!/bin/sh\necho \"open $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\nexit 1\n");
    TitleBar bar;
    bar.setExecutablePath(home.filePath(QStringLiteral("Sweepnook.app/Contents/MacOS/missing")));
    DialogCloser closer;

    languageAction(bar, QStringLiteral("ko"))->trigger();
    QCOMPARE(closer.titles(), (QStringList { QStringLiteral("Language Changed"), QStringLiteral("Restart Failed") }));
    QCOMPARE(tools.callLog(), QStringLiteral("open -n %1\n").arg(home.filePath(QStringLiteral("Sweepnook.app"))));
}

namespace {

// A window that refuses to close, as the main window does when it minimises to the tray.
class HidesOnClose final : public QWidget
{
protected:
    void closeEvent(QCloseEvent *event) override
    {
        hide();
        event->ignore();
    }
};

} // namespace

void TestTitleBar::restartQuitsEvenWhenTheWindowOnlyHidesOnClose()
{
    TestHome home;
    FakeTools tools;
    const QString executable = fakeExecutable(home, QStringLiteral("build/sweepnook"));
    HidesOnClose window;
    auto *bar = new TitleBar(&window);
    bar->setExecutablePath(executable);
    window.show();
    DialogCloser closer;
    // A guard against a hang only: the restart ends the event loop with 0 long before.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);

    QTimer::singleShot(0, bar, [bar] { languageAction(*bar, QStringLiteral("de"))->trigger(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QTRY_COMPARE(tools.callLog(), QStringLiteral("started %1\n").arg(executable));
}

void TestTitleBar::bundlePath_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("bundle");
    QTest::newRow("in a bundle") << QStringLiteral("/Applications/Sweepnook.app/Contents/MacOS/Sweepnook")
                                 << QStringLiteral("/Applications/Sweepnook.app");
    QTest::newRow("plain build folder") << QStringLiteral("/home/me/build/sweepnook") << QString();
    QTest::newRow("MacOS folder outside a bundle") << QStringLiteral("/opt/Contents/MacOS/sweepnook") << QString();
}

void TestTitleBar::bundlePath()
{
    QFETCH(QString, executable);
    QFETCH(QString, bundle);
    QCOMPARE(Relauncher::bundlePath(executable), bundle);
}

QTEST_MAIN(TestTitleBar)
#include "tst_titlebar.moc"
