#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

class ElidedLabel;
class QHBoxLayout;
class QLabel;

// One entry of the side bar: a recoloured SVG icon, a label (ending in "…", with the full text as
// its tooltip, when it does not fit) and an optional count badge, with hover, pressed and checked
// looks. It does not check itself; its owner sets the checked state.
class NavButton final : public QWidget
{
    Q_OBJECT

public:
    NavButton(const QString &text, const QString &iconPath, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    // A count shown in a badge; an empty text or "--" hides the badge.
    void setSubText(const QString &text);
    void setIcon(const QString &iconPath);
    void setCentered(bool centered);
    void setChecked(bool checked);
    bool isChecked() const;

    // The SVG at path rendered at 24 x 24 logical pixels, every painted pixel in colour.
    static QPixmap loadSvgWithColor(const QString &path, const QColor &color, qreal devicePixelRatio);

signals:
    void clicked();
    void checkedChanged(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void updateIcon();
    void updateStyle();

    QString m_iconPath;
    QHBoxLayout *m_layout = nullptr;
    QLabel *m_iconLabel = nullptr;
    ElidedLabel *m_textLabel = nullptr;
    QLabel *m_badgeLabel = nullptr;
    bool m_checked = false;
    bool m_hovered = false;
    bool m_pressed = false;
};
