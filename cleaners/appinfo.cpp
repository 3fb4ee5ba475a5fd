#include "appinfo.h"

qint64 AppInfo::selectedLeftoverSize() const
{
    qint64 total = 0;
    for (const LeftoverItem &leftover : leftovers)
        total += leftover.selected ? leftover.size : 0;
    return total;
}

int AppInfo::selectedLeftoverCount() const
{
    int count = 0;
    for (const LeftoverItem &leftover : leftovers)
        count += leftover.selected ? 1 : 0;
    return count;
}
