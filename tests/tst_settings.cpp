#include "core/languages.h"
#include "core/settings.h"
#include "testhome.h"

#include <QtTest>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void defaultsOnAnEmptyStore_data();
    void defaultsOnAnEmptyStore();
    void readsAFileInTodaysFormat();
    void aWriteHealsTwoGeneralSections();
    void storesStayWhereTheyWere();
    void languageForLocale_data();
    void languageForLocale();
    void everyLanguageHasALinkColumn();

private:
    void writeIniFile(const QByteArray &text) const;

    TestHome *m_home = nullptr;
    Settings m_settings;
};

void TestSettings::init()
{
    m_home = new TestHome;
}

void TestSettings::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

void TestSettings::writeIniFile(const QByteArray &text) const
{
    const QString name = m_settings.fileName(SettingsStore::Ini);
    QVERIFY(QDir().mkpath(QFileInfo(name).path()));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void TestSettings::defaultsOnAnEmptyStore_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("language") << int(Settings::Language) << QVariant(QString());
    QTest::newRow("auto start") << int(Settings::AutoStart) << QVariant(false);
    QTest::newRow("minimize to tray") << int(Settings::MinimizeToTray) << QVariant(false);
    QTest::newRow("confirm clean") << int(Settings::ConfirmClean) << QVariant(true);
    QTest::newRow("backup registry") << int(Settings::BackupRegistry) << QVariant(true);
    QTest::newRow("tweak applied") << int(Settings::TweakApplied) << QVariant(false);
}

void TestSettings::defaultsOnAnEmptyStore()
{
    QFETCH(int, key);
    QFETCH(QVariant, value);
    const auto settingsKey = Settings::Key(key);
    QCOMPARE(m_settings.value(settingsKey, QStringLiteral("someTweak")), value);
    QVERIFY(!m_settings.contains(settingsKey, QStringLiteral("someTweak")));
    // Reading writes nothing.
    QVERIFY(!QFile::exists(m_settings.fileName(Settings::entry(settingsKey).store)));
}

// The file as the program has always written it: Qt keeps a group named "general" under
// "[%General]".
void TestSettings::readsAFileInTodaysFormat()
{
    writeIniFile("[%General]\nautoStart=true\nminimizeToTray=true\n\n"
                 "[clean]\nconfirmClean=false\nbackupRegistry=false\n");
    QVERIFY(m_settings.flag(Settings::AutoStart));
    QVERIFY(m_settings.flag(Settings::MinimizeToTray));
    QVERIFY(!m_settings.flag(Settings::ConfirmClean));
    QVERIFY(!m_settings.flag(Settings::BackupRegistry));
}

void TestSettings::aWriteHealsTwoGeneralSections()
{
    writeIniFile("[%General]\nautoStart=false\n\n[clean]\nconfirmClean=false\n\n"
                 "[%General]\nminimizeToTray=true\n");
    m_settings.setValue(Settings::AutoStart, true);

    QVERIFY(Settings().flag(Settings::AutoStart));
    QVERIFY(Settings().flag(Settings::MinimizeToTray));
    QVERIFY(!Settings().flag(Settings::ConfirmClean));
    QFile file(m_settings.fileName(SettingsStore::Ini));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count("[%General]"), qsizetype(1));
}

// Each key lands in its own store under the name it always had, so other readers of those files
// (and earlier versions) find it.
void TestSettings::storesStayWhereTheyWere()
{
    m_settings.setValue(Settings::Language, QStringLiteral("de"));
    m_settings.setValue(Settings::ConfirmClean, false);
    m_settings.setValue(Settings::TweakApplied, true, QStringLiteral("fastBoot"));

    const QSettings native(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook"));
    QCOMPARE(native.allKeys(), QStringList { QStringLiteral("language") });
    QCOMPARE(native.value(QStringLiteral("language")).toString(), QStringLiteral("de"));
    const QSettings ini(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("QUELMO"), QStringLiteral("Sweepnook"));
    QCOMPARE(ini.allKeys(), QStringList { QStringLiteral("clean/confirmClean") });
    QVERIFY(native.fileName() != ini.fileName());
    const QSettings tweaks(QStringLiteral("Velocrest"), QStringLiteral("TweakState"));
    QCOMPARE(tweaks.allKeys(), QStringList { QStringLiteral("applied/fastBoot") });
    QVERIFY(m_settings.flag(Settings::TweakApplied, QStringLiteral("fastBoot")));
    QVERIFY(!m_settings.flag(Settings::TweakApplied, QStringLiteral("other")));
}

void TestSettings::languageForLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringLiteral("de_AT") << QStringLiteral("de");
    QTest::newRow("Brazilian Portuguese") << QStringLiteral("pt_BR") << QStringLiteral("pt");
    QTest::newRow("Hong Kong") << QStringLiteral("zh_HK") << QStringLiteral("zh_TW");
    QTest::newRow("Taiwan") << QStringLiteral("zh_TW") << QStringLiteral("zh_TW");
    QTest::newRow("simplified Chinese") << QStringLiteral("zh_CN") << QStringLiteral("zh_TW");
    QTest::newRow("bare code") << QStringLiteral("ja") << QStringLiteral("ja");
    QTest::newRow("upper case") << QStringLiteral("FR_FR") << QStringLiteral("fr");
    QTest::newRow("Swedish is not offered") << QStringLiteral("sv_SE") << QStringLiteral("en");
    QTest::newRow("C locale") << QStringLiteral("C") << QStringLiteral("en");
    QTest::newRow("empty") << QString() << QStringLiteral("en");
}

void TestSettings::languageForLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QCOMPARE(Languages::forLocale(locale), language);
    QVERIFY(Languages::find(language));
}

void TestSettings::everyLanguageHasALinkColumn()
{
    QFile file(QStringLiteral(":/rules/links.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray columns = QJsonDocument::fromJson(file.readAll())
                                   .object()
                                   .value(QStringLiteral("metadata"))
                                   .toObject()
                                   .value(QStringLiteral("supported_languages"))
                                   .toArray();
    QCOMPARE(columns.size(), Languages::offered().size());
    for (const Language &language : Languages::offered())
        QVERIFY2(columns.contains(language.linkKey), qPrintable(language.code));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
