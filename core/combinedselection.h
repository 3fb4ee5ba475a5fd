#pragma once

#include "scanresult.h"

#include <QSet>
#include <QString>

#include <functional>

// What cleaning the junk and the browser selections together removes, each path once.
//
// The two scans meet in the caches folder (Firefox's cache under ~/Library/Caches/Firefox is
// application cache to the junk rules and browser data to the browser rules). Browser data is
// the browser engine's: a junk item at or below a path the browser result lists is left to the
// browser engine, ticked there or not, since only that engine knows which browsers are unticked
// or running. Every other selected item counts once, in the engine that lists it.
struct CombinedSelection
{
    ScanResult::Totals junk;
    ScanResult::Totals browser;
    // Selected junk paths that the browser result lists: the junk clean leaves them alone.
    QSet<QString> junkLeftToBrowser;

    // Whether a clean would take a category's ticked items; unset, its own box decides.
    using CategoryFilter = std::function<bool(const CleanCategory &category)>;

    // Either result may be null (no engine, or no finished scan to read).
    static CombinedSelection of(
        const ScanResult *junk, const ScanResult *browser, const CategoryFilter &browserCleans = {});

    qint64 size() const;
    int itemCount() const;
};
