#include "app/application.h"

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
            const QString translation = reader.readElementText();
            if (source.contains(han) && (!finished || translation.isEmpty() || translation.contains(han)))
                untranslated.append(context + QLatin1String(": ") + source);
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
