#include "app/linkmanager.h"
#include "core/languages.h"
#include "testhome.h"

#include <QtTest>

#include <QDesktopServices>
#include <QSettings>

// Receives the URLs the desktop services would open in a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl &url)
    {
        urls.append(url);
    }
};

class TestLinkManager : public QObject
{
    Q_OBJECT

private slots:
    void mapsLocaleNamesToTheLanguagesLinkColumn();
    void shippedTableHasEveryPageInEveryLanguage();
    void lookupFallsBackToFallbackLanguage();
    void lookupOfUnknownCategoryOrKeyIsEmpty_data();
    void lookupOfUnknownCategoryOrKeyIsEmpty();
    void storedLanguageIsUsedOnlyWhenSupported_data();
    void storedLanguageIsUsedOnlyWhenSupported();
    void setLanguageStoresAndAnnouncesOnlyAChange();
    void openLinkOpensTheCurrentLanguagePage();
    void badTableFindsNothingAndOpensNothing_data();
    void badTableFindsNothingAndOpensNothing();

private:
    static QString storedLanguage();
};

QString TestLinkManager::storedLanguage()
{
    return QSettings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook"))
        .value(QStringLiteral("language"))
        .toString();
}

// Which language a locale chooses is the language table's (tst_settings); the link manager reads
// that language's column of the link table.
void TestLinkManager::mapsLocaleNamesToTheLanguagesLinkColumn()
{
    for (const Language &language : Languages::offered())
        QCOMPARE(LinkManager::mapQtLanguageCode(language.localePrefix + QStringLiteral("_XX")), language.linkKey);
    QCOMPARE(LinkManager::mapQtLanguageCode(QStringLiteral("sv_SE")), Languages::find(QStringLiteral("en"))->linkKey);
}

void TestLinkManager::shippedTableHasEveryPageInEveryLanguage()
{
    TestHome home;
    const LinkManager links;
    const QStringList languages = { QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("de"),
        QStringLiteral("ja"), QStringLiteral("es"), QStringLiteral("ko"), QStringLiteral("zh_TW"), QStringLiteral("nl"),
        QStringLiteral("pt"), QStringLiteral("it") };
    QCOMPARE(links.supportedLanguages(), languages);
    const QList<QPair<QString, QString>> pages = {
        { QStringLiteral("support"), QStringLiteral("help") },
        { QStringLiteral("support"), QStringLiteral("contact") },
        { QStringLiteral("support"), QStringLiteral("tutorial") },
        { QStringLiteral("support"), QStringLiteral("faq") },
        { QStringLiteral("menu"), QStringLiteral("about") },
        { QStringLiteral("menu"), QStringLiteral("support") },
        { QStringLiteral("menu"), QStringLiteral("updates") },
        { QStringLiteral("website"), QStringLiteral("home") },
    };
    for (const auto &page : pages) {
        QSet<QString> urls;
        for (const QString &language : languages) {
            const QUrl url(links.getLink(page.first, page.second, language));
            QVERIFY2(url.isValid() && url.scheme() == QLatin1String("https"),
                qPrintable(page.first + QLatin1Char('/') + page.second + QLatin1Char('/') + language));
            urls.insert(url.toString());
        }
        QCOMPARE(urls.size(), languages.size());
    }
}

void TestLinkManager::lookupFallsBackToFallbackLanguage()
{
    TestHome home;
    const QString table = home.makeFileWithContent(QStringLiteral("links.json"),
        R"({"metadata": {"supported_languages": ["en", "fr", "de"], "fallback_language": "de"},
            "support": {"help": {"de": "https://example.com/de/help", "fr": "https://example.com/fr/help"}}})");
    QSettings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook"))
        .setValue(QStringLiteral("language"), QStringLiteral("en"));
    const LinkManager links(table);

    QCOMPARE(links.currentLanguage(), QStringLiteral("en"));
    QCOMPARE(links.getLink(QStringLiteral("support"), QStringLiteral("help"), QStringLiteral("fr")),
        QStringLiteral("https://example.com/fr/help"));
    QCOMPARE(links.getLink(QStringLiteral("support"), QStringLiteral("help")),
        QStringLiteral("https://example.com/de/help"));
    QCOMPARE(links.getLinkWithFallback(QStringLiteral("support"), QStringLiteral("help")),
        QStringLiteral("https://example.com/de/help"));
}

