#pragma once

#include <QList>
#include <QWidget>

struct CleanCategory;
class QPushButton;

// The heading of one browser's categories on the browser page: the browser's name, what its
// categories hold in all, and a "View Details" action that lists the items of a chosen category.
class BrowserGroupHeader final : public QWidget
{
    Q_OBJECT

public:
    // The categories live in the engine's result and must outlive the header.
    BrowserGroupHeader(const QString &browserName, const QList<CleanCategory *> &categories, QWidget *parent = nullptr);

    QPushButton *detailsButton() const;

signals:
    void detailsRequested(CleanCategory *category);

private:
    void showCategoryMenu();

    QList<CleanCategory *> m_categories;
    QPushButton *m_detailsButton = nullptr;
};
