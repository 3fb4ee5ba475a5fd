#include "cleaners/tweakmanager.h"
#include "faketools.h"
#include "pages/tweakspage.h"
#include "testhome.h"
#include "widgets/toggleswitch.h"
#include "widgetshot.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

ToggleSwitch *toggleOf(const TweaksPage &page, const QString &id)
{
    for (auto *card : page.findChildren<QWidget *>(QStringLiteral("tweakCard"))) {
        if (card->property("tweakId").toString() == id)
            return card->findChild<ToggleSwitch *>();
    }
    return nullptr;
}

QStringList labelTexts(const TweaksPage &page, const QString &objectName)
{
    QStringList texts;
    for (const QLabel *label : page.findChildren<QLabel *>(objectName))
        texts.append(label->text());
    return texts;
}

QByteArray recordingSc(int exitCode)
{
    return "#!/bin/sh\necho \"sc $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\nexit " + QByteArray::number(exitCode) + '\n';
}

// Three service tweaks, two of them recommended, and a name that looks like markup.
const char *const ServiceCatalogue = R"([
    {"id": "first", "name": "<b>First</b>", "desc": "d", "category": "Privacy", "risk": "safe", "defaultOn": true,
     "services": [{"name": "One", "startType": "Disabled", "original": "Automatic"}]},
    {"id": "second", "name": "Second", "desc": "d", "category": "Privacy", "risk": "safe", "defaultOn": false,
     "services": [{"name": "Two", "startType": "Disabled", "original": "Automatic"}]},
    {"id": "third", "name": "Third", "desc": "d", "category": "UI", "risk": "safe", "defaultOn": true,
     "services": [{"name": "Three", "startType": "Disabled", "original": "Automatic"}]}
])";

} // namespace

class TestTweaksPage : public QObject
{
    Q_OBJECT

private slots:
    void hereEveryTweakIsShownButCannotBeChanged();
    void switchAppliesAndShowsTheOutcome_data();
    void switchAppliesAndShowsTheOutcome();
    void applyRecommendedAppliesOnlyTheRecommendedOnes();
};

void TestTweaksPage::hereEveryTweakIsShownButCannotBeChanged()
{
    FakeTools tools;
    TestHome home;
    tools.addTool(QStringLiteral("sc"), recordingSc(0));
    TweakManager manager;
    QVERIFY(manager.load(TweakManager::catalogueFile(QStringLiteral("en"))));
    TweaksPage page(&manager);
    WidgetShot::render(&page, QStringLiteral("tweaks-page"));

    QCOMPARE(page.findChildren<QWidget *>(QStringLiteral("tweakCard")).size(), 21);
    QCOMPARE(labelTexts(page, QStringLiteral("tweakCategoryHeader")),
        QStringList({ QStringLiteral("Privacy"), QStringLiteral("Performance"), QStringLiteral("Interface"),
            QStringLiteral("Security") }));
    QCOMPARE(labelTexts(page, QStringLiteral("cautionBadge")).size(), 3);
    QCOMPARE(labelTexts(page, QStringLiteral("tamperNote")).size(), 1);
    QVERIFY(page.findChild<QWidget *>(QStringLiteral("tweaksPlatformBanner"))->isVisibleTo(&page));
    QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("applyRecommendedBtn"))->isEnabled());
    for (const ToggleSwitch *toggle : page.findChildren<ToggleSwitch *>()) {
        QVERIFY(!toggle->isEnabled());
        QVERIFY(!toggle->isChecked());
    }
    for (const QLabel *label : page.findChildren<QLabel *>())
        QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(tools.callLog(), QString());
}

void TestTweaksPage::switchAppliesAndShowsTheOutcome_data()
{
    QTest::addColumn<int>("scExit");
    QTest::newRow("sc succeeds") << 0;
    QTest::newRow("sc fails") << 2;
}

void TestTweaksPage::switchAppliesAndShowsTheOutcome()
{
    QFETCH(int, scExit);
    FakeTools tools;
    TestHome home;
    tools.addTool(QStringLiteral("sc"), recordingSc(scExit));
    TweakManager manager;
    manager.setWindowsToolsForTesting(true);
    QVERIFY(manager.load(TweakManager::catalogueFile(QStringLiteral("en"))));
    TweaksPage page(&manager);
    page.show();

    ToggleSwitch *location = toggleOf(page, QStringLiteral("disable_location"));
    QVERIFY(location && location->isEnabled());
    QVERIFY(!toggleOf(page, QStringLiteral("show_file_extensions"))->isEnabled());
    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    location->click();
    // While the work runs the switch shows the new position and takes no second click.
    QVERIFY(location->isChecked());
    QVERIFY(!location->isEnabled());
    QVERIFY(applied.wait());

    const bool ok = scExit == 0;
    QVERIFY(location->isEnabled());
    QCOMPARE(location->isChecked(), ok);
    auto *status = page.findChild<QLabel *>(QStringLiteral("tweakStatusLabel"));
    QCOMPARE(status->isVisibleTo(&page), !ok);
    QCOMPARE(status->text().contains(QLatin1String("Disable Location Tracking")), !ok);
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("tweaksSummary"))->text(),
        ok ? QStringLiteral("1 of 21 on") : QStringLiteral("0 of 21 on"));
}

void TestTweaksPage::applyRecommendedAppliesOnlyTheRecommendedOnes()
{
    FakeTools tools;
    TestHome home;
    tools.addTool(QStringLiteral("sc"), recordingSc(0));
    TweakManager manager;
    manager.setWindowsToolsForTesting(true);
    QVERIFY(manager.load(home.makeFileWithContent(QStringLiteral("catalogue.json"), ServiceCatalogue)));
    TweaksPage page(&manager);
    QVERIFY(!page.findChild<QWidget *>(QStringLiteral("tweaksPlatformBanner")));
    auto *button = page.findChild<QPushButton *>(QStringLiteral("applyRecommendedBtn"));
    QVERIFY(button->isEnabled());

    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    button->click();
    QVERIFY(!button->isEnabled());
    QTRY_COMPARE(applied.size(), 2);
    QCOMPARE(tools.callLog(), QStringLiteral("sc config One start= disabled\nsc config Three start= disabled\n"));
    QVERIFY(toggleOf(page, QStringLiteral("first"))->isChecked());
    QVERIFY(!toggleOf(page, QStringLiteral("second"))->isChecked());
    QVERIFY(toggleOf(page, QStringLiteral("third"))->isChecked());
    QVERIFY(!button->isEnabled());
    QVERIFY(labelTexts(page, QStringLiteral("tweakName")).contains(QStringLiteral("<b>First</b>")));
}

QTEST_MAIN(TestTweaksPage)
#include "tst_tweakspage.moc"
