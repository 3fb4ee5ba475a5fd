#pragma once

#include <QWidget>

// The dashboard's ring: an arc over a grey track with a number, its unit and a subtitle in
// the middle.
class CircleProgressWidget final : public QWidget
{
    Q_OBJECT

public:
    explicit CircleProgressWidget(QWidget *parent = nullptr);

    int progress() const;
    double value() const;
    // The number as drawn: the value with one decimal, or the text given in its place.
    QString valueText() const;
    QString unit() const;
    QString subtitle() const;

    // Percent of the ring drawn, clockwise from the top.
    void setProgress(int progress);
    void setValue(double value);
    // Draws text in place of the number ("512", "28.4") until the next setValue().
    void setValueText(const QString &text);
    void setUnit(const QString &unit);
    void setSubtitle(const QString &subtitle);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_progress = 0;
    double m_value = 0.0;
    QString m_valueText;
    QString m_unit;
    QString m_subtitle;
};
