#pragma once

#include <QLabel>

// A one-line label that shows its text elided when it is wider than the label (in the middle by
// default, so that long paths keep their start and their file name); it never asks for more
// width. While the text is elided, the full text is the label's tooltip.
class ElidedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(const QString &text, QWidget *parent = nullptr);
    ElidedLabel(const QString &text, Qt::TextElideMode mode, QWidget *parent = nullptr);

    QString fullText() const;
    void setFullText(const QString &text);
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateShownText();

    QString m_fullText;
    Qt::TextElideMode m_mode = Qt::ElideMiddle;
};
