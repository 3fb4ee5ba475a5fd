#include "removals.h"

bool Removals::covers(const QSet<QString> &removed, const QString &path)
{
    if (removed.isEmpty() || path.isEmpty())
        return false;
    for (qsizetype end = path.size(); end > 0; end = path.lastIndexOf(QLatin1Char('/'), end - 1)) {
        if (removed.contains(path.left(end)))
            return true;
    }
    return false;
}
