#include "detailitemwidget.h"

#include "core/cleanitem.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

DetailItemWidget::DetailItemWidget(const CleanItem &item, QWidget *parent)
    : QWidget(parent)
    , m_path(item.path)
{
    setFixedHeight(40);
    setAttribute(Qt::WA_StyledBackground);

    auto *name = new QLabel(item.name);
    name->setTextFormat(Qt::PlainText);
    name->setStyleSheet(QStringLiteral("color: %1; font-size: 13px;").arg(QStringLiteral("#111827")));
    name->setToolTip(item.path);
    name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *size = new QLabel(CleanItem::formatSize(item.size));
    size->setStyleSheet(QStringLiteral("color: %1; font-size: 13px;").arg(QStringLiteral("#6B7280")));
    size->setMinimumWidth(80);
    size->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *open = new QPushButton;
    open->setIcon(QIcon(QStringLiteral(":/icons/folder-open.svg")));
    open->setIconSize(QSize(16, 16));
    open->setFixedSize(28, 28);
    open->setCursor(Qt::PointingHandCursor);
    open->setToolTip(tr("Show in Finder"));
    open->setStyleSheet(QStringLiteral("QPushButton { border: none; background: #F3F4F6; border-radius: 6px; }"
                                       "QPushButton:hover { background: #E5E7EB; }"));
    connect(open, &QPushButton::clicked, this, &DetailItemWidget::onOpenLocation);
    auto *actionCell = new QWidget;
    actionCell->setFixedWidth(ActionColumnWidth);
    auto *actionLayout = new QHBoxLayout(actionCell);
    actionLayout->setContentsMargins(0, 0, 0, 0);
    actionLayout->addWidget(open, 0, Qt::AlignCenter);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 6, 16, 6);
    layout->setSpacing(12);
    layout->addWidget(name, 1);
    layout->addWidget(size);
    layout->addWidget(actionCell);
}

QString DetailItemWidget::locationPath() const
{
    const QFileInfo info(m_path);
    return info.isDir() ? m_path : info.absolutePath();
}

void DetailItemWidget::onOpenLocation()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(locationPath()));
}
