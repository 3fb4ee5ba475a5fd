#include "browsergroupheader.h"

#include "core/ruletexts.h"
#include "core/scanresult.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

// What the browser's categories hold, each path counted once (two rules can reach one folder).
ScanResult groupTotals(const QList<CleanCategory *> &categories)
{
    ScanResult totals;
    for (const CleanCategory *category : categories)
        totals.categories.append(*category);
    return totals;
}

} // namespace

BrowserGroupHeader::BrowserGroupHeader(
    const QString &browserName, const QList<CleanCategory *> &categories, QWidget *parent)
    : QWidget(parent)
    , m_categories(categories)
{
    setObjectName(QStringLiteral("browserGroupHeader"));
    const ScanResult::Totals totals = groupTotals(categories).totals();

    auto *name = new QLabel(browserName);
    name->setTextFormat(Qt::PlainText);
    name->setObjectName(QStringLiteral("browserGroupName"));
    auto *summary = new QLabel(
        tr("%Ln items  ·  %1", nullptr, totals.count).arg(CleanItem::formatTotal(totals.size, totals.sizeUnknown)));
    summary->setObjectName(QStringLiteral("browserGroupTotal"));

    m_detailsButton = new QPushButton(tr("View Details"));
    m_detailsButton->setObjectName(QStringLiteral("browserDetailsBtn"));
    m_detailsButton->setCursor(Qt::PointingHandCursor);
    connect(m_detailsButton, &QPushButton::clicked, this, &BrowserGroupHeader::showCategoryMenu);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 12, 0, 2);
    layout->setSpacing(12);
    layout->addWidget(name);
    layout->addWidget(summary);
    layout->addStretch(1);
    layout->addWidget(m_detailsButton);
}

QPushButton *BrowserGroupHeader::detailsButton() const
{
    return m_detailsButton;
}

void BrowserGroupHeader::showCategoryMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("browserDetailsMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The header names the browser already: each entry names the rule alone.
    for (CleanCategory *category : std::as_const(m_categories)) {
        const QString name = category->ruleName.isEmpty() ? category->name : RuleTexts::shown(category->ruleName);
        QAction *action = menu->addAction(
            tr("%1  (%2)").arg(name, CleanItem::formatTotal(category->totalSize(), category->hasUnknownSize())));
        connect(action, &QAction::triggered, this, [this, category] { emit detailsRequested(category); });
    }
    menu->popup(m_detailsButton->mapToGlobal(QPoint(0, m_detailsButton->height())));
}
