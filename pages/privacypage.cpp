#include "privacypage.h"

#include "cleaners/privacycleaner.h"
#include "core/cleanitem.h"
#include "widgets/privacyitemcard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QPushButton *footerButton(const QString &objectName, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumSize(110, 40);
    return button;
}

QLabel *textLabel(const QString &text, const QString &objectName)
{
    auto *label = new QLabel(text);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

PrivacyPage::PrivacyPage(PrivacyCleaner *cleaner, QWidget *parent)
    : QWidget(parent)
    , m_cleaner(cleaner)
{
    setObjectName(QStringLiteral("privacyPage"));
    setupUi();
    connect(m_cleaner, &PrivacyCleaner::itemScanned, this, &PrivacyPage::onItemScanned);
    connect(m_cleaner, &PrivacyCleaner::scanFinished, this, &PrivacyPage::onScanFinished);
    connect(m_cleaner, &PrivacyCleaner::cleanProgress, this, &PrivacyPage::onCleanProgress);
    connect(m_cleaner, &PrivacyCleaner::cleanFinished, this, &PrivacyPage::onCleanFinished);
    connect(m_cleaner, &PrivacyCleaner::itemRemeasured, this, &PrivacyPage::onItemRemeasured);
    setState(State::Idle);
}

PrivacyPage::State PrivacyPage::state() const
{
    return m_state;
}

void PrivacyPage::setupUi()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(10);
    layout->addWidget(buildHeader());
    layout->addSpacing(6);
    for (const PrivacyItem &item : PrivacyCleaner::defaultItems()) {
        auto *card = new PrivacyItemCard(item);
        connect(card, &PrivacyItemCard::checkedChanged, this, &PrivacyPage::updateSelection);
        m_cards.append(card);
        layout->addWidget(card);
    }
    layout->addStretch(1);
    layout->addWidget(buildFooter());
}

QWidget *PrivacyPage::buildHeader()
{
    auto *header = new QWidget;
    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(textLabel(tr("Privacy Cleaner"), QStringLiteral("privacyTitle")));
    layout->addWidget(
        textLabel(tr("Clear the traces your everyday use leaves on this Mac"), QStringLiteral("privacySubtitle")));
    return header;
}

QWidget *PrivacyPage::buildFooter()
{
    m_statusLabel = textLabel(QString(), QStringLiteral("privacyStatus"));
    m_statusLabel->setWordWrap(true);
    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("privacyProgress"));
    m_progressBar->setTextVisible(false);
    m_progressBar->setFixedHeight(6);
    auto *status = new QVBoxLayout;
    status->setSpacing(6);
    status->addStretch();
    status->addWidget(m_statusLabel);
    status->addWidget(m_progressBar);
    status->addStretch();

    m_cancelButton = footerButton(QStringLiteral("cancelBtn"), tr("Cancel"));
    m_scanButton = footerButton(QStringLiteral("scanBtn"), tr("Scan"));
    m_cleanButton = footerButton(QStringLiteral("cleanBtn"), tr("Clean"));
    connect(m_cancelButton, &QPushButton::clicked, this, &PrivacyPage::onCancelClicked);
    connect(m_scanButton, &QPushButton::clicked, this, &PrivacyPage::onScanClicked);
    connect(m_cleanButton, &QPushButton::clicked, this, &PrivacyPage::onCleanClicked);

    auto *footer = new QWidget;
    auto *layout = new QHBoxLayout(footer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addLayout(status, 1);
    layout->addWidget(m_cancelButton);
    layout->addWidget(m_scanButton);
    layout->addWidget(m_cleanButton);
    return footer;
}

void PrivacyPage::onScanClicked()
{
    if (m_state == State::Scanning || m_state == State::Cleaning)
        return;
    for (PrivacyItemCard *card : std::as_const(m_cards))
        card->setUnmeasured();
    m_scanned = 0;
    m_progressBar->setRange(0, int(m_cards.size()));
    m_progressBar->setValue(0);
    setState(State::Scanning);
    m_cleaner->scan();
}

void PrivacyPage::onCleanClicked()
{
    if (m_state != State::Scanned)
        return;
    const QList<PrivacyItem> items = selectedItems();
    if (items.isEmpty() || !confirmClean(items))
        return;
    m_cleanTotal = int(items.size());
    m_cleanDone = 0;
    m_failed.clear();
    m_progressBar->setRange(0, m_cleanTotal);
    m_progressBar->setValue(0);
    setState(State::Cleaning);
    m_cleaner->clean(items);
}

void PrivacyPage::onCancelClicked()
{
    if (m_state == State::Scanning) {
        // A stopped scan reports nothing more: the traces go back to unmeasured.
        m_cleaner->cancel();
        for (PrivacyItemCard *card : std::as_const(m_cards))
            card->setUnmeasured();
        setState(State::Idle);
        setStatus(tr("Scan stopped"));
    } else if (m_state == State::Cleaning) {
        // The clean ends after the trace in hand (at once if that is the administrator prompt,
        // which closes) and then reports what it cleared.
        m_cleaner->cancel();
        m_cancelButton->setEnabled(false);
        setStatus(tr("Stopping…"));
    }
}

