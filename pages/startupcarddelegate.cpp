#include "startupcarddelegate.h"

#include "startuplistmodel.h"
#include "widgets/palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace {

constexpr int CheckBoxSize = 18;
constexpr int IconTile = 36;
constexpr int RightMargin = 16;

QFont pixelFont(const QFont &base, int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(base);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// Background and text colour of a badge.
std::pair<QColor, QColor> badgeColours(const QModelIndex &index)
{
    switch (StartupListModel::BadgeTone(index.data(StartupListModel::BadgeToneRole).toInt())) {
    case StartupListModel::BadgeTone::Green:
        return { Palette::SuccessTint, Palette::SuccessText };
    case StartupListModel::BadgeTone::Amber:
        return { Palette::WarningTint, Palette::WarningText };
    case StartupListModel::BadgeTone::Indigo:
        return { Palette::IndigoTint, Palette::IndigoText };
    case StartupListModel::BadgeTone::Grey:
        break;
    }
    return { Palette::SurfaceMuted, Palette::TextSecondary };
}

QString revealText()
{
    return StartupCardDelegate::tr("Reveal in Finder");
}

void paintCheckBox(QPainter *painter, const QRect &rect, bool checked, bool enabled)
{
    painter->setPen(checked ? Qt::NoPen : QPen(Palette::Border, 1.5));
    QColor fill = Palette::Surface;
    if (checked)
        fill = enabled ? Palette::Accent : Palette::TextMuted;
    else if (!enabled)
        fill = Palette::SurfaceMuted;
    painter->setBrush(fill);
    painter->drawRoundedRect(QRectF(rect).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
    if (!checked)
        return;
    QPainterPath tick;
    tick.moveTo(rect.left() + 4.5, rect.center().y() + 0.5);
    tick.lineTo(rect.left() + 7.5, rect.center().y() + 3.5);
    tick.lineTo(rect.right() - 3.5, rect.top() + 5.5);
    painter->setPen(QPen(Palette::Surface, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(tick);
}

} // namespace

StartupCardDelegate::StartupCardDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QSize StartupCardDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto kind = StartupListModel::RowKind(index.data(StartupListModel::KindRole).toInt());
    const int height = kind == StartupListModel::RowKind::Section ? SectionHeight : CardHeight + CardSpacing;
    return QSize(option.rect.width(), height);
}

StartupCardDelegate::Geometry StartupCardDelegate::geometry(
    const QStyleOptionViewItem &option, const QModelIndex &index)
{
    Geometry g;
    g.card = QRect(
        option.rect.left() + 1, option.rect.top() + CardSpacing / 2, option.rect.width() - RightMargin - 2, CardHeight);
    const int middle = g.card.center().y();
    g.checkBox = QRect(g.card.left() + 16, middle - CheckBoxSize / 2, CheckBoxSize, CheckBoxSize);
    g.icon = QRect(g.checkBox.right() + 13, middle - IconTile / 2, IconTile, IconTile);

    int right = g.card.right() - 16;
    if (index.data(StartupListModel::RevealRole).toBool()) {
        const QFontMetrics metrics(pixelFont(option.font, 12, QFont::Medium));
        const int width = metrics.horizontalAdvance(revealText());
        g.reveal = QRect(right - width + 1, middle - 10, width, 20);
        right = g.reveal.left() - 16;
    }
    const QString badge = index.data(StartupListModel::BadgeRole).toString();
    if (!badge.isEmpty()) {
        const QFontMetrics metrics(pixelFont(option.font, 11, QFont::Medium));
        const int width = metrics.horizontalAdvance(badge) + 20;
        g.badge = QRect(right - width + 1, middle - 11, width, 22);
        right = g.badge.left() - 12;
    }
    g.text = QRect(g.icon.right() + 13, g.card.top() + 10, right - g.icon.right() - 12, CardHeight - 20);
    return g;
}

void StartupCardDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (StartupListModel::RowKind(index.data(StartupListModel::KindRole).toInt()) == StartupListModel::RowKind::Section)
        paintSection(painter, option, index);
    else
        paintCard(painter, option, index);
    painter->restore();
}

void StartupCardDelegate::paintSection(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->setFont(pixelFont(option.font, 13, QFont::DemiBold));
    painter->setPen(Palette::TextSecondary);
    const QRect rect = option.rect.adjusted(2, 12, -RightMargin, -4);
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, rect.width()));
}

