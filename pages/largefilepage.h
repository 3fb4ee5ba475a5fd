#pragma once

#include "cleaners/largefilescanner.h"
#include "cleaners/largefilevolumes.h"

#include <QMap>
#include <QPointer>
#include <QWidget>

#include <optional>

class LargeFileModel;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QListView;
class QPushButton;
class QStackedWidget;
class ScanProgressDialog;
class UnreadableNote;

// The large file finder's page. The scan page offers the volumes and added folders as cards,
// a minimum size and Start Scan; a progress card shows the walk; the results page lists the
// files and packages found as cards (largest first, or newest first, one category or all) with
// check boxes, a context menu per file and Delete Selected. Every deletion asks whether to move
// to the Trash (the default) or to delete permanently, and goes through the scanner.
class LargeFilePage final : public QWidget
{
    Q_OBJECT

public:
    LargeFilePage(LargeFileScanner *scanner, const QList<LargeFileVolume> &volumes, QWidget *parent = nullptr);
    ~LargeFilePage() override;

    // Offers the folder as a selected card; false when it is offered already.
    bool addFolder(const QString &path);
    LargeFileModel *resultsModel() const;
    // Shows these entries on the results page, as at the end of a scan.
    void showResults(const QList<LargeFileInfo> &files);

    static QString cutName(const QString &name);
    // The path with the home folder written "~".
    static QString homeRelative(const QString &path);
    // Used share of a volume in percent (integer division), 0 without a total.
    static int usagePercent(qint64 total, qint64 free);

public slots:
    void onStartScan();
    void onCancelScan();
    void onScanStarted();
    void onScanProgress(int percent, const QString &currentPath, int foundCount, qint64 totalSize);
    void onScanFinished(int totalFound, qint64 totalSize);
    void onBackClicked();
    void onDeleteSelected();
    void onSizeComboChanged(int index);
    void updateSelectedInfo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setupUi();
    QWidget *setupScanPage();
    QWidget *setupResultPage();
    QFrame *createDriveCard(const LargeFileVolume &volume);
    QFrame *createCustomFolderCard(const QString &path);
    QFrame *createAddCard();
    QFrame *newCard(const QString &path);
    void refreshDriveGrid();
    void updateDriveInfo();
    void setCardChecked(QFrame *card, bool checked);
    void removeFolderCard(QFrame *card);
    void chooseFolder();
    void showFileContextMenu(const QPoint &position);
    void onOpenFileLocation(const QString &path);
    void onDeleteSingleFile(const QByteArray &entry);
    std::optional<LargeFileScanner::DeleteMode> askDeleteMode(const QString &question);
    void startDeletion(const QList<QByteArray> &entries, LargeFileScanner::DeleteMode mode, bool single);
    void onDeleteFinished(const LargeFileDeletion &deletion);
    // Another feature removed these entries: they leave the list and the totals.
    void onResultsForgotten(const QStringList &paths);
    void populateResults(const QList<LargeFileInfo> &files);
    void clearResults();
    void showScanPage();
    void showResultPage();
    void updateSummary();

    LargeFileScanner *m_scanner;
    QPointer<ScanProgressDialog> m_progressDialog;
    QStackedWidget *m_stack = nullptr;
    QList<QFrame *> m_driveCards;
    QMap<QString, QCheckBox *> m_driveChecks;
    qint64 m_customMinSize = 0;
    int m_previousSizeIndex = 1;
    bool m_singleDeletion = false;
    qint64 m_freedBytes = 0;
    qint64 m_trashedBytes = 0;

    QWidget *m_gridContainer = nullptr;
    QGridLayout *m_grid = nullptr;
    QFrame *m_addCard = nullptr;
    QComboBox *m_sizeCombo = nullptr;
    QLabel *m_infoLabel = nullptr;
    QPushButton *m_startButton = nullptr;

    LargeFileModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QLabel *m_summaryLabel = nullptr;
    QLabel *m_freedLabel = nullptr;
    UnreadableNote *m_unreadableNote = nullptr;
    QCheckBox *m_selectAll = nullptr;
    QComboBox *m_orderCombo = nullptr;
    QComboBox *m_typeCombo = nullptr;
    QPushButton *m_backButton = nullptr;
    QLabel *m_selectionLabel = nullptr;
    QPushButton *m_deleteButton = nullptr;
};
