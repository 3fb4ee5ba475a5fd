#include "cleaners/tweakmanager.h"
#include "core/settings.h"
#include "faketools.h"
#include "testhome.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString UltimateScheme = QStringLiteral("e9a42b02-d5df-448d-aa00-03f14749eb61");

QJsonArray readCatalogue(const QString &language)
{
    QFile file(QStringLiteral(":/data/data/tweaks_%1.json").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).array();
}

// The store the applied flags have always been kept in, opened as an earlier version did.
QSettings tweakStateStore()
{
    return QSettings(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velocrest"), QStringLiteral("TweakState"));
}

QStringList storedKeys()
{
    return tweakStateStore().allKeys();
}

// A fake Windows tool that records its call and exits with exitCode.
QByteArray recordingTool(const char *name, int exitCode)
{
    return QByteArray("#!/bin/sh\necho \"") + name + " $*\" >> \"$SWEEPNOOK_FAKE_LOG\"\nexit "
        + QByteArray::number(exitCode) + '\n';
}

TweakDef find(const TweakManager &manager, const QString &id)
{
    for (const TweakDef &tweak : manager.tweaks()) {
        if (tweak.id == id)
            return tweak;
    }
    return {};
}

// The English catalogue, with fake "sc" and "powercfg" standing for Windows' own.
void standInForWindows(TweakManager &manager, const FakeTools &tools, int scExit, int powercfgExit)
{
    manager.load(TweakManager::catalogueFile(QStringLiteral("en")));
    tools.addTool(QStringLiteral("sc"), recordingTool("sc", scExit));
    tools.addTool(QStringLiteral("powercfg"), recordingTool("powercfg", powercfgExit));
    manager.setWindowsToolsForTesting(true);
}

} // namespace

class TestTweakManager : public QObject
{
    Q_OBJECT

private slots:
    void englishCatalogueListsTheTweaksInOrder();
    void everyLanguageDiffersOnlyInNameAndDescription_data();
    void everyLanguageDiffersOnlyInNameAndDescription();
    void catalogueFileFallsBackToEnglish_data();
    void catalogueFileFallsBackToEnglish();
    void loadReadsFieldsAndDefaults();
    void badCatalogueIsRefusedAndKeepsTheOldOne_data();
    void badCatalogueIsRefusedAndKeepsTheOldOne();
    void notWindowsFailsEveryTweakWithoutStartingAnything();
    void serviceTweakOnWindows_data();
    void serviceTweakOnWindows();
    void serviceRevertPassesAutoAndClearsTheFlag();
    void failedRevertKeepsTheFlag();
    void appliedFlagsRoundTripThroughTheSettingsTable();
    void registryTweakNeedsTheRegistry();
    void powerPlanResultCounts_data();
    void powerPlanResultCounts();
    void revertWithoutServicesClearsTheFlag();
    void queuedTweaksEachEndOnceInOrder();
};

