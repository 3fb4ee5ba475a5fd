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
    QList<CleanItem> items;

    CleanCategory() = default;
    CleanCategory(const QString &id, const QString &name, const QString &icon);

    qint64 totalSize() const;
    // The item flags alone decide; the category's own flag is the result's business.
    qint64 selectedSize() const;
    int selectedCount() const;
    void setAllItemsChecked(bool checked);
};
