#include "categorywidget.h"

#include "core/cleancategory.h"
#include "widgets/cleanitemwidget.h"
#include "widgets/elidedlabel.h"

#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int rowsPerPage = 10;

const QStringList &knownIconIds()
{
    static const QStringList ids = { QStringLiteral("temp_files"), QStringLiteral("prefetch"),
        QStringLiteral("thumbnails"), QStringLiteral("log_files"), QStringLiteral("windows_update"),
        QStringLiteral("error_reports"), QStringLiteral("delivery_optimization"), QStringLiteral("installer_cache"),
        QStringLiteral("recent_files"), QStringLiteral("font_cache"), QStringLiteral("cache"),
        QStringLiteral("code_cache"), QStringLiteral("gpu_cache"), QStringLiteral("service_worker"),
        QStringLiteral("cookies"), QStringLiteral("history"), QStringLiteral("downloads"), QStringLiteral("session"),
        QStringLiteral("form_data"), QStringLiteral("media_cache"), QStringLiteral("invalid_software"),
        QStringLiteral("invalid_file_assoc"), QStringLiteral("invalid_com"), QStringLiteral("invalid_fonts"),
        QStringLiteral("invalid_startup"), QStringLiteral("invalid_shared_dll"), QStringLiteral("mui_cache") };
    return ids;
}

QLabel *plainLabel(const QString &text, const QString &objectName)
{
    auto *label = new QLabel(text);
    // Category names and descriptions come from rules files: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(objectName);
    return label;
}

} // namespace

CategoryWidget::CategoryWidget(CleanCategory *category, QWidget *parent)
    : QWidget(parent)
    , m_category(category)
{
    // A category that is not selected shows its rows unselected too: otherwise unticking one row
    // would select the category with every other row in it.
    if (!m_category->checked)
        m_category->setAllItemsChecked(false);
    setObjectName(QStringLiteral("categoryWidget"));
    setAttribute(Qt::WA_StyledBackground);

    m_content = new QWidget;
    m_contentLayout = new QVBoxLayout(m_content);
    m_contentLayout->setContentsMargins(32, 0, 8, 8);
    m_contentLayout->setSpacing(0);
    m_content->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(createHeader());
    layout->addWidget(m_content);
    updateDisplay();
}

QWidget *CategoryWidget::createHeader()
{
    m_header = new QWidget;
    m_header->setObjectName(QStringLiteral("categoryHeader"));
    m_header->setAttribute(Qt::WA_StyledBackground);
    m_header->setCursor(Qt::PointingHandCursor);
    m_header->installEventFilter(this);

    m_checkBox = new QCheckBox;
    m_checkBox->setCursor(Qt::PointingHandCursor);
    // A click selects everything unless everything is selected already; from a partial state
    // Qt's own cycling would otherwise not report a change.
    connect(m_checkBox, &QCheckBox::clicked, this, [this] {
        const bool everythingSelected = m_category->checked && m_category->selectedCount() == m_category->items.size();
        onCheckBoxToggled(!everythingSelected);
    });

    auto *icon = new QLabel;
    icon->setPixmap(QIcon(getCategoryIconPath(m_category->id)).pixmap(24, 24));
    icon->setFixedSize(36, 36);
    icon->setAlignment(Qt::AlignCenter);
    icon->setObjectName(QStringLiteral("categoryIcon"));

    // A long name in a long language ("Mozilla Firefox - Données de navigation sécurisée") is
    // elided, with the full name as its tooltip, instead of widening the row past the page.
    auto *name = new ElidedLabel(m_category->shownName(), Qt::ElideRight);
    name->setObjectName(QStringLiteral("categoryName"));
    auto *description = new ElidedLabel(m_category->shownDescription(), Qt::ElideRight);
    description->setObjectName(QStringLiteral("categoryDescription"));
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(name);
    texts->addWidget(description);

    m_countLabel = plainLabel(QString(), QStringLiteral("categoryCount"));
    m_sizeLabel = plainLabel(QString(), QStringLiteral("categorySize"));
    m_sizeLabel->setMinimumWidth(72);
    m_sizeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_expandButton = new QPushButton(QStringLiteral("▼"));
    m_expandButton->setFixedSize(28, 28);
    m_expandButton->setObjectName(QStringLiteral("categoryExpandBtn"));
    m_expandButton->setCursor(Qt::PointingHandCursor);
    connect(m_expandButton, &QPushButton::clicked, this, &CategoryWidget::onHeaderClicked);

    auto *layout = new QHBoxLayout(m_header);
    layout->setContentsMargins(14, 10, 10, 10);
    layout->setSpacing(12);
    layout->addWidget(m_checkBox);
    layout->addWidget(icon);
    layout->addLayout(texts, 1);
    layout->addWidget(m_countLabel);
    layout->addWidget(m_sizeLabel);
    layout->addWidget(m_expandButton);
    return m_header;
}

