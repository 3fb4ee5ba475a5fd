#pragma once

#include "cleaners/appuninstaller.h"

#include <QTimer>
#include <QWidget>

class AppListModel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSortFilterProxyModel;
class QStackedWidget;

// The app uninstaller's page: lists the installed applications with their size and leftovers,
// lets the user tick applications (and, in an expanded card, their leftovers), and after a
// confirmation naming them moves them and their ticked leftovers to the Trash.
//
// The page scans when first shown and on Refresh, and again after an uninstall. The engine is
// the caller's and outlives the page; its work runs off the interface thread, and while it runs
// Refresh and Uninstall wait. The search filters by name only; ticks survive filtering.
// What an uninstall moved to the Trash shows under the tool row until the next uninstall or
// Refresh; what stayed is reported in a message box.
class AppUninstallerPage final : public QWidget
{
    Q_OBJECT

public:
    explicit AppUninstallerPage(AppUninstaller *uninstaller, QWidget *parent = nullptr);
    ~AppUninstallerPage() override;

public slots:
    void onAppFound(const AppInfo &info);
    void onScanFinished(int count);
    void onSearchChanged(const QString &text);
    void onRefreshClicked();
    void onUninstallClicked();

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void updateLoadingAnimation();
    void onCheckedCountChanged(int count);
    void onProgressChanged(const QString &name);
    void onUninstallFinished(const QList<UninstallOutcome> &outcomes);
    // Another feature removed these paths: the apps and leftovers there leave the list.
    void onRemovedElsewhere(const QSet<QString> &paths);

private:
    enum class Activity { Idle, Scanning, Uninstalling };

    void setupUi();
    QWidget *createHeader();
    QWidget *createToolRow();
    QWidget *createLoadingView();
    void startScan();
    void showLoading(const QString &text);
    void showList();
    void updateBadge();
    void uninstall(const QList<AppInfo> &apps);
    // Says under the tool row what the uninstall moved to the Trash; hidden when nothing went.
    void showMoved(const QList<UninstallOutcome> &outcomes);

    AppUninstaller *m_uninstaller;
    AppListModel *m_model;
    QSortFilterProxyModel *m_proxy;
    Activity m_activity = Activity::Idle;
    bool m_shownOnce = false;
    bool m_scannedOnce = false;
    int m_frame = 0;
    QTimer m_spinnerTimer;

    QLabel *m_countBadge = nullptr;
    QLineEdit *m_search = nullptr;
    QPushButton *m_refreshBtn = nullptr;
    QLabel *m_selectionLabel = nullptr;
    QPushButton *m_uninstallBtn = nullptr;
    QLabel *m_resultLabel = nullptr;
    QStackedWidget *m_body = nullptr;
    QLabel *m_spinnerLabel = nullptr;
    QLabel *m_loadingLabel = nullptr;
    QLabel *m_currentLabel = nullptr;
    QListView *m_list = nullptr;
    QLabel *m_emptyLabel = nullptr;
};
