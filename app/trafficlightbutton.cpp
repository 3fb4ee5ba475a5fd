#include "trafficlightbutton.h"

#include "widgets/palette.h"

#include <QPainter>

TrafficLightButton::TrafficLightButton(const QColor &color, const QString &symbol, QWidget *parent)
    : QPushButton(parent)
    , m_color(color)
    , m_symbol(symbol)
{
    setFixedSize(12, 12);
    setCursor(Qt::PointingHandCursor);
    setFlat(true);
    setAttribute(Qt::WA_Hover);
}

void TrafficLightButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QPushButton::enterEvent(event);
}

void TrafficLightButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QPushButton::leaveEvent(event);
}

void TrafficLightButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawEllipse(rect());
    if (!m_hovered || m_symbol.isEmpty())
        return;
    QFont font = painter.font();
    font.setPixelSize(7);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.setPen(Palette::TrafficLightGlyph);
    painter.drawText(rect(), Qt::AlignCenter, m_symbol);
}
