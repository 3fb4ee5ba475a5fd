#include "circleprogresswidget.h"

#include "widgets/palette.h"

#include <QConicalGradient>
#include <QLocale>
#include <QPainter>

namespace {

constexpr int RingWidth = 10;
constexpr int RingInset = 10;

void drawCentredText(
    QPainter &painter, const QRectF &box, const QString &text, const QColor &colour, int pixelSize, int weight)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace

CircleProgressWidget::CircleProgressWidget(QWidget *parent)
    : QWidget(parent)
    , m_unit(tr("GB"))
    , m_subtitle(tr("Can be cleaned"))
{
    setFixedSize(180, 180);
}

int CircleProgressWidget::progress() const
{
    return m_progress;
}

double CircleProgressWidget::value() const
{
    return m_value;
}

QString CircleProgressWidget::valueText() const
{
    return m_valueText.isNull() ? QLocale().toString(m_value, 'f', 1) : m_valueText;
}

QString CircleProgressWidget::unit() const
{
    return m_unit;
}

QString CircleProgressWidget::subtitle() const
{
    return m_subtitle;
}

void CircleProgressWidget::setProgress(int progress)
{
    m_progress = progress;
    update();
}

void CircleProgressWidget::setValue(double value)
{
    m_value = value;
    m_valueText = QString();
    update();
}

void CircleProgressWidget::setValueText(const QString &text)
{
    m_valueText = text;
    update();
}

void CircleProgressWidget::setUnit(const QString &unit)
{
    m_unit = unit;
    update();
}

void CircleProgressWidget::setSubtitle(const QString &subtitle)
{
    m_subtitle = subtitle;
    update();
}

void CircleProgressWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const int diameter = qMin(width(), height()) - 2 * RingInset;
    const QRectF ring(RingInset, RingInset, diameter, diameter);

    painter.setPen(QPen(Palette::Border, RingWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ring);

    if (m_progress > 0) {
        QConicalGradient gradient(ring.center(), 90);
        gradient.setColorAt(0.0, Palette::Accent);
        gradient.setColorAt(0.5, Palette::AccentDark);
        gradient.setColorAt(1.0, Palette::Accent);
        painter.setPen(QPen(QBrush(gradient), RingWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const int spanDegrees = m_progress * 360 / 100;
        painter.drawArc(ring, 90 * 16, -spanDegrees * 16);
    }

    drawCentredText(painter, QRectF(RingInset, RingInset + 0.25 * diameter, diameter, 45), valueText(),
        Palette::Accent, 38, QFont::Bold);
    drawCentredText(
        painter, QRectF(RingInset, RingInset + 0.52 * diameter, diameter, 30), m_unit, Palette::Accent, 22, QFont::Bold);
    drawCentredText(painter, QRectF(RingInset, RingInset + 0.68 * diameter, diameter, 20), m_subtitle,
        Palette::TextMuted, 12, QFont::Normal);
}
