#include "core/settings.h"
#include "app/application.h"
#include "browserfixture.h"
#include "cleaners/browsercleaner.h"
#include "faketools.h"
#include "pages/browserpage.h"
#include "testhome.h"
#include "widgets/browsergroupheader.h"
#include "widgets/categorywidget.h"
#include "widgets/itemdetaildialog.h"
#include "widgets/progressdialog.h"
#include "widgets/statcard.h"
#include "widgetshot.h"

#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kChrome = QStringLiteral("Library/Application Support/Google/Chrome/");

QByteArray fakePgrep(const QString &running)
{
    return "#!/bin/sh\n[ \"$2\" = \"" + running.toUtf8() + "\" ] && exit 0\nexit 1\n";
}

class PageFixture
{
public:
    PageFixture()
    {
        BrowserFixture::populate(home);
        tools.addTool(QStringLiteral("pgrep"), fakePgrep(QString()));
        Application::instance()->initialize();
        Application::instance()->settings()->setValue(Settings::ConfirmClean, false);
        cleaner = Application::instance()->browserCleaner();
        page = new BrowserPage(cleaner, Application::instance()->settings());
        page->resize(WidgetShot::pageSize());
        page->show();
    }
    ~PageFixture()
    {
        delete page;
    }

    bool scan()
    {
        QSignalSpy finished(page, &BasePage::scanFinished);
        button("scanBtn")->click();
        return finished.wait(60000);
    }

    // Starts a clean and waits until the cleaner's finish has reached the page.
    bool clean()
    {
        QSignalSpy finished(cleaner, &CleanEngine::cleanFinished);
        button("cleanBtn")->click();
        if (finished.isEmpty() && !finished.wait(60000)) // cleanFinished may come from the worker first
            return false;
        QCoreApplication::processEvents();
        return true;
    }

    QPushButton *button(const char *name) const
    {
        return page->findChild<QPushButton *>(QLatin1String(name));
    }

    QCheckBox *browserBox(const QString &name) const
    {
        for (auto *box : page->findChildren<QCheckBox *>()) {
            if (box->text() == name)
                return box;
        }
        return nullptr;
    }

    QString selectionText() const
    {
        for (auto *label : page->findChildren<QLabel *>()) {
            if (label->text().startsWith(QLatin1String("Selected:")))
                return label->text();
        }
        return QString();
    }

    QStringList browserBoxes() const
    {
        QStringList names;
        for (auto *box : page->findChildren<QCheckBox *>()) {
            if (box->parentWidget()->objectName() == QLatin1String("browserBar"))
                names.append(box->text());
        }
        return names;
    }

    // The list as shown: "# name" for a group heading, the category name for a row.
    QStringList listing() const
    {
        QStringList lines;
        auto *list = page->findChild<QWidget *>(QStringLiteral("contentScrollArea"))->findChild<QVBoxLayout *>();
        for (int i = 0; i < list->count(); ++i) {
            QWidget *widget = list->itemAt(i)->widget();
            if (auto *header = qobject_cast<BrowserGroupHeader *>(widget))
                lines.append(
                    QStringLiteral("# ") + header->findChild<QLabel *>(QStringLiteral("browserGroupName"))->text());
            else if (qobject_cast<CategoryWidget *>(widget))
                lines.append(widget->findChildren<QLabel *>().value(1)->text());
        }
        return lines;
    }

    TestHome home;
    FakeTools tools;
    BrowserCleaner *cleaner = nullptr;
    BrowserPage *page = nullptr;
};

} // namespace

class TestBrowserPage : public QObject
{
    Q_OBJECT

private slots:
    void oneBoxPerDetectedBrowser();
    void categoriesGroupedPerBrowser();
    void viewDetailsListsACategory();
    void runningBrowserIsSkippedAndNamedInCard();
    void cleanAfterRefusalFinishes();
    void browserBoxHoldsAtOnce();
    void unknownSizeIsNotCountedAsKnown();
};

void TestBrowserPage::oneBoxPerDetectedBrowser()
{
    PageFixture fixture;
    QCOMPARE(
        fixture.browserBoxes(), QStringList({ QStringLiteral("Google Chrome"), QStringLiteral("Mozilla Firefox") }));
    WidgetShot::render(fixture.page, QStringLiteral("browser-page-browsers"));

    auto *firefox = fixture.page->findChildren<QCheckBox *>().at(1);
    firefox->click();
    QVERIFY(!fixture.cleaner->isBrowserEnabled(Constants::Firefox));
    QVERIFY(fixture.scan());
    QCOMPARE(fixture.listing().first(), QStringLiteral("# Google Chrome"));
    QVERIFY(!fixture.listing().contains(QStringLiteral("# Mozilla Firefox")));
}

