#include "core/languages.h"
#include "core/settings.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "cleaners/appuninstaller.h"
#include "cleaners/browsercleaner.h"
#include "cleaners/duplicatefinder.h"
#include "cleaners/duplicateremover.h"
#include "cleaners/junkcleaner.h"
#include "cleaners/largefilescanner.h"
#include "cleaners/privacycleaner.h"
#include "cleaners/startupmanager.h"
#include "core/logger.h"
#include "cleaners/registrycleaner.h"
#include "cleaners/tweakmanager.h"
#include "testhome.h"

#include <QtTest>

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void chooseLanguage_data();
    void chooseLanguage();
    void localeOfTheLanguage_data();
    void localeOfTheLanguage();
    void percentOfTheLanguage_data();
    void percentOfTheLanguage();
    void initializeCreatesFoldersLogAndSettings();
    void tweakCatalogueIsInTheLanguageInUse_data();
    void tweakCatalogueIsInTheLanguageInUse();
    void secondInitializeKeepsWhatTheWindowHolds();
};

void TestApplication::chooseLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("language");
    QTest::newRow("stored wins") << QStringLiteral("fr") << QStringLiteral("de_DE") << QStringLiteral("fr");
    QTest::newRow("stored unknown stays") << QStringLiteral("ru") << QStringLiteral("en_US") << QStringLiteral("ru");
    QTest::newRow("system german") << QString() << QStringLiteral("de_AT") << QStringLiteral("de");
    QTest::newRow("simplified chinese") << QString() << QStringLiteral("zh_CN") << QStringLiteral("zh_TW");
    QTest::newRow("traditional chinese") << QString() << QStringLiteral("zh_HK") << QStringLiteral("zh_TW");
    QTest::newRow("C locale") << QString() << QStringLiteral("C") << QStringLiteral("en");
    QTest::newRow("not offered") << QString() << QStringLiteral("sv_SE") << QStringLiteral("en");
}

void TestApplication::chooseLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, systemLocale);
    QFETCH(QString, language);
    QCOMPARE(Languages::choose(stored, systemLocale), language);
}

void TestApplication::localeOfTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("locale");
    QTest::newRow("German on an American system") << "de"
                                                  << "en_US"
                                                  << "de_DE";
    QTest::newRow("German on a Swiss system keeps the region") << "de"
                                                               << "de_CH"
                                                               << "de_CH";
    QTest::newRow("English on a German system") << "en"
                                                << "de_DE"
                                                << "en_US";
    QTest::newRow("English on a British system") << "en"
                                                 << "en_GB"
                                                 << "en_GB";
    QTest::newRow("Portuguese as the catalogue writes it") << "pt"
                                                           << "en_US"
                                                           << "pt_PT";
    QTest::newRow("Portuguese on a Brazilian system") << "pt"
                                                      << "pt_BR"
                                                      << "pt_BR";
    QTest::newRow("Traditional Chinese on a Simplified system") << "zh_TW"
                                                                << "zh_CN"
                                                                << "zh_TW";
    QTest::newRow("Traditional Chinese in Hong Kong") << "zh_TW"
                                                      << "zh_HK"
                                                      << "zh_HK";
    QTest::newRow("French in the C locale") << "fr"
                                            << "C"
                                            << "fr_FR";
    QTest::newRow("unknown language") << "ru"
                                      << "ru_RU"
                                      << "en_US";
}

// Sizes and dates read as the language in use writes them, in the user's region when the system
// speaks that language.
void TestApplication::localeOfTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, systemLocale);
    QFETCH(QString, locale);
    QCOMPARE(Languages::locale(language, QLocale(systemLocale)).name(), locale);
}

