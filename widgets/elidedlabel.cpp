#include "elidedlabel.h"

#include <QEvent>

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent)
    : ElidedLabel(text, Qt::ElideMiddle, parent)
{
}

ElidedLabel::ElidedLabel(const QString &text, Qt::TextElideMode mode, QWidget *parent)
    : QLabel(text, parent)
    , m_fullText(text)
    , m_mode(mode)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Shows names and paths from the disk: never read as markup.
    setTextFormat(Qt::PlainText);
}

QString ElidedLabel::fullText() const
{
    return m_fullText;
}

void ElidedLabel::setFullText(const QString &text)
{
    m_fullText = text;
    updateShownText();
}

QSize ElidedLabel::minimumSizeHint() const
{
    return { 0, QLabel::minimumSizeHint().height() };
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateShownText();
}

// A style sheet can change the font (a bold checked state) without a resize.
void ElidedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateShownText();
}

void ElidedLabel::updateShownText()
{
    const QString shown = fontMetrics().elidedText(m_fullText, m_mode, contentsRect().width());
    setText(shown);
    setToolTip(shown == m_fullText ? QString() : m_fullText);
}
