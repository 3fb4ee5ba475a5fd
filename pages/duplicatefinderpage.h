#pragma once

#include "cleaners/duplicategroup.h"
#include "cleaners/duplicateremoval.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QWidget>

class DuplicateFinder;
class DuplicateRemover;
class DuplicateResultsModel;
class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QListView;
class QStackedWidget;
class UnreadableNote;
class QTimer;
class QVBoxLayout;

// The duplicate finder's page: choose locations and a minimum size, scan off the interface
// thread with a progress card, then review the groups as cards in a list view (all but the
// newest copy checked) and move the checked copies that are still duplicates of a kept one to
// the Trash or delete them permanently. The finder and the remover belong to the caller and
// outlive the page.
class DuplicateFinderPage final : public QWidget
{
    Q_OBJECT

public:
    DuplicateFinderPage(DuplicateFinder *finder, DuplicateRemover *remover, QWidget *parent = nullptr);
    ~DuplicateFinderPage() override;

public slots:
    void onStartScan();
    void onCancelScan();
    void onBackToScan();
    void onGroupFound(const DuplicateGroup &group);
    void onScanFinished(int groups, qint64 waste);
    void onProgress(int scanned, int total, const QString &path);
    void onReadProgress(const QString &path, qint64 bytesRead, qint64 fileSize);
    void onScanStopped();
    void onSelectAll();
    void onSelectNone();
    void onKeepNewest();
    void onKeepOldest();
    void onDeleteSelected();
    void onBrowseFolder();
    void onLocationClicked(QPushButton *button, const QString &path);

private slots:
    void onRemovalProgress(int done, int total);
    void onRemovalFinished(const QStringList &removed, const QStringList &failed);
    // Another feature removed these paths: their files leave the groups shown or being found.
    void onRemovedElsewhere(const QSet<QString> &paths);

private:
    void setupUi();
    QWidget *buildScanPage();
    QWidget *buildResultsPage();
    QFrame *buildProgressCard();
    QPushButton *makeLocationBtn(const QString &icon, const QString &label, const QString &path, bool warning);
    void updatePathHint();
    void tickSpinner();
    void buildResultCards();
    void clearResults();
    void updateDeleteBtn();
    QString homeRelative(const QString &path) const;
    void updateSummary();
    void showChosenFoldersMenu();
    void removeChosenFolder(const QString &folder);
    bool isScanning() const;
    QString shortProgressPath(const QString &path) const;
    void endScanUi();
    void setDeleting(bool deleting);

    DuplicateFinder *m_finder;
    DuplicateRemover *m_remover;
    QStackedWidget *m_stack = nullptr;
    QList<QPushButton *> locationButtons;
    QPushButton *m_browseButton = nullptr;
    QStringList selectedPaths;
    QStringList m_browsedPaths;
    QStringList m_scannedRoots;
    QList<DuplicateGroup> foundGroups;
    // What other features removed while the scan under way ran.
    QSet<QString> m_removedDuringScan;
    DuplicateResultsModel *m_model;
    qint64 m_freedBytes = 0;
    qint64 m_trashedBytes = 0;
    bool m_deletingPermanently = false;
    QTimer *spinnerTimer = nullptr;
    int spinnerFrame = 0;

    QLabel *m_pathHint = nullptr;
    QComboBox *m_minSizeCombo = nullptr;
    QPushButton *m_startBtn = nullptr;
    QFrame *m_progressCard = nullptr;
    QLabel *m_spinnerLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_countLabel = nullptr;
    QPushButton *m_cancelBtn = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_pathLabel = nullptr;
    QListView *m_resultsView = nullptr;
    UnreadableNote *m_unreadableNote = nullptr;
    QLabel *m_summaryLabel = nullptr;
    QPushButton *m_newScanBtn = nullptr;
    QPushButton *m_keepBtn = nullptr;
    QPushButton *m_deleteBtn = nullptr;
};
