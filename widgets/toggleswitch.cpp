#include "toggleswitch.h"

#include "palette.h"

#include <QPainter>

namespace {

constexpr int TrackWidth = 40;
constexpr int TrackHeight = 22;
constexpr int KnobMargin = 3;
constexpr qreal DisabledOpacity = 0.6;

} // namespace

ToggleSwitch::ToggleSwitch(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize ToggleSwitch::sizeHint() const
{
    return { TrackWidth, TrackHeight };
}

void ToggleSwitch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(DisabledOpacity);
    const QRectF track(0.5, 0.5, TrackWidth - 1, TrackHeight - 1);
    painter.setPen(isChecked() ? Palette::AccentDark : Palette::Border);
    painter.setBrush(isChecked() ? Palette::Accent : Palette::SurfaceMuted);
    painter.drawRoundedRect(track, track.height() / 2, track.height() / 2);

    const qreal knob = TrackHeight - 2 * KnobMargin;
    const qreal x = isChecked() ? TrackWidth - KnobMargin - knob : KnobMargin;
    painter.setPen(Palette::Border);
    painter.setBrush(Palette::Surface);
    painter.drawEllipse(QRectF(x, KnobMargin, knob, knob));
}
