#include "core/cleanitem.h"
#include "pages/dashboardpage.h"
#include "widgets/cleanitemwidget.h"
#include "widgets/palette.h"
#include "widgets/progressdialog.h"

#include <QtTest>

#include <QFile>
#include <QLabel>

namespace {

// A window-like parent carrying the program's style sheet, as the main window does.
void applyWindowStyle(QWidget *window)
{
    QFile sheet(QStringLiteral(":/styles/style.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    window->setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

QColor textColour(QWidget *widget)
{
    widget->ensurePolished();
    return widget->palette().color(QPalette::WindowText);
}

} // namespace

// The colours a painter takes from the palette and the ones the style sheet gives a widget
// describe the same things: they must agree, and a widget whose state changes must be restyled.
class TestStyles : public QObject
{
    Q_OBJECT

private slots:
    void styleSheetParsesWhole();
    void riskBadgeTakesThePaletteColourOfItsLevel_data();
    void riskBadgeTakesThePaletteColourOfItsLevel();
    void finishedProgressIconTakesTheOutcomeColour_data();
    void finishedProgressIconTakesTheOutcomeColour();
    void dashboardStatusDotTakesThePaletteColourOfItsState_data();
    void dashboardStatusDotTakesThePaletteColourOfItsState();
};

// Qt drops every rule after a syntax error and says so only in a warning; a merge left
// unresolved costs the rule after it without any warning at all.
void TestStyles::styleSheetParsesWhole()
{
    QFile sheet(QStringLiteral(":/styles/style.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(sheet.readAll());
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("^(<<<<<<<|=======|>>>>>>>)"),
        QRegularExpression::MultilineOption)));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Could not parse")));
    QWidget window;
    applyWindowStyle(&window);
    window.ensurePolished();
}

void TestStyles::riskBadgeTakesThePaletteColourOfItsLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("low") << 0;
    QTest::newRow("medium") << 1;
    QTest::newRow("high") << 2;
    QTest::newRow("unknown") << 7;
}

void TestStyles::riskBadgeTakesThePaletteColourOfItsLevel()
{
    QFETCH(int, level);
    QWidget window;
    applyWindowStyle(&window);
    CleanItem item(QStringLiteral("/Users/me/Library/Caches/cache.db"), 4096);
    item.riskLevel = level;
    auto *row = new CleanItemWidget(item, &window);
    auto *badge = row->findChild<QLabel *>(QStringLiteral("itemRisk"));
    QVERIFY(badge);
    QCOMPARE(textColour(badge), Palette::risk(level));
    QCOMPARE(row->getRiskColor(), Palette::risk(level));
}

void TestStyles::finishedProgressIconTakesTheOutcomeColour_data()
{
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("success") << int(ProgressDialog::Succeeded) << Palette::Accent;
    QTest::newRow("partly done") << int(ProgressDialog::PartlyDone) << Palette::Warning;
    QTest::newRow("failure") << int(ProgressDialog::Failed) << Palette::Danger;
}

void TestStyles::finishedProgressIconTakesTheOutcomeColour()
{
    QFETCH(int, outcome);
    QFETCH(QColor, colour);
    QWidget window;
    applyWindowStyle(&window);
    auto *card = new ProgressDialog(ProgressDialog::Clean, &window);
    auto *icon = card->findChild<QLabel *>(QStringLiteral("progressIcon"));
    QVERIFY(icon);
    textColour(icon);
    card->setFinished(ProgressDialog::Outcome(outcome), QStringLiteral("Cleaned 3 items"));
    QCOMPARE(textColour(icon), colour);
}

void TestStyles::dashboardStatusDotTakesThePaletteColourOfItsState_data()
{
    QTest::addColumn<bool>("scanning");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("ready") << false << Palette::Accent;
    QTest::newRow("scanning") << true << Palette::Warning;
}

// The dot is drawn by the style sheet; what shows at its centre is the palette's colour, also
// after the state flips back and forth.
void TestStyles::dashboardStatusDotTakesThePaletteColourOfItsState()
{
    QFETCH(bool, scanning);
    QFETCH(QColor, colour);
    QWidget window;
    applyWindowStyle(&window);
    auto *page = new DashboardPage(&window);
    auto *dot = page->findChild<QWidget *>(QStringLiteral("statusDot"));
    QVERIFY(dot);
    page->setScanning(!scanning);
    page->setScanning(scanning);
    const QImage shot = dot->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() / 2), colour);
}

QTEST_MAIN(TestStyles)
#include "tst_styles.moc"
