#pragma once

#include <QStyledItemDelegate>

class AppListModel;
struct AppInfo;
struct LeftoverItem;

// Paints an AppListModel row as the uninstaller's application card: tick box, icon, name with
// version and publisher, size with the leftovers' size, and a chevron when there are leftovers.
// A click on the tick box ticks the application; a click elsewhere on a card with leftovers
// expands it to list them, each with its own tick box, the reason it matched and its size; a
// click on a leftover row ticks that leftover. Works through any proxy over the model.
class AppCardDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int CardHeight = 76;
    static constexpr int LeftoverRowHeight = 28;
    static constexpr int Gap = 8;

    AppCardDelegate(AppListModel *model, QObject *parent = nullptr);

    // The note under the app's size: "+2.1 MB leftovers" for the ticked leftovers (what an
    // uninstall would move with the app), "Part of macOS" for a protected app, else nothing.
    static QString leftoverNote(const AppInfo &app);
    // Why a leftover row is offered: its identifier, only its name, or an identifier it shares
    // with the system (never pre-selected).
    static QString leftoverReason(const LeftoverItem &leftover);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;

private:
    void paintHeader(QPainter *painter, const QRect &card, const QModelIndex &index) const;
    void paintLeftovers(QPainter *painter, const QRect &card, const QModelIndex &index) const;
    int sourceRow(const QModelIndex &index) const;

    AppListModel *m_model;
};
