#include "startuplistmodel.h"

#include "cleaners/startupmanager.h"

#include <QFileIconProvider>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int IconSize = 32;

QString withoutBundleContents(const QString &path)
{
    const int contents = path.indexOf(QLatin1String("/Contents/"), 0, Qt::CaseInsensitive);
    return contents > 0 ? path.left(contents) : path;
}

QString badgeText(const StartupItem &item)
{
    switch (item.source) {
    case StartupSource::HkcuRun:
        return StartupListModel::tr("HKCU Run");
    case StartupSource::System:
        return StartupListModel::tr("System");
    case StartupSource::StartupFolder:
        return StartupListModel::tr("Startup Folder");
    case StartupSource::LaunchAgent:
        return item.isOwn ? StartupListModel::tr("Sweepnook") : StartupListModel::tr("LaunchAgent");
    case StartupSource::Unknown:
        break;
    }
    return StartupListModel::tr("Unknown");
}

StartupListModel::BadgeTone badgeTone(const StartupItem &item)
{
    switch (item.source) {
    case StartupSource::HkcuRun:
        return StartupListModel::BadgeTone::Green;
    case StartupSource::System:
        return StartupListModel::BadgeTone::Amber;
    case StartupSource::StartupFolder:
        return StartupListModel::BadgeTone::Indigo;
    case StartupSource::LaunchAgent:
        return item.isOwn ? StartupListModel::BadgeTone::Green : StartupListModel::BadgeTone::Amber;
    case StartupSource::Unknown:
        break;
    }
    return StartupListModel::BadgeTone::Grey;
}

template<typename T, typename Key> void sortBy(QList<int> &order, const QList<T> &values, Key key)
{
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(values.at(a)) < key(values.at(b)); });
}

} // namespace

StartupListModel::StartupListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void StartupListModel::setContents(const QList<StartupItem> &items, const QList<InstalledApp> &apps)
{
    m_items = items;
    m_apps = apps;
    rebuildRows();
}

void StartupListModel::setFilter(const QString &text)
{
    const QString filter = text.trimmed().toLower();
    if (filter == m_filter)
        return;
    m_filter = filter;
    rebuildRows();
}

int StartupListModel::shownItemCount() const
{
    return m_shownItems;
}

int StartupListModel::shownAppCount() const
{
    return m_shownApps;
}

StartupListModel::RowKind StartupListModel::kindAt(int row) const
{
    return m_rows.at(row).kind;
}

StartupItem StartupListModel::itemAt(int row) const
{
    const Row &entry = m_rows.at(row);
    return entry.kind == RowKind::Item ? m_items.at(entry.index) : StartupItem();
}

InstalledApp StartupListModel::appAt(int row) const
{
    const Row &entry = m_rows.at(row);
    return entry.kind == RowKind::App ? m_apps.at(entry.index) : InstalledApp();
}

QString StartupListModel::pathText(const QString &path)
{
    const QString text = withoutBundleContents(path);
    if (text.size() <= 50)
        return text;
    return text.left(20) + QStringLiteral("…") + text.right(27);
}

bool StartupListModel::matches(const QString &name, const QString &path) const
{
    return m_filter.isEmpty() || name.toLower().contains(m_filter) || path.toLower().contains(m_filter);
}

void StartupListModel::rebuildRows()
{
    beginResetModel();
    m_rows.clear();
    m_shownItems = 0;
    m_shownApps = 0;

    QList<int> userItems;
    QList<int> systemItems;
    for (int i = 0; i < m_items.size(); ++i) {
        const StartupItem &item = m_items.at(i);
        if (!matches(item.name, item.programPath))
            continue;
        (item.source == StartupSource::System ? systemItems : userItems).append(i);
    }
    sortBy(
        userItems, m_items, [](const StartupItem &item) { return std::make_pair(!item.isOwn, item.name.toLower()); });
    sortBy(systemItems, m_items, [](const StartupItem &item) { return item.name.toLower(); });

    QList<int> apps;
    for (int i = 0; i < m_apps.size(); ++i) {
        const InstalledApp &app = m_apps.at(i);
        if (!app.inStartup && matches(app.name, app.exePath))
            apps.append(i);
    }
    sortBy(apps, m_apps, [](const InstalledApp &app) { return app.name.toLower(); });

    const auto addSection = [this](const QString &title, const QList<int> &indexes, RowKind kind) {
        if (indexes.isEmpty())
            return;
        m_rows.append({ RowKind::Section, -1, title });
        for (int index : indexes)
            m_rows.append({ kind, index, QString() });
    };
    addSection(tr("Startup items"), userItems, RowKind::Item);
    addSection(tr("System-wide agents and daemons"), systemItems, RowKind::Item);
    addSection(tr("Applications"), apps, RowKind::App);
    m_shownItems = userItems.size() + systemItems.size();
    m_shownApps = apps.size();
    endResetModel();
}

int StartupListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant StartupListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    if (role == KindRole)
        return int(row.kind);
    if (row.kind == RowKind::Section)
        return role == Qt::DisplayRole ? QVariant(row.title) : QVariant();

    if (row.kind == RowKind::App) {
        const InstalledApp &app = m_apps.at(row.index);
        const QString shownPath = app.bundlePath.isEmpty() ? app.exePath : app.bundlePath;
        switch (role) {
        case Qt::DisplayRole:
            return app.name;
        case Qt::CheckStateRole:
            return int(Qt::Unchecked);
        case Qt::ToolTipRole:
            return app.exePath;
        case Qt::DecorationRole:
            return iconFor(shownPath);
        case PathTextRole:
            return pathText(shownPath);
        case ModifiableRole:
            return true;
        default:
            return QVariant();
        }
    }

    const StartupItem &item = m_items.at(row.index);
    switch (role) {
    case Qt::DisplayRole:
        return item.name;
    case Qt::CheckStateRole:
        return int(item.disabled ? Qt::Unchecked : Qt::Checked);
    case Qt::ToolTipRole:
        return item.programPath;
    case Qt::DecorationRole:
        return iconFor(item.programPath);
    case PathTextRole:
        return pathText(item.programPath);
    case BadgeRole:
        return badgeText(item);
    case BadgeToneRole:
        return int(badgeTone(item));
    case ModifiableRole:
        return StartupManager::isModifiable(item);
    case NoteRole:
        if (item.programMissing)
            return tr("Program missing");
        return item.disabled ? tr("Disabled") : QString();
    case RevealRole:
        return item.source == StartupSource::System;
    case PlistPathRole:
        return item.plistPath;
    default:
        return QVariant();
    }
}

bool StartupListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || index.row() >= m_rows.size())
        return false;
    const Row &row = m_rows.at(index.row());
    const bool checked = value.toInt() == Qt::Checked;
    if (row.kind == RowKind::Item && !checked)
        emit removeRequested(m_items.at(row.index));
    else if (row.kind == RowKind::Item && checked && m_items.at(row.index).disabled)
        emit enableRequested(m_items.at(row.index));
    else if (row.kind == RowKind::App && checked)
        emit addRequested(m_apps.at(row.index));
    // The page refills the model from the manager when the change went through.
    return false;
}

Qt::ItemFlags StartupListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return Qt::NoItemFlags;
    const Row &row = m_rows.at(index.row());
    if (row.kind == RowKind::Section)
        return Qt::ItemIsEnabled;
    const bool checkable = row.kind == RowKind::App || StartupManager::isModifiable(m_items.at(row.index));
    return Qt::ItemIsEnabled | (checkable ? Qt::ItemIsUserCheckable : Qt::NoItemFlags);
}

QPixmap StartupListModel::iconFor(const QString &path) const
{
    const QString target = withoutBundleContents(path);
    if (target.isEmpty())
        return QPixmap();
    const auto cached = m_icons.constFind(target);
    if (cached != m_icons.constEnd())
        return cached.value();
    QPixmap pixmap;
    const QFileInfo info(target);
    if (info.exists()) {
        static const QFileIconProvider provider;
        pixmap = provider.icon(info).pixmap(IconSize, IconSize);
    }
    m_icons.insert(target, pixmap);
    return pixmap;
}
