#pragma once

#include <QDialog>

// A small card with the product name, version and a summary of what the program does.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setupUi();
};
