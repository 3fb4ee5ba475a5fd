#pragma once

#include "cleancategory.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QSet>
#include <QStringList>

// What a rule-driven scan found, and what the user selected of it.
//
// The totals count each path once, even when two categories list it (two rules can reach
// the same file); a category's own figures stay its own.
struct ScanResult
{
    QList<CleanCategory> categories;
    QDateTime scanTime = QDateTime::currentDateTime();
    // Set by an engine whose categories never list one path twice (the junk scan gives each file
    // one rule): the totals then add up the items without remembering every path they counted.
    // Whoever adds categories or items that may repeat a path clears it.
    bool eachPathOnce = false;
    // Folders the scan could not read (no permission), so what they hold is not listed.
    QStringList unreadableFolders;

    struct Totals
    {
        qint64 size = 0;
        int count = 0;
        // An item of unknown size is counted, but adds nothing to size, which is then a lower bound.
        bool sizeUnknown = false;

        // What a clean of these items would free at least (the size shown).
        void add(const CleanItem &item);
    };

    // totalSize() and totalItemCount() in one pass over a large result.
    Totals totals() const;
    // selectedSize() and selectedItemCount() in one pass.
    Totals selected() const;
    qint64 totalSize() const;
    // An item counts when both its category and the item itself are checked.
    qint64 selectedSize() const;
    int totalItemCount() const;
    int selectedItemCount() const;
    CleanCategory *findCategory(const QString &id);
    // After a clean: the items whose paths were removed leave, and so do the categories left
    // empty; every other item with a path keeps the reason of its failure, or none, and takes the
    // size given for its path in remainingSizes, if any. Items without a path are left as they are.
    void keepRemaining(const QSet<QString> &removed, const QHash<QString, QString> &failures,
        const QHash<QString, qint64> &remainingSizes = {});
    // Another engine removed these paths (files, or folders with everything below them): the
    // items at or below one of them leave, and so do the categories left empty. Returns whether
    // anything left.
    bool dropRemoved(const QSet<QString> &removed);
};

Q_DECLARE_METATYPE(ScanResult)
