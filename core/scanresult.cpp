#include "scanresult.h"

#include <QSet>

namespace {

struct Tally
{
    qint64 size = 0;
    int count = 0;
};

// Registry entries carry no file path; they are told apart by what they delete.
QString identityOf(const CleanItem &item)
{
    return item.path.isEmpty() ? item.regPath + QLatin1Char('\n') + item.regTarget : item.path;
}

template<typename Accept>
Tally tallyUniquePaths(const QList<CleanCategory> &categories, Accept accept)
{
    Tally tally;
    QSet<QString> seen;
    for (const CleanCategory &category : categories) {
        for (const CleanItem &item : category.items) {
            if (!accept(category, item))
                continue;
            const QString identity = identityOf(item);
            if (seen.contains(identity))
                continue;
            seen.insert(identity);
            tally.size += item.size;
            ++tally.count;
        }
    }
    return tally;
}

bool anyItem(const CleanCategory &, const CleanItem &)
{
    return true;
}

bool selectedItem(const CleanCategory &category, const CleanItem &item)
{
    return category.checked && item.checked;
}

} // namespace

qint64 ScanResult::totalSize() const
{
    return tallyUniquePaths(categories, anyItem).size;
}

qint64 ScanResult::selectedSize() const
{
    return tallyUniquePaths(categories, selectedItem).size;
}

int ScanResult::totalItemCount() const
{
    return tallyUniquePaths(categories, anyItem).count;
}

int ScanResult::selectedItemCount() const
{
    return tallyUniquePaths(categories, selectedItem).count;
}

CleanCategory *ScanResult::findCategory(const QString &id)
{
    for (CleanCategory &category : categories) {
        if (category.id == id)
            return &category;
    }
    return nullptr;
}
