#include "mainwindow.h"

#include "application.h"
#include "cleanall.h"
#include "fullscan.h"
#include "linkmanager.h"
#include "navbutton.h"
#include "settingsdialog.h"
#include "titlebar.h"
#include "trafficlightbutton.h"
#include "pages/appuninstallerpage.h"
#include "pages/browserpage.h"
#include "pages/duplicatefinderpage.h"
#include "pages/junkpage.h"
#include "pages/largefilepage.h"
#include "cleaners/largefilescanner.h"
#include "cleaners/largefilevolumes.h"
#include "pages/privacypage.h"
#include "cleaners/browsercleaner.h"
#include "cleaners/junkcleaner.h"
#include "cleaners/registrycleaner.h"
#include "core/cleanitem.h"
#include "core/settings.h"
#include "core/version.h"
#include "pages/dashboardpage.h"
#include "pages/registrypage.h"
#include "pages/startuppage.h"
#include "pages/tweakspage.h"
#include "widgets/palette.h"
#include "widgets/progressdialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A palette colour as rich text names it.
QString htmlColour(const QColor &colour)
{
    return colour.name(QColor::HexRgb);
}

struct NavigationEntry
{
    const char *label;
    const char *iconPath;
    bool shown;
};

// Side-bar order = page index. Registry cleaning and tweaks only act on Windows: their entries
// exist but stay hidden.
const NavigationEntry navigationEntries[] = {
    { QT_TRANSLATE_NOOP("MainWindow", "Dashboard"), ":/icons/dashboard.svg", true },
    { QT_TRANSLATE_NOOP("MainWindow", "Junk Cleaner"), ":/icons/trash.svg", true },
    { QT_TRANSLATE_NOOP("MainWindow", "Browser Cleaner"), ":/icons/browser.svg", true },
    { QT_TRANSLATE_NOOP("MainWindow", "Registry Cleaner"), ":/icons/registry.svg", false },
    { QT_TRANSLATE_NOOP("MainWindow", "Startup Manager"), ":/icons/startup.svg", true },
    { QT_TRANSLATE_NOOP("MainWindow", "Large Files"), ":/icons/largefile.svg", true },
    { QT_TRANSLATE_NOOP("MainWindow", "Optimization"), ":/icons/settings.svg", false },
    { QT_TRANSLATE_NOOP("MainWindow", "App Uninstaller"), ":/icons/uninstall.svg", true },
    { QT_TRANSLATE_NOOP("MainWindow", "Duplicate Files"), ":/icons/duplicate.svg", true },
    { QT_TRANSLATE_NOOP("MainWindow", "Privacy Cleaner"), ":/icons/privacy.svg", true },
};

QString navigationLabel(int index)
{
    return QCoreApplication::translate("MainWindow", navigationEntries[index].label);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("Sweepnook"));
    setMinimumSize(900, 650);
    resize(900, 650);

    setupUi();
    setupSystemTray();
    setupConnections();
    applyStyles();
    connect(LinkManager::instance(), &LinkManager::languageChanged, this, &MainWindow::onLanguageChanged);

    if (m_pageStack->count() > 0)
        switchToPage(DashboardIndex);
}

void MainWindow::setupUi()
{
    auto *windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(10, 10, 10, 10);
    windowLayout->setSpacing(0);

    auto *mainContainer = new QWidget(this);
    mainContainer->setObjectName(QStringLiteral("mainContainer"));
    mainContainer->setAttribute(Qt::WA_StyledBackground);
    windowLayout->addWidget(mainContainer);

    auto *containerLayout = new QHBoxLayout(mainContainer);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    containerLayout->setSpacing(0);
    containerLayout->addWidget(setupNavigation(), 0);

    auto *rightContent = new QWidget(mainContainer);
    rightContent->setObjectName(QStringLiteral("rightContent"));
    rightContent->setAttribute(Qt::WA_StyledBackground);
    containerLayout->addWidget(rightContent, 1);

    auto *rightLayout = new QVBoxLayout(rightContent);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    m_titleBar = new TitleBar(rightContent);
    m_titleBar->setLanguageInUse(Application::instance()->language());
    rightLayout->addWidget(m_titleBar, 0);
    setupContent();
    rightLayout->addWidget(m_pageStack, 1);

    auto *shadow = new QGraphicsDropShadowEffect(mainContainer);
    shadow->setBlurRadius(20);
    shadow->setColor(Palette::WindowShadow);
    shadow->setOffset(0, 5);
    mainContainer->setGraphicsEffect(shadow);
}