void PrivacyPage::onItemScanned(const PrivacyItem &item)
{
    if (m_state != State::Scanning)
        return;
    for (PrivacyItemCard *card : std::as_const(m_cards)) {
        if (card->item().id == item.id)
            card->setMeasured(item);
    }
    m_progressBar->setValue(++m_scanned);
    setStatus(tr("Scanning: %1").arg(item.name));
}

void PrivacyPage::onItemRemeasured(const PrivacyItem &item)
{
    // Only measurements on show follow; a scan under way measures for itself.
    if (m_state != State::Scanned)
        return;
    for (PrivacyItemCard *card : std::as_const(m_cards)) {
        if (card->item().id == item.id)
            card->setMeasured(item);
    }
    updateSelection();
}

void PrivacyPage::onScanFinished()
{
    if (m_state == State::Scanning)
        setState(State::Scanned);
}

void PrivacyPage::onCleanProgress(const QString &itemName, bool success, qint64 freedBytes)
{
    if (m_state != State::Cleaning)
        return;
    if (PrivacyItemCard *card = cardNamed(itemName))
        card->setOutcome(success, freedBytes);
    if (!success)
        m_failed.append(itemName);
    m_progressBar->setValue(++m_cleanDone);
    if (m_cancelButton->isEnabled())
        setStatus(tr("Cleaning: %1 of %2 done").arg(QLocale().toString(m_cleanDone), QLocale().toString(m_cleanTotal)));
}

void PrivacyPage::onCleanFinished(int cleaned, qint64 totalFreed)
{
    if (m_state != State::Cleaning)
        return;
    setState(State::Cleaned);
    QString summary = tr("Cleaned %Ln item(s) · freed %1", nullptr, cleaned).arg(CleanItem::formatSize(totalFreed));
    if (!m_failed.isEmpty())
        summary += QLatin1Char('\n') + tr("Not cleaned: %1").arg(m_failed.join(QStringLiteral(", ")));
    const int skipped = m_cleanTotal - m_cleanDone;
    if (skipped > 0)
        summary += QLatin1Char('\n') + tr("Stopped before %Ln item(s)", nullptr, skipped);
    setStatus(summary, m_failed.isEmpty() && skipped == 0 ? QStringLiteral("success") : QStringLiteral("warning"));
}

void PrivacyPage::setState(State state)
{
    m_state = state;
    const bool working = state == State::Scanning || state == State::Cleaning;
    for (PrivacyItemCard *card : std::as_const(m_cards))
        card->setLocked(working || state == State::Cleaned);
    m_progressBar->setVisible(working);
    m_cancelButton->setVisible(working);
    m_cancelButton->setEnabled(working);
    m_scanButton->setEnabled(!working);
    m_scanButton->setText(state == State::Idle || state == State::Scanning ? tr("Scan") : tr("Scan Again"));
    switch (state) {
    case State::Idle:
        setStatus(tr("Scan to measure the traces on this Mac"));
        break;
    case State::Scanning:
        setStatus(tr("Scanning…"));
        break;
    case State::Cleaning:
        setStatus(tr("Cleaning…"));
        break;
    case State::Scanned:
    case State::Cleaned:
        break;
    }
    updateSelection();
}

void PrivacyPage::setStatus(const QString &text, const QString &tone)
{
    m_statusLabel->setText(text);
    m_statusLabel->setProperty("tone", tone);
    m_statusLabel->style()->unpolish(m_statusLabel);
    m_statusLabel->style()->polish(m_statusLabel);
}

void PrivacyPage::updateSelection()
{
    const int selected = int(selectedItems().size());
    m_cleanButton->setEnabled(m_state == State::Scanned && selected > 0);
    if (m_state == State::Scanned)
        setStatus(selected > 0 ? tr("Selected: %Ln item(s)", nullptr, selected) : tr("No items selected"));
}

QList<PrivacyItem> PrivacyPage::selectedItems() const
{
    QList<PrivacyItem> items;
    for (const PrivacyItemCard *card : m_cards) {
        if (card->isSelectedForCleaning())
            items.append(card->item());
    }
    return items;
}

bool PrivacyPage::confirmClean(const QList<PrivacyItem> &items)
{
    QStringList names;
    for (const PrivacyItem &item : items)
        names.append(QStringLiteral("• ") + item.name);
    QMessageBox box(QMessageBox::Question, tr("Confirm Cleaning"),
        tr("Clean %Ln selected item(s)?", nullptr, int(items.size())), QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(names.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + tr("This cannot be undone."));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

PrivacyItemCard *PrivacyPage::cardNamed(const QString &name) const
{
    for (PrivacyItemCard *card : m_cards) {
        if (card->item().name == name)
            return card;
    }
    return nullptr;
}
