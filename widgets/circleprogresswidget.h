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
    QString unit() const;
    QString subtitle() const;

    // Percent of the ring drawn, clockwise from the top.
    void setProgress(int progress);
    void setValue(double value);
    void setUnit(const QString &unit);
    void setSubtitle(const QString &subtitle);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_progress = 75;
    double m_value = 0.0;
    QString m_unit;
    QString m_subtitle;
};
