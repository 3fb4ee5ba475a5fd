#include "removals.h"

bool Removals::covers(const QSet<QString> &removed, const QString &path)
{
    if (removed.isEmpty() || path.isEmpty())
        return false;
    // A few paths are compared as prefixes; many are looked up for each folder above path.
    constexpr qsizetype FewPaths = 16;
    if (removed.size() <= FewPaths) {
        for (const QString &gone : removed) {
            if (!gone.isEmpty() && path.startsWith(gone)
                && (path.size() == gone.size() || path.at(gone.size()) == QLatin1Char('/')))
                return true;
        }
        return false;
    }
    for (qsizetype end = path.size(); end > 0; end = path.lastIndexOf(QLatin1Char('/'), end - 1)) {
        // A view of path's own characters, not a copy: path outlives the lookup.
        if (removed.contains(QString::fromRawData(path.constData(), end)))
            return true;
    }
    return false;
}