void TestLinkManager::lookupOfUnknownCategoryOrKeyIsEmpty_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("key");
    QTest::newRow("unknown category") << QStringLiteral("nothing") << QStringLiteral("help");
    QTest::newRow("unknown key") << QStringLiteral("support") << QStringLiteral("nothing");
    QTest::newRow("metadata is no category") << QStringLiteral("metadata") << QStringLiteral("version");
}

void TestLinkManager::lookupOfUnknownCategoryOrKeyIsEmpty()
{
    QFETCH(QString, category);
    QFETCH(QString, key);
    TestHome home;
    const LinkManager links;
    QVERIFY(links.getLink(category, key, QStringLiteral("en")).isEmpty());
    QVERIFY(links.getLinkWithFallback(category, key).isEmpty());
}

void TestLinkManager::storedLanguageIsUsedOnlyWhenSupported_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("used");
    QTest::newRow("supported") << QStringLiteral("ko") << true;
    QTest::newRow("Traditional Chinese") << QStringLiteral("zh_TW") << true;
    QTest::newRow("not in the table") << QStringLiteral("ru") << false;
    QTest::newRow("wrong case") << QStringLiteral("KO") << false;
}

void TestLinkManager::storedLanguageIsUsedOnlyWhenSupported()
{
    QFETCH(QString, stored);
    QFETCH(bool, used);
    TestHome home;
    QSettings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook")).setValue(QStringLiteral("language"), stored);
    const LinkManager links;
    // Every code the locale mapping yields is in the shipped table, so the system locale decides.
    const QString expected = used ? stored : LinkManager::mapQtLanguageCode(QLocale::system().name());
    QCOMPARE(links.currentLanguage(), expected);
}

void TestLinkManager::setLanguageStoresAndAnnouncesOnlyAChange()
{
    TestHome home;
    LinkManager links;
    QSignalSpy changes(&links, &LinkManager::languageChanged);
    const QString current = links.currentLanguage();

    links.setLanguage(current);
    links.setLanguage(QStringLiteral("ru"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(!QSettings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook")).contains(QStringLiteral("language")));

    const QString other = current == QLatin1String("it") ? QStringLiteral("nl") : QStringLiteral("it");
    links.setLanguage(other);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), other);
    QCOMPARE(links.currentLanguage(), other);
    QCOMPARE(storedLanguage(), other);
}

void TestLinkManager::openLinkOpensTheCurrentLanguagePage()
{
    TestHome home;
    QSettings(QStringLiteral("QUELMO"), QStringLiteral("Sweepnook"))
        .setValue(QStringLiteral("language"), QStringLiteral("de"));
    LinkManager links;
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "openUrl");

    QVERIFY(links.openLink(QStringLiteral("support"), QStringLiteral("contact"), nullptr));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(browser.urls.size(), 1);
    QCOMPARE(browser.urls.at(0).toString(),
        links.getLink(QStringLiteral("support"), QStringLiteral("contact"), QStringLiteral("de")));
}

void TestLinkManager::badTableFindsNothingAndOpensNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not JSON") << QByteArray("{\"support\": {");
    QTest::newRow("array root") << QByteArray("[1, 2]");
    QTest::newRow("empty file") << QByteArray();
}

void TestLinkManager::badTableFindsNothingAndOpensNothing()
{
    QFETCH(QByteArray, content);
    TestHome home;
    const QString table = home.makeFileWithContent(QStringLiteral("links.json"), content);
    LinkManager links(table);
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "openUrl");

    QVERIFY(links.supportedLanguages().isEmpty());
    QCOMPARE(links.currentLanguage(), QStringLiteral("en"));
    QVERIFY(links.getLinkWithFallback(QStringLiteral("support"), QStringLiteral("help")).isEmpty());
    // With no parent there is no message box to wait for: the call only reports the failure.
    QVERIFY(!links.openLink(QStringLiteral("support"), QStringLiteral("help"), nullptr));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QVERIFY(browser.urls.isEmpty());
}

QTEST_MAIN(TestLinkManager)
#include "tst_linkmanager.moc"
