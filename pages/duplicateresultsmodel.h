#pragma once

#include "cleaners/duplicategroup.h"
#include "cleaners/duplicateremoval.h"

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>
#include <vector>

// The duplicate groups of a scan as one flat list for a view that draws each group as a card:
// a header row per group ("3 identical files · 1.2 MB each · save 2.4 MB"), then one row per
// file, newest first. File rows are checkable (Qt::CheckStateRole); a checked file is to be
// deleted. New groups start with every copy checked but the likely original (likelyOriginal)
// and the protected ones (isProtected), which no rule ever checks.
//
// Built in one go from the groups, so 22,000 groups cost one pass; memory is the groups' own.
// After a deletion the deleted files leave their groups and a group left with one file leaves
// the list.
class DuplicateResultsModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Kind { GroupHeader, FileRow };
    enum Role {
        KindRole = Qt::UserRole + 1,
        PathRole, // full path of a file row
        ShortPathRole, // home-relative path, middle shortened to 58 characters
        ModifiedRole, // modification date-time of a file row
        NewestRole, // the newest file of its group (shown first)
        LastInGroupRole, // the last row of its group's card
        FileCountRole, // files of the row's group
        FileSizeRole, // size of each file of the row's group
        SavingRole, // the space keeping one copy of the row's group gives back
        ProtectedRole, // a file inside an app, another package or ~/Library: never checked by a rule
    };

    explicit DuplicateResultsModel(QObject *parent = nullptr);

    void setGroups(const QList<DuplicateGroup> &groups);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int groupCount() const;
    // Space freed by keeping one copy of every group.
    qint64 reclaimableBytes() const;
    // The bytes of the ticked copies: what "Delete Selected" would remove.
    qint64 checkedBytes() const;
    int checkedCount() const;
    QModelIndex indexOfPath(const QString &path) const;

    // In every group, keeps the newest (or oldest) file, the first such winning ties, and
    // checks every other file that is not protected.
    void keepOne(bool newest);
    // The default: in every group, keeps the likely original and checks every other file that is
    // not protected.
    void keepOriginals();
    // A file a user would not mean to remove as a duplicate: inside an application bundle or
    // another package (a photo library, a framework) or below ~/Library.
    static bool isProtected(const QString &path);
    void setAllChecked(bool checked);
    // The groups with checked files; a group whose every file is checked keeps its newest one,
    // and lastCopyGroups counts those groups.
    QList<DuplicateRemoval> plannedRemovals(int *lastCopyGroups) const;
    // Unchecks the newest file of every group whose files are all checked.
    void uncheckLastCopies();
    // Takes the files out of their groups; returns the bytes they held.
    qint64 removeFiles(const QStringList &paths);
    // Another feature removed these paths: the files at or below them leave their groups (a
    // group left with one file leaves the list). Returns whether any file left.
    bool dropRemoved(const QSet<QString> &removed);

signals:
    void checkedCountChanged(int checked);

private:
    struct File
    {
        DuplicateFile file;
        bool checked = false;
    };
    struct Group
    {
        QString hash;
        qint64 fileSize = 0;
        QList<File> files;
    };

    // Takes the files gone() names out of their groups; returns the bytes they held.
    qint64 removeFilesWhere(const std::function<bool(const QString &)> &gone);
    void rebuildRows();
    void setChecked(int group, int file, bool checked);
    // The file to keep of a group: the newest (or oldest), the first such winning ties.
    static int extremeFile(const Group &group, bool newest);
    // The copy most likely to be the original: not in Downloads and not named as a copy ("copy",
    // "(1)"), then the oldest, then the shortest path.
    static int likelyOriginal(const Group &group);
    // Checks every file of the group but kept, leaving the protected ones unchecked.
    void checkAllBut(Group &group, int kept);

    QList<Group> m_groups;
    // For each row: its group, and its file in that group or -1 for the group's header.
    std::vector<int> m_rowGroup;
    std::vector<int> m_rowFile;
    // The header row of each group.
    std::vector<int> m_groupRow;
    int m_checked = 0;
};
