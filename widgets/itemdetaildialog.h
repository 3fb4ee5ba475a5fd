#pragma once

#include <QDialog>

struct CleanCategory;
class QLabel;
class QScrollArea;
class QVBoxLayout;

// Lists every item of one category, 50 rows at a time: more rows are added while the list
// does not yet fill the view and whenever the user scrolls near its end.
class ItemDetailDialog final : public QDialog
{
    Q_OBJECT

public:
    // The category must outlive the dialog.
    explicit ItemDetailDialog(CleanCategory *category, QWidget *parent = nullptr);

    int loadedCount() const;

public slots:
    void onScrollChanged(int value);
    void loadMoreItems();

private:
    void setupUi();
    QWidget *createHeaderBar();
    QWidget *createColumnHeader();
    void fillViewIfRoomLeft();

    CleanCategory *m_category;
    int m_loadedCount = 0;
    int m_batchSize = 50;
    bool m_loading = false;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_summaryLabel = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_listWidget = nullptr;
    QVBoxLayout *m_listLayout = nullptr;
};
