#include "app/application.h"
#include "core/cleancategory.h"
#include "core/cleanitem.h"
#include "core/fileutils.h"
#include "core/languages.h"
#include "core/pinnedroot.h"
#include "cleaners/appuninstaller.h"
#include "cleaners/duplicatefinder.h"
#include "cleaners/duplicateremover.h"
#include "pages/appuninstallerpage.h"
#include "pages/dashboardpage.h"
#include "pages/duplicatefinderpage.h"
#include "widgets/categorywidget.h"

#include "testhome.h"
#include "widgetshot.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QVBoxLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// One message of a .ts catalogue as lupdate writes it.
struct CatalogueMessage
{
    QString context;
    QString source;
    // False when the translation is marked unfinished, vanished or obsolete.
    bool finished = false;
    // The translation, or one text per plural form for a count.
    QStringList forms;
};

// Every message of the catalogue at path; an XML error goes to error.
QList<CatalogueMessage> readCatalogue(const QString &path, QString *error)
{
    QList<CatalogueMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader reader(&file);
    QString context;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (reader.name() == QLatin1String("message")) {
            CatalogueMessage message;
            message.context = context;
            const bool numerus = reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            while (reader.readNextStartElement()) {
                if (reader.name() == QLatin1String("source")) {
                    message.source = reader.readElementText();
                } else if (reader.name() == QLatin1String("translation")) {
                    message.finished = reader.attributes().value(QLatin1String("type")).isEmpty();
                    if (!numerus)
                        message.forms.append(reader.readElementText());
                    while (numerus && reader.readNextStartElement())
                        message.forms.append(reader.readElementText());
                } else {
                    reader.skipCurrentElement();
                }
            }
            messages.append(message);
        }
    }
    if (reader.hasError())
        *error = reader.errorString();
    return messages;
}

// The placeholders a text fills in: %1 to %99, %n and their localised %L forms.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

QString catalogueDir()
{
    return QStringLiteral(SWEEPNOOK_TRANSLATIONS_DIR);
}

// The texts translations/ruletexts.h lists for the catalogues, as C string literals unescaped.
QSet<QString> listedRuleTexts(QString *error)
{
    QSet<QString> texts;
    QFile file(catalogueDir() + QStringLiteral("/ruletexts.h"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return texts;
    }
    static const QRegularExpression entry(
        QStringLiteral("QT_TRANSLATE_NOOP\\(\\s*\"RuleTexts\"\\s*,\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\s*\\)"));
    static const QRegularExpression escape(QStringLiteral("\\\\(.)"));
    const QString header = QString::fromUtf8(file.readAll());
    for (auto it = entry.globalMatch(header); it.hasNext();)
        texts.insert(it.next().captured(1).replace(escape, QStringLiteral("\\1")));
    return texts;
}

// Every name and description of the rules files bundled under :/rules.
QSet<QString> bundledRuleTexts(QString *error)
{
    QSet<QString> texts;
    const QDir rules(QStringLiteral(":/rules"));
    for (const QString &name : rules.entryList({ QStringLiteral("*.json") }, QDir::Files)) {
        QFile file(rules.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            *error = file.errorString();
            return texts;
        }
        const QJsonArray list
            = QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("rules")).toArray();
        for (const QJsonValue &rule : list) {
            for (const char *key : { "name", "description" }) {
                const QString text = rule.toObject().value(QLatin1String(key)).toString();
                if (!text.isEmpty())
                    texts.insert(text);
            }
        }
    }
    return texts;
}

} // namespace

