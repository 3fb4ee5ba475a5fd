#pragma once

#include <QDateTime>
#include <QWidget>

class CircleProgressWidget;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;

// The landing page. It asks for a full scan or a clean of everything and shows what it is
// given: the merged progress of a running full scan and, afterwards, what a clean of everything
// would free (the ring in a unit that fits, the junk and browser shares on the cards). The
// scanning and the sums belong to the main window. The status line tells what happened last:
// the time of the last scan (kept current as time passes) or what the last clean freed.
class DashboardPage final : public QWidget
{
    Q_OBJECT

public:
    explicit DashboardPage(QWidget *parent = nullptr);

    void setScanning(bool scanning);
    void setScanProgress(int percent, const QString &currentPath);
    // The ring shows what Clean All removes (cleanableBytes; the two cards' sum when not given)
    // and is filled by its share of everything the scans found (foundBytes; full when not
    // given), which the caption under it says. browserAtLeast: the browser share leaves out data
    // of unknown size, so it and the ring say "at least".
    void updateStats(qint64 junkBytes, qint64 browserBytes, int registryCount, qint64 cleanableBytes = -1,
        qint64 foundBytes = -1, bool browserAtLeast = false);
    void showScanTime(const QDateTime &when);
    void showCleaned(qint64 bytesFreed);
    // The status text of a scan less than a day old ("Last scan: 2 min ago"); an older one
    // shows its date.
    static QString lastScanText(qint64 secondsAgo);
    // The totals last shown; both 0 until the first updateStats.
    qint64 junkBytes() const;
    // What the ring shows: what Clean All would remove.
    qint64 cleanableBytes() const;
    qint64 browserBytes() const;
    int registryCount() const;
    // False until the first updateStats.
    bool hasData() const;

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
    // The status dot reads ready (green) or busy (amber).
    enum class Activity { Ready, Busy };
    void setDataStatus(const QString &text, Activity activity);
    void showLastEvent();

    QStackedWidget *m_views = nullptr;
    QWidget *m_emptyView = nullptr;
    QWidget *m_dataView = nullptr;

    QPushButton *m_fullScanButton = nullptr;
    QWidget *m_progressBlock = nullptr;
    QLabel *m_progressPercentLabel = nullptr;
    QWidget *m_progressBarFill = nullptr;
    QLabel *m_progressStatusLabel = nullptr;

    CircleProgressWidget *m_ring = nullptr;
    QLabel *m_ringCaption = nullptr;
    qint64 m_cleanableBytes = 0;
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
    bool m_hasData = false;
    enum class LastEvent { None, Scan, Clean };
    LastEvent m_lastEvent = LastEvent::None;
    QDateTime m_lastScan;
    qint64 m_lastFreed = 0;
    // Moves "Last scan: ... ago" on while it is shown.
    QTimer *m_statusClock = nullptr;
    QWidget *m_junkBarFill = nullptr;
    QWidget *m_browserBarFill = nullptr;
};
