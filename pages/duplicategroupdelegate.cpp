#include "duplicategroupdelegate.h"

#include "duplicateresultsmodel.h"

#include "widgets/palette.h"

#include <QAbstractItemView>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Radius = 12;
constexpr int PadX = 16;
constexpr int PadTop = 13;
constexpr int HeaderLine = 22;
constexpr int HeaderGap = 8;
constexpr int HeaderHeight = PadTop + HeaderLine + HeaderGap + 1 + 4;
constexpr int FileHeight = 28;
constexpr int PadBottom = 9;
constexpr int CardGap = 10;
constexpr int BoxSize = 18;
constexpr int NameWidth = 150;
constexpr int DateWidth = 78;
constexpr int Spacing = 10;

QFont sized(QFont font, int pixels, int weight = QFont::Normal)
{
    font.setPixelSize(pixels);
    font.setWeight(QFont::Weight(weight));
    return font;
}

bool isLast(const QModelIndex &index)
{
    return index.data(DuplicateResultsModel::LastInGroupRole).toBool();
}

// The part of a file row that holds its line, without the card's closing padding and gap.
QRect lineRect(const QRect &row, bool last)
{
    return QRect(row.left() + 1 + PadX, row.top(), row.width() - 2 - 2 * PadX, last ? FileHeight : row.height());
}

} // namespace

DuplicateGroupDelegate::DuplicateGroupDelegate(SizeFormatter formatSize, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_formatSize(std::move(formatSize))
{
}

QSize DuplicateGroupDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int width = option.rect.width() > 0 ? option.rect.width() : 400;
    if (index.data(DuplicateResultsModel::KindRole).toInt() == DuplicateResultsModel::GroupHeader)
        return QSize(width, HeaderHeight);
    return QSize(width, FileHeight + (isLast(index) ? PadBottom + CardGap : 0));
}

QRect DuplicateGroupDelegate::checkBoxRect(const QRect &row)
{
    return QRect(row.left() + 1 + PadX, row.top() + (FileHeight - BoxSize) / 2, BoxSize, BoxSize);
}

void DuplicateGroupDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setClipRect(option.rect);
    paintCard(painter, option.rect, index);
    if (index.data(DuplicateResultsModel::KindRole).toInt() == DuplicateResultsModel::GroupHeader)
        paintHeader(painter, option, index);
    else
        paintFile(painter, option, index);
    painter->restore();
}

void DuplicateGroupDelegate::paintCard(QPainter *painter, const QRect &row, const QModelIndex &index) const
{
    // Each row draws its slice of one rounded card: the header its top, the last file its bottom.
    const bool header = index.data(DuplicateResultsModel::KindRole).toInt() == DuplicateResultsModel::GroupHeader;
    const qreal left = row.left() + 0.5;
    const qreal width = row.width() - 1.0;
    qreal top = row.top() - 2 * Radius;
    qreal bottom = row.bottom() + 1 + 2 * Radius;
    if (header)
        top = row.top() + 0.5;
    else if (isLast(index))
        bottom = row.bottom() + 1 - CardGap - 0.5;
    painter->setPen(QPen(Palette::Border, 1));
    painter->setBrush(Palette::Surface);
    painter->drawRoundedRect(QRectF(left, top, width, bottom - top), Radius, Radius);
}

