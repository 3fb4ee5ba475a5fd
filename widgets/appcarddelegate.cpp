#include "appcarddelegate.h"

#include "applistmodel.h"
#include "core/cleanitem.h"
#include "palette.h"

#include <QAbstractProxyModel>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kPadding = 16;
constexpr int kBox = 18;
constexpr int kSmallBox = 16;
constexpr int kIcon = 40;
constexpr int kRightColumn = 150;
constexpr int kChevron = 16;
constexpr int kReasonWidth = 120;
constexpr int kLeftoverSizeWidth = 80;
constexpr int kLeftoversTop = 6;

QRect cardRect(const QRect &itemRect)
{
    return itemRect.adjusted(1, 1, -1, -AppCardDelegate::Gap);
}

QRect boxRect(const QRect &card)
{
    return QRect(card.left() + kPadding, card.top() + (AppCardDelegate::CardHeight - kBox) / 2, kBox, kBox);
}

QRect iconRect(const QRect &card)
{
    return QRect(boxRect(card).right() + 13, card.top() + (AppCardDelegate::CardHeight - kIcon) / 2, kIcon, kIcon);
}

// The row of the leftover at position i below the card's header.
QRect leftoverRect(const QRect &card, int i)
{
    return QRect(card.left(),
        card.top() + AppCardDelegate::CardHeight + kLeftoversTop + i * AppCardDelegate::LeftoverRowHeight, card.width(),
        AppCardDelegate::LeftoverRowHeight);
}

QRect leftoverBoxRect(const QRect &row)
{
    return QRect(row.left() + kPadding + kBox + 12 + (kIcon - kSmallBox) / 2, row.center().y() - kSmallBox / 2 + 1,
        kSmallBox, kSmallBox);
}

QFont sizedFont(QFont font, int pixels, QFont::Weight weight = QFont::Normal)
{
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

void paintTickBox(QPainter *painter, const QRect &box, bool checked, bool enabled)
{
    painter->save();
    const QRectF frame = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!enabled) {
        painter->setPen(Palette::Border);
        painter->setBrush(Palette::SurfaceMuted);
    } else if (checked) {
        painter->setPen(Palette::Accent);
        painter->setBrush(Palette::Accent);
    } else {
        painter->setPen(Palette::TextMuted);
        painter->setBrush(Palette::Surface);
    }
    painter->drawRoundedRect(frame, 4, 4);
    if (checked) {
        QPen tick(Palette::Surface, 2);
        tick.setCapStyle(Qt::RoundCap);
        tick.setJoinStyle(Qt::RoundJoin);
        painter->setPen(tick);
        const qreal w = box.width();
        const QPointF points[] = { box.topLeft() + QPointF(w * 0.25, w * 0.52),
            box.topLeft() + QPointF(w * 0.43, w * 0.70), box.topLeft() + QPointF(w * 0.76, w * 0.32) };
        painter->drawPolyline(points, 3);
    }
    painter->restore();
}

QString shownPath(const QString &path)
{
    const QString home = QDir::homePath();
    if (path.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + path.mid(home.size());
    return path;
}

} // namespace

AppCardDelegate::AppCardDelegate(AppListModel *model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{
}

void AppCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect card = cardRect(option.rect);
    const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(checked || (option.state & QStyle::State_MouseOver) ? Palette::Accent : Palette::Border);
    painter->setBrush(checked ? Palette::AccentTint : Palette::Surface);
    painter->drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    paintHeader(painter, card, index);
    if (index.data(AppListModel::ExpandedRole).toBool())
        paintLeftovers(painter, card, index);
    painter->restore();
}

void AppCardDelegate::paintHeader(QPainter *painter, const QRect &card, const QModelIndex &index) const
{
    const AppInfo app = index.data(AppListModel::AppRole).value<AppInfo>();
    const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    const QFont base = painter->font();
    paintTickBox(painter, boxRect(card), checked, !app.systemProtected);

    const QRect icon = iconRect(card);
    const QIcon image = index.data(Qt::DecorationRole).value<QIcon>();
    painter->setPen(Qt::NoPen);
    painter->setBrush(Palette::SurfaceMuted);
    painter->drawRoundedRect(icon, 8, 8);
    if (!image.isNull()) {
        image.paint(painter, icon.adjusted(2, 2, -2, -2));
    } else {
        painter->setFont(sizedFont(base, 20));
        painter->setPen(Palette::Text);
        painter->drawText(icon, Qt::AlignCenter, QStringLiteral("📦"));
    }

    const bool expandable = !app.leftovers.isEmpty();
    const int rightEdge = card.right() - kPadding - (expandable ? kChevron + 8 : 0);
    const QRect right(rightEdge - kRightColumn, card.top(), kRightColumn, CardHeight);
    const QRect text(icon.right() + 13, card.top(), right.left() - 12 - icon.right() - 13, CardHeight);
    const QString detail = index.data(AppListModel::DetailRole).toString();
    const QFont nameFont = sizedFont(base, 14, QFont::DemiBold);
    const QFont smallFont = sizedFont(base, 11);
    const int nameHeight = QFontMetrics(nameFont).height();
    const int smallHeight = QFontMetrics(smallFont).height();

    const int textTop = card.top() + (CardHeight - nameHeight - (detail.isEmpty() ? 0 : smallHeight + 2)) / 2;
    painter->setFont(nameFont);
    painter->setPen(Palette::Text);
    painter->drawText(QRect(text.left(), textTop, text.width(), nameHeight), Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(nameFont).elidedText(app.name, Qt::ElideRight, text.width()));
    if (!detail.isEmpty()) {
        painter->setFont(smallFont);
        painter->setPen(Palette::TextMuted);
        painter->drawText(QRect(text.left(), textTop + nameHeight + 2, text.width(), smallHeight),
            Qt::AlignLeft | Qt::AlignVCenter, QFontMetrics(smallFont).elidedText(detail, Qt::ElideRight, text.width()));
    }

    const QFont sizeFont = sizedFont(base, 13, QFont::DemiBold);
    const int sizeHeight = QFontMetrics(sizeFont).height();
    const QString note = leftoverNote(app);
    const QColor noteColour = app.systemProtected ? Palette::TextMuted : Palette::Warning;
    const int rightTop = card.top() + (CardHeight - sizeHeight - (note.isEmpty() ? 0 : smallHeight + 2)) / 2;
    painter->setFont(sizeFont);
    painter->setPen(Palette::Text);
    painter->drawText(QRect(right.left(), rightTop, right.width(), sizeHeight), Qt::AlignRight | Qt::AlignVCenter,
        CleanItem::formatSize(app.size));
    if (!note.isEmpty()) {
        painter->setFont(smallFont);
        painter->setPen(noteColour);
        painter->drawText(QRect(right.left(), rightTop + sizeHeight + 2, right.width(), smallHeight),
            Qt::AlignRight | Qt::AlignVCenter, note);
    }
    if (expandable) {
        painter->setFont(sizedFont(base, 12));
        painter->setPen(Palette::TextSecondary);
        const bool expanded = index.data(AppListModel::ExpandedRole).toBool();
        painter->drawText(QRect(card.right() - kPadding - kChevron, card.top(), kChevron, CardHeight), Qt::AlignCenter,
            expanded ? QStringLiteral("▾") : QStringLiteral("▸"));
    }
    painter->setFont(base);
}