void TestTweakManager::englishCatalogueListsTheTweaksInOrder()
{
    const QStringList expected = { QStringLiteral("disable_telemetry"), QStringLiteral("disable_advertising_id"),
        QStringLiteral("disable_activity_history"), QStringLiteral("disable_bing_search"),
        QStringLiteral("disable_location"), QStringLiteral("disable_cortana"), QStringLiteral("disable_copilot"),
        QStringLiteral("disable_delivery_optimization"), QStringLiteral("disable_background_apps"),
        QStringLiteral("ultimate_performance"), QStringLiteral("disable_sysmain"),
        QStringLiteral("disable_mouse_acceleration"), QStringLiteral("disable_gamebar"),
        QStringLiteral("classic_context_menu"), QStringLiteral("show_file_extensions"),
        QStringLiteral("show_hidden_files"), QStringLiteral("disable_widgets"), QStringLiteral("disable_chat"),
        QStringLiteral("disable_sticky_keys"), QStringLiteral("taskbar_left"), QStringLiteral("disable_defender") };
    const QJsonArray english = readCatalogue(QStringLiteral("en"));
    QStringList ids;
    for (const QJsonValue &entry : english) {
        const QJsonObject tweak = entry.toObject();
        ids.append(tweak.value(QStringLiteral("id")).toString());
        // Every value names its hive and key, the way Windows spells them.
        for (const QJsonValue &value : tweak.value(QStringLiteral("registry")).toArray()) {
            const QJsonObject registry = value.toObject();
            const QString hive = registry.value(QStringLiteral("hive")).toString();
            const QString path = registry.value(QStringLiteral("path")).toString();
            QVERIFY2(hive == QLatin1String("HKEY_LOCAL_MACHINE") || hive == QLatin1String("HKEY_CURRENT_USER"),
                qPrintable(hive));
            QVERIFY2(!path.isEmpty() && !path.startsWith(u'\\') && !path.endsWith(u'\\') && !path.contains(u'/')
                    && !path.contains(QLatin1String("\\\\")),
                qPrintable(path));
            QVERIFY(QStringList({ QStringLiteral("DWORD"), QStringLiteral("STRING") })
                        .contains(registry.value(QStringLiteral("type")).toString()));
            QVERIFY(registry.value(QStringLiteral("value")).isString());
            QVERIFY(registry.value(QStringLiteral("original")).isString());
        }
        for (const QJsonValue &value : tweak.value(QStringLiteral("services")).toArray()) {
            QCOMPARE(value.toObject().value(QStringLiteral("startType")).toString(), QStringLiteral("Disabled"));
            QCOMPARE(value.toObject().value(QStringLiteral("original")).toString(), QStringLiteral("Automatic"));
        }
    }
    QCOMPARE(ids, expected);
}

void TestTweakManager::everyLanguageDiffersOnlyInNameAndDescription_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : { "de", "es", "fr", "it", "ja", "ko", "nl", "pt", "zh_TW" })
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestTweakManager::everyLanguageDiffersOnlyInNameAndDescription()
{
    QFETCH(QString, language);
    const QJsonArray english = readCatalogue(QStringLiteral("en"));
    const QJsonArray translated = readCatalogue(language);
    QCOMPARE(english.size(), 21);
    QCOMPARE(translated.size(), english.size());
    for (int i = 0; i < english.size(); ++i) {
        QJsonObject source = english.at(i).toObject();
        QJsonObject target = translated.at(i).toObject();
        const QString id = source.value(QStringLiteral("id")).toString();
        for (const QString &key : { QStringLiteral("name"), QStringLiteral("desc") }) {
            QVERIFY2(!target.value(key).toString().trimmed().isEmpty(), qPrintable(id + u' ' + key));
            source.remove(key);
            target.remove(key);
        }
        QVERIFY2(source == target, qPrintable(id));
    }
}

void TestTweakManager::catalogueFileFallsBackToEnglish_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("english") << "en"
                             << ":/data/data/tweaks_en.json";
    QTest::newRow("traditional chinese") << "zh_TW"
                                         << ":/data/data/tweaks_zh_TW.json";
    QTest::newRow("german") << "de"
                            << ":/data/data/tweaks_de.json";
    QTest::newRow("not offered") << "sv"
                                 << ":/data/data/tweaks_en.json";
    QTest::newRow("empty") << ""
                           << ":/data/data/tweaks_en.json";
}

void TestTweakManager::catalogueFileFallsBackToEnglish()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    QCOMPARE(TweakManager::catalogueFile(language), file);
}

