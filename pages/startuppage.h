#pragma once

#include "cleaners/startupmanager.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStackedWidget;
class QTimer;
class StartupCardDelegate;
class StartupListModel;

// The startup page: the user's startup items, the machine's agents and daemons and the
// applications no agent starts yet, as one list of cards with a search field and Refresh.
// The first show and Refresh run the manager's scan (a loading view with a spinner stands in
// for the list meanwhile). Unticking an own item removes its agent, ticking an application
// adds one, off the interface thread (the list follows when the change is done); anything else
// is read-only. When nothing is there to show (no match for the search, or an empty scan) a
// line says so in place of the list. The manager is not owned.
class StartupPage final : public QWidget
{
    Q_OBJECT

public:
    explicit StartupPage(StartupManager *manager, QWidget *parent = nullptr);
    ~StartupPage() override;

    StartupListModel *model() const;
    bool isLoading() const;
    // The line shown in place of an empty list; empty while the list has rows or while loading.
    QString emptyText() const;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void onSearchChanged(const QString &text);
    void onRefreshClicked();
    void updateLoadingAnimation();
    void onRemoveRequested(const StartupItem &requested);
    void onAddRequested(const InstalledApp &app);
    void onEnableRequested(const StartupItem &requested);
    // A change the page asked for ended: a failure is shown, never taken for success.
    void onChangeFinished(StartupManager::ChangeKind kind, const QString &name, bool ok);
    void onRevealRequested(const QString &path);
    void onRefreshFinished();

private:
    void setupUi();
    QWidget *createLoadingView();
    void showLoading(bool on);
    void showListOrEmptyText();
    void startBackgroundScan();
    void reloadList();
    void showMessage(bool warning, const QString &title, const QString &text);

    StartupManager *m_manager;
    bool m_shownOnce = false;
    int m_frameIndex = 0;
    StartupListModel *m_model = nullptr;
    StartupCardDelegate *m_delegate = nullptr;
    QLabel *m_countBadge = nullptr;
    QLineEdit *m_searchEdit = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QStackedWidget *m_body = nullptr;
    QWidget *m_loadingView = nullptr;
    QLabel *m_spinnerLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QListView *m_listView = nullptr;
    QLabel *m_emptyLabel = nullptr;
    QTimer *m_spinnerTimer = nullptr;
};
