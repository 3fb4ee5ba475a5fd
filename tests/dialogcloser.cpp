#include "dialogcloser.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

DialogCloser::DialogCloser()
{
    connect(&m_timer, &QTimer::timeout, this, &DialogCloser::closeModalDialog);
    m_timer.start(10);
}

QStringList DialogCloser::titles() const
{
    return m_titles;
}

void DialogCloser::closeModalDialog()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible())
        return;
    m_titles.append(dialog->windowTitle());
    if (qobject_cast<QMessageBox *>(dialog))
        dialog->accept();
    else
        dialog->reject();
}