void TestTweakManager::loadReadsFieldsAndDefaults()
{
    TestHome home;
    TweakManager manager;
    QVERIFY(manager.load(TweakManager::catalogueFile(QStringLiteral("en"))));
    QCOMPARE(manager.tweaks().size(), 21);
    const TweakDef defender = manager.tweaks().last();
    QCOMPARE(defender.name, QStringLiteral("Disable Windows Defender Real-Time Protection"));
    QCOMPARE(defender.category, QStringLiteral("Security"));
    QCOMPARE(defender.risk, QStringLiteral("caution"));
    QVERIFY(defender.requiresTamperOff);
    QVERIFY(!defender.defaultOn);
    QCOMPARE(defender.registry.size(), 2);
    QVERIFY(manager.tweaks().first().defaultOn);

    const QString sparse = home.makeFileWithContent(QStringLiteral("sparse.json"), R"([{"id": "bare"}])");
    QVERIFY(manager.load(sparse));
    QCOMPARE(manager.tweaks().size(), 1);
    const TweakDef bare = manager.tweaks().first();
    QCOMPARE(bare.id, QStringLiteral("bare"));
    QVERIFY(bare.name.isEmpty() && bare.desc.isEmpty() && bare.powercfg.isEmpty());
    QVERIFY(!bare.defaultOn && !bare.requiresTamperOff);
    QVERIFY(bare.registry.isEmpty() && bare.services.isEmpty());

    const QString empty = home.makeFileWithContent(QStringLiteral("empty.json"), "[]");
    QVERIFY(manager.load(empty));
    QVERIFY(manager.tweaks().isEmpty());
}

void TestTweakManager::badCatalogueIsRefusedAndKeepsTheOldOne_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("object instead of array") << "object";
    QTest::newRow("not JSON") << "garbage";
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("FIFO never blocks") << "fifo";
    QTest::newRow("link never followed") << "link";
}

void TestTweakManager::badCatalogueIsRefusedAndKeepsTheOldOne()
{
    QFETCH(QString, kind);
    TestHome home;
    TweakManager manager;
    QVERIFY(manager.load(TweakManager::catalogueFile(QStringLiteral("en"))));
    QString path = home.filePath(QStringLiteral("catalogue.json"));
    if (kind == QLatin1String("object"))
        home.makeFileWithContent(QStringLiteral("catalogue.json"), R"({"tweaks": [{"id": "x"}]})");
    else if (kind == QLatin1String("garbage"))
        home.makeFileWithContent(QStringLiteral("catalogue.json"), "[{\"id\": ");
    else if (kind == QLatin1String("folder"))
        home.makeDir(QStringLiteral("catalogue.json"));
    else if (kind == QLatin1String("link"))
        home.makeLink(QStringLiteral("catalogue.json"), home.makeFileWithContent(QStringLiteral("real.json"), "[]"));
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QVERIFY(!manager.load(path));
    QCOMPARE(manager.tweaks().size(), 21);
    QCOMPARE(manager.tweaks().first().id, QStringLiteral("disable_telemetry"));
}

void TestTweakManager::notWindowsFailsEveryTweakWithoutStartingAnything()
{
    FakeTools tools;
    TestHome home;
    tools.addTool(QStringLiteral("sc"), recordingTool("sc", 0));
    tools.addTool(QStringLiteral("powercfg"), recordingTool("powercfg", 0));
    TweakManager manager;
    QVERIFY(manager.load(TweakManager::catalogueFile(QStringLiteral("en"))));
    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    QSignalSpy reverted(&manager, &TweakManager::tweakReverted);
    for (const TweakDef &tweak : manager.tweaks()) {
        QVERIFY(!manager.canChange(tweak));
        manager.applyTweak(tweak);
        manager.revertTweak(tweak);
    }
    QTRY_COMPARE(reverted.size(), 21);
    QCOMPARE(applied.size(), 21);
    QVERIFY(!manager.isBusy());
    for (const QSignalSpy *spy : { &applied, &reverted }) {
        for (int i = 0; i < spy->size(); ++i) {
            QCOMPARE(spy->at(i).at(0).toString(), manager.tweaks().at(i).id);
            QCOMPARE(spy->at(i).at(1).toBool(), false);
            QCOMPARE(spy->at(i).at(2).toString(), TweakManager::windowsOnlyMessage());
        }
    }
    QCOMPARE(tools.callLog(), QString());
    QCOMPARE(storedKeys(), QStringList());
    for (const TweakDef &tweak : manager.tweaks())
        QVERIFY(!manager.readCurrentState(tweak));
}