void DuplicateGroupDelegate::paintHeader(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect row = option.rect;
    const int count = index.data(DuplicateResultsModel::FileCountRole).toInt();
    const qint64 size = index.data(DuplicateResultsModel::FileSizeRole).toLongLong();
    QRect text(row.left() + 1 + PadX, row.top() + PadTop, row.width() - 2 - 2 * PadX, HeaderLine);

    painter->setFont(sized(option.font, 14));
    painter->setPen(Palette::Text);
    const QString icon = QStringLiteral("📋");
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, icon);
    text.setLeft(text.left() + painter->fontMetrics().horizontalAdvance(icon) + 8);

    const QString plain = tr("%Ln identical files  ·  %1 each  ·  ", nullptr, count).arg(m_formatSize(size));
    const QString saving = tr("save %1").arg(m_formatSize(index.data(DuplicateResultsModel::SavingRole).toLongLong()));
    painter->setFont(sized(option.font, 13));
    const QString shownPlain = painter->fontMetrics().elidedText(plain, Qt::ElideRight, text.width());
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, shownPlain);
    text.setLeft(text.left() + painter->fontMetrics().horizontalAdvance(shownPlain));
    painter->setFont(sized(option.font, 13, QFont::DemiBold));
    painter->setPen(Palette::Accent);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
        painter->fontMetrics().elidedText(saving, Qt::ElideRight, text.width()));

    const int lineY = row.top() + PadTop + HeaderLine + HeaderGap;
    painter->setPen(QPen(Palette::SurfaceMuted, 1));
    painter->drawLine(QPointF(row.left() + 1 + PadX, lineY + 0.5), QPointF(row.right() - PadX, lineY + 0.5));
}

void DuplicateGroupDelegate::paintFile(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect line = lineRect(option.rect, isLast(index));
    const bool hovered = option.state & QStyle::State_MouseOver;
    const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;

    const QRectF box = QRectF(checkBoxRect(option.rect)).adjusted(1.5, 1.5, -1.5, -1.5);
    painter->setPen(QPen(checked || hovered ? Palette::Accent : Palette::Border, 1.5));
    painter->setBrush(checked ? Palette::Accent : Palette::Surface);
    painter->drawRoundedRect(box, 4, 4);
    if (checked) {
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.24, box.top() + box.height() * 0.52);
        tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.72);
        tick.lineTo(box.left() + box.width() * 0.77, box.top() + box.height() * 0.32);
        painter->setPen(QPen(Palette::Surface, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(tick);
    }

    QRect name(line.left() + BoxSize + Spacing, line.top(), NameWidth, line.height());
    painter->setFont(sized(option.font, 12, QFont::Medium));
    painter->setPen(Palette::Text);
    painter->drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
        painter->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideMiddle, NameWidth));

    const bool newest = index.data(DuplicateResultsModel::NewestRole).toBool();
    const QRect date(line.right() - DateWidth + 1, line.top(), DateWidth, line.height());
    painter->setFont(sized(option.font, 11, newest ? QFont::Medium : QFont::Normal));
    painter->setPen(newest ? Palette::Accent : Palette::TextMuted);
    painter->drawText(date, Qt::AlignRight | Qt::AlignVCenter,
        QLocale().toString(index.data(DuplicateResultsModel::ModifiedRole).toDateTime().date(), QLocale::ShortFormat));

    const QRect path(
        name.right() + 1 + Spacing, line.top(), date.left() - Spacing - name.right() - 1 - Spacing, line.height());
    painter->setFont(sized(option.font, 11));
    painter->setPen(Palette::TextMuted);
    // A lock marks a file inside an app, a package or Library, which no rule ticks.
    const bool spared = index.data(DuplicateResultsModel::ProtectedRole).toBool();
    const QString shownPath
        = (spared ? QStringLiteral("🔒 ") : QString()) + index.data(DuplicateResultsModel::ShortPathRole).toString();
    painter->drawText(path, Qt::AlignLeft | Qt::AlignVCenter,
        painter->fontMetrics().elidedText(shownPath, Qt::ElideMiddle, qMax(path.width(), 0)));
}

bool DuplicateGroupDelegate::editorEvent(
    QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (!(index.flags() & Qt::ItemIsUserCheckable))
        return false;
    if (event->type() != QEvent::MouseButtonRelease && event->type() != QEvent::MouseButtonDblClick)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton
        || !checkBoxRect(option.rect).adjusted(-4, -4, 4, 4).contains(mouse->position().toPoint()))
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
        model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    }
    return true;
}
