#pragma once

#include "cleaners/appinfo.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QSet>

// The installed applications of the uninstaller page, in arrival order. Each row carries the
// application, whether it is ticked for removal (Qt::CheckStateRole; never for an application
// the system protects), whether its card is expanded to show its leftovers, and the leftovers'
// own ticks. Ticks live here, so they survive any filtering of the view.
class AppListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        AppRole = Qt::UserRole + 1, // AppInfo, with the leftovers' current ticks
        ExpandedRole, // bool
        DetailRole, // "v1.2 · publisher", publisher cut at 40 characters
    };

    explicit AppListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void append(const AppInfo &app);
    void clear();
    void setExpanded(int row, bool expanded);
    void setLeftoverSelected(int row, int leftover, bool selected);
    // Another feature removed these paths: an application whose bundle is at or below one of
    // them leaves the list, and so do the leftovers at or below one (sizes follow). Returns the
    // leftovers that stay but held one of the paths: their sizes are to be measured again.
    QStringList dropRemoved(const QSet<QString> &removed);
    // A leftover measured again: its size, and its application's leftover total, follow.
    void setLeftoverSize(const QString &path, qint64 size);

    // The ticked applications in list order, with their leftovers' ticks.
    QList<AppInfo> checkedApps() const;
    int checkedCount() const;

    // "v" + version, then " · " and the publisher (its first 37 characters and "…" when it is
    // longer than 40); either part is left out when empty.
    static QString detailText(const AppInfo &app);

signals:
    void checkedCountChanged(int count);

private:
    struct Row
    {
        AppInfo app;
        bool checked = false;
        bool expanded = false;
    };

    QIcon iconFor(const QString &path) const;

    QList<Row> m_rows;
    int m_checkedCount = 0;
    mutable QHash<QString, QIcon> m_icons;
};
