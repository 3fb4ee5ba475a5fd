#include "applistmodel.h"

#include "core/removals.h"

#include <QFileIconProvider>
#include <QFileInfo>

#include <algorithm>

AppListModel::AppListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int AppListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant AppListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.app.name;
    case Qt::ToolTipRole:
        return row.app.path;
    case Qt::DecorationRole:
        return iconFor(row.app.path);
    case Qt::CheckStateRole:
        return row.checked ? Qt::Checked : Qt::Unchecked;
    case AppRole:
        return QVariant::fromValue(row.app);
    case ExpandedRole:
        return row.expanded;
    case DetailRole:
        return detailText(row.app);
    default:
        return {};
    }
}

bool AppListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= m_rows.size())
        return false;
    Row &row = m_rows[index.row()];
    const bool checked = value.value<Qt::CheckState>() == Qt::Checked;
    if (row.app.systemProtected && checked)
        return false;
    if (row.checked != checked) {
        row.checked = checked;
        m_checkedCount += checked ? 1 : -1;
        emit dataChanged(index, index, { Qt::CheckStateRole });
        emit checkedCountChanged(m_checkedCount);
    }
    return true;
}

Qt::ItemFlags AppListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_rows.at(index.row()).app.systemProtected)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

void AppListModel::append(const AppInfo &app)
{
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size()));
    m_rows.append({ app, false, false });
    endInsertRows();
}

void AppListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    m_icons.clear();
    endResetModel();
    if (m_checkedCount != 0) {
        m_checkedCount = 0;
        emit checkedCountChanged(0);
    }
}

namespace {

// Whether one of the paths lies inside folder.
bool holdsOneOf(const QString &folder, const QSet<QString> &paths)
{
    const QSet<QString> inside { folder };
    return std::any_of(
        paths.cbegin(), paths.cend(), [&](const QString &path) { return Removals::covers(inside, path); });
}

void totalLeftovers(AppInfo &app)
{
    app.leftoverSize = 0;
    for (const LeftoverItem &leftover : std::as_const(app.leftovers))
        app.leftoverSize += leftover.size;
}

} // namespace

QStringList AppListModel::dropRemoved(const QSet<QString> &removed)
{
    QStringList shrunk;
    const int checkedBefore = m_checkedCount;
    for (int row = int(m_rows.size()) - 1; row >= 0; --row) {
        AppInfo &app = m_rows[row].app;
        if (Removals::covers(removed, app.path)) {
            beginRemoveRows(QModelIndex(), row, row);
            m_checkedCount -= m_rows.at(row).checked ? 1 : 0;
            m_rows.removeAt(row);
            endRemoveRows();
            continue;
        }
        const qsizetype gone = app.leftovers.removeIf(
            [&](const LeftoverItem &leftover) { return Removals::covers(removed, leftover.path); });
        for (const LeftoverItem &leftover : std::as_const(app.leftovers)) {
            if (holdsOneOf(leftover.path, removed))
                shrunk.append(leftover.path);
        }
        if (gone == 0)
            continue;
        totalLeftovers(app);
        emit dataChanged(index(row), index(row));
    }
    if (m_checkedCount != checkedBefore)
        emit checkedCountChanged(m_checkedCount);
    return shrunk;
}

void AppListModel::setLeftoverSize(const QString &path, qint64 size)
{
    for (int row = 0; row < m_rows.size(); ++row) {
        AppInfo &app = m_rows[row].app;
        bool changed = false;
        for (LeftoverItem &leftover : app.leftovers) {
            if (leftover.path == path && leftover.size != size) {
                leftover.size = size;
                changed = true;
            }
        }
        if (!changed)
            continue;
        totalLeftovers(app);
        emit dataChanged(index(row), index(row));
    }
}

void AppListModel::setExpanded(int row, bool expanded)
{
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).expanded == expanded)
        return;
    m_rows[row].expanded = expanded;
    emit dataChanged(index(row), index(row), { ExpandedRole });
}

void AppListModel::setLeftoverSelected(int row, int leftover, bool selected)
{
    if (row < 0 || row >= m_rows.size() || leftover < 0 || leftover >= m_rows.at(row).app.leftovers.size())
        return;
    m_rows[row].app.leftovers[leftover].selected = selected;
    emit dataChanged(index(row), index(row), { AppRole });
}

QList<AppInfo> AppListModel::checkedApps() const
{
    QList<AppInfo> apps;
    for (const Row &row : m_rows) {
        if (row.checked)
            apps.append(row.app);
    }
    return apps;
}

int AppListModel::checkedCount() const
{
    return m_checkedCount;
}

QString AppListModel::detailText(const AppInfo &app)
{
    QString detail;
    if (!app.version.isEmpty())
        detail = QStringLiteral("v") + app.version;
    if (!app.publisher.isEmpty()) {
        if (!detail.isEmpty())
            detail += QStringLiteral(" · ");
        detail += app.publisher.size() > 40 ? app.publisher.left(37) + QStringLiteral("…") : app.publisher;
    }
    return detail;
}

QIcon AppListModel::iconFor(const QString &path) const
{
    auto known = m_icons.find(path);
    if (known == m_icons.end())
        known = m_icons.insert(path, QFileIconProvider().icon(QFileInfo(path)));
    return *known;
}
