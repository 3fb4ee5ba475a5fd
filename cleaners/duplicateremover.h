#pragma once

#include "duplicateremoval.h"

#include <QList>
#include <QObject>
#include <QStringList>

// Deletes the chosen copies of duplicate groups, but only copies that still are duplicates: a
// file is deleted when it lies inside an allowed root, is still a regular file of the group's
// size and content, and another file of the group that is kept still has that content.
// Everything else is left in place and reported as failed.
class DuplicateRemover final : public QObject
{
    Q_OBJECT

public:
    explicit DuplicateRemover(QObject *parent = nullptr);

    // Runs synchronously; emits progress while it works and finished once at the end.
    void remove(const QList<DuplicateRemoval> &removals, const QStringList &allowedRoots);

signals:
    void progress(int done, int total);
    void finished(const QStringList &removed, const QStringList &failed);
};