// The catalogues render every interface text in every offered language; English also renders the
// Chinese source texts.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void buttonsShowTheirWholeLabel_data();
    void buttonsShowTheirWholeLabel();
    void englishCatalogueIsCompiledIn();
    void everyChineseSourceTextHasAnEnglishTranslation();
    void englishCountsHavePluralForms_data();
    void englishCountsHavePluralForms();
    void everyCatalogueIsComplete_data();
    void everyCatalogueIsComplete();
    void englishStandsBehindEveryLanguage_data();
    void englishStandsBehindEveryLanguage();
    void qtsOwnButtonsSpeakTheLanguage_data();
    void qtsOwnButtonsSpeakTheLanguage();
    void everyRuleTextIsListedForTheCatalogues();
    void ruleTextsShowInTheLanguage_data();
    void ruleTextsShowInTheLanguage();
    void scanProgressNamesTheRuleInTheLanguage();
    void sizesShowInTheLanguage_data();
    void sizesShowInTheLanguage();
    void removalReasonsShowInTheLanguage_data();
    void removalReasonsShowInTheLanguage();
    void countsAndPercentagesShowInTheLanguage_data();
    void countsAndPercentagesShowInTheLanguage();
    void everyCountHasDigitGroups();
};

void TestTranslations::englishCatalogueIsCompiledIn()
{
    QTranslator translator;
    QVERIFY(translator.load(Application::translationPath(QStringLiteral("en"))));
    QCOMPARE(translator.translate("MainWindow", "显示主窗口"), QStringLiteral("Show Main Window"));
    QCOMPARE(translator.translate("MainWindow", "退出"), QStringLiteral("Quit"));
    QCOMPARE(translator.translate("LinkManager", "配置错误"), QStringLiteral("Configuration Error"));
}