void TestTweakManager::serviceTweakOnWindows_data()
{
    QTest::addColumn<int>("scExit");
    QTest::newRow("sc succeeds") << 0;
    QTest::newRow("sc fails") << 1060;
}

void TestTweakManager::serviceTweakOnWindows()
{
    QFETCH(int, scExit);
    FakeTools tools;
    TestHome home;
    TweakManager manager;
    standInForWindows(manager, tools, scExit, 0);
    const TweakDef location = find(manager, QStringLiteral("disable_location"));
    QVERIFY(manager.canChange(location));
    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    manager.applyTweak(location);
    QVERIFY(applied.wait());
    const bool ok = scExit == 0;
    QCOMPARE(applied.first().at(1).toBool(), ok);
    QCOMPARE(applied.first().at(2).toString().isEmpty(), ok);
    QCOMPARE(tools.callLog(), QStringLiteral("sc config lfsvc start= disabled\n"));
    QCOMPARE(manager.isApplied(location.id), ok);
    QCOMPARE(manager.readCurrentState(location), ok);
    QCOMPARE(storedKeys().isEmpty(), !ok);
}

void TestTweakManager::serviceRevertPassesAutoAndClearsTheFlag()
{
    FakeTools tools;
    TestHome home;
    TweakManager manager;
    standInForWindows(manager, tools, 0, 0);
    const TweakDef sysmain = find(manager, QStringLiteral("disable_sysmain"));
    QSignalSpy reverted(&manager, &TweakManager::tweakReverted);
    manager.applyTweak(sysmain);
    manager.revertTweak(sysmain);
    QVERIFY(reverted.wait());
    QCOMPARE(reverted.first().at(1).toBool(), true);
    QCOMPARE(tools.callLog(), QStringLiteral("sc config SysMain start= disabled\nsc config SysMain start= auto\n"));
    QVERIFY(!manager.isApplied(sysmain.id));
}

void TestTweakManager::failedRevertKeepsTheFlag()
{
    FakeTools tools;
    TestHome home;
    TweakManager manager;
    standInForWindows(manager, tools, 0, 0);
    const TweakDef sysmain = find(manager, QStringLiteral("disable_sysmain"));
    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    manager.applyTweak(sysmain);
    QVERIFY(applied.wait());
    tools.addTool(QStringLiteral("sc"), recordingTool("sc", 5));
    QSignalSpy reverted(&manager, &TweakManager::tweakReverted);
    manager.revertTweak(sysmain);
    QVERIFY(reverted.wait());
    QCOMPARE(reverted.first().at(1).toBool(), false);
    QVERIFY(manager.isApplied(sysmain.id));
}

void TestTweakManager::appliedFlagsRoundTripThroughTheSettingsTable()
{
    FakeTools tools;
    TestHome home;
    {
        QSettings earlier = tweakStateStore();
        earlier.setValue(QStringLiteral("applied/disable_sysmain"), true);
    }
    TweakManager manager;
    standInForWindows(manager, tools, 0, 0);
    QVERIFY(manager.isApplied(QStringLiteral("disable_sysmain")));

    const TweakDef location = find(manager, QStringLiteral("disable_location"));
    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    manager.applyTweak(location);
    QVERIFY(applied.wait());
    QVERIFY(Settings().flag(Settings::TweakApplied, location.id));
    QVERIFY(tweakStateStore().value(QStringLiteral("applied/disable_location")).toBool());

    Settings().setValue(Settings::TweakApplied, false, location.id);
    QVERIFY(!TweakManager().isApplied(location.id));
}

