#pragma once

#include "cleanitem.h"

#include <QList>
#include <QString>

// One group of items, shown as one expandable row.
struct CleanCategory
{
    QString id;
    QString name;
    QString icon;
    QString description;
    bool checked = true;
    int riskLevel = 0;
    // The English name of the bundled rule the category comes from; empty for a category of no
    // rule. `name` ends with it (a browser's categories put the browser's name in front).
    QString ruleName;
    QList<CleanItem> items;

    CleanCategory() = default;
    CleanCategory(const QString &id, const QString &name, const QString &icon);

    // Name and description in the interface language: the rule's texts are translated, the rest
    // (a browser's name in front) stays. The engines and the log use `name` and `description`.
    QString shownName() const;
    QString shownDescription() const;
    // Sizes leave out the items of unknown size.
    qint64 totalSize() const;
    // The item flags alone decide; the category's own flag is the result's business.
    qint64 selectedSize() const;
    // Whether an item's size is unknown, so that totalSize() is a lower bound.
    bool hasUnknownSize() const;
    int selectedCount() const;
    void setAllItemsChecked(bool checked);
};
