#include "junkpage.h"

#include "app/application.h"
#include "cleaners/junkcleaner.h"
#include "widgets/statcard.h"

#include <QLabel>

JunkPage::JunkPage(QWidget *parent)
    : BasePage(parent)
{
    setEngine(Application::instance()->junkCleaner());
    m_titleLabel->setText(tr("Junk Cleaner"));
    m_subtitleLabel->setText(tr("Clean system temp files, cache and logs"));
    m_statCard->setTitle(tr("Cleanable Space"));
}