void TestTranslations::everyChineseSourceTextHasAnEnglishTranslation()
{
    QString error;
    const QList<CatalogueMessage> messages = readCatalogue(catalogueDir() + QStringLiteral("/Sweepnook_en.ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QRegularExpression han(QStringLiteral("\\p{Han}"));
    QStringList untranslated;
    for (const CatalogueMessage &message : messages) {
        const QString translation = message.forms.join(QString());
        if (message.source.contains(han) && (!message.finished || translation.isEmpty() || translation.contains(han)))
            untranslated.append(message.context + QLatin1String(": ") + message.source);
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void TestTranslations::englishCountsHavePluralForms_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one item") << "BasePage"
                              << "%Ln items" << 1 << "1 item";
    QTest::newRow("two items") << "BasePage"
                               << "%Ln items" << 2 << "2 items";
    QTest::newRow("no items") << "BasePage"
                              << "%Ln items" << 0 << "0 items";
    QTest::newRow("one file") << "ItemDetailDialog"
                              << "%1  |  %Ln files" << 1 << "%1  |  1 file";
    QTest::newRow("one selected, privacy") << "PrivacyPage"
                                           << "Selected: %Ln item(s)" << 1 << "Selected: 1 item";
    QTest::newRow("three selected, privacy") << "PrivacyPage"
                                             << "Selected: %Ln item(s)" << 3 << "Selected: 3 items";
    QTest::newRow("one app selected") << "AppUninstallerPage"
                                      << "%Ln app(s) selected" << 1 << "1 app selected";
    QTest::newRow("one large file") << "LargeFilePage"
                                    << "Found %Ln large files, total %1" << 1 << "Found 1 large file, total %1";
    QTest::newRow("one startup item") << "StartupPage"
                                      << "%Ln startup items" << 1 << "1 startup item";
    QTest::newRow("two duplicate files") << "DuplicateFinderPage"
                                         << "%Ln file(s) could not be deleted." << 2 << "2 files could not be deleted.";
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

void TestTranslations::everyCatalogueIsComplete_data()
{
    QTest::addColumn<QString>("code");
    const QStringList files = QDir(catalogueDir()).entryList({ QStringLiteral("Sweepnook_*.ts") }, QDir::Files);
    QVERIFY(files.contains(QStringLiteral("Sweepnook_en.ts")));
    for (const QString &file : files) {
        const QString code = file.mid(10).chopped(3);
        QTest::newRow(qPrintable(code)) << code;
    }
}

// Every message is translated, not marked unfinished, and every plural form fills in the same
// placeholders as the source: a dropped %1 would show the raw argument. The catalogue holds the
// same messages as the English one and is compiled into the program.
void TestTranslations::everyCatalogueIsComplete()
{
    QFETCH(QString, code);
    QString error;
    const QList<CatalogueMessage> messages
        = readCatalogue(catalogueDir() + QStringLiteral("/Sweepnook_%1.ts").arg(code), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QList<CatalogueMessage> english = readCatalogue(catalogueDir() + QStringLiteral("/Sweepnook_en.ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList problems;
    QSet<QString> keys;
    for (const CatalogueMessage &message : messages) {
        const QString key = message.context + QLatin1String(": ") + message.source;
        keys.insert(key);
        if (!message.finished)
            problems.append(key + QLatin1String(" -- unfinished"));
        if (message.forms.isEmpty())
            problems.append(key + QLatin1String(" -- no translation"));
        const QStringList wanted = placeholders(message.source);
        for (const QString &form : message.forms) {
            if (form.trimmed().isEmpty())
                problems.append(key + QLatin1String(" -- empty"));
            else if (placeholders(form) != wanted)
                problems.append(key + QLatin1String(" -- placeholders of \"") + form + QLatin1Char('"'));
        }
    }
    for (const CatalogueMessage &message : english) {
        const QString key = message.context + QLatin1String(": ") + message.source;
        if (!keys.contains(key))
            problems.append(key + QLatin1String(" -- missing"));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QVERIFY2(QFile::exists(Application::translationPath(code)), "the catalogue is not compiled into the program");
}

void TestTranslations::englishStandsBehindEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const Language &language : Languages::offered())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

// Whatever language is in use, its own catalogue answers first and a text it lacks shows in
// English, never in the Chinese source.
void TestTranslations::englishStandsBehindEveryLanguage()
{
    QFETCH(QString, language);
    Application *application = Application::instance();
    application->setLanguage(language);
    QTranslator own;
    const bool ownCatalogue = own.load(Application::translationPath(language));
    QCOMPARE(application->installTranslations(), ownCatalogue);
    const struct
    {
        const char *context;
        const char *source;
        QString english;
    } texts[] = {
        { "MainWindow", "显示主窗口", QStringLiteral("Show Main Window") },
        { "ProgressDialog", "正在分析系统...", QStringLiteral("Analyzing system...") },
    };
    for (const auto &text : texts) {
        const QString ownText = ownCatalogue ? own.translate(text.context, text.source) : QString();
        QCOMPARE(QCoreApplication::translate(text.context, text.source), ownText.isEmpty() ? text.english : ownText);
        QVERIFY(QCoreApplication::translate(text.context, text.source) != QString::fromUtf8(text.source));
    }
}

void TestTranslations::qtsOwnButtonsSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("English") << "en"
                             << "&Yes"
                             << "Cancel";
    QTest::newRow("German") << "de"
                            << "&Ja"
                            << "Abbrechen";
    QTest::newRow("French") << "fr"
                            << "&Oui"
                            << "Annuler";
    QTest::newRow("Japanese") << "ja"
                              << "はい(&Y)"
                              << "キャンセル";
}

// The buttons Qt puts in a message box come from the same catalogues as the program's own texts.
void TestTranslations::qtsOwnButtonsSpeakTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, yes);
    QFETCH(QString, cancel);
    Application::instance()->setLanguage(language);
    QVERIFY(Application::instance()->installTranslations());
    QMessageBox box(QMessageBox::Question, QStringLiteral("Sweepnook"), QStringLiteral("?"),
        QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), cancel);
}

// A rule added to a bundled rules file without its texts in the list would show in English in
// every language; a listed text no rule has any more is work for the translators for nothing.
void TestTranslations::everyRuleTextIsListedForTheCatalogues()
{
    QString error;
    const QSet<QString> listed = listedRuleTexts(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QSet<QString> bundled = bundledRuleTexts(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(bundled.contains(QStringLiteral("Application Caches")));
    QVERIFY(bundled.contains(QStringLiteral("Website Cookies (requires re-login to all sites)")));
    QStringList problems;
    for (const QString &text : bundled - listed)
        problems.append(QStringLiteral("not listed: ") + text);
    for (const QString &text : listed - bundled)
        problems.append(QStringLiteral("no rule has: ") + text);
    problems.sort();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslations::ruleTextsShowInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ruleName");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<QString>("shownDescription");
    QTest::newRow("English junk rule") << "en"
                                       << "Application Caches"
                                       << "Application Caches"
                                       << "Cached data generated by installed applications"
                                       << "Application Caches"
                                       << "Cached data generated by installed applications";
    QTest::newRow("German junk rule") << "de"
                                      << "Application Caches"
                                      << "Application Caches"
                                      << "Cached data generated by installed applications"
                                      << "App-Caches"
                                      << "Von installierten Apps erzeugte Cache-Daten";
    QTest::newRow("French browser rule, the browser's name kept") << "fr"
                                                                  << "Google Chrome - Browsing History"
                                                                  << "Browsing History"
                                                                  << "Web browsing history records"
                                                                  << "Google Chrome - Historique de navigation"
                                                                  << "Historique des sites web consultés";
    QTest::newRow("Japanese junk rule") << "ja"
                                        << "Trash"
                                        << "Trash"
                                        << "Files in the Trash waiting to be permanently deleted"
                                        << "ゴミ箱"
                                        << "完全に削除されるのを待っているゴミ箱内の項目";
    QTest::newRow("German, a category of no rule stays as it is") << "de"
                                                                  << "Trash"
                                                                  << ""
                                                                  << "Log Files"
                                                                  << "Trash"
                                                                  << "Log Files";
}

// The engines keep the rules' English; the rows the user sees show them in the language in use.
void TestTranslations::ruleTextsShowInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(QString, ruleName);
    QFETCH(QString, description);
    QFETCH(QString, shownName);
    QFETCH(QString, shownDescription);
    Application::instance()->setLanguage(language);
    QVERIFY(Application::instance()->installTranslations());
    CleanCategory category(QStringLiteral("rule"), name, QString());
    category.ruleName = ruleName;
    category.description = description;
    QCOMPARE(category.shownName(), shownName);
    QCOMPARE(category.shownDescription(), shownDescription);
    QCOMPARE(category.name, name);

    CategoryWidget row(&category);
    row.resize(2000, 80);
    QStringList texts;
    for (const QLabel *label : row.findChildren<QLabel *>())
        texts.append(label->text());
    QVERIFY2(texts.contains(shownName), qPrintable(texts.join(QLatin1String(" | "))));
    QVERIFY2(texts.contains(shownDescription), qPrintable(texts.join(QLatin1String(" | "))));
}

// The junk scan reports the rule it is in by its English name; the dashboard shows it translated
// and a path as it is.
void TestTranslations::scanProgressNamesTheRuleInTheLanguage()
{
    Application::instance()->setLanguage(QStringLiteral("de"));
    QVERIFY(Application::instance()->installTranslations());
    DashboardPage page;
    auto *status = page.findChild<QLabel *>(QStringLiteral("progressStatusLabel"));
    QVERIFY(status);
    page.setScanProgress(40, QStringLiteral("Application Caches"));
    QCOMPARE(status->text(), QStringLiteral("App-Caches"));
    page.setScanProgress(60, QStringLiteral("/tmp/Trash"));
    QCOMPARE(status->text(), QStringLiteral("/tmp/Trash"));
}

void TestTranslations::sizesShowInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("shown");
    constexpr qint64 MiB = 1024 * 1024;
    constexpr qint64 GiB = 1024 * MiB;
    const struct
    {
        const char *language;
        qint64 bytes;
        const char *shown;
    } rows[] = {
        { "en", 512, "512 B" },
        { "en", 38063308, "36.3 MB" },
        { "en", 5 * 1024 * GiB, "5120.00 GB" },
        { "de", 1, "1 Byte" },
        { "de", 38063308, "36,3 MB" },
        { "de", 1536, "1,5 KB" },
        { "de", 5 * 1024 * GiB, "5120,00 GB" },
        { "fr", 1, "1 octet" },
        { "fr", 512, "512 octets" },
        { "fr", 1536, "1,5 Ko" },
        { "fr", 38063308, "36,3 Mo" },
        { "fr", 9 * GiB / 4, "2,25 Go" },
        { "es", 38063308, "36,3 MB" },
        { "nl", 38063308, "36,3 MB" },
        { "it", 38063308, "36,3 MB" },
        { "pt", 38063308, "36,3 MB" },
        { "ja", 512, "512 バイト" },
        { "ja", 38063308, "36.3 MB" },
        { "ko", 38063308, "36.3 MB" },
        { "zh_TW", 512, "512 位元組" },
    };
    for (const auto &row : rows) {
        QTest::addRow("%s, %lld bytes", row.language, row.bytes)
            << QString::fromLatin1(row.language) << row.bytes << QString::fromUtf8(row.shown);
    }
}

// What the window shows follows the language in use; the log keeps one English form.
void TestTranslations::sizesShowInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(qint64, bytes);
    QFETCH(QString, shown);
    Application::instance()->setLanguage(language);
    QVERIFY(Application::instance()->installTranslations());
    QCOMPARE(CleanItem::formatSize(bytes), shown);
    QCOMPARE(CleanItem::logSize(38063308), QStringLiteral("36.3 MB"));
}

void TestTranslations::removalReasonsShowInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English, a folder where a file was listed") << "en"
                                                               << "junk/folder"
                                                               << "a folder"
                                                               << "a folder";
    QTest::newRow("German, a folder where a file was listed") << "de"
                                                              << "junk/folder"
                                                              << "a folder"
                                                              << "ein Ordner";
    QTest::newRow("Japanese, a folder where a file was listed") << "ja"
                                                                << "junk/folder"
                                                                << "a folder"
                                                                << "フォルダです";
    QTest::newRow("French, outside the root, its path kept") << "fr"
                                                             << "elsewhere/file"
                                                             << "outside %1"
                                                             << "hors de %1";
}

// Why an item was not removed is told to the user in the language in use; the log keeps English.
void TestTranslations::removalReasonsShowInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QFETCH(QString, shown);
    TestHome home;
    QVERIFY(home.isValid());
    const QString root = home.makeDir(QStringLiteral("junk"));
    home.makeDir(QStringLiteral("junk/folder"));
    home.makeDir(QStringLiteral("elsewhere"));
    const QString path = home.filePath(target);
    Application::instance()->setLanguage(language);
    QVERIFY(Application::instance()->installTranslations());
    const PinnedRoot pinned = PinnedRoot::open(root, root);
    QVERIFY(pinned.isOpen());
    const FileUtils::Removal removal = FileUtils::removeUnder(pinned, path, FileUtils::Expect::File);
    QCOMPARE(removal.status, FileUtils::Removal::Refused);
    QCOMPARE(removal.reason, reason.contains(QLatin1String("%1")) ? reason.arg(pinned.path()) : reason);
    QCOMPARE(removal.shownReason, shown.contains(QLatin1String("%1")) ? shown.arg(pinned.path()) : shown);
    QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("junk/folder"))));
}

