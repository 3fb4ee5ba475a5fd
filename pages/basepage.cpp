#include "basepage.h"

#include "core/cleanengine.h"
#include "core/ruletexts.h"
#include "core/settings.h"
#include "widgets/categorywidget.h"
#include "widgets/progressdialog.h"
#include "widgets/statcard.h"
#include "widgets/unreadablenote.h"

#include <QCoreApplication>
#include <QStringList>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

QPushButton *footerButton(const QString &objectName, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setObjectName(objectName);
    // At least 120 wide, wider when a translation needs it.
    button->setMinimumWidth(120);
    button->setFixedHeight(40);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

BasePage::BasePage(CleanEngine *engine, Settings *settings, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
{
    setupUi();
    connectEngine(engine);
}

void BasePage::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    setupHeader();
    setupContent();
    setupFooter();
}

void BasePage::setupHeader()
{
    m_titleLabel = new QLabel;
    m_titleLabel->setObjectName(QStringLiteral("pageTitle"));
    m_subtitleLabel = new QLabel;
    m_subtitleLabel->setObjectName(QStringLiteral("pageSubtitle"));
    auto *texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addStretch();
    texts->addWidget(m_titleLabel);
    texts->addWidget(m_subtitleLabel);
    texts->addStretch();

    m_statCard = new StatCard;
    // The card grows with a long translated title; the subtitle wraps to leave it the room.
    m_statCard->setMinimumWidth(180);
    m_subtitleLabel->setWordWrap(true);
    m_statCard->setTitle(tr("Cleanable"));
    m_statCard->setIcon(QStringLiteral(":/icons/trash.svg"));
    m_statCard->setValue(QStringLiteral("--"));

    auto *header = new QHBoxLayout;
    header->setSpacing(16);
    header->addLayout(texts, 1);
    header->addWidget(m_statCard);
    static_cast<QVBoxLayout *>(layout())->addLayout(header);
}

void BasePage::setupContent()
{
    m_contentWidget = new QWidget;
    m_contentLayout = new QVBoxLayout(m_contentWidget);
    m_contentLayout->setContentsMargins(0, 0, 4, 0);
    m_contentLayout->setSpacing(8);

    m_emptyState = new QWidget;
    auto *emptyIcon = new QLabel(QStringLiteral("🔍"));
    emptyIcon->setObjectName(QStringLiteral("emptyIcon"));
    emptyIcon->setAlignment(Qt::AlignCenter);
    auto *emptyText = new QLabel(tr("Click \"Start Scanning\" to find cleanable items"));
    emptyText->setObjectName(QStringLiteral("emptyText"));
    emptyText->setAlignment(Qt::AlignCenter);
    auto *emptyLayout = new QVBoxLayout(m_emptyState);
    emptyLayout->addStretch();
    emptyLayout->addWidget(emptyIcon);
    emptyLayout->addWidget(emptyText);
    emptyLayout->addStretch();
    m_contentLayout->addWidget(m_emptyState, 1);
    m_contentLayout->addStretch();

    // Outside the scrolling list, so it is seen with any number of rows.
    m_unreadableNote = new UnreadableNote;
    static_cast<QVBoxLayout *>(layout())->addWidget(m_unreadableNote);

    m_scrollArea = new QScrollArea;
    m_scrollArea->setObjectName(QStringLiteral("contentScrollArea"));
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidget(m_contentWidget);
    static_cast<QVBoxLayout *>(layout())->addWidget(m_scrollArea, 1);
}

void BasePage::setupFooter()
{
    m_selectionLabel = new QLabel(tr("Selected: --"));
    m_selectionLabel->setObjectName(QStringLiteral("selectionLabel"));
    m_scanButton = footerButton(QStringLiteral("scanBtn"), tr("Start Scanning"));
    m_cleanButton = footerButton(QStringLiteral("cleanBtn"), tr("Clean Now"));
    m_cleanButton->setEnabled(false);
    connect(m_scanButton, &QPushButton::clicked, this, &BasePage::startScan);
    connect(m_cleanButton, &QPushButton::clicked, this, &BasePage::startClean);

    auto *footer = new QHBoxLayout;
    footer->setSpacing(12);
    footer->addWidget(m_selectionLabel, 1);
    footer->addWidget(m_scanButton);
    footer->addWidget(m_cleanButton);
    static_cast<QVBoxLayout *>(layout())->addLayout(footer);
}

void BasePage::connectEngine(CleanEngine *engine)
{
    m_engine = engine;
    if (!m_engine)
        return;
    connect(m_engine, &CleanEngine::scanProgress, this, &BasePage::onScanProgress);
    connect(m_engine, &CleanEngine::scanFinished, this, &BasePage::onScanFinished);
    connect(m_engine, &CleanEngine::cleanProgress, this, &BasePage::onCleanProgress);
    connect(m_engine, &CleanEngine::cleanFinished, this, &BasePage::onCleanFinished);
    connect(m_engine, &CleanEngine::errorOccurred, this, &BasePage::onEngineError);
    connect(m_engine, &CleanEngine::stateChanged, this, &BasePage::onEngineStateChanged);
    // Another engine's clean removed some of the listed files.
    connect(m_engine, &CleanEngine::resultChanged, this, [this] {
        updateCategories();
        updateTotalSize();
        m_cleanButton->setEnabled(resultHasCategories());
    });
}

void BasePage::onEngineStateChanged(int state)
{
    // The rows stay in view during a clean, but nothing may change the selection it reads.
    m_contentWidget->setEnabled(state != CleanEngine::Cleaning);
    if (state == CleanEngine::Cleaning)
        m_cleanNotice.clear();
    if (state == CleanEngine::Scanning) {
        // The engine has just emptied the result the rows point into.
        clearCategories();
        setEmptyStateVisible(true);
        m_statCard->setValue(QStringLiteral("--"));
        m_selectionLabel->setText(tr("Selected: --"));
        m_scanButton->setEnabled(false);
        m_cleanButton->setEnabled(false);
    } else if (state == CleanEngine::Cancelled && !m_progressDialog) {
        m_scanButton->setEnabled(true);
        m_cleanButton->setEnabled(!m_categoryWidgets.isEmpty());
    }
}

CleanEngine *BasePage::engine() const
{
    return m_engine;
}

void BasePage::setShowSize(bool show)
{
    m_showSize = show;
    for (CategoryWidget *row : std::as_const(m_categoryWidgets))
        row->setShowSize(show);
    updateTotalSize();
}

bool BasePage::engineBusy() const
{
    return m_engine->state() == CleanEngine::Scanning || m_engine->state() == CleanEngine::Cleaning;
}

bool BasePage::resultHasCategories() const
{
    return m_engine && !m_engine->result().categories.isEmpty();
}

void BasePage::startScan()
{
    if (!m_engine || engineBusy())
        return;
    m_scanButton->setEnabled(false);
    m_cleanButton->setEnabled(false);
    // The rows point into the result the engine is about to empty.
    clearCategories();
    replaceProgressDialog(new ProgressDialog(ProgressDialog::Scan, this));
    m_engine->startScan();
}

void BasePage::startClean()
{
    if (!m_engine || engineBusy())
        return;
    const int count = m_engine->selectionToClean().count;
    if (count == 0) {
        QMessageBox::information(this, tr("Notice"), tr("No items selected"));
        return;
    }
    if (m_settings->flag(Settings::ConfirmClean)) {
        const auto answer = QMessageBox::question(this, tr("Confirm Clean"),
            tr("Are you sure you want to clean %Ln selected items?\nThis action cannot be undone!", nullptr, count),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    m_scanButton->setEnabled(false);
    m_cleanButton->setEnabled(false);
    replaceProgressDialog(new ProgressDialog(ProgressDialog::Clean, this));
    m_engine->startClean();
}

void BasePage::replaceProgressDialog(ProgressDialog *dialog)
{
    closeProgressDialog();
    m_progressDialog = dialog;
    dialog->setModal(true);
    connect(dialog, &ProgressDialog::cancelRequested, this, &BasePage::cancelOperation);
    dialog->show();
}

void BasePage::closeProgressDialog()
{
    if (!m_progressDialog)
        return;
    m_progressDialog->hide();
    m_progressDialog->close();
    m_progressDialog->deleteLater();
    m_progressDialog = nullptr;
}

void BasePage::cancelOperation()
{
    if (m_engine)
        m_engine->cancel();
    closeProgressDialog();
    m_scanButton->setEnabled(true);
    // A cancelled scan shows no rows, and nothing the user has not seen may be cleaned.
    m_cleanButton->setEnabled(!m_categoryWidgets.isEmpty());
}

void BasePage::onScanProgress(int current, int total, const QString &path)
{
    if (!m_progressDialog)
        return;
    m_progressDialog->setProgress(current, total);
    // The junk scan names the rule it is in, the other scans a browser or a path.
    m_progressDialog->setCurrentItem(RuleTexts::shown(path));
}

void BasePage::onScanFinished(const ScanResult &)
{
    closeProgressDialog();
    m_scanButton->setEnabled(true);
    m_cleanButton->setEnabled(resultHasCategories());
    updateCategories();
    updateTotalSize();
    emit scanFinished();
}

void BasePage::onCleanProgress(int current, int total, qint64 cleanedBytes)
{
    if (!m_progressDialog)
        return;
    m_progressDialog->setProgress(current, total);
    m_progressDialog->setCleanedSize(cleanedBytes);
}

// The engine has taken what it removed out of its result: the page shows what remains, the
// unticked rows and the failures with their reason. The card says whether anything was left
// undone (a skipped part, a failure) or refused outright.
void BasePage::onCleanFinished(qint64 cleanedBytes, int cleanedCount)
{
    const QString notice = std::exchange(m_cleanNotice, QString());
    if (m_progressDialog) {
        QStringList lines {
            tr("Cleaned %Ln items, freed %1", nullptr, cleanedCount).arg(CleanItem::formatSize(cleanedBytes))
        };
        const int failures = failureCount();
        if (failures > 0)
            lines.append(
                tr("%Ln item(s) could not be removed and stay in the list with the reason.", nullptr, failures));
        if (!notice.isEmpty())
            lines.append(notice);
        const ProgressDialog::Outcome outcome = !notice.isEmpty() && cleanedCount == 0 && failures == 0
            ? ProgressDialog::Failed
            : (notice.isEmpty() && failures == 0 ? ProgressDialog::Succeeded : ProgressDialog::PartlyDone);
        m_progressDialog->setFinished(outcome, lines.join(QLatin1Char('\n')));
    }
    m_scanButton->setEnabled(true);
    updateCategories();
    updateTotalSize();
    emit cleanFinished();
}

int BasePage::failureCount() const
{
    int count = 0;
    for (const CleanCategory &category : m_engine->result().categories) {
        count += int(std::count_if(category.items.cbegin(), category.items.cend(),
            [](const CleanItem &item) { return !item.failure.isEmpty(); }));
    }
    return count;
}

void BasePage::onEngineError(const QString &message)
{
    // A clean names what it skipped before it finishes; its finish shows it with the rest.
    if (m_engine->state() == CleanEngine::Cleaning) {
        m_cleanNotice = message;
        return;
    }
    if (m_progressDialog)
        m_progressDialog->setFinished(false, message);
    m_scanButton->setEnabled(true);
    m_cleanButton->setEnabled(!m_categoryWidgets.isEmpty());
}

void BasePage::updateCategories()
{
    clearCategories();
    showUnreadableNote();
    if (!resultHasCategories()) {
        setEmptyStateVisible(true);
        return;
    }
    setEmptyStateVisible(false);
    for (CleanCategory &category : m_engine->result().categories) {
        auto *row = new CategoryWidget(&category);
        row->setShowSize(m_showSize);
        connect(row, &CategoryWidget::checkStateChanged, this, &BasePage::updateTotalSize);
        addCategoryWidget(row);
    }
}

void BasePage::showUnreadableNote()
{
    const QStringList unreadable = m_engine ? m_engine->result().unreadableFolders : QStringList();
    m_unreadableNote->setFolders(int(unreadable.size()), unreadable.value(0));
}

void BasePage::addCategoryWidget(CategoryWidget *widget)
{
    m_categoryWidgets.append(widget);
    // The last entry of the list is the stretch that keeps the rows at the top.
    m_contentLayout->insertWidget(m_contentLayout->count() - 1, widget);
}

void BasePage::clearCategories()
{
    for (CategoryWidget *row : std::as_const(m_categoryWidgets)) {
        m_contentLayout->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    m_categoryWidgets.clear();
}

void BasePage::setEmptyStateVisible(bool visible)
{
    m_emptyState->setVisible(visible);
}

void BasePage::updateTotalSize()
{
    if (!m_engine)
        return;
    // The card counts everything the rows list, the footer what a clean would remove (also on the
    // dashboard's card).
    const ScanResult &result = m_engine->result();
    const ScanResult::Totals found = result.totals();
    const ScanResult::Totals selected = m_engine->selectionToClean();
    const int count = selected.count;
    if (m_showSize) {
        m_statCard->setValue(CleanItem::formatSize(found.size));
        m_selectionLabel->setText(
            tr("Selected: %Ln items, %1", nullptr, count).arg(CleanItem::formatSize(selected.size)));
    } else {
        m_statCard->setValue(tr("%Ln items", nullptr, found.count));
        m_selectionLabel->setText(tr("Selected: %Ln items", nullptr, count));
    }
    m_cleanButton->setEnabled(count > 0);
}
