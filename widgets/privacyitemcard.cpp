#include "privacyitemcard.h"

#include "core/cleanitem.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel *plainLabel(const QString &text, const QString &objectName)
{
    auto *label = new QLabel(text);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Re-evaluates the style sheet after a dynamic property changed.
void setStyleProperty(QWidget *widget, const char *name, const QVariant &value)
{
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

PrivacyItemCard::PrivacyItemCard(const PrivacyItem &item, QWidget *parent)
    : QFrame(parent)
    , m_item(item)
    , m_checkBox(new QCheckBox)
    , m_primaryLabel(plainLabel(QString(), QStringLiteral("privacySize")))
    , m_secondaryLabel(plainLabel(QString(), QStringLiteral("privacyCount")))
{
    setObjectName(QStringLiteral("privacyCard"));
    setProperty("traceId", item.id);
    m_checkBox->setObjectName(QStringLiteral("privacyCheck"));
    m_checkBox->setChecked(item.selected);
    m_checkBox->setCursor(Qt::PointingHandCursor);
    m_checkBox->setAccessibleName(item.name);
    connect(m_checkBox, &QCheckBox::toggled, this, &PrivacyItemCard::checkedChanged);

    auto *icon = plainLabel(item.icon, QStringLiteral("privacyIcon"));
    icon->setAlignment(Qt::AlignCenter);
    icon->setFixedSize(40, 40);

    auto *name = plainLabel(item.name, QStringLiteral("privacyName"));
    auto *risk = plainLabel(riskText(item.risk), QStringLiteral("privacyRisk"));
    risk->setProperty("risk", item.risk);
    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(8);
    titleRow->addWidget(name);
    titleRow->addWidget(risk);
    titleRow->addStretch();
    auto *description = plainLabel(item.description, QStringLiteral("privacyDescription"));
    description->setWordWrap(true);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(3);
    texts->addLayout(titleRow);
    texts->addWidget(description);

    m_primaryLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_secondaryLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *status = new QVBoxLayout;
    status->setSpacing(3);
    status->addWidget(m_primaryLabel);
    status->addWidget(m_secondaryLabel);
    auto *statusBox = new QWidget;
    statusBox->setMinimumWidth(120);
    statusBox->setLayout(status);
    status->setContentsMargins(0, 0, 0, 0);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(12);
    layout->addWidget(m_checkBox);
    layout->addWidget(icon);
    layout->addLayout(texts, 1);
    layout->addWidget(statusBox);
    setUnmeasured();
}

const PrivacyItem &PrivacyItemCard::item() const
{
    return m_item;
}

void PrivacyItemCard::setMeasured(const PrivacyItem &item)
{
    const bool wasOffered = !m_measured || m_item.isOffered();
    m_item = item;
    m_measured = true;
    if (!item.isOffered())
        m_checkBox->setChecked(false);
    else if (!wasOffered)
        m_checkBox->setChecked(item.selected);
    if (!item.isOffered())
        setStatus(tr("Nothing found"), QString(), QStringLiteral("muted"));
    else if (!item.sizeKnown)
        setStatus(tr("Size unknown"), QString(), QString());
    else
        setStatus(CleanItem::formatSize(item.size), tr("%Ln item(s)", nullptr, item.count), QString());
    updateEnabled();
}

void PrivacyItemCard::setUnmeasured()
{
    m_measured = false;
    setStatus(tr("Not scanned"), QString(), QStringLiteral("muted"));
    updateEnabled();
}

void PrivacyItemCard::setOutcome(bool success, qint64 freedBytes)
{
    if (success)
        setStatus(tr("Cleaned"), freedBytes > 0 ? tr("%1 freed").arg(CleanItem::formatSize(freedBytes)) : QString(),
            QStringLiteral("success"));
    else if (freedBytes > 0)
        setStatus(
            tr("Partly cleaned"), tr("%1 freed").arg(CleanItem::formatSize(freedBytes)), QStringLiteral("failure"));
    else
        setStatus(tr("Not cleaned"), QString(), QStringLiteral("failure"));
}

void PrivacyItemCard::setLocked(bool locked)
{
    m_locked = locked;
    updateEnabled();
}

bool PrivacyItemCard::isChecked() const
{
    return m_checkBox->isChecked();
}

bool PrivacyItemCard::isSelectedForCleaning() const
{
    return m_measured && m_item.isOffered() && m_checkBox->isChecked();
}

QString PrivacyItemCard::riskText(int risk)
{
    switch (risk) {
    case 0:
        return tr("Safe");
    case 1:
        return tr("Caution");
    default:
        return tr("High risk");
    }
}

void PrivacyItemCard::setStatus(const QString &primary, const QString &secondary, const QString &tone)
{
    m_primaryLabel->setText(primary);
    m_secondaryLabel->setText(secondary);
    m_secondaryLabel->setVisible(!secondary.isEmpty());
    setStyleProperty(m_primaryLabel, "tone", tone);
}

void PrivacyItemCard::updateEnabled()
{
    const bool offered = !m_measured || m_item.isOffered();
    if (property("offered").toBool() != offered || !property("offered").isValid()) {
        setStyleProperty(this, "offered", offered);
        // The texts' colours depend on the card's property: their styles are worked out again.
        for (QLabel *label : findChildren<QLabel *>())
            setStyleProperty(label, "offered", offered);
    }
    m_checkBox->setEnabled(offered && !m_locked);
}
