#include "cleanitemwidget.h"

#include "widgets/palette.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel *elidingLabel(const QString &objectName)
{
    auto *label = new QLabel;
    // Names and paths come from the disk: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(objectName);
    // The text is elided to whatever width the row gives; it never widens the row.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumWidth(40);
    return label;
}

} // namespace

CleanItemWidget::CleanItemWidget(const CleanItem &item, QWidget *parent)
    : QWidget(parent)
    , m_item(item)
    , m_checkBox(new QCheckBox)
    , m_nameLabel(elidingLabel(QStringLiteral("itemName")))
    , m_pathLabel(elidingLabel(QStringLiteral("itemPath")))
    , m_riskLabel(new QLabel)
    , m_sizeLabel(new QLabel)
{
    setObjectName(QStringLiteral("cleanItemWidget"));
    setAttribute(Qt::WA_StyledBackground);
    m_checkBox->setChecked(item.checked);
    m_checkBox->setCursor(Qt::PointingHandCursor);
    connect(m_checkBox, &QCheckBox::toggled, this, &CleanItemWidget::checkStateChanged);

    m_nameLabel->setToolTip(item.path);
    m_pathLabel->setToolTip(item.path);

    m_riskLabel->setObjectName(QStringLiteral("itemRisk"));
    m_riskLabel->setText(getRiskText());
    m_riskLabel->setVisible(!getRiskText().isEmpty());
    // The badge's colours are the style sheet's, one per level.
    m_riskLabel->setProperty("risk", m_item.riskLevel);

    m_sizeLabel->setObjectName(QStringLiteral("itemSize"));
    m_sizeLabel->setMinimumWidth(80);
    m_sizeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_sizeLabel->setText(item.shownSize());

    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    texts->addWidget(m_nameLabel);
    texts->addWidget(m_pathLabel);
    if (!item.failure.isEmpty()) {
        // The reason comes from the system and names files: plain text.
        auto *failure = new QLabel(tr("Not removed: %1").arg(item.failure));
        failure->setObjectName(QStringLiteral("itemFailure"));
        failure->setTextFormat(Qt::PlainText);
        failure->setWordWrap(true);
        texts->addWidget(failure);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(10);
    layout->addWidget(m_checkBox);
    layout->addLayout(texts, 1);
    layout->addWidget(m_riskLabel);
    layout->addWidget(m_sizeLabel);
    elideTexts();
}

bool CleanItemWidget::isChecked() const
{
    return m_checkBox->isChecked();
}

void CleanItemWidget::setChecked(bool checked)
{
    const QSignalBlocker blocker(m_checkBox);
    m_checkBox->setChecked(checked);
}

void CleanItemWidget::setShowSize(bool show)
{
    m_sizeLabel->setVisible(show);
}

QString CleanItemWidget::getRiskText() const
{
    return m_item.riskLevel == 0 ? QString() : CleanItem::riskText(m_item.riskLevel);
}

QColor CleanItemWidget::getRiskColor() const
{
    return Palette::risk(m_item.riskLevel);
}

void CleanItemWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    elideTexts();
}

void CleanItemWidget::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    setHovered(true);
}

void CleanItemWidget::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    setHovered(false);
}

void CleanItemWidget::elideTexts()
{
    m_nameLabel->setText(m_nameLabel->fontMetrics().elidedText(m_item.name(), Qt::ElideMiddle, m_nameLabel->width()));
    m_pathLabel->setText(m_pathLabel->fontMetrics().elidedText(m_item.path, Qt::ElideMiddle, m_pathLabel->width()));
}

void CleanItemWidget::setHovered(bool hovered)
{
    setProperty("hovered", hovered);
    style()->unpolish(this);
    style()->polish(this);
    update();
}
