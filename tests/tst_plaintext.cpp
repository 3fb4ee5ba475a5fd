#include "core/cleancategory.h"
#include "widgets/categorywidget.h"
#include "widgets/cleanitemwidget.h"
#include "widgets/detailitemwidget.h"
#include "widgets/itemdetaildialog.h"
#include "widgets/progressdialog.h"
#include "widgets/scanprogressdialog.h"

#include <QLabel>
#include <QtTest>

#include <functional>
#include <memory>

// Names, paths and rule texts come from the disk: a label that reads them as markup shows
// "<h1>big</h1>.log" as a heading, and a crafted name can pass for another path.
class TestPlainText : public QObject
{
    Q_OBJECT

private slots:
    void textFromTheDiskIsShownAsItIs_data();
    void textFromTheDiskIsShownAsItIs();
};

namespace {

// A file name cannot hold "/", so its markup has no closing tag; a label renders it all the same.
const QString MarkupName = QStringLiteral("<h1>big.log");
const QString MarkupPath = QStringLiteral("/Users/me/Library/Caches/<b>x</b>/") + MarkupName;

CleanCategory *markupCategory()
{
    static CleanCategory category(QStringLiteral("app_cache"), QStringLiteral("<i>Caches</i>"), QString());
    if (category.items.isEmpty()) {
        category.description = QStringLiteral("<u>rule text</u>");
        category.items.append(CleanItem(MarkupPath, 4096));
    }
    return &category;
}

using WidgetMaker = std::function<QWidget *()>;

} // namespace

void TestPlainText::textFromTheDiskIsShownAsItIs_data()
{
    QTest::addColumn<WidgetMaker>("make");
    QTest::newRow("item row") << WidgetMaker([] { return new CleanItemWidget(CleanItem(MarkupPath, 4096)); });
    QTest::newRow("category row") << WidgetMaker([] { return new CategoryWidget(markupCategory()); });
    QTest::newRow("detail row") << WidgetMaker([] { return new DetailItemWidget(CleanItem(MarkupPath, 4096)); });
    QTest::newRow("detail dialog") << WidgetMaker([] { return new ItemDetailDialog(markupCategory()); });
    QTest::newRow("progress card") << WidgetMaker([] {
        auto *card = new ProgressDialog(ProgressDialog::Clean);
        card->setCurrentItem(MarkupPath);
        return card;
    });
    QTest::newRow("scan progress card") << WidgetMaker([] {
        auto *card = new ScanProgressDialog;
        card->setProgress(MarkupPath, 1, 4096);
        return card;
    });
}

void TestPlainText::textFromTheDiskIsShownAsItIs()
{
    QFETCH(WidgetMaker, make);
    std::unique_ptr<QWidget> widget(make());
    widget->resize(800, 600);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));

    int labelsWithMarkup = 0;
    for (const QLabel *label : widget->findChildren<QLabel *>()) {
        if (!label->text().contains(QLatin1Char('<')))
            continue;
        ++labelsWithMarkup;
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->text()));
    }
    QVERIFY(labelsWithMarkup > 0);
}

QTEST_MAIN(TestPlainText)
#include "tst_plaintext.moc"
