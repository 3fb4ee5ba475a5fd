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

    auto *name = new QLabel(item.name());
    name->setTextFormat(Qt::PlainText);
    name->setObjectName(QStringLiteral("detailName"));
    name->setToolTip(item.path);
    name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *size = new QLabel(item.shownSize());
    size->setObjectName(QStringLiteral("detailSize"));
    size->setMinimumWidth(80);
    size->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *open = new QPushButton;
    open->setIcon(QIcon(QStringLiteral(":/icons/folder-open.svg")));
    open->setIconSize(QSize(16, 16));
    open->setFixedSize(28, 28);
    open->setCursor(Qt::PointingHandCursor);
    open->setToolTip(tr("Show in Finder"));
    open->setObjectName(QStringLiteral("detailOpenBtn"));
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
