#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>

// A round window-control button of the side bar (close, minimise, zoom); hovering shows its
// symbol.
class TrafficLightButton final : public QPushButton
{
    Q_OBJECT

public:
    TrafficLightButton(const QColor &color, const QString &symbol, QWidget *parent = nullptr);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QString m_symbol;
    bool m_hovered = false;
};
