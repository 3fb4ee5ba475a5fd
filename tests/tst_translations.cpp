#include "app/application.h"
#include "core/languages.h"

#include <QtTest>

#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

// The English catalogue renders the Chinese source texts of the interface in English.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void englishCatalogueIsCompiledIn();
    void everyChineseSourceTextHasAnEnglishTranslation();
    void englishCountsHavePluralForms_data();
    void englishCountsHavePluralForms();
    void englishStandsBehindEveryLanguage_data();
    void englishStandsBehindEveryLanguage();
};

void TestTranslations::englishCatalogueIsCompiledIn()
{
    QTranslator translator;
    QVERIFY(translator.load(Application::translationPath(QStringLiteral("en"))));
    QCOMPARE(translator.translate("MainWindow", "显示主窗口"), QStringLiteral("Show Main Window"));
    QCOMPARE(translator.translate("MainWindow", "退出"), QStringLiteral("Exit"));
    QCOMPARE(translator.translate("LinkManager", "配置错误"), QStringLiteral("Configuration Error"));
}

void TestTranslations::everyChineseSourceTextHasAnEnglishTranslation()
{
    QFile catalogue(QStringLiteral(SWEEPNOOK_TRANSLATIONS_DIR "/Sweepnook_en.ts"));
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
    const QRegularExpression han(QStringLiteral("\\p{Han}"));
    QXmlStreamReader reader(&catalogue);
    QString context;
    QString source;
    QStringList untranslated;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("name"))
            context = reader.readElementText();
        else if (reader.name() == QLatin1String("source"))
            source = reader.readElementText();
        else if (reader.name() == QLatin1String("translation")) {
            const bool finished = reader.attributes().value(QLatin1String("type")).isEmpty();
            // A count's translation holds one element per plural form.
            const QString translation = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            if (source.contains(han) && (!finished || translation.isEmpty() || translation.contains(han)))
                untranslated.append(context + QLatin1String(": ") + source);
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestTranslations::englishCountsHavePluralForms_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one item") << "BasePage" << "%n items" << 1 << "1 item";
    QTest::newRow("two items") << "BasePage" << "%n items" << 2 << "2 items";
    QTest::newRow("no items") << "BasePage" << "%n items" << 0 << "0 items";
    QTest::newRow("one file") << "ItemDetailDialog" << "%1  |  %n files" << 1 << "%1  |  1 file";
    QTest::newRow("one selected, privacy") << "PrivacyPage" << "Selected: %n item(s)" << 1 << "Selected: 1 item";
    QTest::newRow("three selected, privacy") << "PrivacyPage" << "Selected: %n item(s)" << 3 << "Selected: 3 items";
}

void TestTranslations::englishCountsHavePluralForms()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QTranslator translator;
    QVERIFY(translator.load(Application::translationPath(QStringLiteral("en"))));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString translated = QCoreApplication::translate(qPrintable(context), qPrintable(source), nullptr, count);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, shown);
}

void TestTranslations::englishStandsBehindEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const Language &language : Languages::offered())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

// Whatever language is in use, a text its catalogue lacks shows in English, never in the Chinese
// source.
void TestTranslations::englishStandsBehindEveryLanguage()
{
    QFETCH(QString, language);
    Application *application = Application::instance();
    application->setLanguage(language);
    const bool ownCatalogue = QFile::exists(Application::translationPath(language));
    QCOMPARE(application->installTranslations(), ownCatalogue);
    QCOMPARE(QCoreApplication::translate("MainWindow", "显示主窗口"), QStringLiteral("Show Main Window"));
    QCOMPARE(QCoreApplication::translate("ProgressDialog", "正在分析系统..."),
             QStringLiteral("Analyzing system..."));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
