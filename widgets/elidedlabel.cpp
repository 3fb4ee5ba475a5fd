#include "elidedlabel.h"

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
    , m_fullText(text)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Shows names and paths from the disk: never read as markup.
    setTextFormat(Qt::PlainText);
}

QString ElidedLabel::fullText() const
{
    return m_fullText;
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

void ElidedLabel::updateShownText()
{
    setText(fontMetrics().elidedText(m_fullText, Qt::ElideMiddle, contentsRect().width()));
}
