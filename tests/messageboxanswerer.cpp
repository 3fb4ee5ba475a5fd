#include "messageboxanswerer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton button)
    : m_button(button)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::answerModalBox);
    m_timer.start(5);
}

bool MessageBoxAnswerer::answered() const
{
    return m_answered;
}

QString MessageBoxAnswerer::title() const
{
    return m_title;
}

QString MessageBoxAnswerer::text() const
{
    return m_text;
}

QString MessageBoxAnswerer::detailedText() const
{
    return m_detailedText;
}

void MessageBoxAnswerer::answerModalBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->button(m_button))
        return;
    m_timer.stop();
    m_title = box->windowTitle();
    m_text = box->text();
    m_detailedText = box->detailedText();
    m_answered = true;
    box->button(m_button)->click();
}
