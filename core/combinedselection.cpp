#include "combinedselection.h"

namespace {

QSet<QString> listedPaths(const ScanResult &result)
{
    QSet<QString> paths;
    for (const CleanCategory &category : result.categories) {
        for (const CleanItem &item : category.items) {
            if (!item.path.isEmpty())
                paths.insert(item.path);
        }
    }
    return paths;
}

// Whether path or one of the folders above it is listed.
bool isAtOrBelow(const QString &path, const QSet<QString> &listed)
{
    if (listed.isEmpty())
        return false;
    for (qsizetype end = path.size(); end > 0; end = path.lastIndexOf(QLatin1Char('/'), end - 1)) {
        if (listed.contains(path.left(end)))
            return true;
    }
    return false;
}

// The selected items of the categories a clean takes, each path once.
ScanResult::Totals selectedOnce(const ScanResult &result, const CombinedSelection::CategoryFilter &cleans)
{
    ScanResult::Totals totals;
    QSet<QString> seen;
    for (const CleanCategory &category : result.categories) {
        if (!(cleans ? cleans(category) : category.checked))
            continue;
        for (const CleanItem &item : category.items) {
            if (!item.checked || seen.contains(item.path))
                continue;
            seen.insert(item.path);
            totals.size += item.size;
            ++totals.count;
        }
    }
    return totals;
}

} // namespace

CombinedSelection CombinedSelection::of(
    const ScanResult *junk, const ScanResult *browser, const CategoryFilter &browserCleans)
{
    CombinedSelection selection;
    if (browser)
        selection.browser = selectedOnce(*browser, browserCleans);
    if (!junk)
        return selection;
    const QSet<QString> browserPaths = browser ? listedPaths(*browser) : QSet<QString>();
    QSet<QString> seen;
    for (const CleanCategory &category : junk->categories) {
        if (!category.checked)
            continue;
        for (const CleanItem &item : category.items) {
            if (!item.checked || seen.contains(item.path))
                continue;
            seen.insert(item.path);
            if (isAtOrBelow(item.path, browserPaths)) {
                selection.junkLeftToBrowser.insert(item.path);
                continue;
            }
            selection.junk.size += item.size;
            ++selection.junk.count;
        }
    }
    return selection;
}

qint64 CombinedSelection::size() const
{
    return junk.size + browser.size;
}

int CombinedSelection::itemCount() const
{
    return junk.count + browser.count;
}
