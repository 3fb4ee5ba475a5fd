#pragma once

#include "fileutils.h"

#include <QSet>
#include <QString>

class PinnedRoot;

// Empties a folder except some entries below it that must stay (files the user unticked on
// another page): everything else below the folder goes through FileUtils::removeUnder, the kept
// entries and the folders on their way stay. Entries are named from a listing of each folder on
// the way, opened below the root without following links; removeUnder checks every path again.
namespace KeepingRemoval {

struct Outcome
{
    // The entries removed directly below the folders on the way (each with all it held).
    QSet<QString> removed;
    // True when everything but the kept entries and their folders is gone.
    bool complete = true;
    // For the log line of the first failure, in English; and for the user (empty when the
    // caller's own words fit best).
    QString reason;
    QString shownReason;
};

// folder lies below root (or is root's path itself), keep below folder.
Outcome removeKeeping(const PinnedRoot &root, const QString &folder, const QSet<QString> &keep);

} // namespace KeepingRemoval
