#include "cleanitemwidget.h"

#include "widgets/palette.h"

#include <QCheckBox>
#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *elidingLabel(const QString &objectName, const QString &style)
{
    auto *label = new QLabel;
    // Names and paths come from the disk: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(objectName);
    label->setStyleSheet(style);
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
    , m_nameLabel(elidingLabel(QStringLiteral("itemName"),
          QStringLiteral("color: %1; font-size: 13px; background: transparent;").arg(QStringLiteral("#111827"))))
    , m_pathLabel(elidingLabel(QStringLiteral("itemPath"),
          QStringLiteral("color: %1; font-size: 11px; background: transparent;").arg(QStringLiteral("#9CA3AF"))))
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
    const QColor riskColor(getRiskColor());
    m_riskLabel->setStyleSheet(QStringLiteral("color: %1; background-color: rgba(%2, %3, %4, 0.12); border-radius: 4px;"
                                              " padding: 1px 6px; font-size: 11px; font-weight: 500;")
                                   .arg(getRiskColor())
                                   .arg(riskColor.red())
                                   .arg(riskColor.green())
                                   .arg(riskColor.blue()));

    m_sizeLabel->setObjectName(QStringLiteral("itemSize"));
    m_sizeLabel->setFixedWidth(80);
    m_sizeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_sizeLabel->setText(CleanItem::formatSize(item.size));
    m_sizeLabel->setStyleSheet(
        QStringLiteral("color: %1; font-size: 12px; background: transparent;").arg(QStringLiteral("#6B7280")));

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
        failure->setStyleSheet(
            QStringLiteral("color: %1; font-size: 11px; background: transparent;").arg(Palette::DangerText.name()));
        texts->addWidget(failure);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(10);
    layout->addWidget(m_checkBox);
    layout->addLayout(texts, 1);
    layout->addWidget(m_riskLabel);
    layout->addWidget(m_sizeLabel);
    updateBackground();
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

QString CleanItemWidget::getRiskColor() const
{
    return CleanItem::riskColor(m_item.riskLevel);
}

void CleanItemWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    elideTexts();
}

void CleanItemWidget::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hovered = true;
    updateBackground();
}

void CleanItemWidget::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hovered = false;
    updateBackground();
}

void CleanItemWidget::elideTexts()
{
    m_nameLabel->setText(m_nameLabel->fontMetrics().elidedText(m_item.name, Qt::ElideMiddle, m_nameLabel->width()));
    m_pathLabel->setText(m_pathLabel->fontMetrics().elidedText(m_item.path, Qt::ElideMiddle, m_pathLabel->width()));
}

void CleanItemWidget::updateBackground()
{
    setStyleSheet(QStringLiteral("#cleanItemWidget { background-color: %1; border-radius: 6px; }")
                      .arg(m_hovered ? QStringLiteral("#F9FAFB") : QStringLiteral("transparent")));
}
