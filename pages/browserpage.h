#pragma once

#include "core/constants.h"
#include "pages/basepage.h"

#include <QList>
#include <QString>

struct CleanCategory;
class BrowserCleaner;
class BrowserGroupHeader;
class QCheckBox;

// The browser cleaner's page: one check box per browser found on this Mac, and the scan's
// categories grouped under a heading per browser.
class BrowserPage final : public BasePage
{
    Q_OBJECT

public:
    BrowserPage(BrowserCleaner *cleaner, Settings *settings, QWidget *parent = nullptr);

protected:
    void updateCategories() override;
    void clearCategories() override;

private slots:
    void onCleanerStateChanged();
    void showDetails(CleanCategory *category);

private:
    QWidget *createBrowserBar();
    void setBrowserEnabled(Constants::BrowserType type, bool enabled);
    QList<CleanCategory *> categoriesOf(const QString &stableId) const;

    BrowserCleaner *m_cleaner = nullptr;
    QList<QCheckBox *> m_browserBoxes;
    QList<BrowserGroupHeader *> m_groupHeaders;
};
