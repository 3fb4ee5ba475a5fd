#include "cardpainter.h"

#include "widgets/palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

void CardPainter::paint(QWidget *widget, int cornerRadius)
{
    constexpr int shadowOffset = 4;
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(widget->rect()).adjusted(0, 0, -shadowOffset, -shadowOffset);
    QPainterPath shadow;
    shadow.addRoundedRect(card.translated(shadowOffset, shadowOffset), cornerRadius, cornerRadius);
    painter.fillPath(shadow, Palette::DialogShadow);
    QPainterPath face;
    face.addRoundedRect(card, cornerRadius, cornerRadius);
    painter.fillPath(face, Palette::Surface);
}
