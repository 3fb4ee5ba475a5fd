#include "cleancategory.h"

#include "ruletexts.h"

#include <algorithm>

CleanCategory::CleanCategory(const QString &id, const QString &name, const QString &icon)
    : id(id)
    , name(name)
    , icon(icon)
{
}

QString CleanCategory::shownName() const
{
    if (ruleName.isEmpty() || !name.endsWith(ruleName))
        return name;
    return name.chopped(ruleName.size()) + RuleTexts::shown(ruleName);
}

QString CleanCategory::shownDescription() const
{
    return ruleName.isEmpty() ? description : RuleTexts::shown(description);
}

qint64 CleanCategory::totalSize() const
{
    qint64 total = 0;
    for (const CleanItem &item : items)
        total += qMax<qint64>(0, item.size);
    return total;
}

qint64 CleanCategory::selectedSize() const
{
    qint64 total = 0;
    for (const CleanItem &item : items) {
        if (item.checked)
            total += qMax<qint64>(0, item.size);
    }
    return total;
}

bool CleanCategory::hasUnknownSize() const
{
    return std::any_of(items.cbegin(), items.cend(), [](const CleanItem &item) { return !item.isSizeKnown(); });
}

int CleanCategory::selectedCount() const
{
    int count = 0;
    for (const CleanItem &item : items) {
        if (item.checked)
            ++count;
    }
    return count;
}

void CleanCategory::setAllItemsChecked(bool checked)
{
    this->checked = checked;
    for (CleanItem &item : items)
        item.checked = checked;
}