void TestBrowserPage::categoriesGroupedPerBrowser()
{
    PageFixture fixture;
    QVERIFY(fixture.scan());
    QCOMPARE(fixture.listing(),
        QStringList({ QStringLiteral("# Google Chrome"), QStringLiteral("Google Chrome - Browser Cache"),
            QStringLiteral("Google Chrome - Code Cache"), QStringLiteral("Google Chrome - GPU Cache"),
            QStringLiteral("Google Chrome - WebRTC Logs"), QStringLiteral("Google Chrome - Local Storage"),
            QStringLiteral("# Mozilla Firefox"), QStringLiteral("Mozilla Firefox - GPU Cache"),
            QStringLiteral("Mozilla Firefox - Cookies"), QStringLiteral("Mozilla Firefox - Session Data") }));
    const QList<BrowserGroupHeader *> headers = fixture.page->findChildren<BrowserGroupHeader *>();
    QCOMPARE(headers.size(), 2);
    // Firefox: the shader cache (reached by two rules, listed once), cookies and two session files.
    QCOMPARE(headers.at(1)->findChild<QLabel *>(QStringLiteral("browserGroupTotal"))->text(),
        QStringLiteral("4 items  ·  %1").arg(CleanItem::formatSize(3100000 + 524288 + 61000 + 58000)));
    fixture.page->findChildren<CategoryWidget *>().at(0)->setExpanded(true);
    WidgetShot::render(fixture.page, QStringLiteral("browser-page-scanned"));
}

void TestBrowserPage::viewDetailsListsACategory()
{
    PageFixture fixture;
    QVERIFY(fixture.scan());
    BrowserGroupHeader *chrome = fixture.page->findChildren<BrowserGroupHeader *>().at(0);
    chrome->detailsButton()->click();
    auto *menu = chrome->findChild<QMenu *>(QStringLiteral("browserDetailsMenu"));
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 5);
    QCOMPARE(menu->actions().at(0)->text(),
        QStringLiteral("Browser Cache  (%1)").arg(CleanItem::formatSize(4 * 300000 + 800000)));
    menu->actions().at(3)->trigger();

    auto *dialog = fixture.page->findChild<ItemDetailDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Google Chrome - WebRTC Logs"));
    QTRY_COMPARE(dialog->loadedCount(), 14);
    WidgetShot::render(dialog, QStringLiteral("browser-page-details"));
    dialog->close();
}

void TestBrowserPage::runningBrowserIsSkippedAndNamedInCard()
{
    PageFixture fixture;
    fixture.tools.addTool(QStringLiteral("pgrep"), fakePgrep(QStringLiteral("firefox")));
    QVERIFY(fixture.scan());
    QSignalSpy pageCleaned(fixture.page, &BasePage::cleanFinished);

    QVERIFY(fixture.clean());
    auto *card = fixture.page->findChild<ProgressDialog *>();
    QVERIFY(card);
    QVERIFY(card->isFinished());
    QStringList texts;
    for (auto *label : card->findChildren<QLabel *>())
        texts.append(label->text());
    const QString all = texts.join(QLatin1Char('|'));
    QVERIFY2(all.contains(QStringLiteral(
                 "These browsers are running and were skipped; close them to clean them:\nMozilla Firefox")),
        qPrintable(all));
    QVERIFY(!texts.contains(QStringLiteral("Done!")));
    QVERIFY(texts.contains(QStringLiteral("Partly done")));
    QCOMPARE(pageCleaned.size(), 1);
    QVERIFY(!QFile::exists(fixture.home.filePath(kChrome + QStringLiteral("Default/Code Cache/js/index"))));
    WidgetShot::render(fixture.page, QStringLiteral("browser-page-refused"));
    WidgetShot::render(card, QStringLiteral("browser-page-refused-card"), card->size());
}

