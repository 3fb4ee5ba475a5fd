#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>

class CleanAll;
class CleanEngine;
class DashboardPage;
class FullScan;
class NavButton;
class ProgressDialog;
class QMenu;
class QStackedWidget;
class SettingsDialog;
class TitleBar;

// The program's one window: a frameless rounded card with the green side bar, the title bar and
// the page stack, plus the tray icon. Pages sit at fixed indices, matching their side-bar buttons.
class MainWindow final : public QWidget
{
    Q_OBJECT

public:
    enum PageIndex {
        DashboardIndex = 0,
        JunkIndex = 1,
        BrowserIndex = 2,
        RegistryIndex = 3,
        StartupIndex = 4,
        LargeFilesIndex = 5,
        TweaksIndex = 6,
        UninstallerIndex = 7,
        DuplicatesIndex = 8,
        PrivacyIndex = 9,
        // Not a page: the navigation index that opens the settings dialog.
        SettingsIndex = 10,
    };

    explicit MainWindow(QWidget *parent = nullptr);

    void switchToPage(int index);
    int currentPage() const;
    TitleBar *titleBar() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void onNavButtonClicked(int index);
    void onMinimizeClicked();
    void onMaximizeClicked();
    void onCloseClicked();
    void onSettingsClicked();
    void onAboutClicked();
    void onHelpClicked();
    void onSupportClicked();
    void onDashboardScanRequested();
    void onDashboardCleanRequested();
    void onDashboardNavigate(int pageId);
    void onTrayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void onTrayShowWindow();
    void onTrayExit();
    void onLanguageChanged(const QString &language);

private:
    void setupUi();
    QWidget *setupNavigation();
    QWidget *createWindowControls();
    QWidget *createLogo();
    void setupContent();
    void setupSystemTray();
    void setupConnections();
    void applyStyles();
    bool isDragHandle(const QPoint &windowPosition) const;
    void startFullScan();
    void onFullScanFinished(qint64 junkBytes, qint64 browserBytes, int registryCount);
    // size: the text of what the clean frees ("at least 2.1 MB" where a size is unknown).
    bool confirmCleanAll(int itemCount, const QString &size);
    void onCleanAllProgress(int current, int total, qint64 cleanedBytes);
    void onCleanAllFinished();
    void followEngine(CleanEngine *engine);
    // The dashboard shows what Clean All would free now.
    void showCleanAllSelection();

    TitleBar *m_titleBar = nullptr;
    QWidget *m_navWidget = nullptr;
    QStackedWidget *m_pageStack = nullptr;
    QList<NavButton *> m_navButtons;
    SettingsDialog *m_settingsDialog = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    bool m_dragging = false;
    QPoint m_dragOffset;
    int m_currentPage = 0;
    DashboardPage *m_dashboardPage = nullptr;
    FullScan *m_fullScan = nullptr;
    CleanAll *m_cleanAll = nullptr;
    int m_registryCount = 0;
    QPointer<ProgressDialog> m_cleanAllDialog;
};