void StartupCardDelegate::paintCard(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const Geometry g = geometry(option, index);
    const bool isApp
        = StartupListModel::RowKind(index.data(StartupListModel::KindRole).toInt()) == StartupListModel::RowKind::App;

    painter->setPen(Qt::NoPen);
    painter->setBrush(Palette::CardShadow);
    painter->drawRoundedRect(QRectF(g.card).translated(0, 2), 12, 12);
    painter->setPen(QPen(Palette::Border, 1));
    painter->setBrush(Palette::Surface);
    painter->drawRoundedRect(QRectF(g.card).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);

    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    const bool enabled = index.flags().testFlag(Qt::ItemIsUserCheckable);
    paintCheckBox(painter, g.checkBox, checked, enabled);

    painter->setPen(Qt::NoPen);
    painter->setBrush(isApp ? Palette::SurfaceMuted : Palette::SuccessTint);
    painter->drawRoundedRect(g.icon, 8, 8);
    const QPixmap icon = index.data(Qt::DecorationRole).value<QPixmap>();
    if (!icon.isNull() && icon.width() > 0) {
        const QSize size = icon.deviceIndependentSize().toSize().boundedTo(QSize(32, 32));
        painter->drawPixmap(
            QRect(QPoint(0, 0), size).translated(g.icon.center() - QPoint(size.width() / 2 - 1, size.height() / 2 - 1)),
            icon);
    } else {
        painter->setFont(pixelFont(option.font, 16));
        painter->setPen(Palette::Text);
        painter->drawText(g.icon, Qt::AlignCenter, isApp ? QStringLiteral("📦") : QStringLiteral("🚀"));
    }

    const QFont nameFont = pixelFont(option.font, 14, QFont::DemiBold);
    const QFont pathFont = pixelFont(option.font, 11);
    const QFontMetrics nameMetrics(nameFont);
    const QFontMetrics pathMetrics(pathFont);
    const int top = g.text.center().y() - (nameMetrics.height() + 2 + pathMetrics.height()) / 2;
    const QRect nameRect(g.text.left(), top, g.text.width(), nameMetrics.height());
    painter->setFont(nameFont);
    painter->setPen(Palette::Text);
    painter->drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        nameMetrics.elidedText(index.data().toString(), Qt::ElideRight, nameRect.width()));

    QRect pathRect(g.text.left(), nameRect.bottom() + 3, g.text.width(), pathMetrics.height());
    const QString note = index.data(StartupListModel::NoteRole).toString();
    painter->setFont(pathFont);
    if (!note.isEmpty()) {
        const QFont noteFont = pixelFont(option.font, 11, QFont::Medium);
        const int noteWidth = QFontMetrics(noteFont).horizontalAdvance(note) + 2;
        const QRect noteRect(pathRect.right() - noteWidth + 1, pathRect.top(), noteWidth, pathRect.height());
        painter->setFont(noteFont);
        painter->setPen(Palette::Warning);
        painter->drawText(noteRect, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, note);
        pathRect.setRight(noteRect.left() - 8);
        painter->setFont(pathFont);
    }
    painter->setPen(Palette::TextMuted);
    painter->drawText(pathRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        pathMetrics.elidedText(
            index.data(StartupListModel::PathTextRole).toString(), Qt::ElideMiddle, pathRect.width()));

    if (!g.badge.isNull()) {
        const QString badge = index.data(StartupListModel::BadgeRole).toString();
        const auto [background, text] = badgeColours(index);
        painter->setPen(Qt::NoPen);
        painter->setBrush(background);
        painter->drawRoundedRect(g.badge, 6, 6);
        painter->setFont(pixelFont(option.font, 11, QFont::Medium));
        painter->setPen(text);
        painter->drawText(g.badge, Qt::AlignCenter | Qt::TextSingleLine, badge);
    }
    if (!g.reveal.isNull()) {
        QFont link = pixelFont(option.font, 12, QFont::Medium);
        link.setUnderline(option.state.testFlag(QStyle::State_MouseOver));
        painter->setFont(link);
        painter->setPen(Palette::AccentDark);
        painter->drawText(g.reveal, Qt::AlignCenter | Qt::TextSingleLine, revealText());
    }
}

bool StartupCardDelegate::editorEvent(
    QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (StartupListModel::RowKind(index.data(StartupListModel::KindRole).toInt()) == StartupListModel::RowKind::Section)
        return false;
    const Geometry g = geometry(option, index);
    const QPoint position = mouse->position().toPoint();
    if (g.checkBox.adjusted(-6, -6, 6, 6).contains(position)) {
        if (type == QEvent::MouseButtonRelease && index.flags().testFlag(Qt::ItemIsUserCheckable)) {
            const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            model->setData(index, int(checked ? Qt::Unchecked : Qt::Checked), Qt::CheckStateRole);
        }
        return true;
    }
    if (!g.reveal.isNull() && g.reveal.contains(position)) {
        if (type == QEvent::MouseButtonRelease)
            emit revealRequested(index.data(StartupListModel::PlistPathRole).toString());
        return true;
    }
    return false;
}
