#pragma once

#include <QList>
#include <QWidget>

struct CleanCategory;
class CleanItemWidget;
class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// One expandable category row. It shows and edits the selection flags of a category that
// lives in an engine's result; item rows are created ten at a time as the user asks for them.
class CategoryWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CategoryWidget(CleanCategory *category, QWidget *parent = nullptr);

    void setExpanded(bool expanded);
    bool isExpanded() const;
    void setShowSize(bool show);
    void updateDisplay();
    static QString getCategoryIconPath(const QString &id);

signals:
    void checkStateChanged();
    void expandedChanged(bool expanded);

public slots:
    void onHeaderClicked();
    void onCheckBoxToggled(bool checked);
    void onItemCheckChanged(bool checked);
    void onLoadMoreClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createHeader();
    void loadMoreItems();
    void updateLoadMoreButton();

    CleanCategory *m_category;
    int m_loadedCount = 0;
    bool m_showSize = true;
    bool m_expanded = false;
    QWidget *m_header = nullptr;
    QCheckBox *m_checkBox = nullptr;
    QPushButton *m_expandButton = nullptr;
    QLabel *m_countLabel = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QWidget *m_content = nullptr;
    QVBoxLayout *m_contentLayout = nullptr;
    QList<CleanItemWidget *> m_itemWidgets;
    QPushButton *m_loadMoreButton = nullptr;
};
