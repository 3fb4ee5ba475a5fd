#include "largefiledelegate.h"

#include "largefilemodel.h"

#include "core/cleanitem.h"
#include "widgets/palette.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qint64 OneGiB = 1073741824;
constexpr int BadgeHeight = 24;

QFont sizedFont(const QFont &base, int pixelSize, int weight = QFont::Normal)
{
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}

// Draws a rounded badge whose right edge is at right; returns its left edge.
int drawBadge(QPainter *painter, const QFont &font, const QString &text, const QColor &foreground,
    const QColor &background, int right, int centreY)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(text) + 20;
    const QRect badge(right - width, centreY - BadgeHeight / 2, width, BadgeHeight);
    painter->setPen(Qt::NoPen);
    painter->setBrush(background);
    painter->drawRoundedRect(badge, 6, 6);
    painter->setFont(font);
    painter->setPen(foreground);
    painter->drawText(badge, Qt::AlignCenter, text);
    return badge.left();
}

void drawCheckBox(QPainter *painter, const QRect &box, bool checked)
{
    painter->setPen(QPen(checked ? Palette::Accent : Palette::BorderStrong, 1.5));
    painter->setBrush(checked ? Palette::Accent : Palette::Surface);
    painter->drawRoundedRect(QRectF(box).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
    if (!checked)
        return;
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.25, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.70);
    tick.lineTo(box.left() + box.width() * 0.76, box.top() + box.height() * 0.32);
    painter->setPen(QPen(Palette::Surface, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(tick);
}

QRect cardRect(const QRect &itemRect)
{
    return itemRect.adjusted(2, LargeFileDelegate::CardSpacing / 2, -2, -LargeFileDelegate::CardSpacing / 2);
}

} // namespace

LargeFileDelegate::LargeFileDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QString LargeFileDelegate::iconFor(const QString &type)
{
    if (type == QLatin1String("video"))
        return QStringLiteral("🎬");
    if (type == QLatin1String("audio"))
        return QStringLiteral("🎵");
    if (type == QLatin1String("archive"))
        return QStringLiteral("📦");
    if (type == QLatin1String("image"))
        return QStringLiteral("🖼️");
    if (type == QLatin1String("document"))
        return QStringLiteral("📄");
    if (type == QLatin1String("package"))
        return QStringLiteral("🗂️");
    return QStringLiteral("📁");
}

QString LargeFileDelegate::shortFolder(const QString &folder)
{
    if (folder.size() <= 50)
        return folder;
    return folder.left(25) + QStringLiteral("...") + folder.right(22);
}

bool LargeFileDelegate::isLargeBadge(qint64 size)
{
    return size > OneGiB;
}

QSize LargeFileDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(option.rect.width(), CardHeight + CardSpacing);
}

void LargeFileDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect card = cardRect(option.rect);
    const bool hovered = option.state & QStyle::State_MouseOver;
    painter->setPen(QPen(hovered ? Palette::Accent : Palette::Border, 1));
    painter->setBrush(Palette::Surface);
    painter->drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);

    const int centreY = card.center().y();
    const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    drawCheckBox(painter, QRect(card.left() + 16, centreY - 9, 18, 18), checked);

    const QRect icon(card.left() + 48, centreY - 18, 36, 36);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Palette::SurfaceMuted);
    painter->drawRoundedRect(icon, 8, 8);
    painter->setFont(sizedFont(option.font, 18));
    painter->setPen(Palette::Text);
    painter->drawText(icon, Qt::AlignCenter, iconFor(index.data(LargeFileModel::TypeRole).toString()));

    const qint64 size = index.data(LargeFileModel::SizeRole).toLongLong();
    const QFont badgeFont = sizedFont(option.font, 12, QFont::DemiBold);
    const bool large = isLargeBadge(size);
    const qint64 length = index.data(LargeFileModel::LengthRole).toLongLong();
    const QString sizeText = length > 0
        ? tr("%1, %2 on disk").arg(CleanItem::formatSize(length), CleanItem::formatSize(size))
        : CleanItem::formatSize(size);
    int right = drawBadge(painter, badgeFont, sizeText, large ? Palette::DangerText : Palette::Text,
        large ? Palette::DangerTint : Palette::SurfaceMuted, card.right() - 16, centreY);
    if (index.data(LargeFileModel::InCloudRole).toBool())
        right = drawBadge(painter, badgeFont, tr("In iCloud"), Palette::Info, Palette::InfoTint, right - 8, centreY);

    const int textLeft = icon.right() + 14;
    const int textWidth = right - 16 - textLeft;
    const QFont nameFont = sizedFont(option.font, 14, QFont::DemiBold);
    painter->setFont(nameFont);
    painter->setPen(Palette::Text);
    const QString name = QFontMetrics(nameFont).elidedText(index.data().toString(), Qt::ElideMiddle, textWidth);
    painter->drawText(QRect(textLeft, centreY - 20, textWidth, 20), Qt::AlignLeft | Qt::AlignVCenter, name);

    const QFont detailFont = sizedFont(option.font, 11);
    const QString modified
        = QLocale().toString(index.data(LargeFileModel::ModifiedRole).toDateTime(), QLocale::ShortFormat);
    QString detail
        = shortFolder(index.data(LargeFileModel::DirectoryRole).toString()) + QStringLiteral("  ·  ") + modified;
    const QString via = index.data(LargeFileModel::ViaRole).toString();
    if (!via.isEmpty())
        detail += QStringLiteral("  ·  ") + tr("via %1").arg(shortFolder(via));
    painter->setFont(detailFont);
    painter->setPen(Palette::TextMuted);
    painter->drawText(QRect(textLeft, centreY + 2, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(detailFont).elidedText(detail, Qt::ElideMiddle, textWidth));
    painter->restore();
}

bool LargeFileDelegate::editorEvent(
    QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonDblClick)
        return true;
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton || !cardRect(option.rect).contains(mouse->position().toPoint()))
        return false;
    const bool checked = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    return model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}
