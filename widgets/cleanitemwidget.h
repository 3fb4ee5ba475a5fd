#pragma once

#include "core/cleanitem.h"

#include <QColor>
#include <QWidget>

class QCheckBox;
class QLabel;

// One file row inside an expanded category: check box, name over path, risk badge and size.
// Its look is the style sheet's (#cleanItemWidget, its labels, and the badge's "risk" property).
class CleanItemWidget final : public QWidget
{
    Q_OBJECT

public:
    explicit CleanItemWidget(const CleanItem &item, QWidget *parent = nullptr);

    bool isChecked() const;
    // Sets the box only; no signal.
    void setChecked(bool checked);
    void setShowSize(bool show);
    QString getRiskText() const;
    QColor getRiskColor() const;

signals:
    void checkStateChanged(bool checked);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void elideTexts();
    // Hovered rows are tinted by the style sheet (the "hovered" property).
    void setHovered(bool hovered);

    CleanItem m_item;
    QCheckBox *m_checkBox;
    QLabel *m_nameLabel;
    QLabel *m_pathLabel;
    QLabel *m_riskLabel;
    QLabel *m_sizeLabel;
};
