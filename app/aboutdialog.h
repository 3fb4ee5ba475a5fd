#pragma once

#include <QDialog>

// A small card with the product name, the project's version and a summary of what the program
// does on this platform.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // Every feature the side bar offers here, one line each under a heading.
    static QString featureSummary();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setupUi();
};