QWidget *MainWindow::setupNavigation()
{
    m_navWidget = new QWidget;
    m_navWidget->setObjectName(QStringLiteral("navWidget"));
    m_navWidget->setAttribute(Qt::WA_StyledBackground);
    m_navWidget->setFixedWidth(220);
    auto *layout = new QVBoxLayout(m_navWidget);
    // Narrow side margins leave the entries room for their labels in every language.
    layout->setContentsMargins(12, 6, 12, 20);
    layout->setSpacing(6);

    layout->addWidget(createWindowControls());
    layout->addSpacing(2);
    layout->addWidget(createLogo());

    auto *separator = new QFrame(m_navWidget);
    separator->setObjectName(QStringLiteral("navSeparator"));
    separator->setFrameShape(QFrame::HLine);
    layout->addWidget(separator);
    layout->addSpacing(10);

    const int entryCount = int(std::size(navigationEntries));
    for (int index = 0; index < entryCount; ++index) {
        auto *button = new NavButton(
            navigationLabel(index), QString::fromLatin1(navigationEntries[index].iconPath), m_navWidget);
        button->setVisible(navigationEntries[index].shown);
        m_navButtons.append(button);
        layout->addWidget(button);
        connect(button, &NavButton::clicked, this, [this, index] { onNavButtonClicked(index); });
    }
    layout->addStretch();
    return m_navWidget;
}

QWidget *MainWindow::createWindowControls()
{
    auto *row = new QWidget(m_navWidget);
    row->setObjectName(QStringLiteral("windowControls"));
    row->setFixedHeight(20);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *closeButton = new TrafficLightButton(Palette::TrafficLightClose, QStringLiteral("×"), row);
    closeButton->setToolTip(tr("Close"));
    auto *minimizeButton = new TrafficLightButton(Palette::TrafficLightMinimize, QStringLiteral("–"), row);
    minimizeButton->setToolTip(tr("Minimize"));
    auto *zoomButton = new TrafficLightButton(Palette::TrafficLightZoom, QStringLiteral("⌃"), row);
    zoomButton->setToolTip(tr("Zoom"));
    connect(closeButton, &QAbstractButton::clicked, this, &MainWindow::onCloseClicked);
    connect(minimizeButton, &QAbstractButton::clicked, this, &MainWindow::onMinimizeClicked);
    connect(zoomButton, &QAbstractButton::clicked, this, &MainWindow::onMaximizeClicked);
    layout->addWidget(closeButton);
    layout->addWidget(minimizeButton);
    layout->addWidget(zoomButton);
    layout->addStretch();
    return row;
}

QWidget *MainWindow::createLogo()
{
    auto *logoWidget = new QWidget(m_navWidget);
    logoWidget->setObjectName(QStringLiteral("logoWidget"));
    auto *layout = new QVBoxLayout(logoWidget);
    layout->setContentsMargins(0, 8, 0, 16);
    layout->setSpacing(10);
    layout->setAlignment(Qt::AlignCenter);

    auto *badge = new QWidget(logoWidget);
    badge->setFixedSize(72, 72);
    auto *broom = new QLabel(QStringLiteral("🧹"), badge);
    broom->setGeometry(4, 12, 52, 52);
    broom->setAlignment(Qt::AlignCenter);
    broom->setObjectName(QStringLiteral("logoBroom"));
    auto *sparkle = new QLabel(QStringLiteral("✨"), badge);
    sparkle->setGeometry(48, 0, 24, 24);
    sparkle->setAlignment(Qt::AlignCenter);
    sparkle->setObjectName(QStringLiteral("logoSparkle"));
    layout->addWidget(badge, 0, Qt::AlignCenter);

    auto *name = new QLabel(QStringLiteral("Sweepnook %1").arg(QLatin1String(Version::brief)), logoWidget);
    name->setObjectName(QStringLiteral("logoLabel"));
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    return logoWidget;
}

void MainWindow::setupContent()
{
    m_pageStack = new QStackedWidget;
    m_pageStack->setObjectName(QStringLiteral("pageStack"));
    // One page per side-bar entry, in index order; each page is handed its engine and the settings.
    const Application *application = Application::instance();
    Settings *settings = application->settings();
    m_dashboardPage = new DashboardPage;
    m_pageStack->addWidget(m_dashboardPage);
    m_pageStack->addWidget(new JunkPage(application->junkCleaner(), settings));
    m_pageStack->addWidget(new BrowserPage(application->browserCleaner(), settings));
    m_pageStack->addWidget(new RegistryPage);
    m_pageStack->addWidget(new StartupPage(Application::instance()->startupManager()));
    m_pageStack->addWidget(new LargeFilePage(
        Application::instance()->largeFileScanner(), LargeFileVolumes::browsable(LargeFileVolumes::mounted())));
    m_pageStack->addWidget(new TweaksPage(Application::instance()->tweakManager()));
    m_pageStack->addWidget(new AppUninstallerPage(Application::instance()->appUninstaller()));
    m_pageStack->addWidget(new DuplicateFinderPage(application->duplicateFinder(), application->duplicateRemover()));
    m_pageStack->addWidget(new PrivacyPage(Application::instance()->privacyCleaner()));
}