void TestTranslations::countsAndPercentagesShowInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("percent");
    const QChar narrowNoBreakSpace(0x202F);
    const QChar noBreakSpace(0x00A0);
    QTest::newRow("English") << "en" << QStringLiteral("12,345 items") << QStringLiteral("42%");
    QTest::newRow("French") << "fr" << QStringLiteral("12") + narrowNoBreakSpace + QStringLiteral("345 éléments")
                            << QStringLiteral("42") + noBreakSpace + QLatin1Char('%');
    QTest::newRow("German") << "de" << QStringLiteral("12.345 Objekte")
                            << QStringLiteral("42") + noBreakSpace + QLatin1Char('%');
    QTest::newRow("Spanish") << "es" << QStringLiteral("12.345 elementos")
                             << QStringLiteral("42") + noBreakSpace + QLatin1Char('%');
    QTest::newRow("Japanese") << "ja" << QStringLiteral("12,345 項目") << QStringLiteral("42%");
}

// A count in a row and the full scan's percentage are written the way the language writes
// numbers: digit groups and the space before the percent sign, through the installed catalogue.
void TestTranslations::countsAndPercentagesShowInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, count);
    QFETCH(QString, percent);
    Application::instance()->setLanguage(language);
    QVERIFY(Application::instance()->installTranslations());

    CleanCategory category(QStringLiteral("rule"), QStringLiteral("Application Caches"), QString());
    for (int i = 0; i < 12345; ++i)
        category.items.append(CleanItem(QStringLiteral("/tmp/cache/%1").arg(i), 1));
    CategoryWidget row(&category);
    auto *countLabel = row.findChild<QLabel *>(QStringLiteral("categoryCount"));
    QVERIFY(countLabel);
    QCOMPARE(countLabel->text(), count);

    DashboardPage page;
    page.setScanning(true);
    page.setScanProgress(42, QStringLiteral("/tmp/x"));
    auto *percentLabel = page.findChild<QLabel *>(QStringLiteral("progressPercentLabel"));
    QVERIFY(percentLabel);
    QCOMPARE(percentLabel->text(), percent);
}

