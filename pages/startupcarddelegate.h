#pragma once

#include <QStyledItemDelegate>

// Paints the rows of StartupListModel: section titles, and 70 px cards with a check box, the
// program's icon, its name and shortened path, a note ("Program missing", "Disabled"), the
// source badge and, for the machine's agents, a "Reveal in Finder" link. Every text is drawn
// as plain text. A click on an enabled check box toggles it through the model; a click on the
// link asks for the plist to be revealed.
class StartupCardDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int CardHeight = 70;
    static constexpr int CardSpacing = 8;
    static constexpr int SectionHeight = 40;

    explicit StartupCardDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;

    // Where the parts of a card lie within a row's rectangle.
    struct Geometry
    {
        QRect card;
        QRect checkBox;
        QRect icon;
        QRect text;
        QRect badge;
        QRect reveal;
    };
    static Geometry geometry(const QStyleOptionViewItem &option, const QModelIndex &index);

signals:
    void revealRequested(const QString &path);

private:
    void paintSection(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
    void paintCard(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
};