void CategoryWidget::setExpanded(bool expanded)
{
    if (expanded == m_expanded)
        return;
    m_expanded = expanded;
    m_expandButton->setText(expanded ? QStringLiteral("▲") : QStringLiteral("▼"));
    if (expanded && m_loadedCount == 0)
        loadMoreItems();
    m_content->setVisible(expanded);
    emit expandedChanged(expanded);
}

bool CategoryWidget::isExpanded() const
{
    return m_expanded;
}

void CategoryWidget::setShowSize(bool show)
{
    m_showSize = show;
    for (CleanItemWidget *row : std::as_const(m_itemWidgets))
        row->setShowSize(show);
    updateDisplay();
}

void CategoryWidget::updateDisplay()
{
    m_countLabel->setText(tr("%Ln items", nullptr, int(m_category->items.size())));
    m_sizeLabel->setVisible(m_showSize);
    // What the category holds, ticked or not: the rows add up to the page's total.
    if (m_showSize)
        m_sizeLabel->setText(CleanItem::formatTotal(m_category->totalSize(), m_category->hasUnknownSize()));
    const int selected = m_category->selectedCount();
    const QSignalBlocker blocker(m_checkBox);
    // The box follows the items: a category whose items are all unticked (what a clean left of
    // it) shows unticked, whatever its own flag says.
    if (!m_category->checked || selected == 0)
        m_checkBox->setCheckState(Qt::Unchecked);
    else if (selected > 0 && selected < m_category->items.size())
        m_checkBox->setCheckState(Qt::PartiallyChecked);
    else
        m_checkBox->setCheckState(Qt::Checked);
}

QString CategoryWidget::getCategoryIconPath(const QString &id)
{
    static const QStringList browserPrefixes = { QStringLiteral("google_chrome_"), QStringLiteral("microsoft_edge_"),
        QStringLiteral("mozilla_firefox_"), QStringLiteral("opera_"), QStringLiteral("brave_") };
    QString key = id;
    for (const QString &prefix : browserPrefixes) {
        if (key.startsWith(prefix)) {
            key.remove(0, prefix.size());
            break;
        }
    }
    if (knownIconIds().contains(key))
        return QStringLiteral(":/icons/categories/") + key + QStringLiteral(".svg");
    return QStringLiteral(":/icons/categories/default.svg");
}

void CategoryWidget::onHeaderClicked()
{
    setExpanded(!m_expanded);
}

void CategoryWidget::onCheckBoxToggled(bool checked)
{
    m_category->setAllItemsChecked(checked);
    for (CleanItemWidget *row : std::as_const(m_itemWidgets))
        row->setChecked(checked);
    updateDisplay();
    emit checkStateChanged();
}

void CategoryWidget::onItemCheckChanged(bool)
{
    for (int i = 0; i < m_itemWidgets.size(); ++i)
        m_category->items[i].checked = m_itemWidgets.at(i)->isChecked();
    // The box shows unchecked, checked or partial from the category's flag and its items.
    m_category->checked = m_category->selectedCount() > 0;
    updateDisplay();
    emit checkStateChanged();
}

void CategoryWidget::onLoadMoreClicked()
{
    loadMoreItems();
}

bool CategoryWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_header && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_header->rect().contains(mouse->position().toPoint())) {
            onHeaderClicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CategoryWidget::loadMoreItems()
{
    if (m_loadMoreButton)
        m_contentLayout->removeWidget(m_loadMoreButton);
    const int end = std::min<int>(m_loadedCount + rowsPerPage, m_category->items.size());
    for (int i = m_loadedCount; i < end; ++i) {
        auto *row = new CleanItemWidget(m_category->items.at(i));
        row->setShowSize(m_showSize);
        connect(row, &CleanItemWidget::checkStateChanged, this, &CategoryWidget::onItemCheckChanged);
        m_contentLayout->addWidget(row);
        m_itemWidgets.append(row);
    }
    m_loadedCount = end;
    updateLoadMoreButton();
}

void CategoryWidget::updateLoadMoreButton()
{
    const int remaining = m_category->items.size() - m_loadedCount;
    if (remaining <= 0) {
        if (m_loadMoreButton)
            m_loadMoreButton->hide();
        return;
    }
    if (!m_loadMoreButton) {
        m_loadMoreButton = new QPushButton;
        m_loadMoreButton->setObjectName(QStringLiteral("loadMoreBtn"));
        m_loadMoreButton->setCursor(Qt::PointingHandCursor);
        connect(m_loadMoreButton, &QPushButton::clicked, this, &CategoryWidget::onLoadMoreClicked);
    }
    m_loadMoreButton->setText(tr("Load more (%Ln remaining)", nullptr, remaining));
    m_contentLayout->addWidget(m_loadMoreButton);
    m_loadMoreButton->show();
}
