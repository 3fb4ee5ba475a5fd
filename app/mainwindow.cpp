#include "mainwindow.h"

#include <QLabel>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Sweepnook"));
    resize(900, 650);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Sweepnook"), this), 0, Qt::AlignCenter);
}
