#pragma once

#include <QWidget>

// Stands in the page stack for a feature whose page is not there yet: its name and a note that
// it is coming.
class PlaceholderPage final : public QWidget
{
    Q_OBJECT

public:
    explicit PlaceholderPage(const QString &featureName, QWidget *parent = nullptr);
};
