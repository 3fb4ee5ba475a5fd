#pragma once

#include <QStyledItemDelegate>

#include <functional>

// Paints the rows of a DuplicateResultsModel as cards, one per group: the header row is the
// card's top with the group's summary, file rows are its lines (check box, name, shortened
// path, date; the newest file's date in green), and the last file row closes the card and
// leaves the gap to the next one. A click on a file row's check box toggles it.
class DuplicateGroupDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using SizeFormatter = std::function<QString(qint64)>;

    explicit DuplicateGroupDelegate(SizeFormatter formatSize, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;

    // Where a file row's check box sits within the row.
    static QRect checkBoxRect(const QRect &row);

private:
    void paintCard(QPainter *painter, const QRect &row, const QModelIndex &index) const;
    void paintHeader(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
    void paintFile(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;

    SizeFormatter m_formatSize;
};