void TestBrowserPage::cleanAfterRefusalFinishes()
{
    PageFixture fixture;
    fixture.tools.addTool(QStringLiteral("pgrep"), fakePgrep(QStringLiteral("Google Chrome")));
    QVERIFY(fixture.scan());
    QVERIFY(fixture.clean());
    QVERIFY(QFileInfo::exists(fixture.home.filePath(kChrome + QStringLiteral("Default/Code Cache"))));
    fixture.tools.addTool(QStringLiteral("pgrep"), fakePgrep(QString()));
    QVERIFY(fixture.scan());
    QSignalSpy pageCleaned(fixture.page, &BasePage::cleanFinished);

    QVERIFY(fixture.clean());
    QCOMPARE(pageCleaned.size(), 1);
    // What was not chosen stays listed; what was cleaned is gone.
    QCOMPARE(fixture.listing(),
        QStringList({ QStringLiteral("# Google Chrome"), QStringLiteral("Google Chrome - Local Storage"),
            QStringLiteral("# Mozilla Firefox"), QStringLiteral("Mozilla Firefox - Cookies"),
            QStringLiteral("Mozilla Firefox - Session Data") }));
    QVERIFY(!QFileInfo::exists(fixture.home.filePath(kChrome + QStringLiteral("Default/Code Cache"))));
    QVERIFY(QFile::exists(fixture.home.filePath(kChrome + QStringLiteral("Default/Local Storage/000003.log"))));
}

// Unticking a browser after the scan takes its rows out of the view and the selection at once,
// and ticking it brings them back as they were, all without a new scan; a clean then leaves the
// unticked browser alone.
void TestBrowserPage::browserBoxHoldsAtOnce()
{
    PageFixture fixture;
    QVERIFY(fixture.scan());
    const QStringList everything = fixture.listing();
    const QString selectedWithFirefox = fixture.selectionText();
    QCheckBox *firefox = fixture.browserBox(QStringLiteral("Mozilla Firefox"));
    QSignalSpy scans(fixture.cleaner, &CleanEngine::scanFinished);

    firefox->click();
    QVERIFY(!fixture.listing().contains(QStringLiteral("# Mozilla Firefox")));
    QCOMPARE(fixture.listing(), everything.mid(0, everything.indexOf(QStringLiteral("# Mozilla Firefox"))));
    // Firefox's shader cache is its only file ticked by default.
    QCOMPARE(fixture.cleaner->result().selectedSize(),
        4 * 300000 + 800000 + 2200000 + 270000 + 14 * 40000 + 9000 * (13 * 14 / 2));
    QVERIFY(fixture.selectionText() != selectedWithFirefox);

    firefox->click();
    QCOMPARE(fixture.listing(), everything);
    QCOMPARE(fixture.selectionText(), selectedWithFirefox);
    QCOMPARE(scans.size(), 0);

    firefox->click();
    QVERIFY(fixture.clean());
    QVERIFY(QFile::exists(fixture.home.filePath(
        QStringLiteral("Library/Application Support/Firefox/Profiles/k3x9.default-release/shader-cache/blob-1"))));
    QVERIFY(!QFileInfo::exists(fixture.home.filePath(kChrome + QStringLiteral("Default/Code Cache"))));
}

// A history database that cannot be read shows "Size unknown", and every total that leaves it
// out says "at least".
void TestBrowserPage::unknownSizeIsNotCountedAsKnown()
{
    PageFixture fixture;
    fixture.home.makeFile(
        QStringLiteral("Library/Application Support/Firefox/Profiles/k3x9.default-release/places.sqlite"), 65536);
    QVERIFY(fixture.scan());
    const QString known = CleanItem::formatSize(3100000 + 524288 + 61000 + 58000);
    QCOMPARE(fixture.page->findChild<StatCard *>()->value().startsWith(QLatin1String("at least ")), true);
    const QList<BrowserGroupHeader *> headers = fixture.page->findChildren<BrowserGroupHeader *>();
    QCOMPARE(headers.at(1)->findChild<QLabel *>(QStringLiteral("browserGroupTotal"))->text(),
        QStringLiteral("5 items  ·  at least %1").arg(known));
    CategoryWidget *history = nullptr;
    for (CategoryWidget *row : fixture.page->findChildren<CategoryWidget *>()) {
        if (row->findChildren<QLabel *>().value(1)->text() == QLatin1String("Mozilla Firefox - Browsing History"))
            history = row;
    }
    QVERIFY(history);
    history->setExpanded(true);
    QStringList texts;
    for (auto *label : history->findChildren<QLabel *>())
        texts.append(label->text());
    QVERIFY2(texts.count(QStringLiteral("Size unknown")) == 2, qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(!texts.contains(CleanItem::formatSize(65536)));
}

QTEST_MAIN(TestBrowserPage)
#include "tst_browserpage.moc"
