#pragma once

#include <QWidget>

class CircleProgressWidget;
class CleanEngine;
class QLabel;
class QPushButton;
class QStackedWidget;

// The landing page. It asks for a full scan or a clean of everything and shows what it is
// given: the merged progress of a running full scan and, afterwards, what can be freed.
// The scanning itself belongs to the main window. Between full scans it follows the junk and
// browser engines it is given (either may be null): a scan finished elsewhere shows that engine's
// new total, a clean takes what it freed off the total shown.
class DashboardPage final : public QWidget
{
    Q_OBJECT

public:
    DashboardPage(CleanEngine *junkEngine, CleanEngine *browserEngine, QWidget *parent = nullptr);

    void setScanning(bool scanning);
    void setScanProgress(int percent, const QString &currentPath);
    void updateStats(qint64 junkBytes, qint64 browserBytes, int registryCount);
    // The totals last shown; both 0 until the first updateStats.
    qint64 junkBytes() const;
    qint64 browserBytes() const;
    int registryCount() const;

signals:
    void scanRequested();
    void cleanRequested();
    void navigateToPage(int pageId);

public slots:
    void onScanClicked();
    void onCleanClicked();
    void onJunkCardClicked();
    void onBrowserCardClicked();
    void onRegistryCardClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupUi();
    QWidget *setupEmptyState();
    QWidget *setupDataState();
    QWidget *createStatCard(const QString &icon, const QString &title, QLabel *&valueLabel, QWidget *&barFill);
    QWidget *createLeftCard();
    QWidget *createTipBar();
    void showEmptyState();
    void showDataState();
    void setDataStatus(const QString &text, const QString &dotColour);
    void followEngine(CleanEngine *engine, qint64 DashboardPage::*total);

    QStackedWidget *m_views = nullptr;
    QWidget *m_emptyView = nullptr;
    QWidget *m_dataView = nullptr;

    QPushButton *m_fullScanButton = nullptr;
    QWidget *m_progressBlock = nullptr;
    QLabel *m_progressPercentLabel = nullptr;
    QWidget *m_progressBarFill = nullptr;
    QLabel *m_progressStatusLabel = nullptr;

    CircleProgressWidget *m_ring = nullptr;
    QWidget *m_statusDot = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_scanButton = nullptr;
    QPushButton *m_cleanButton = nullptr;
    QWidget *m_junkCard = nullptr;
    QWidget *m_browserCard = nullptr;
    QWidget *m_registryCard = nullptr;
    QLabel *m_junkValueLabel = nullptr;
    QLabel *m_browserValueLabel = nullptr;
    QLabel *m_registryValueLabel = nullptr;

    qint64 m_junkBytes = 0;
    qint64 m_browserBytes = 0;
    int m_registryCount = 0;
    bool m_scanning = false;
    QWidget *m_junkBarFill = nullptr;
    QWidget *m_browserBarFill = nullptr;
};
