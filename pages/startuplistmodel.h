#pragma once

#include "cleaners/startupitem.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPixmap>

// The startup page's list: the user's startup items (own ones first, then by name), the
// machine's agents and daemons, then the applications no agent starts yet, each group under
// a section row, filtered by a text matched against names and paths in any letter case.
// An item's check state says it runs at login; asking to uncheck an item or to check an
// application does not change the model but emits a request: the page acts, and the model
// is refilled from the manager's lists afterwards.
class StartupListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    enum class RowKind { Section, Item, App };
    enum class BadgeTone { Green, Amber, Indigo, Grey };
    enum Role {
        KindRole = Qt::UserRole + 1,
        // The path shown on the card: the bundle when the path lies in one, shortened.
        PathTextRole,
        // Item rows: the badge text and its tone (BadgeTone).
        BadgeRole,
        BadgeToneRole,
        ModifiableRole,
        // Item rows: "Program missing" or "Disabled", empty otherwise.
        NoteRole,
        // Item rows of the machine's folders: the plist can be revealed in the Finder.
        RevealRole,
        PlistPathRole,
    };

    explicit StartupListModel(QObject *parent = nullptr);

    void setContents(const QList<StartupItem> &items, const QList<InstalledApp> &apps);
    void setFilter(const QString &text);
    int shownItemCount() const;
    int shownAppCount() const;
    RowKind kindAt(int row) const;
    StartupItem itemAt(int row) const;
    InstalledApp appAt(int row) const;

    // Text of a path on a card: cut at "/Contents/" of a bundle; longer than 50 characters it
    // keeps the first 20 and the last 27 around "…".
    static QString pathText(const QString &path);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    void removeRequested(const StartupItem &item);
    // An own agent that is switched off was ticked.
    void enableRequested(const StartupItem &item);
    void addRequested(const InstalledApp &app);

private:
    struct Row
    {
        RowKind kind;
        // Index into m_items or m_apps; the section title otherwise.
        int index = -1;
        QString title;
    };

    void rebuildRows();
    bool matches(const QString &name, const QString &path) const;
    QPixmap iconFor(const QString &path) const;

    QList<StartupItem> m_items;
    QList<InstalledApp> m_apps;
    QString m_filter;
    QList<Row> m_rows;
    int m_shownItems = 0;
    int m_shownApps = 0;
    mutable QHash<QString, QPixmap> m_icons;
};
