#include "dashboardpage.h"

#include "core/cleanitem.h"
#include "core/languages.h"
#include "core/ruletexts.h"
#include "core/version.h"
#include "widgets/circleprogresswidget.h"
#include "widgets/palette.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int JunkPageIndex = 1;
constexpr int BrowserPageIndex = 2;
constexpr int RegistryPageIndex = 3;
constexpr int ProgressTrackWidth = 400;
constexpr int CardBarWidth = 100;
constexpr int CardBarMinimumWidth = 20;
constexpr int LongestShownPath = 60;

constexpr int StatusClockMs = 20 * 1000;
constexpr qint64 SecondsPerMinute = 60;
constexpr qint64 SecondsPerHour = 60 * SecondsPerMinute;
constexpr qint64 SecondsPerDay = 24 * SecondsPerHour;

void addShadow(QWidget *widget, int blurRadius, const QColor &colour, int yOffset)
{
    auto *shadow = new QGraphicsDropShadowEffect(widget);
    shadow->setBlurRadius(blurRadius);
    shadow->setColor(colour);
    shadow->setOffset(0, yOffset);
    widget->setGraphicsEffect(shadow);
}

// A label the style sheet finds by objectName.
QLabel *makeLabel(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    // The scan's current path comes from the disk: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(objectName);
    return label;
}

QString elidedPath(const QString &path)
{
    if (path.size() <= LongestShownPath)
        return path;
    return QStringLiteral("...") + path.right(LongestShownPath - 3);
}

} // namespace

DashboardPage::DashboardPage(QWidget *parent)
    : QWidget(parent)
{
    setupUi();
    m_statusClock = new QTimer(this);
    m_statusClock->setObjectName(QStringLiteral("statusClock"));
    m_statusClock->setInterval(StatusClockMs);
    connect(m_statusClock, &QTimer::timeout, this, [this] {
        if (!m_scanning)
            showLastEvent();
    });
}

void DashboardPage::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_views = new QStackedWidget(this);
    m_emptyView = setupEmptyState();
    m_dataView = setupDataState();
    m_views->addWidget(m_emptyView);
    m_views->addWidget(m_dataView);
    layout->addWidget(m_views);
    showEmptyState();
}

QWidget *DashboardPage::setupEmptyState()
{
    auto *view = new QWidget(this);
    auto *layout = new QVBoxLayout(view);
    layout->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    layout->setContentsMargins(0, 100, 0, 0);
    layout->setSpacing(16);

    auto *icon = makeLabel(QStringLiteral("🔍"), QStringLiteral("dashboardEmptyIcon"), view);
    icon->setFixedSize(120, 120);
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon, 0, Qt::AlignHCenter);

    layout->addWidget(
        makeLabel(tr("Ready to Clean Your Mac"), QStringLiteral("dashboardEmptyTitle"), view), 0, Qt::AlignHCenter);
    QLabel *hint = makeLabel(tr("Click the button below to scan for junk files and free up space"),
        QStringLiteral("dashboardEmptyText"), view);
    // A long translation wraps instead of running into the page's edges.
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    hint->setFixedWidth(520);
    layout->addWidget(hint, 0, Qt::AlignHCenter);
    layout->addSpacing(16);

    m_fullScanButton = new QPushButton(tr("🔍  Start Full Scan"), view);
    m_fullScanButton->setObjectName(QStringLiteral("fullScanBtn"));
    m_fullScanButton->setFixedHeight(50);
    m_fullScanButton->setMinimumWidth(200);
    m_fullScanButton->setCursor(Qt::PointingHandCursor);
    connect(m_fullScanButton, &QPushButton::clicked, this, &DashboardPage::onScanClicked);
    layout->addWidget(m_fullScanButton, 0, Qt::AlignHCenter);

    m_progressBlock = new QWidget(view);
    m_progressBlock->setObjectName(QStringLiteral("progressBlock"));
    m_progressBlock->setFixedWidth(ProgressTrackWidth);
    auto *progressLayout = new QVBoxLayout(m_progressBlock);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    progressLayout->setSpacing(12);

    m_progressPercentLabel
        = makeLabel(Languages::formatPercent(0), QStringLiteral("progressPercentLabel"), m_progressBlock);
    m_progressPercentLabel->setAlignment(Qt::AlignCenter);
    progressLayout->addWidget(m_progressPercentLabel);

    auto *track = new QWidget(m_progressBlock);
    track->setAttribute(Qt::WA_StyledBackground);
    track->setObjectName(QStringLiteral("progressTrack"));
    track->setFixedHeight(8);
    m_progressBarFill = new QWidget(track);
    m_progressBarFill->setObjectName(QStringLiteral("progressBarFill"));
    m_progressBarFill->setAttribute(Qt::WA_StyledBackground);
    m_progressBarFill->setGeometry(0, 0, 0, 8);
    progressLayout->addWidget(track);

    m_progressStatusLabel = makeLabel(tr("Preparing..."), QStringLiteral("progressStatusLabel"), m_progressBlock);
    m_progressStatusLabel->setAlignment(Qt::AlignCenter);
    m_progressStatusLabel->setWordWrap(true);
    // The block sits in an aligned layout, which sizes it by its size hint, not by the height
    // for its width: reserve the two lines a long path wraps to.
    QFont statusFont = m_progressStatusLabel->font();
    statusFont.setPixelSize(12);
    m_progressStatusLabel->setMinimumHeight(2 * QFontMetrics(statusFont).lineSpacing());
    progressLayout->addWidget(m_progressStatusLabel);

    m_progressBlock->hide();
    layout->addWidget(m_progressBlock, 0, Qt::AlignHCenter);
    return view;
}

