#include "duplicateresultsmodel.h"

#include "core/removals.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace {

constexpr int CardPathChars = 58;

QString shortPath(const QString &path)
{
    const QString home = QDir::homePath();
    QString shown = path;
    if (path == home || path.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + path.mid(home.size());
    if (shown.size() > CardPathChars)
        shown = shown.left(28) + QStringLiteral("…") + shown.right(27);
    return shown;
}

// Folders the system shows as one document or application: what lies inside belongs to it.
bool isPackageName(QStringView name)
{
    static const QStringList packages = { QStringLiteral(".app"), QStringLiteral(".framework"),
        QStringLiteral(".bundle"), QStringLiteral(".plugin"), QStringLiteral(".kext"), QStringLiteral(".appex"),
        QStringLiteral(".photoslibrary"), QStringLiteral(".photolibrary"), QStringLiteral(".aplibrary"),
        QStringLiteral(".musiclibrary"), QStringLiteral(".tvlibrary"), QStringLiteral(".fcpbundle"),
        QStringLiteral(".logicx"), QStringLiteral(".band"), QStringLiteral(".imovielibrary"), QStringLiteral(".pkg"),
        QStringLiteral(".mpkg"), QStringLiteral(".xcodeproj"), QStringLiteral(".xcworkspace"), QStringLiteral(".pages"),
        QStringLiteral(".numbers"), QStringLiteral(".key"), QStringLiteral(".rtfd"), QStringLiteral(".sparsebundle"),
        QStringLiteral(".lrlibrary"), QStringLiteral(".lrdata") };
    return std::any_of(packages.cbegin(), packages.cend(),
        [name](const QString &extension) { return name.endsWith(extension, Qt::CaseInsensitive); });
}

// A name a copy is given: "report copy.pdf", "report copy 2.pdf", "IMG_4021 (1).jpg",
// "Copy of report.pdf", "report - Copy.pdf".
bool isCopyName(const QString &fileName)
{
    static const QRegularExpression copy(
        QStringLiteral("(^copy of |[ _-]copy( \\d+)?(\\.[^.]*)?$| \\(\\d+\\)(\\.[^.]*)?$)"),
        QRegularExpression::CaseInsensitiveOption);
    return copy.match(fileName).hasMatch();
}

bool isInDownloads(const QString &path)
{
    return path.startsWith(QDir::homePath() + QStringLiteral("/Downloads/"));
}

} // namespace

bool DuplicateResultsModel::isProtected(const QString &path)
{
    if (path.startsWith(QDir::homePath() + QStringLiteral("/Library/")))
        return true;
    const QList<QStringView> parts = QStringView(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // Every folder above the file.
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        if (isPackageName(parts.at(i)))
            return true;
    }
    return false;
}

int DuplicateResultsModel::likelyOriginal(const Group &group)
{
    const auto rank = [](const DuplicateFile &file) {
        const QString name = file.path.mid(file.path.lastIndexOf(QLatin1Char('/')) + 1);
        return std::make_tuple(isInDownloads(file.path) || isCopyName(name), file.modified, file.path.size());
    };
    int best = -1;
    for (int i = 0; i < group.files.size(); ++i) {
        if (best < 0 || rank(group.files.at(i).file) < rank(group.files.at(best).file))
            best = i;
    }
    return best;
}

void DuplicateResultsModel::checkAllBut(Group &group, int kept)
{
    for (int i = 0; i < group.files.size(); ++i) {
        File &file = group.files[i];
        file.checked = i != kept && !isProtected(file.file.path);
        m_checked += file.checked ? 1 : 0;
    }
}

DuplicateResultsModel::DuplicateResultsModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void DuplicateResultsModel::setGroups(const QList<DuplicateGroup> &groups)
{
    beginResetModel();
    m_groups.clear();
    m_groups.reserve(groups.size());
    m_checked = 0;
    for (const DuplicateGroup &found : groups) {
        Group group { found.hash, found.fileSize, {} };
        QList<DuplicateFile> files = found.files;
        std::stable_sort(files.begin(), files.end(),
            [](const DuplicateFile &a, const DuplicateFile &b) { return a.modified > b.modified; });
        for (const DuplicateFile &file : std::as_const(files))
            group.files.append(File { file, false });
        checkAllBut(group, likelyOriginal(group));
        m_groups.append(group);
    }
    rebuildRows();
    endResetModel();
    emit checkedCountChanged(m_checked);
}

