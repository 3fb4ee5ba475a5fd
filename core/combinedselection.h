#pragma once

#include "scanresult.h"

#include <QSet>
#include <QString>

// What cleaning the junk and the browser selections together removes, each path once.
//
// The two scans meet in the caches folder (Firefox's cache under ~/Library/Caches/Firefox is
// application cache to the junk rules and browser data to the browser rules). Browser data is
// the browser engine's: a junk item at or below a path the browser scan found is left to the
// browser engine, ticked there or not, its browser ticked or not, since only that engine knows
// which browsers are running. Every other selected item counts once, in the engine that lists it.
struct CombinedSelection
{
    ScanResult::Totals junk;
    ScanResult::Totals browser;
    // Selected junk paths that the browser scan found: the junk clean leaves them alone.
    QSet<QString> junkLeftToBrowser;
    // Everything both scans found, ticked or not, each path once in the engine that cleans it.
    qint64 foundSize = 0;

    // Either result may be null (no engine, or no finished scan to read); browserFound holds
    // every path the browser scan found (CleanEngine::foundPaths).
    static CombinedSelection of(const ScanResult *junk, const QSet<QString> &browserFound, const ScanResult *browser);

    qint64 size() const;
    // Whether a selected item's size is unknown, so that size() is a lower bound.
    bool sizeUnknown() const;
    int itemCount() const;
};