QWidget *DashboardPage::setupDataState()
{
    auto *view = new QWidget(this);
    auto *layout = new QVBoxLayout(view);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(6);

    auto *header = new QWidget(view);
    header->setObjectName(QStringLiteral("dashboardHeader"));
    auto *headerLayout = new QVBoxLayout(header);
    headerLayout->setContentsMargins(0, 10, 0, 0);
    headerLayout->setSpacing(4);
    headerLayout->setAlignment(Qt::AlignCenter);
    headerLayout->addWidget(
        makeLabel(tr("Sweepnook %1").arg(QLatin1String(Version::brief)), QStringLiteral("dashboardTitle"), header), 0,
        Qt::AlignHCenter);
    headerLayout->addWidget(
        makeLabel(tr("Keep Your Mac Running at Peak Performance"), QStringLiteral("dashboardSubtitle"), header), 0,
        Qt::AlignHCenter);
    layout->addWidget(header);

    auto *content = new QHBoxLayout;
    content->setSpacing(20);
    content->addWidget(createLeftCard(), 1);

    auto *cardColumn = new QWidget(view);
    cardColumn->setFixedWidth(230);
    auto *cardLayout = new QVBoxLayout(cardColumn);
    cardLayout->setContentsMargins(0, 55, 0, 0);
    cardLayout->setSpacing(14);
    m_junkCard = createStatCard(QStringLiteral("🗑️"), tr("Junk Files"), m_junkValueLabel, m_junkBarFill);
    m_junkCard->setObjectName(QStringLiteral("junkCard"));
    m_browserCard = createStatCard(QStringLiteral("🌐"), tr("Browser Data"), m_browserValueLabel, m_browserBarFill);
    m_browserCard->setObjectName(QStringLiteral("browserCard"));
    QWidget *registryBarFill = nullptr;
    m_registryCard = createStatCard(QStringLiteral("📋"), tr("Registry Issues"), m_registryValueLabel, registryBarFill);
    m_registryCard->setObjectName(QStringLiteral("registryCard"));
    m_registryCard->hide();
    cardLayout->addWidget(m_junkCard);
    cardLayout->addWidget(m_browserCard);
    cardLayout->addWidget(m_registryCard);
    cardLayout->addStretch();
    content->addWidget(cardColumn);
    layout->addLayout(content, 1);

    layout->addWidget(createTipBar());
    return view;
}

