#include "largefilemodel.h"

#include <algorithm>

LargeFileModel::LargeFileModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void LargeFileModel::setFiles(const QList<LargeFileInfo> &files)
{
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(files.size());
    for (const LargeFileInfo &file : files)
        m_entries.append(Entry { file, false });
    m_checkedCount = 0;
    m_checkedSize = 0;
    rebuildShown();
    endResetModel();
    emit selectionChanged();
}

void LargeFileModel::clear()
{
    setFiles({});
}

void LargeFileModel::removeEntries(const QList<QByteArray> &entries)
{
    const QSet<QByteArray> removed(entries.cbegin(), entries.cend());
    if (entries.size() == 1) {
        const int row = rowOfEntry(entries.first());
        if (row >= 0) {
            beginRemoveRows(QModelIndex(), row, row);
            const int entry = m_shown.at(row);
            setChecked(entry, false);
            m_entries.removeAt(entry);
            m_shown.removeAt(row);
            for (int &index : m_shown) {
                if (index > entry)
                    --index;
            }
            endRemoveRows();
            emit selectionChanged();
            return;
        }
    }
    removeIf([&removed](const LargeFileInfo &file) { return removed.contains(file.entry()); });
}

void LargeFileModel::keepOnly(const QSet<QByteArray> &entries)
{
    removeIf([&entries](const LargeFileInfo &file) { return !entries.contains(file.entry()); });
}

void LargeFileModel::removeIf(const std::function<bool(const LargeFileInfo &)> &leaves)
{
    beginResetModel();
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                        [&leaves](const Entry &entry) { return leaves(entry.file); }),
        m_entries.end());
    m_checkedCount = 0;
    m_checkedSize = 0;
    for (const Entry &entry : std::as_const(m_entries)) {
        if (entry.checked) {
            ++m_checkedCount;
            m_checkedSize += entry.file.localSize();
        }
    }
    rebuildShown();
    endResetModel();
    emit selectionChanged();
}

void LargeFileModel::setOrder(Order order)
{
    if (order == m_order)
        return;
    beginResetModel();
    m_order = order;
    rebuildShown();
    endResetModel();
}

void LargeFileModel::setTypeFilter(const QString &type)
{
    if (type == m_typeFilter)
        return;
    beginResetModel();
    m_typeFilter = type;
    rebuildShown();
    endResetModel();
}

void LargeFileModel::rebuildShown()
{
    m_shown.clear();
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_typeFilter.isEmpty() || m_entries.at(i).file.type == m_typeFilter)
            m_shown.append(i);
    }
    const auto larger = [this](int a, int b) { return m_entries.at(a).file.size > m_entries.at(b).file.size; };
    const auto newer = [this](int a, int b) { return m_entries.at(a).file.modified > m_entries.at(b).file.modified; };
    if (m_order == Order::BySize)
        std::stable_sort(m_shown.begin(), m_shown.end(), larger);
    else
        std::stable_sort(m_shown.begin(), m_shown.end(), newer);
}

int LargeFileModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant LargeFileModel::data(const QModelIndex &index, int role) const
{
    const LargeFileInfo *file = fileAt(index.row());
    if (!file || index.parent().isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return file->name;
    case Qt::ToolTipRole:
        return file->realPath();
    case Qt::CheckStateRole:
        return m_entries.at(m_shown.at(index.row())).checked ? Qt::Checked : Qt::Unchecked;
    case PathRole:
        return file->path;
    case EntryRole:
        return file->entry();
    case DirectoryRole:
        return file->directory;
    case SizeRole:
        return file->size;
    case LengthRole:
        return file->misleadingLength();
    case ViaRole:
        return file->via();
    case ModifiedRole:
        return file->modified;
    case TypeRole:
        return file->type;
    case InCloudRole:
        return file->inCloud;
    default:
        return {};
    }
}

bool LargeFileModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !fileAt(index.row()))
        return false;
    setChecked(m_shown.at(index.row()), value.value<Qt::CheckState>() == Qt::Checked);
    emit dataChanged(index, index, { Qt::CheckStateRole });
    emit selectionChanged();
    return true;
}

Qt::ItemFlags LargeFileModel::flags(const QModelIndex &index) const
{
    if (!fileAt(index.row()))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

void LargeFileModel::setChecked(int entry, bool checked)
{
    Entry &target = m_entries[entry];
    if (target.checked == checked)
        return;
    target.checked = checked;
    m_checkedCount += checked ? 1 : -1;
    m_checkedSize += checked ? target.file.localSize() : -target.file.localSize();
}

int LargeFileModel::totalCount() const
{
    return int(m_entries.size());
}

qint64 LargeFileModel::totalSize() const
{
    qint64 total = 0;
    for (const Entry &entry : m_entries)
        total += entry.file.localSize();
    return total;
}

int LargeFileModel::checkedCount() const
{
    return m_checkedCount;
}

qint64 LargeFileModel::checkedSize() const
{
    return m_checkedSize;
}

QStringList LargeFileModel::checkedPaths() const
{
    QStringList paths;
    for (const int entry : checkedIndices())
        paths.append(m_entries.at(entry).file.path);
    return paths;
}

QList<QByteArray> LargeFileModel::checkedEntries() const
{
    QList<QByteArray> entries;
    for (const int entry : checkedIndices())
        entries.append(m_entries.at(entry).file.entry());
    return entries;
}

QList<int> LargeFileModel::checkedIndices() const
{
    QList<int> checked;
    QSet<int> shown(m_shown.cbegin(), m_shown.cend());
    for (int entry : m_shown) {
        if (m_entries.at(entry).checked)
            checked.append(entry);
    }
    for (int entry = 0; entry < m_entries.size(); ++entry) {
        if (m_entries.at(entry).checked && !shown.contains(entry))
            checked.append(entry);
    }
    return checked;
}

void LargeFileModel::checkAllShown(bool checked)
{
    if (m_shown.isEmpty())
        return;
    for (int entry : std::as_const(m_shown)) {
        if (!checked || !m_entries.at(entry).file.inCloud)
            setChecked(entry, checked);
    }
    emit dataChanged(index(0), index(int(m_shown.size()) - 1), { Qt::CheckStateRole });
    emit selectionChanged();
}

const LargeFileInfo *LargeFileModel::fileAt(int row) const
{
    if (row < 0 || row >= m_shown.size())
        return nullptr;
    return &m_entries.at(m_shown.at(row)).file;
}

int LargeFileModel::rowOf(const QString &path) const
{
    for (int row = 0; row < m_shown.size(); ++row) {
        if (m_entries.at(m_shown.at(row)).file.path == path)
            return row;
    }
    return -1;
}

int LargeFileModel::rowOfEntry(const QByteArray &entry) const
{
    for (int row = 0; row < m_shown.size(); ++row) {
        if (m_entries.at(m_shown.at(row)).file.entry() == entry)
            return row;
    }
    return -1;
}
