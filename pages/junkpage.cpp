#include "junkpage.h"

#include "cleaners/junkcleaner.h"
#include "widgets/statcard.h"

#include <QLabel>

JunkPage::JunkPage(JunkCleaner *cleaner, Settings *settings, QWidget *parent)
    : BasePage(cleaner, settings, parent)
{
    m_titleLabel->setText(tr("Junk Cleaner"));
    m_subtitleLabel->setText(tr("Clean system temp files, cache and logs"));
    // Everything the scan listed, ticked or not; the footer says what a clean would remove.
    m_statCard->setTitle(tr("Found"));
}
