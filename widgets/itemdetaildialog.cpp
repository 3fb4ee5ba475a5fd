#include "itemdetaildialog.h"

#include "core/cleancategory.h"
#include "widgets/detailitemwidget.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How close to the end of the list a scroll must come to load the next batch.
constexpr int loadAheadPixels = 99;
// The list keeps filling itself until it overflows the view by more than this.
constexpr int overflowPixels = 50;

QLabel *columnLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QStringLiteral("detailColumn"));
    return label;
}

} // namespace

ItemDetailDialog::ItemDetailDialog(CleanCategory *category, QWidget *parent)
    : QDialog(parent)
    , m_category(category)
{
    setWindowTitle(category->shownName());
    setMinimumSize(600, 400);
    setMaximumSize(800, 600);
    resize(650, 450);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setupUi();
    QTimer::singleShot(50, this, &ItemDetailDialog::loadMoreItems);
}

int ItemDetailDialog::loadedCount() const
{
    return m_loadedCount;
}

void ItemDetailDialog::setupUi()
{
    m_listWidget = new QWidget;
    m_listWidget->setObjectName(QStringLiteral("detailList"));
    m_listLayout = new QVBoxLayout(m_listWidget);
    m_listLayout->setContentsMargins(0, 0, 0, 0);
    m_listLayout->setSpacing(0);
    m_listLayout->setAlignment(Qt::AlignTop);

    m_scrollArea = new QScrollArea;
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setObjectName(QStringLiteral("detailScroll"));
    m_scrollArea->setWidget(m_listWidget);
    connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &ItemDetailDialog::onScrollChanged);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createHeaderBar());
    layout->addWidget(createColumnHeader());
    layout->addWidget(m_scrollArea, 1);
}

QWidget *ItemDetailDialog::createHeaderBar()
{
    auto *bar = new QWidget;
    bar->setFixedHeight(48);
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setObjectName(QStringLiteral("detailTitleBar"));

    auto *back = new QPushButton;
    back->setIcon(QIcon(QStringLiteral(":/icons/chevron-left.svg")));
    back->setIconSize(QSize(18, 18));
    back->setFixedSize(28, 28);
    back->setCursor(Qt::PointingHandCursor);
    back->setObjectName(QStringLiteral("detailBackBtn"));
    connect(back, &QPushButton::clicked, this, &QDialog::close);

    m_titleLabel = new QLabel(m_category->shownName());
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setObjectName(QStringLiteral("detailTitle"));
    m_summaryLabel
        = new QLabel(tr("%1  |  %Ln files", nullptr, int(m_category->items.size()))
                         .arg(CleanItem::formatTotal(m_category->totalSize(), m_category->hasUnknownSize())));
    m_summaryLabel->setObjectName(QStringLiteral("detailSummary"));

    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(12, 0, 16, 0);
    layout->setSpacing(10);
    layout->addWidget(back);
    layout->addWidget(m_titleLabel);
    layout->addStretch();
    layout->addWidget(m_summaryLabel);
    return bar;
}

QWidget *ItemDetailDialog::createColumnHeader()
{
    auto *header = new QWidget;
    header->setFixedHeight(32);
    header->setAttribute(Qt::WA_StyledBackground);
    header->setObjectName(QStringLiteral("detailColumns"));
    auto *size = columnLabel(tr("Size"));
    size->setMinimumWidth(80);
    size->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *action = columnLabel(tr("Action"));
    action->setFixedWidth(DetailItemWidget::ActionColumnWidth);
    action->setAlignment(Qt::AlignCenter);

    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(16, 0, 16, 0);
    layout->setSpacing(12);
    layout->addWidget(columnLabel(tr("Name")), 1);
    layout->addWidget(size);
    layout->addWidget(action);
    return header;
}

void ItemDetailDialog::loadMoreItems()
{
    const int itemCount = m_category->items.size();
    if (m_loading || m_loadedCount >= itemCount)
        return;
    m_loading = true;
    const int before = m_loadedCount;
    const int end = std::min(m_loadedCount + m_batchSize, itemCount);
    for (int i = m_loadedCount; i < end; ++i) {
        auto *row = new DetailItemWidget(m_category->items.at(i));
        // Every second row is tinted by the style sheet.
        row->setProperty("alternate", i % 2 == 1);
        m_listLayout->addWidget(row);
    }
    m_loadedCount = end;
    m_loading = false;
    if (before + m_batchSize < itemCount)
        QTimer::singleShot(10, this, &ItemDetailDialog::fillViewIfRoomLeft);
}

void ItemDetailDialog::fillViewIfRoomLeft()
{
    if (m_listWidget->height() < m_scrollArea->height() + overflowPixels + 1)
        loadMoreItems();
}

void ItemDetailDialog::onScrollChanged(int value)
{
    if (m_scrollArea->verticalScrollBar()->maximum() - value <= loadAheadPixels && !m_loading)
        loadMoreItems();
}
