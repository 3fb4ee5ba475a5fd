#include "navbutton.h"

#include "widgets/elidedlabel.h"
#include "widgets/palette.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>

namespace {

constexpr int iconSide = 24;

} // namespace

NavButton::NavButton(const QString &text, const QString &iconPath, QWidget *parent)
    : QWidget(parent)
    , m_iconPath(iconPath)
{
    setFixedHeight(48);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);

    m_layout = new QHBoxLayout(this);
    // A tight right margin and spacing leave the label room for its bold checked look.
    m_layout->setContentsMargins(14, 0, 8, 0);
    m_layout->setSpacing(10);
    m_iconLabel = new QLabel(this);
    m_iconLabel->setFixedSize(iconSide, iconSide);
    m_iconLabel->setAlignment(Qt::AlignCenter);
    m_iconLabel->setObjectName(QStringLiteral("navIcon"));
    // A label longer than the entry (a bold checked label, a long translation) ends in "…" and
    // shows in full as a tooltip.
    m_textLabel = new ElidedLabel(text, Qt::ElideRight, this);
    m_textLabel->setObjectName(QStringLiteral("navText"));
    m_textLabel->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    m_badgeLabel = new QLabel(this);
    m_badgeLabel->setAlignment(Qt::AlignCenter);
    m_badgeLabel->setFixedHeight(18);
    m_badgeLabel->setObjectName(QStringLiteral("navBadge"));
    m_badgeLabel->hide();
    m_layout->addWidget(m_iconLabel);
    m_layout->addWidget(m_textLabel, 1);
    m_layout->addWidget(m_badgeLabel, 0, Qt::AlignVCenter);

    updateIcon();
    updateStyle();
}

void NavButton::setText(const QString &text)
{
    m_textLabel->setFullText(text);
}

QString NavButton::text() const
{
    return m_textLabel->fullText();
}

void NavButton::setSubText(const QString &text)
{
    const bool shown = !text.isEmpty() && text != QLatin1String("--");
    m_badgeLabel->setText(shown ? text : QString());
    m_badgeLabel->setVisible(shown);
    update();
}

void NavButton::setIcon(const QString &iconPath)
{
    m_iconPath = iconPath;
    updateIcon();
}

void NavButton::setCentered(bool centered)
{
    if (!centered)
        return;
    m_layout->setAlignment(Qt::AlignCenter);
    m_layout->setStretchFactor(m_textLabel, 0);
}

void NavButton::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    updateStyle();
    updateIcon();
    emit checkedChanged(checked);
}

bool NavButton::isChecked() const
{
    return m_checked;
}

QPixmap NavButton::loadSvgWithColor(const QString &path, const QColor &color, qreal devicePixelRatio)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QPixmap();
    const int side = qRound(iconSide * devicePixelRatio);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb rgb = color.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha > 0)
                line[x] = qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), alpha);
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void NavButton::updateIcon()
{
    if (m_iconPath.isEmpty() || !QFile::exists(m_iconPath))
        return;
    const QColor color = m_checked ? Palette::Accent : Palette::OnAccentIcon;
    m_iconLabel->setPixmap(loadSvgWithColor(m_iconPath, color, devicePixelRatioF()));
}

void NavButton::updateStyle()
{
    // The text's look is the style sheet's, by its "checked" property.
    m_textLabel->setProperty("checked", m_checked);
    m_textLabel->style()->unpolish(m_textLabel);
    m_textLabel->style()->polish(m_textLabel);
    update();
}

void NavButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (m_checked) {
        painter.setBrush(Palette::Surface);
        painter.drawRoundedRect(rect(), 12, 12);
    } else if (m_hovered || m_pressed) {
        painter.setBrush(m_pressed ? Palette::OnAccentPressed : Palette::OnAccentHover);
        painter.drawRoundedRect(rect(), 12, 12);
    }
    // The badge pill reaches 6 px beyond its text on either side: green on the white checked
    // entry, translucent white on the green side bar.
    if (m_badgeLabel->isVisible()) {
        painter.setBrush(m_checked ? Palette::Accent : Palette::OnAccentBadge);
        painter.drawRoundedRect(m_badgeLabel->geometry().adjusted(-6, 0, 6, 0), 9, 9);
    }
}

void NavButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void NavButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}

void NavButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    update();
}

void NavButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    update();
}
