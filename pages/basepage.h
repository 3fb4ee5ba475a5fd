#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

struct ScanResult;
class CategoryWidget;
class CleanEngine;
class ProgressDialog;
class Settings;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class StatCard;
class UnreadableNote;

// The page of a rule-driven engine: a header with title, subtitle and statistics card, the
// categories of the engine's last scan as expandable rows, and a footer with the selection and
// the scan and clean buttons. The rows edit the selection flags of the engine's own result.
// Subclasses pass their engine and the settings (for the confirmation before a clean) and set
// their texts; they may override how categories are shown.
class BasePage : public QWidget
{
    Q_OBJECT

public:
    BasePage(CleanEngine *engine, Settings *settings, QWidget *parent = nullptr);

    CleanEngine *engine() const;
    void setShowSize(bool show);

signals:
    void scanFinished();
    void cleanFinished();

public slots:
    void startScan();
    void startClean();
    void cancelOperation();
    void onScanProgress(int current, int total, const QString &path);
    void onScanFinished(const ScanResult &result);
    void onCleanProgress(int current, int total, qint64 cleanedBytes);
    void onCleanFinished(qint64 cleanedBytes, int cleanedCount);
    void onEngineError(const QString &message);
    void updateTotalSize();

protected:
    void setupUi();
    void setupHeader();
    void setupContent();
    void setupFooter();
    void connectEngine(CleanEngine *engine);
    virtual void updateCategories();
    virtual void clearCategories();
    // Says how many folders the last scan could not read, and how to grant access to them.
    void showUnreadableNote();
    // Adds a row in display order, before the trailing stretch of the list.
    void addCategoryWidget(CategoryWidget *widget);
    void setEmptyStateVisible(bool visible);
    bool engineBusy() const;
    bool resultHasCategories() const;
    void replaceProgressDialog(ProgressDialog *dialog);
    void closeProgressDialog();
    // Keeps the rows and buttons right when someone else (the dashboard's full scan) drives the engine.
    void onEngineStateChanged(int state);
    // Items of the result whose last removal failed.
    int failureCount() const;

    CleanEngine *m_engine = nullptr;
    Settings *m_settings = nullptr;
    bool m_showSize = true;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_subtitleLabel = nullptr;
    StatCard *m_statCard = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_contentWidget = nullptr;
    QVBoxLayout *m_contentLayout = nullptr;
    QWidget *m_emptyState = nullptr;
    UnreadableNote *m_unreadableNote = nullptr;
    QList<CategoryWidget *> m_categoryWidgets;
    QLabel *m_selectionLabel = nullptr;
    QPushButton *m_scanButton = nullptr;
    QPushButton *m_cleanButton = nullptr;
    QPointer<ProgressDialog> m_progressDialog;
    // What the clean under way said it skipped, shown with its summary.
    QString m_cleanNotice;
};