QWidget *DashboardPage::createLeftCard()
{
    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("dashboardLeftCard"));
    addShadow(card, 20, Palette::DashboardCardShadow, 4);
    card->setMaximumHeight(350);
    auto *layout = new QVBoxLayout(card);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);
    // Narrow side margins leave the two buttons room for the longer translations ("Alles
    // bereinigen") within the card's width.
    layout->setContentsMargins(16, 15, 16, 15);

    m_ring = new CircleProgressWidget(card);
    m_ring->setObjectName(QStringLiteral("ring"));
    layout->addWidget(m_ring, 0, Qt::AlignHCenter);
    m_ringCaption = makeLabel(QString(), QStringLiteral("ringCaption"), card);
    m_ringCaption->setAlignment(Qt::AlignCenter);
    m_ringCaption->setWordWrap(true);
    m_ringCaption->hide();
    layout->addWidget(m_ringCaption);

    auto *statusRow = new QWidget(card);
    statusRow->setObjectName(QStringLiteral("dashboardStatusRow"));
    auto *statusLayout = new QHBoxLayout(statusRow);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    statusLayout->setSpacing(8);
    statusLayout->setAlignment(Qt::AlignCenter);
    m_statusDot = new QWidget(statusRow);
    m_statusDot->setObjectName(QStringLiteral("statusDot"));
    m_statusDot->setAttribute(Qt::WA_StyledBackground);
    m_statusDot->setFixedSize(10, 10);
    m_statusLabel = makeLabel(QString(), QStringLiteral("statusLabel"), statusRow);
    statusLayout->addWidget(m_statusDot);
    statusLayout->addWidget(m_statusLabel);
    setDataStatus(tr("Ready to scan"), Activity::Ready);
    layout->addWidget(statusRow, 0, Qt::AlignHCenter);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    m_scanButton = new QPushButton(tr("🔍 Start Scan"), card);
    m_scanButton->setObjectName(QStringLiteral("startScanBtn"));
    connect(m_scanButton, &QPushButton::clicked, this, &DashboardPage::onScanClicked);
    m_cleanButton = new QPushButton(tr("🗑️ Clean All"), card);
    m_cleanButton->setObjectName(QStringLiteral("cleanAllBtn"));
    connect(m_cleanButton, &QPushButton::clicked, this, &DashboardPage::onCleanClicked);
    for (QPushButton *button : { m_scanButton, m_cleanButton }) {
        // At least 145 wide, wider when a translation needs it.
        button->setMinimumWidth(145);
        button->setFixedHeight(44);
        button->setCursor(Qt::PointingHandCursor);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    return card;
}

QWidget *DashboardPage::createTipBar()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("dashboardTipBar"));
    bar->setFixedHeight(50);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(20, 0, 20, 0);
    layout->setSpacing(10);
    layout->addWidget(makeLabel(QStringLiteral("💡"), QStringLiteral("dashboardTipIcon"), bar));
    QLabel *tip = makeLabel(tr("<span style='font-weight:600;'>Tip:</span> Regular cleaning can significantly improve "
                               "your Mac's performance"),
        QStringLiteral("dashboardTip"), bar);
    tip->setTextFormat(Qt::RichText);
    // A long translation takes a second line inside the bar.
    tip->setWordWrap(true);
    layout->addWidget(tip, 1);
    return bar;
}

// The card's colours (icon tile, bar) follow the object name its caller gives it.
QWidget *DashboardPage::createStatCard(
    const QString &icon, const QString &title, QLabel *&valueLabel, QWidget *&barFill)
{
    auto *card = new QFrame(this);
    card->setCursor(Qt::PointingHandCursor);
    card->setFixedHeight(95);
    addShadow(card, 15, Palette::StatCardShadow, 3);

    auto *layout = new QHBoxLayout(card);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);

    QLabel *iconLabel = makeLabel(icon, QStringLiteral("cardIcon"), card);
    iconLabel->setFixedSize(50, 50);
    iconLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(iconLabel);

    auto *textColumn = new QVBoxLayout;
    textColumn->setSpacing(3);
    textColumn->setContentsMargins(0, 2, 0, 2);
    textColumn->addWidget(makeLabel(title, QStringLiteral("cardTitle"), card));
    valueLabel = makeLabel(QStringLiteral("--"), QStringLiteral("cardValue"), card);
    textColumn->addWidget(valueLabel);
    auto *track = new QWidget(card);
    track->setAttribute(Qt::WA_StyledBackground);
    track->setObjectName(QStringLiteral("cardTrack"));
    track->setFixedSize(CardBarWidth, 5);
    barFill = new QWidget(track);
    barFill->setObjectName(QStringLiteral("cardBarFill"));
    barFill->setAttribute(Qt::WA_StyledBackground);
    barFill->setGeometry(0, 0, 60, 5);
    textColumn->addWidget(track);
    layout->addLayout(textColumn, 1);

    layout->addWidget(makeLabel(QStringLiteral("›"), QStringLiteral("cardChevron"), card));
    card->installEventFilter(this);
    return card;
}

