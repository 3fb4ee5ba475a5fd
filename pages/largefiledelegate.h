#pragma once

#include <QStyledItemDelegate>

// Paints a large file result as a card: check box, category icon, name above its folder and
// date, an "In iCloud" badge for files that are not on this Mac and the size badge (red above
// 1 GiB). A left click anywhere on the card toggles its check box.
class LargeFileDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int CardHeight = 70;
    static constexpr int CardSpacing = 8;

    explicit LargeFileDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;

    static QString iconFor(const QString &type);
    // A folder path of more than 50 characters as its first 25, "..." and its last 22.
    static QString shortFolder(const QString &folder);
    static bool isLargeBadge(qint64 size);
};
