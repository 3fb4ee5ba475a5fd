#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Closes every modal dialog that opens while it lives (message boxes are accepted, other
// dialogs rejected) and remembers their window titles, so code that runs a dialog with exec()
// can be tested without a user.
class DialogCloser final : public QObject
{
    Q_OBJECT

public:
    DialogCloser();

    QStringList titles() const;

private:
    void closeModalDialog();

    QTimer m_timer;
    QStringList m_titles;
};