void MainWindow::setupSystemTray()
{
    m_trayIcon = new QSystemTrayIcon(QIcon(QStringLiteral(":/icons/app.svg")), this);
    m_trayIcon->setToolTip(tr("Sweepnook - Mac Cleaning Tool"));
    m_trayMenu = new QMenu(this);
    m_trayMenu->addAction(tr("显示主窗口"), this, &MainWindow::onTrayShowWindow);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(tr("退出"), this, &MainWindow::onTrayExit);
    m_trayIcon->setContextMenu(m_trayMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::onTrayIconActivated);
    m_trayIcon->show();
}

void MainWindow::setupConnections()
{
    connect(m_titleBar, &TitleBar::minimizeClicked, this, &MainWindow::onMinimizeClicked);
    connect(m_titleBar, &TitleBar::maximizeClicked, this, &MainWindow::onMaximizeClicked);
    connect(m_titleBar, &TitleBar::closeClicked, this, &MainWindow::onCloseClicked);
    connect(m_titleBar, &TitleBar::settingsClicked, this, &MainWindow::onSettingsClicked);
    connect(m_titleBar, &TitleBar::aboutClicked, this, &MainWindow::onAboutClicked);
    connect(m_titleBar, &TitleBar::helpClicked, this, &MainWindow::onHelpClicked);
    connect(m_titleBar, &TitleBar::supportClicked, this, &MainWindow::onSupportClicked);
    connect(m_titleBar, &TitleBar::languageChanged, this, &MainWindow::onLanguageChanged);
    connect(m_dashboardPage, &DashboardPage::scanRequested, this, &MainWindow::onDashboardScanRequested);
    connect(m_dashboardPage, &DashboardPage::cleanRequested, this, &MainWindow::onDashboardCleanRequested);
    connect(m_dashboardPage, &DashboardPage::navigateToPage, this, &MainWindow::onDashboardNavigate);

    m_fullScan = new FullScan(this);
    connect(m_fullScan, &FullScan::progressChanged, m_dashboardPage, &DashboardPage::setScanProgress);
    connect(m_fullScan, &FullScan::finished, this, &MainWindow::onFullScanFinished);

    const Application *application = Application::instance();
    m_cleanAll = new CleanAll(application->junkCleaner(), application->browserCleaner(), this);
    connect(m_cleanAll, &CleanAll::progressChanged, this, &MainWindow::onCleanAllProgress);
    connect(m_cleanAll, &CleanAll::finished, this, &MainWindow::onCleanAllFinished);
    // After Clean All's own bookkeeping of the same signals.
    followEngine(application->junkCleaner());
    followEngine(application->browserCleaner());
}

// A scan or clean run from the engine's own page: the dashboard follows it between full scans
// and Clean All runs, which report at their end.
void MainWindow::followEngine(CleanEngine *engine)
{
    if (!engine)
        return;
    connect(engine, &CleanEngine::scanFinished, this, [this] {
        if (m_fullScan->isRunning())
            return;
        showCleanAllSelection();
        m_dashboardPage->showScanTime(QDateTime::currentDateTime());
    });
    connect(engine, &CleanEngine::cleanFinished, this, [this](qint64 bytesCleaned) {
        if (m_cleanAll->isRunning() || !m_dashboardPage->hasData())
            return;
        showCleanAllSelection();
        m_dashboardPage->showCleaned(bytesCleaned);
    });
    // Another feature removed files the engine listed.
    connect(engine, &CleanEngine::resultChanged, this, [this] {
        if (m_fullScan->isRunning() || m_cleanAll->isRunning() || !m_dashboardPage->hasData())
            return;
        showCleanAllSelection();
    });
}

