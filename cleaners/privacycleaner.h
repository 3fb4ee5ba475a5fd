#pragma once

#include "core/longjob.h"
#include "privacyitem.h"

#include <QList>
#include <QObject>
#include <QSet>

// Measures and clears five privacy traces of the logged-in user: the clipboard, the QuickLook
// preview cache, the recent-items lists, the notification history and the DNS cache.
//
// scan() and clean() start their work on the cleaner's worker and return at once; a new start
// cancels the work still running. A scan reports each trace by itemScanned, in the order of
// defaultItems(), then scanFinished; a cancelled scan reports nothing more. A clean clears the
// given traces in order, reports each by cleanProgress and ends with cleanFinished, also when it
// was cancelled: it then stops before the next trace and reports what was cleaned. A trace
// waiting for the user (the DNS cache's administrator prompt) stops at once, its prompt closed,
// and is reported as neither cleaned nor failed.
class PrivacyCleaner final : public QObject
{
    Q_OBJECT

public:
    explicit PrivacyCleaner(QObject *parent = nullptr);
    ~PrivacyCleaner() override;

    // The five traces in their order, with their texts and pre-selection, not measured.
    static QList<PrivacyItem> defaultItems();

    void scan();
    void clean(const QList<PrivacyItem> &items);
    // Returns at once.
    void cancel();
    bool isBusy() const;

    // Another feature removed these paths (Removals::share): each trace with files there is
    // measured again off the interface thread and reported by itemRemeasured, once no scan or
    // clean runs (a scan or clean started meanwhile takes precedence).
    void forgetRemoved(const QSet<QString> &paths);

signals:
    void itemScanned(const PrivacyItem &item);
    void scanFinished();
    // freedBytes is what left the disk, also for a trace that was cleared in part (success false).
    void cleanProgress(const QString &itemName, bool success, qint64 freedBytes);
    // totalFreed counts the traces cleared in part too; cleaned only those cleared whole.
    void cleanFinished(int cleaned, qint64 totalFreed);
    // Just before cleanFinished, when the clean removed files or folders: those paths.
    void pathsRemoved(const QSet<QString> &paths);
    // A trace measured again after another feature removed files of it.
    void itemRemeasured(const PrivacyItem &item);

private:
    void remeasureIfTold();

    // Paths other features removed, not yet measured again.
    QSet<QString> m_removedElsewhere;
    LongJob m_job;
};