void DuplicateResultsModel::clear()
{
    setGroups({});
}

void DuplicateResultsModel::rebuildRows()
{
    m_rowGroup.clear();
    m_rowFile.clear();
    m_groupRow.clear();
    for (int g = 0; g < m_groups.size(); ++g) {
        m_groupRow.push_back(int(m_rowGroup.size()));
        for (int f = -1; f < m_groups.at(g).files.size(); ++f) {
            m_rowGroup.push_back(g);
            m_rowFile.push_back(f);
        }
    }
}

int DuplicateResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rowGroup.size());
}

QVariant DuplicateResultsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Group &group = m_groups.at(m_rowGroup[size_t(index.row())]);
    const int fileIndex = m_rowFile[size_t(index.row())];
    switch (role) {
    case KindRole:
        return fileIndex < 0 ? GroupHeader : FileRow;
    case FileCountRole:
        return int(group.files.size());
    case FileSizeRole:
        return group.fileSize;
    case SavingRole:
        return DuplicateGroup::spaceButLargest(group.files, [](const File &file) { return file.file.size; });
    case LastInGroupRole:
        return fileIndex == group.files.size() - 1;
    default:
        break;
    }
    if (fileIndex < 0)
        return {};
    const File &file = group.files.at(fileIndex);
    switch (role) {
    case Qt::DisplayRole:
        return file.file.path.mid(file.file.path.lastIndexOf(QLatin1Char('/')) + 1);
    case Qt::ToolTipRole:
    case PathRole:
        return file.file.path;
    case ShortPathRole:
        return shortPath(file.file.path);
    case ModifiedRole:
        return file.file.modified;
    case NewestRole:
        return fileIndex == 0;
    case ProtectedRole:
        return isProtected(file.file.path);
    case Qt::CheckStateRole:
        return file.checked ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool DuplicateResultsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || m_rowFile[size_t(index.row())] < 0)
        return false;
    setChecked(
        m_rowGroup[size_t(index.row())], m_rowFile[size_t(index.row())], value.value<Qt::CheckState>() == Qt::Checked);
    emit checkedCountChanged(m_checked);
    return true;
}

Qt::ItemFlags DuplicateResultsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return m_rowFile[size_t(index.row())] < 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
}

void DuplicateResultsModel::setChecked(int group, int file, bool checked)
{
    File &entry = m_groups[group].files[file];
    if (entry.checked == checked)
        return;
    entry.checked = checked;
    m_checked += checked ? 1 : -1;
    const QModelIndex changed = index(m_groupRow[size_t(group)] + 1 + file);
    emit dataChanged(changed, changed, { Qt::CheckStateRole });
}

int DuplicateResultsModel::groupCount() const
{
    return int(m_groups.size());
}

qint64 DuplicateResultsModel::reclaimableBytes() const
{
    qint64 total = 0;
    for (const Group &group : m_groups)
        total += DuplicateGroup::spaceButLargest(group.files, [](const File &file) { return file.file.size; });
    return total;
}

qint64 DuplicateResultsModel::checkedBytes() const
{
    qint64 total = 0;
    for (const Group &group : m_groups) {
        for (const auto &entry : group.files) {
            if (entry.checked)
                total += entry.file.size;
        }
    }
    return total;
}

int DuplicateResultsModel::checkedCount() const
{
    return m_checked;
}

QModelIndex DuplicateResultsModel::indexOfPath(const QString &path) const
{
    for (size_t row = 0; row < m_rowGroup.size(); ++row) {
        if (m_rowFile[row] >= 0 && m_groups.at(m_rowGroup[row]).files.at(m_rowFile[row]).file.path == path)
            return index(int(row));
    }
    return {};
}

