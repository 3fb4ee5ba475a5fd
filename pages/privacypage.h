#pragma once

#include "cleaners/privacyitem.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class PrivacyCleaner;
class PrivacyItemCard;
class QLabel;
class QProgressBar;
class QPushButton;

// The privacy cleaner's page: one card per trace, Scan measures them on the cleaner's worker,
// Clean clears the checked ones after a confirmation and ends with a summary. Cancel stops
// either at once; a stopped clean still reports what it cleared.
class PrivacyPage final : public QWidget
{
    Q_OBJECT

public:
    enum class State { Idle, Scanning, Scanned, Cleaning, Cleaned };
    Q_ENUM(State)

    explicit PrivacyPage(PrivacyCleaner *cleaner, QWidget *parent = nullptr);

    State state() const;

public slots:
    void onScanClicked();
    void onCleanClicked();
    void onCancelClicked();

private slots:
    void onItemScanned(const PrivacyItem &item);
    // Another feature removed files of a trace: its card shows the new measurement.
    void onItemRemeasured(const PrivacyItem &item);
    void onScanFinished();
    void onCleanProgress(const QString &itemName, bool success, qint64 freedBytes);
    void onCleanFinished(int cleaned, qint64 totalFreed);

private:
    void setupUi();
    QWidget *buildHeader();
    QWidget *buildFooter();
    void setState(State state);
    void setStatus(const QString &text, const QString &tone = QString());
    void updateSelection();
    QList<PrivacyItem> selectedItems() const;
    bool confirmClean(const QList<PrivacyItem> &items);
    PrivacyItemCard *cardNamed(const QString &name) const;

    PrivacyCleaner *m_cleaner;
    State m_state = State::Idle;
    QList<PrivacyItemCard *> m_cards;
    int m_scanned = 0;
    int m_cleanTotal = 0;
    int m_cleanDone = 0;
    QStringList m_failed;
    QLabel *m_statusLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_scanButton = nullptr;
    QPushButton *m_cleanButton = nullptr;
};