void DashboardPage::showEmptyState()
{
    m_views->setCurrentWidget(m_emptyView);
}

void DashboardPage::showDataState()
{
    m_views->setCurrentWidget(m_dataView);
}

void DashboardPage::setDataStatus(const QString &text, Activity activity)
{
    m_statusLabel->setText(text);
    // The style sheet colours the dot by this property; a changed property needs a new polish.
    const bool busy = activity == Activity::Busy;
    if (m_statusDot->property("busy").toBool() == busy)
        return;
    m_statusDot->setProperty("busy", busy);
    m_statusDot->style()->unpolish(m_statusDot);
    m_statusDot->style()->polish(m_statusDot);
}

void DashboardPage::setScanning(bool scanning)
{
    m_scanning = scanning;
    m_fullScanButton->setEnabled(!scanning);
    m_fullScanButton->setText(scanning ? tr("Scanning...") : tr("🔍  Start Full Scan"));
    m_progressBlock->setVisible(scanning);
    m_scanButton->setEnabled(!scanning);
    m_cleanButton->setEnabled(!scanning);
    if (!scanning) {
        showLastEvent();
        return;
    }
    m_progressPercentLabel->setText(Languages::formatPercent(0));
    m_progressBarFill->resize(0, m_progressBarFill->height());
    m_progressStatusLabel->setText(tr("Preparing..."));
    setDataStatus(tr("Scanning..."), Activity::Busy);
    m_ring->setValue(0);
    m_ring->setValueText(QLocale().toString(0));
    m_ring->setUnit(QLocale().percent());
    m_ring->setSubtitle(tr("Scanning..."));
    m_ring->setProgress(0);
    m_ringCaption->hide();
}

void DashboardPage::setScanProgress(int percent, const QString &currentPath)
{
    const int shown = qBound(0, percent, 100);
    m_progressPercentLabel->setText(Languages::formatPercent(shown));
    m_progressBarFill->resize(shown * ProgressTrackWidth / 100, m_progressBarFill->height());
    // The junk scan names the rule it is in, the other scans a browser or a path.
    m_progressStatusLabel->setText(elidedPath(RuleTexts::shown(currentPath)));
    m_ring->setProgress(shown);
    m_ring->setValue(shown);
    // The sign sits on its own line under the number, so it needs no spacing.
    m_ring->setValueText(QLocale().toString(shown));
    m_ring->setUnit(QLocale().percent());
    m_ring->setSubtitle(tr("Scanning..."));
}