void MainWindow::showCleanAllSelection()
{
    // The cards show what each page's clean would remove, as its footer does; the ring what Clean
    // All would, each path once.
    const CleanAll::Selection selection = m_cleanAll->selection();
    const Application *application = Application::instance();
    const auto pageSelection = [](const CleanEngine *engine) -> ScanResult::Totals {
        if (!engine || engine->state() != CleanEngine::Finished || engine->isBusy())
            return {};
        return engine->selectionToClean();
    };
    const ScanResult::Totals browser = pageSelection(application->browserCleaner());
    m_dashboardPage->updateStats(pageSelection(application->junkCleaner()).size, browser.size, m_registryCount,
        selection.size, selection.foundSize, browser.sizeUnknown);
}

void MainWindow::applyStyles()
{
    QFile sheet(QStringLiteral(":/styles/style.qss"));
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

void MainWindow::switchToPage(int index)
{
    if (index < 0 || index >= m_pageStack->count())
        return;
    for (int position = 0; position < m_navButtons.size(); ++position)
        m_navButtons.at(position)->setChecked(position == index);
    m_currentPage = index;
    // The pages may have changed their selections since.
    if (index == DashboardIndex && m_cleanAll && m_dashboardPage->hasData() && !m_fullScan->isRunning()
        && !m_cleanAll->isRunning())
        showCleanAllSelection();
    m_pageStack->setCurrentIndex(index);
}

int MainWindow::currentPage() const
{
    return m_currentPage;
}

TitleBar *MainWindow::titleBar() const
{
    return m_titleBar;
}

void MainWindow::onNavButtonClicked(int index)
{
    if (index == RegistryIndex || index == TweaksIndex)
        return;
    if (index == SettingsIndex) {
        onSettingsClicked();
        return;
    }
    switchToPage(index);
}

void MainWindow::onDashboardScanRequested()
{
    startFullScan();
}

void MainWindow::onDashboardCleanRequested()
{
    if (m_fullScan->isRunning() || m_cleanAll->isRunning())
        return;
    const CleanAll::Selection selection = m_cleanAll->selection();
    if (selection.itemCount == 0) {
        QMessageBox::information(this, tr("Notice"), tr("No items selected"));
        return;
    }
    if (!confirmCleanAll(selection.itemCount, CleanItem::formatTotal(selection.size, selection.sizeUnknown)))
        return;
    if (m_cleanAllDialog)
        m_cleanAllDialog->deleteLater();
    m_cleanAllDialog = new ProgressDialog(ProgressDialog::Clean, this);
    m_cleanAllDialog->setModal(true);
    connect(m_cleanAllDialog, &ProgressDialog::cancelRequested, m_cleanAll, &CleanAll::cancel);
    m_cleanAllDialog->show();
    m_cleanAll->start();
}

bool MainWindow::confirmCleanAll(int itemCount, const QString &size)
{
    if (!Application::instance()->settings()->flag(Settings::ConfirmClean))
        return true;
    const auto answer = QMessageBox::question(this, tr("Confirm Clean"),
        tr("Are you sure you want to clean %Ln selected items (%1)?\nThis action cannot be undone!", nullptr, itemCount)
            .arg(size),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void MainWindow::onCleanAllProgress(int current, int total, qint64 cleanedBytes)
{
    if (!m_cleanAllDialog)
        return;
    m_cleanAllDialog->setProgress(current, total);
    m_cleanAllDialog->setCleanedSize(cleanedBytes);
}

void MainWindow::onCleanAllFinished()
{
    const CleanAll::Summary &summary = m_cleanAll->summary();
    QStringList lines;
    const QString totals = tr("Cleaned %Ln items, freed %1", nullptr, summary.itemsCleaned)
                               .arg(CleanItem::formatSize(summary.bytesFreed()));
    lines << (summary.cancelled ? tr("Cancelled. %1").arg(totals) : totals);
    if (summary.itemsFailed > 0)
        lines << tr("%Ln items could not be removed.", nullptr, summary.itemsFailed);
    lines << summary.errors;
    // A skipped browser or a file that could not go leaves the run partly done, not failed,
    // as long as something was cleaned.
    const bool allDone = summary.itemsFailed == 0 && summary.errors.isEmpty();
    const ProgressDialog::Outcome outcome = allDone ? ProgressDialog::Succeeded
        : summary.itemsCleaned > 0                  ? ProgressDialog::PartlyDone
                                                    : ProgressDialog::Failed;
    if (m_cleanAllDialog)
        m_cleanAllDialog->setFinished(outcome, lines.join(QLatin1Char('\n')));
    showCleanAllSelection();
    m_dashboardPage->showCleaned(summary.bytesFreed());
}

void MainWindow::startFullScan()
{
    if (m_cleanAll->isRunning())
        return;
    const Application *application = Application::instance();
    CleanEngine *junk = application->junkCleaner();
    CleanEngine *browser = application->browserCleaner();
    CleanEngine *registry = application->registryCleaner();
    if (!FullScan::canStart(junk, browser, registry)) {
        QMessageBox::information(this, tr("Notice"), tr("A clean is still running. Scan again when it has finished."));
        return;
    }
    m_dashboardPage->setScanning(true);
    m_fullScan->start(junk, browser, registry);
}

// The cards and the ring show what Clean All would free, not all that was found: the boxes the
// pages start with are the selection, and Clean All's confirmation and summary count the same.
void MainWindow::onFullScanFinished(qint64, qint64, int registryCount)
{
    m_registryCount = registryCount;
    m_dashboardPage->setScanning(false);
    showCleanAllSelection();
    m_dashboardPage->showScanTime(QDateTime::currentDateTime());
}

void MainWindow::onDashboardNavigate(int pageId)
{
    switchToPage(pageId);
}

void MainWindow::onMinimizeClicked()
{
    showMinimized();
}

void MainWindow::onMaximizeClicked()
{
    const bool maximize = !isMaximized();
    if (maximize)
        showMaximized();
    else
        showNormal();
    m_titleBar->setMaximized(maximize);
}

void MainWindow::onCloseClicked()
{
    close();
}

void MainWindow::onSettingsClicked()
{
    if (!m_settingsDialog)
        m_settingsDialog
            = new SettingsDialog(Application::instance()->settings(), Application::instance()->startupManager(), this);
    // The kept dialog shows what is stored, not what a cancelled visit left in its boxes.
    m_settingsDialog->loadSettings();
    m_settingsDialog->exec();
}

void MainWindow::onAboutClicked()
{
    QMessageBox box(this);
    box.setWindowTitle(tr("About Sweepnook"));
    box.setTextFormat(Qt::RichText);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setText(QStringLiteral("<h2 style='color: %5; margin-bottom: 4px;'>Sweepnook %4</h2>"
                               "<p style='color: %6; margin-top: 0;'>%1</p>"
                               "<hr style='border: none; border-top: 1px solid %7;'/>"
                               "<p style='color: %8; line-height: 1.6;'>%2</p>"
                               "<p style='color: %9; font-size: 12px;'>%3</p>")
                    .arg(tr("by Quelmo"),
                        tr("The smartest way to keep your Mac clean, fast, and private.<br>Remove junk files, "
                           "browser traces, duplicate files,<br>and privacy risks — all in one click."),
                        tr("© 2026 Quelmo. All rights reserved."), QLatin1String(Version::brief),
                        htmlColour(Palette::Accent), htmlColour(Palette::TextSecondary), htmlColour(Palette::Border),
                        htmlColour(Palette::TextStrong), htmlColour(Palette::TextMuted)));
    QPixmap icon(QStringLiteral(":/icons/logo.ico"));
    if (icon.isNull())
        icon.load(QStringLiteral(":/icons/app.svg"));
    if (!icon.isNull())
        box.setIconPixmap(icon.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    box.exec();
}

void MainWindow::onHelpClicked()
{
    LinkManager::instance()->openLink(QStringLiteral("support"), QStringLiteral("help"), this);
}

void MainWindow::onSupportClicked()
{
    LinkManager::instance()->openLink(QStringLiteral("support"), QStringLiteral("contact"), this);
}

void MainWindow::onTrayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        onTrayShowWindow();
}

void MainWindow::onTrayShowWindow()
{
    show();
    raise();
    activateWindow();
    if (isMinimized())
        showNormal();
}

void MainWindow::onTrayExit()
{
    m_trayIcon->hide();
    QCoreApplication::quit();
}

void MainWindow::onLanguageChanged(const QString &language)
{
    qDebug() << "[MainWindow] 语言已切换为:" << language;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    const bool toTray = Application::instance()->settings()->flag(Settings::MinimizeToTray);
    if (toTray && m_trayIcon && m_trayIcon->isVisible()) {
        hide();
        m_trayIcon->showMessage(tr("Sweepnook"),
            tr("Program minimized to system tray. Double-click the icon to restore."), QSystemTrayIcon::Information,
            2000);
        event->ignore();
        return;
    }
    if (m_trayIcon)
        m_trayIcon->hide();
    event->accept();
}

bool MainWindow::isDragHandle(const QPoint &windowPosition) const
{
    return m_navWidget->rect().contains(m_navWidget->mapFrom(this, windowPosition))
        || m_titleBar->rect().contains(m_titleBar->mapFrom(this, windowPosition));
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isDragHandle(event->position().toPoint())) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}