int DuplicateResultsModel::extremeFile(const Group &group, bool newest)
{
    int best = -1;
    for (int i = 0; i < group.files.size(); ++i) {
        const QDateTime &time = group.files.at(i).file.modified;
        if (best < 0
            || (newest ? time > group.files.at(best).file.modified : time < group.files.at(best).file.modified))
            best = i;
    }
    return best;
}

void DuplicateResultsModel::keepOne(bool newest)
{
    m_checked = 0;
    for (Group &group : m_groups)
        checkAllBut(group, extremeFile(group, newest));
    if (!m_rowGroup.empty())
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::CheckStateRole });
    emit checkedCountChanged(m_checked);
}

void DuplicateResultsModel::keepOriginals()
{
    m_checked = 0;
    for (Group &group : m_groups)
        checkAllBut(group, likelyOriginal(group));
    if (!m_rowGroup.empty())
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::CheckStateRole });
    emit checkedCountChanged(m_checked);
}

void DuplicateResultsModel::setAllChecked(bool checked)
{
    m_checked = 0;
    for (Group &group : m_groups) {
        for (File &file : group.files)
            file.checked = checked;
        m_checked += checked ? int(group.files.size()) : 0;
    }
    if (!m_rowGroup.empty())
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::CheckStateRole });
    emit checkedCountChanged(m_checked);
}

QList<DuplicateRemoval> DuplicateResultsModel::plannedRemovals(int *lastCopyGroups) const
{
    QList<DuplicateRemoval> removals;
    *lastCopyGroups = 0;
    for (const Group &group : m_groups) {
        DuplicateRemoval removal { group.hash, group.fileSize, {}, {} };
        for (const File &file : group.files)
            (file.checked ? removal.remove : removal.keep).append(file.file);
        if (removal.remove.isEmpty())
            continue;
        if (removal.keep.isEmpty()) {
            removal.keep.append(removal.remove.takeAt(extremeFile(group, true)));
            ++*lastCopyGroups;
        }
        if (!removal.remove.isEmpty())
            removals.append(removal);
    }
    return removals;
}

void DuplicateResultsModel::uncheckLastCopies()
{
    for (int g = 0; g < m_groups.size(); ++g) {
        const Group &group = m_groups.at(g);
        const bool allChecked = !group.files.isEmpty()
            && std::all_of(group.files.cbegin(), group.files.cend(), [](const File &file) { return file.checked; });
        if (allChecked)
            setChecked(g, extremeFile(group, true), false);
    }
    emit checkedCountChanged(m_checked);
}

qint64 DuplicateResultsModel::removeFiles(const QStringList &paths)
{
    const QSet<QString> gone(paths.cbegin(), paths.cend());
    return removeFilesWhere([&](const QString &path) { return gone.contains(path); });
}

bool DuplicateResultsModel::dropRemoved(const QSet<QString> &removed)
{
    return removeFilesWhere([&](const QString &path) { return Removals::covers(removed, path); }) > 0;
}

qint64 DuplicateResultsModel::removeFilesWhere(const std::function<bool(const QString &)> &gone)
{
    const bool any = std::any_of(m_groups.cbegin(), m_groups.cend(), [&](const Group &group) {
        return std::any_of(group.files.cbegin(), group.files.cend(), [&](const File &f) { return gone(f.file.path); });
    });
    if (!any)
        return 0;
    qint64 freed = 0;
    beginResetModel();
    for (Group &group : m_groups) {
        group.files.removeIf([&](const File &file) {
            if (!gone(file.file.path))
                return false;
            freed += file.file.size;
            return true;
        });
    }
    m_groups.removeIf([](const Group &group) { return group.files.size() < 2; });
    m_checked = 0;
    for (const Group &group : std::as_const(m_groups))
        m_checked
            += int(std::count_if(group.files.cbegin(), group.files.cend(), [](const File &f) { return f.checked; }));
    rebuildRows();
    endResetModel();
    emit checkedCountChanged(m_checked);
    return freed;
}