void AppCardDelegate::paintLeftovers(QPainter *painter, const QRect &card, const QModelIndex &index) const
{
    const AppInfo app = index.data(AppListModel::AppRole).value<AppInfo>();
    const QFont base = painter->font();
    const QFont rowFont = sizedFont(base, 12);
    const QFontMetrics metrics(rowFont);
    painter->setPen(Palette::Border);
    painter->drawLine(
        card.left() + kPadding, card.top() + CardHeight, card.right() - kPadding, card.top() + CardHeight);
    painter->setFont(rowFont);
    for (int i = 0; i < app.leftovers.size(); ++i) {
        const LeftoverItem &leftover = app.leftovers.at(i);
        const QRect row = leftoverRect(card, i);
        const QRect box = leftoverBoxRect(row);
        paintTickBox(painter, box, leftover.selected, true);
        const QRect size(row.right() - kPadding - kLeftoverSizeWidth, row.top(), kLeftoverSizeWidth, row.height());
        const QRect reason(size.left() - 12 - kReasonWidth, row.top(), kReasonWidth, row.height());
        const QRect path(box.right() + 11, row.top(), reason.left() - 12 - box.right() - 11, row.height());
        painter->setPen(Palette::Text);
        painter->drawText(path, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(shownPath(leftover.path), Qt::ElideMiddle, path.width()));
        painter->setPen(Palette::TextMuted);
        painter->drawText(reason, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(leftoverReason(leftover), Qt::ElideRight, reason.width()));
        painter->setPen(Palette::TextSecondary);
        painter->drawText(size, Qt::AlignRight | Qt::AlignVCenter, CleanItem::formatSize(leftover.size));
    }
    painter->setFont(base);
}

QSize AppCardDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    int height = CardHeight + Gap;
    if (index.data(AppListModel::ExpandedRole).toBool()) {
        const AppInfo app = index.data(AppListModel::AppRole).value<AppInfo>();
        height += kLeftoversTop + int(app.leftovers.size()) * LeftoverRowHeight + Gap;
    }
    return QSize(option.rect.width(), height);
}

bool AppCardDelegate::editorEvent(
    QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const QRect card = cardRect(option.rect);
    const QPoint at = mouse->position().toPoint();
    if (!card.contains(at))
        return false;
    const int row = sourceRow(index);
    const AppInfo app = index.data(AppListModel::AppRole).value<AppInfo>();
    if (at.y() < card.top() + CardHeight) {
        // The size column and the chevron open the leftovers; the rest of the card ticks.
        const int expandFrom = card.right() - kPadding - kChevron - 8 - kRightColumn;
        if (!app.leftovers.isEmpty() && at.x() >= expandFrom) {
            m_model->setExpanded(row, !index.data(AppListModel::ExpandedRole).toBool());
            emit sizeHintChanged(index);
        } else if (!app.systemProtected) {
            const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
            model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        }
        return true;
    }
    if (!index.data(AppListModel::ExpandedRole).toBool())
        return true;
    for (int i = 0; i < app.leftovers.size(); ++i) {
        if (leftoverRect(card, i).contains(at))
            m_model->setLeftoverSelected(row, i, !app.leftovers.at(i).selected);
    }
    return true;
}

QString AppCardDelegate::leftoverNote(const AppInfo &app)
{
    if (app.systemProtected)
        return tr("Part of macOS");
    const qint64 selected = app.selectedLeftoverSize();
    return selected > 0 ? tr("+%1 leftovers").arg(CleanItem::formatSize(selected)) : QString();
}

QString AppCardDelegate::leftoverReason(const LeftoverItem &leftover)
{
    if (leftover.reason == LeftoverItem::Reason::Name)
        return tr("name only");
    return leftover.sharedWithSystem ? tr("shared with macOS") : tr("bundle identifier");
}

int AppCardDelegate::sourceRow(const QModelIndex &index) const
{
    QModelIndex source = index;
    while (const auto *proxy = qobject_cast<const QAbstractProxyModel *>(source.model()))
        source = proxy->mapToSource(source);
    return source.row();
}
