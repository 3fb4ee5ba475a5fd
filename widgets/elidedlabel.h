#pragma once

#include <QLabel>

// A one-line label that shows its text elided in the middle when it is wider than the label,
// so that long paths keep their start and their file name; it never asks for more width.
class ElidedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(const QString &text, QWidget *parent = nullptr);

    QString fullText() const;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateShownText();

    QString m_fullText;
};
