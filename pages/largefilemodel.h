#pragma once

#include "cleaners/largefileinfo.h"

#include <QAbstractListModel>
#include <QList>
#include <QSet>

#include <functional>

// The large file finder's results as a checkable list: every entry with its check state,
// shown largest first (or newest first) and optionally only one category. Check states
// survive a change of order or filter; the selection totals count every checked entry,
// shown or not.
class LargeFileModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        PathRole = Qt::UserRole + 1,
        DirectoryRole,
        SizeRole, // the space the entry takes
        LengthRole, // LargeFileInfo::misleadingLength
        ViaRole, // LargeFileInfo::via
        ModifiedRole,
        TypeRole,
        InCloudRole,
        EntryRole, // LargeFileInfo::entry: names one entry, where two may show one path
    };
    enum class Order { BySize, ByDate };

    explicit LargeFileModel(QObject *parent = nullptr);

    void setFiles(const QList<LargeFileInfo> &files);
    void clear();
    // Drops these entries (LargeFileInfo::entry of deleted ones) and their checks.
    void removeEntries(const QList<QByteArray> &entries);
    // Drops every entry but these (LargeFileInfo::entry), and the checks of those dropped.
    void keepOnly(const QSet<QByteArray> &entries);
    void setOrder(Order order);
    // An empty type shows every category.
    void setTypeFilter(const QString &type);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int totalCount() const;
    // Bytes every entry takes on this Mac.
    qint64 totalSize() const;
    int checkedCount() const;
    // Bytes the checked entries take on this Mac.
    qint64 checkedSize() const;
    // Checked entries in the order shown, the hidden ones after them.
    QStringList checkedPaths() const;
    // The same as entries (LargeFileInfo::entry).
    QList<QByteArray> checkedEntries() const;
    // Checks every shown entry except those only in iCloud (those are ticked one by one), or
    // unchecks every shown entry.
    void checkAllShown(bool checked);
    // The entry shown at row, or nullptr.
    const LargeFileInfo *fileAt(int row) const;
    int rowOf(const QString &path) const;
    int rowOfEntry(const QByteArray &entry) const;

signals:
    void selectionChanged();

private:
    struct Entry
    {
        LargeFileInfo file;
        bool checked = false;
    };

    QList<int> checkedIndices() const;
    void removeIf(const std::function<bool(const LargeFileInfo &)> &leaves);
    void rebuildShown();
    void setChecked(int entry, bool checked);

    QList<Entry> m_entries;
    QList<int> m_shown; // indices into m_entries, in display order
    Order m_order = Order::BySize;
    QString m_typeFilter;
    int m_checkedCount = 0;
    qint64 m_checkedSize = 0;
};