void DashboardPage::updateStats(qint64 junkBytes, qint64 browserBytes, int registryCount, qint64 cleanableBytes,
    qint64 foundBytes, bool browserAtLeast)
{
    m_junkBytes = junkBytes;
    m_browserBytes = browserBytes;
    m_registryCount = registryCount;
    m_hasData = true;
    const qint64 cleanable = cleanableBytes >= 0 ? cleanableBytes : junkBytes + browserBytes;
    const qint64 found = qMax(cleanable, foundBytes >= 0 ? foundBytes : cleanable);
    m_cleanableBytes = cleanable;
    // "28.4 MB": the number above its unit, in the unit that fits.
    const QString total = CleanItem::formatSize(cleanable, 1);
    const qsizetype space = total.lastIndexOf(QLatin1Char(' '));
    m_ring->setValueText(total.left(space));
    m_ring->setUnit(total.mid(space + 1));
    m_ring->setSubtitle(browserAtLeast ? tr("Can be cleaned (at least)") : tr("Can be cleaned"));
    // The ring's share: what is selected of everything found, a sliver for anything at all.
    int share = 0;
    if (found > 0 && cleanable > 0)
        share = qBound(1, static_cast<int>((cleanable * 100 + found / 2) / found), 100);
    m_ring->setProgress(share);
    m_ringCaption->setText(found > 0
            ? tr("Ring: %1 of what the scan found is selected").arg(Languages::formatPercent(share))
            : tr("The scan found nothing to clean"));
    m_ringCaption->show();

    m_junkValueLabel->setText(CleanItem::formatSize(junkBytes, 1));
    m_browserValueLabel->setText(CleanItem::formatTotal(browserBytes, browserAtLeast, 1));
    m_registryValueLabel->setText(QLocale().toString(registryCount));

    // Bars in proportion to the larger value; nothing has no bar, and anything else at least the
    // minimum, so a few bytes beside gigabytes stay visible.
    const qint64 larger = qMax(junkBytes, browserBytes);
    const auto barWidth = [larger](qint64 bytes) {
        if (bytes <= 0)
            return 0;
        return qMax(CardBarMinimumWidth, static_cast<int>(bytes * CardBarWidth / larger));
    };
    m_junkBarFill->resize(barWidth(junkBytes), m_junkBarFill->height());
    m_browserBarFill->resize(barWidth(browserBytes), m_browserBarFill->height());

    if (!m_scanning)
        showLastEvent();
    showDataState();
}

void DashboardPage::showScanTime(const QDateTime &when)
{
    m_lastEvent = LastEvent::Scan;
    m_lastScan = when;
    if (!m_scanning)
        showLastEvent();
}

void DashboardPage::showCleaned(qint64 bytesFreed)
{
    m_lastEvent = LastEvent::Clean;
    m_lastFreed = bytesFreed;
    if (!m_scanning)
        showLastEvent();
}

QString DashboardPage::lastScanText(qint64 secondsAgo)
{
    if (secondsAgo < SecondsPerMinute)
        return tr("Last scan: just now");
    if (secondsAgo < SecondsPerHour)
        return tr("Last scan: %Ln min ago", nullptr, int(secondsAgo / SecondsPerMinute));
    return tr("Last scan: %Ln h ago", nullptr, int(secondsAgo / SecondsPerHour));
}

void DashboardPage::showLastEvent()
{
    m_statusClock->stop();
    switch (m_lastEvent) {
    case LastEvent::None:
        setDataStatus(tr("Ready to scan"), Activity::Ready);
        return;
    case LastEvent::Scan: {
        const qint64 age = qMax<qint64>(0, m_lastScan.secsTo(QDateTime::currentDateTime()));
        if (age >= SecondsPerDay) {
            setDataStatus(
                tr("Last scan: %1").arg(QLocale().toString(m_lastScan, QLocale::ShortFormat)), Activity::Ready);
            return;
        }
        setDataStatus(lastScanText(age), Activity::Ready);
        m_statusClock->start();
        return;
    }
    case LastEvent::Clean:
        setDataStatus(tr("Cleaned %1").arg(CleanItem::formatSize(m_lastFreed)), Activity::Ready);
        return;
    }
}

qint64 DashboardPage::junkBytes() const
{
    return m_junkBytes;
}

qint64 DashboardPage::cleanableBytes() const
{
    return m_cleanableBytes;
}

qint64 DashboardPage::browserBytes() const
{
    return m_browserBytes;
}

int DashboardPage::registryCount() const
{
    return m_registryCount;
}

bool DashboardPage::hasData() const
{
    return m_hasData;
}

void DashboardPage::onScanClicked()
{
    emit scanRequested();
}

void DashboardPage::onCleanClicked()
{
    emit cleanRequested();
}

void DashboardPage::onJunkCardClicked()
{
    emit navigateToPage(JunkPageIndex);
}

void DashboardPage::onBrowserCardClicked()
{
    emit navigateToPage(BrowserPageIndex);
}

void DashboardPage::onRegistryCardClicked()
{
    emit navigateToPage(RegistryPageIndex);
}

bool DashboardPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_junkCard) {
            onJunkCardClicked();
            return true;
        }
        if (watched == m_browserCard) {
            onBrowserCardClicked();
            return true;
        }
        if (watched == m_registryCard) {
            onRegistryCardClicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
