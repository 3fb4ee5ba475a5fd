#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

// Answers the next modal message box that offers the given button, and remembers its title and
// text, so code that runs a message box with exec() can be tested without a user.
class MessageBoxAnswerer final : public QObject
{
    Q_OBJECT

public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton button);

    bool answered() const;
    QString title() const;
    QString text() const;
    QString detailedText() const;

private:
    void answerModalBox();

    QMessageBox::StandardButton m_button;
    QTimer m_timer;
    bool m_answered = false;
    QString m_title;
    QString m_text;
    QString m_detailedText;
};
