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
        selection.browser = browser->selected();
        selection.foundSize = browser->totalSize();
    }
    if (!junk)
        return selection;
    QSet<QString> found;
    QSet<QString> seen;
    for (const CleanCategory &category : junk->categories) {
        for (const CleanItem &item : category.items) {
            const bool browsers = isAtOrBelow(item.path, browserFound);
            if (!browsers && !found.contains(item.path)) {
                found.insert(item.path);
                selection.foundSize += qMax<qint64>(0, item.size);
            }
            if (!category.checked || !item.checked || seen.contains(item.path))
                continue;
            seen.insert(item.path);
            if (browsers) {
                selection.junkLeftToBrowser.insert(item.path);
                continue;
            }
            selection.junk.add(item);
        }
    }
    return selection;
}

qint64 CombinedSelection::size() const
{
    return junk.size + browser.size;
}

bool CombinedSelection::sizeUnknown() const
{
    return junk.sizeUnknown || browser.sizeUnknown;
}

int CombinedSelection::itemCount() const
{
    return junk.count + browser.count;
}
