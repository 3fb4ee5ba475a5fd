#include "browserpage.h"

#include "cleaners/browsercleaner.h"
#include "widgets/browsergroupheader.h"
#include "widgets/categorywidget.h"
#include "widgets/itemdetaildialog.h"
#include "widgets/statcard.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

BrowserPage::BrowserPage(BrowserCleaner *cleaner, Settings *settings, QWidget *parent)
    : BasePage(cleaner, settings, parent)
    , m_cleaner(cleaner)
{
    m_titleLabel->setText(tr("Browser Cleaner"));
    m_subtitleLabel->setText(tr("Clean caches, cookies and history of your browsers"));
    // Everything the scan listed, ticked or not; the footer says what a clean would remove.
    m_statCard->setTitle(tr("Found"));
    static_cast<QVBoxLayout *>(layout())->insertWidget(1, createBrowserBar());
    if (m_cleaner)
        connect(m_cleaner, &CleanEngine::stateChanged, this, &BrowserPage::onCleanerStateChanged);
}

QWidget *BrowserPage::createBrowserBar()
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("browserBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(18);
    auto *caption = new QLabel(tr("Browsers:"));
    caption->setObjectName(QStringLiteral("browserBarCaption"));
    layout->addWidget(caption);

    const QList<BrowserInfo> browsers = m_cleaner ? m_cleaner->browsers() : QList<BrowserInfo>();
    for (const BrowserInfo &browser : browsers) {
        if (!browser.installed)
            continue;
        auto *box = new QCheckBox(browser.name);
        box->setCursor(Qt::PointingHandCursor);
        box->setChecked(m_cleaner->isBrowserEnabled(browser.type));
        const Constants::BrowserType type = browser.type;
        connect(box, &QCheckBox::toggled, this, [this, type](bool enabled) { setBrowserEnabled(type, enabled); });
        m_browserBoxes.append(box);
        layout->addWidget(box);
    }
    if (m_browserBoxes.isEmpty()) {
        auto *none = new QLabel(tr("No supported browser was found for this user."));
        none->setObjectName(QStringLiteral("browserBarNone"));
        layout->addWidget(none);
    }
    layout->addStretch(1);
    return bar;
}

QList<CleanCategory *> BrowserPage::categoriesOf(const QString &stableId) const
{
    QList<CleanCategory *> found;
    const QString prefix = stableId + QLatin1Char('_');
    for (CleanCategory &category : m_cleaner->result().categories) {
        if (category.id.startsWith(prefix))
            found.append(&category);
    }
    return found;
}

void BrowserPage::updateCategories()
{
    clearCategories();
    if (!resultHasCategories()) {
        setEmptyStateVisible(true);
        return;
    }
    setEmptyStateVisible(false);
    for (const BrowserInfo &browser : m_cleaner->browsers()) {
        const QList<CleanCategory *> categories = categoriesOf(BrowserCleaner::stableIdForType(browser.type));
        if (categories.isEmpty())
            continue;
        auto *header = new BrowserGroupHeader(browser.name, categories);
        connect(header, &BrowserGroupHeader::detailsRequested, this, &BrowserPage::showDetails);
        m_groupHeaders.append(header);
        // Before the trailing stretch that keeps the list at the top.
        m_contentLayout->insertWidget(m_contentLayout->count() - 1, header);
        for (CleanCategory *category : categories) {
            auto *row = new CategoryWidget(category);
            row->setShowSize(m_showSize);
            connect(row, &CategoryWidget::checkStateChanged, this, &BasePage::updateTotalSize);
            addCategoryWidget(row);
        }
    }
}

void BrowserPage::clearCategories()
{
    for (BrowserGroupHeader *header : std::as_const(m_groupHeaders)) {
        m_contentLayout->removeWidget(header);
        header->hide();
        header->deleteLater();
    }
    m_groupHeaders.clear();
    BasePage::clearCategories();
}

// The cleaner moves the browser's categories in or out of its result at once: the rows and the
// selection follow without a new scan.
void BrowserPage::setBrowserEnabled(Constants::BrowserType type, bool enabled)
{
    m_cleaner->setBrowserEnabled(type, enabled);
    if (engineBusy() || (m_categoryWidgets.isEmpty() && !resultHasCategories()))
        return;
    updateCategories();
    updateTotalSize();
}

void BrowserPage::onCleanerStateChanged()
{
    const bool busy = m_cleaner->state() == CleanEngine::Scanning || m_cleaner->state() == CleanEngine::Cleaning;
    for (QCheckBox *box : std::as_const(m_browserBoxes))
        box->setEnabled(!busy);
}

void BrowserPage::showDetails(CleanCategory *category)
{
    if (engineBusy())
        return;
    auto *dialog = new ItemDetailDialog(category, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
