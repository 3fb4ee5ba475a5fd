#include "scanresult.h"

#include "removals.h"

#include <algorithm>

namespace {

using Tally = ScanResult::Totals;

// Remembers the items already counted, told apart by their path. The path views stay valid
// because the categories outlive the tally.
class SeenItems
{
public:
    explicit SeenItems(qsizetype expected)
    {
        m_paths.reserve(expected);
    }

    // True the first time an item with this identity is offered.
    bool insert(const CleanItem &item)
    {
        const qsizetype before = m_paths.size();
        m_paths.insert(QStringView(item.path));
        return m_paths.size() != before;
    }

private:
    QSet<QStringView> m_paths;
};

template<typename Accept> Tally tallyAll(const QList<CleanCategory> &categories, Accept accept)
{
    Tally tally;
    for (const CleanCategory &category : categories) {
        for (const CleanItem &item : category.items) {
            if (accept(category, item))
                tally.add(item);
        }
    }
    return tally;
}

template<typename Accept> Tally tallyUniquePaths(const QList<CleanCategory> &categories, Accept accept)
{
    qsizetype itemCount = 0;
    for (const CleanCategory &category : categories)
        itemCount += category.items.size();
    Tally tally;
    SeenItems seen(itemCount);
    for (const CleanCategory &category : categories) {
        for (const CleanItem &item : category.items) {
            if (accept(category, item) && seen.insert(item))
                tally.add(item);
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

template<typename Accept> Tally tally(const ScanResult &result, Accept accept)
{
    return result.eachPathOnce ? tallyAll(result.categories, accept) : tallyUniquePaths(result.categories, accept);
}

} // namespace

void ScanResult::Totals::add(const CleanItem &item)
{
    ++count;
    if (item.isSizeKnown())
        size += item.size;
    else
        sizeUnknown = true;
}

ScanResult::Totals ScanResult::totals() const
{
    return tally(*this, anyItem);
}

ScanResult::Totals ScanResult::selected() const
{
    return tally(*this, selectedItem);
}

qint64 ScanResult::totalSize() const
{
    return tally(*this, anyItem).size;
}

qint64 ScanResult::selectedSize() const
{
    return tally(*this, selectedItem).size;
}

int ScanResult::totalItemCount() const
{
    return tally(*this, anyItem).count;
}

int ScanResult::selectedItemCount() const
{
    return tally(*this, selectedItem).count;
}

void ScanResult::keepRemaining(
    const QSet<QString> &removed, const QHash<QString, QString> &failures, const QHash<QString, qint64> &remainingSizes)
{
    for (CleanCategory &category : categories) {
        category.items.erase(std::remove_if(category.items.begin(), category.items.end(),
                                 [&](const CleanItem &item) { return removed.contains(item.path); }),
            category.items.end());
        for (CleanItem &item : category.items) {
            if (item.path.isEmpty())
                continue;
            item.failure = failures.value(item.path);
            item.size = remainingSizes.value(item.path, item.size);
        }
    }
    categories.erase(std::remove_if(categories.begin(), categories.end(),
                         [](const CleanCategory &category) { return category.items.isEmpty(); }),
        categories.end());
}

bool ScanResult::dropRemoved(const QSet<QString> &removed)
{
    bool dropped = false;
    for (CleanCategory &category : categories) {
        const auto gone = std::remove_if(category.items.begin(), category.items.end(),
            [&](const CleanItem &item) { return !item.path.isEmpty() && Removals::covers(removed, item.path); });
        dropped = dropped || gone != category.items.end();
        category.items.erase(gone, category.items.end());
    }
    if (!dropped)
        return false;
    categories.erase(std::remove_if(categories.begin(), categories.end(),
                         [](const CleanCategory &category) { return category.items.isEmpty(); }),
        categories.end());
    return true;
}

CleanCategory *ScanResult::findCategory(const QString &id)
{
    for (CleanCategory &category : categories) {
        if (category.id == id)
            return &category;
    }
    return nullptr;
}
