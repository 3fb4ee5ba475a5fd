#include "statcard.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int iconSize = 22;

} // namespace

StatCard::StatCard(QWidget *parent)
    : QWidget(parent)
    , m_iconLabel(new QLabel)
    , m_valueLabel(new QLabel)
    , m_titleLabel(new QLabel)
{
    setObjectName(QStringLiteral("statCard"));
    setAttribute(Qt::WA_StyledBackground);

    auto *iconContainer = new QWidget;
    iconContainer->setObjectName(QStringLiteral("statIconContainer"));
    iconContainer->setAttribute(Qt::WA_StyledBackground);
    iconContainer->setFixedSize(40, 40);
    auto *iconLayout = new QHBoxLayout(iconContainer);
    iconLayout->setContentsMargins(0, 0, 0, 0);
    m_iconLabel->setObjectName(QStringLiteral("statIcon"));
    m_iconLabel->setAlignment(Qt::AlignCenter);
    iconLayout->addWidget(m_iconLabel);

    m_valueLabel->setObjectName(QStringLiteral("statValue"));
    m_titleLabel->setObjectName(QStringLiteral("statTitle"));
    auto *texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    texts->addWidget(m_valueLabel);
    texts->addWidget(m_titleLabel);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(12);
    layout->addWidget(iconContainer, 0, Qt::AlignVCenter);
    layout->addLayout(texts, 1);
}

void StatCard::setValue(const QString &value)
{
    m_valueLabel->setText(value);
}

void StatCard::setTitle(const QString &title)
{
    m_titleLabel->setText(title);
}

void StatCard::setIcon(const QString &iconPath)
{
    m_iconLabel->setPixmap(QIcon(iconPath).pixmap(iconSize, iconSize));
}

QString StatCard::value() const
{
    return m_valueLabel->text();
}