// A count written with %n shows "12345" in every language; %Ln writes the language's digit groups.
// Only the byte count of a size below one kilobyte stays bare, as every size does.
void TestTranslations::everyCountHasDigitGroups()
{
    QString error;
    const QList<CatalogueMessage> messages = readCatalogue(catalogueDir() + QStringLiteral("/Sweepnook_en.ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList bare;
    for (const CatalogueMessage &message : messages) {
        if (message.source.contains(QLatin1String("%n"))
            && !(message.context == QLatin1String("CleanItem") && message.source == QLatin1String("%n B")))
            bare.append(message.context + QLatin1String(": ") + message.source);
    }
    QVERIFY2(bare.isEmpty(), qPrintable(bare.join(QLatin1Char('\n'))));
}

void TestTranslations::buttonsShowTheirWholeLabel_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    for (const char *language : { "en", "ja", "fr", "de" }) {
        QTest::addRow("%s uninstall", language)
            << QString::fromLatin1(language) << QStringLiteral("uninstaller") << QStringLiteral("appUninstallBtn");
        QTest::addRow("%s duplicates scan", language)
            << QString::fromLatin1(language) << QStringLiteral("duplicates") << QStringLiteral("startScanBtn");
    }
}

// A long translation widens its button: the label keeps room on both sides at the window's size.
void TestTranslations::buttonsShowTheirWholeLabel()
{
    QFETCH(QString, language);
    QFETCH(QString, page);
    QFETCH(QString, button);
    TestHome home;
    QTranslator translator;
    QVERIFY(translator.load(Application::translationPath(language)));
    QCoreApplication::installTranslator(&translator);
    const auto restore = qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });
    AppUninstaller uninstaller;
    DuplicateFinder finder;
    DuplicateRemover remover;
    QWidget window;
    QFile sheet(QStringLiteral(":/styles/style.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly | QIODevice::Text));
    window.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    if (page == QStringLiteral("uninstaller"))
        layout->addWidget(new AppUninstallerPage(&uninstaller));
    else
        layout->addWidget(new DuplicateFinderPage(&finder, &remover));
    window.resize(WidgetShot::pageSize());
    window.show();
    auto *shown = window.findChild<QPushButton *>(button);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    const int label = shown->fontMetrics().horizontalAdvance(shown->text());
    QVERIFY2(shown->width() >= label + 24,
        qPrintable(QStringLiteral("%1: %2 px for a %3 px label").arg(shown->text()).arg(shown->width()).arg(label)));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