void TestTweakManager::registryTweakNeedsTheRegistry()
{
    FakeTools tools;
    TestHome home;
    TweakManager manager;
    standInForWindows(manager, tools, 0, 0);
    // Registry values and a service: the values cannot be written here, so not even the service
    // is touched.
    const TweakDef telemetry = find(manager, QStringLiteral("disable_telemetry"));
    QVERIFY(!manager.canChange(telemetry));
    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    manager.applyTweak(telemetry);
    QVERIFY(applied.wait());
    QCOMPARE(applied.first().at(1).toBool(), false);
    QCOMPARE(applied.first().at(2).toString(), TweakManager::windowsOnlyMessage());
    QCOMPARE(tools.callLog(), QString());
    QCOMPARE(storedKeys(), QStringList());
}

void TestTweakManager::powerPlanResultCounts_data()
{
    QTest::addColumn<int>("powercfgExit");
    QTest::newRow("powercfg succeeds") << 0;
    QTest::newRow("powercfg fails") << 1;
}

void TestTweakManager::powerPlanResultCounts()
{
    QFETCH(int, powercfgExit);
    FakeTools tools;
    TestHome home;
    TweakManager manager;
    standInForWindows(manager, tools, 0, powercfgExit);
    const TweakDef ultimate = find(manager, QStringLiteral("ultimate_performance"));
    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    manager.applyTweak(ultimate);
    QVERIFY(applied.wait());
    const bool ok = powercfgExit == 0;
    QCOMPARE(applied.first().at(1).toBool(), ok);
    QCOMPARE(tools.callLog(), QStringLiteral("powercfg /duplicatescheme ") + UltimateScheme + u'\n');
    QCOMPARE(manager.isApplied(ultimate.id), ok);
    QCOMPARE(manager.readCurrentState(ultimate), ok);
}

void TestTweakManager::revertWithoutServicesClearsTheFlag()
{
    FakeTools tools;
    TestHome home;
    TweakManager manager;
    standInForWindows(manager, tools, 0, 0);
    const TweakDef ultimate = find(manager, QStringLiteral("ultimate_performance"));
    QSignalSpy reverted(&manager, &TweakManager::tweakReverted);
    manager.applyTweak(ultimate);
    manager.revertTweak(ultimate);
    QVERIFY(reverted.wait());
    QCOMPARE(reverted.first().at(1).toBool(), true);
    QVERIFY(!manager.isApplied(ultimate.id));
    QVERIFY(!manager.readCurrentState(ultimate));
    // The power plan once added stays: only the apply ran the tool.
    QCOMPARE(tools.callLog().count(u'\n'), 1);
}

void TestTweakManager::queuedTweaksEachEndOnceInOrder()
{
    FakeTools tools;
    TestHome home;
    TweakManager manager;
    standInForWindows(manager, tools, 0, 0);
    const QStringList ids = { QStringLiteral("disable_location"), QStringLiteral("show_file_extensions"),
        QStringLiteral("disable_sysmain"), QStringLiteral("ultimate_performance") };
    QSignalSpy applied(&manager, &TweakManager::tweakApplied);
    for (const QString &id : ids)
        manager.applyTweak(find(manager, id));
    QVERIFY(manager.isBusy());
    QTRY_COMPARE(applied.size(), ids.size());
    QVERIFY(!manager.isBusy());
    for (int i = 0; i < ids.size(); ++i) {
        QCOMPARE(applied.at(i).at(0).toString(), ids.at(i));
        QCOMPARE(applied.at(i).at(1).toBool(), ids.at(i) != QLatin1String("show_file_extensions"));
    }
    QCOMPARE(tools.callLog(),
        QStringLiteral("sc config lfsvc start= disabled\nsc config SysMain start= disabled\n"
                       "powercfg /duplicatescheme ")
            + UltimateScheme + u'\n');
}

QTEST_GUILESS_MAIN(TestTweakManager)
#include "tst_tweakmanager.moc"
