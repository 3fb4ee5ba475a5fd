#include "combinedselection.h"

namespace {

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

} // namespace

CombinedSelection CombinedSelection::of(
    const ScanResult *junk, const QSet<QString> &browserFound, const ScanResult *browser)
{
    CombinedSelection selection;
    if (browser) {
        selection.browser.size = browser->selectedSize();
        selection.browser.count = browser->selectedItemCount();
    }
    if (!junk)
        return selection;
    QSet<QString> seen;
    for (const CleanCategory &category : junk->categories) {
        if (!category.checked)
            continue;
        for (const CleanItem &item : category.items) {
            if (!item.checked || seen.contains(item.path))
                continue;
            seen.insert(item.path);
            if (isAtOrBelow(item.path, browserFound)) {
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