void TestApplication::percentOfTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("shown");
    // As the Unicode locale data (CLDR 48, through ICU 78's Intl.NumberFormat) writes 0.42 as a
    // percentage in each locale.
    const QString spaced = QStringLiteral("42") + QChar(0x00A0) + QLatin1Char('%');
    const QString tight = QStringLiteral("42%");
    const struct
    {
        const char *language;
        const char *systemLocale;
        bool spaced;
    } rows[] = {
        { "en", "C", false },
        { "fr", "C", true },
        { "de", "C", true },
        { "es", "C", true },
        { "ko", "C", false },
        { "ja", "C", false },
        { "nl", "C", false },
        { "pt", "C", false },
        { "it", "C", false },
        { "zh_TW", "C", false },
        { "fr", "fr_CA", true },
        { "fr", "fr_CH", false },
        { "de", "de_AT", true },
        { "de", "de_CH", false },
        { "es", "es_MX", false },
        { "es", "es_US", false },
        { "en", "en_GB", false },
        { "en", "en_DE", true },
        { "pt", "pt_BR", false },
    };
    for (const auto &row : rows) {
        QTest::addRow("%s on %s", row.language, row.systemLocale) << QString::fromLatin1(
            row.language) << QString::fromLatin1(row.systemLocale) << (row.spaced ? spaced : tight);
    }
}

// A percentage has the spacing of the language in the user's region.
void TestApplication::percentOfTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, systemLocale);
    QFETCH(QString, shown);
    QCOMPARE(Languages::formatPercent(42, Languages::locale(language, QLocale(systemLocale))), shown);
}

void TestApplication::initializeCreatesFoldersLogAndSettings()
{
    TestHome home;
    Application *app = Application::instance();
    app->initialize();

    QVERIFY(app->logPath().startsWith(home.path()));
    QVERIFY(QFileInfo(app->logPath()).isDir());
    QVERIFY(QFileInfo(app->backupPath()).isDir());
    QFile log(Logger::logFileName(app->logPath()));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    QVERIFY(text.contains("[INFO] Application initializing..."));
    QVERIFY(text.contains("[INFO] Application initialized successfully"));

    QVERIFY(app->settings());
    QVERIFY(app->settings()->fileName(SettingsStore::Ini).startsWith(home.path()));
    QVERIFY(app->settings()->fileName(SettingsStore::Ini).endsWith(QStringLiteral(".ini")));
    QVERIFY(app->registryCleaner());
    QCOMPARE(app->registryCleaner()->state(), CleanEngine::Idle);
}

void TestApplication::tweakCatalogueIsInTheLanguageInUse_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("firstName");
    QTest::newRow("french") << QStringLiteral("fr") << QStringLiteral("Désactiver la télémétrie Windows");
    QTest::newRow("traditional chinese") << QStringLiteral("zh_TW") << QStringLiteral("停用 Windows 遙測");
    QTest::newRow("no catalogue: english") << QStringLiteral("ru") << QStringLiteral("Disable Windows Telemetry");
}

void TestApplication::tweakCatalogueIsInTheLanguageInUse()
{
    QFETCH(QString, language);
    QFETCH(QString, firstName);
    TestHome home;
    Application *app = Application::instance();
    app->setLanguage(language);
    app->initialize();
    app->setLanguage(QStringLiteral("en"));
    QVERIFY(app->tweakManager());
    QCOMPARE(app->tweakManager()->tweaks().size(), 21);
    QCOMPARE(app->tweakManager()->tweaks().first().name, firstName);
}

// The window's pages hold the engines it was built on: initializing again while it is open
// keeps every one of them; with no window open it starts afresh.
void TestApplication::secondInitializeKeepsWhatTheWindowHolds()
{
    TestHome home;
    Application *app = Application::instance();
    app->initialize();
    auto *window = new MainWindow;
    const QList<QObject *> engines { app->junkCleaner(), app->browserCleaner(), app->registryCleaner(),
        app->largeFileScanner(), app->startupManager(), app->privacyCleaner(), app->tweakManager(),
        app->appUninstaller(), app->duplicateFinder(), app->duplicateRemover() };
    QObject watcher;
    QList<QObject *> destroyed;
    for (QObject *engine : engines)
        connect(engine, &QObject::destroyed, &watcher, [&destroyed, engine] { destroyed.append(engine); });

    app->initialize();
    QCOMPARE(destroyed, QList<QObject *>());
    QCOMPARE(static_cast<QObject *>(app->startupManager()), engines.at(4));
    QVERIFY(app->settings()->fileName(SettingsStore::Ini).startsWith(home.path()));

    delete window;
    app->initialize();
    QVERIFY(destroyed.contains(engines.at(0)));
    QVERIFY(destroyed.contains(engines.at(4)));
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("QUELMO"));
    QCoreApplication::setApplicationName(QStringLiteral("Sweepnook"));
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
