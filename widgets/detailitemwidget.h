#pragma once

#include <QWidget>

struct CleanItem;

// One row of the detail list: name, size and a button that opens the containing folder.
class DetailItemWidget final : public QWidget
{
    Q_OBJECT

public:
    // Width of the column holding the open button, shared with the dialog's column header so
    // that the "Action" title fits above the button.
    static constexpr int ActionColumnWidth = 48;

    explicit DetailItemWidget(const CleanItem &item, QWidget *parent = nullptr);

    // The folder onOpenLocation opens: the item itself when it is a folder, else its parent.
    QString locationPath() const;

public slots:
    void onOpenLocation();

private:
    QString m_path;
};
