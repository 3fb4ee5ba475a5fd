#pragma once

#include <QWidget>

class QLabel;

// A small card with an icon, a large value and a caption; styled by the global style sheet.
class StatCard final : public QWidget
{
    Q_OBJECT

public:
    explicit StatCard(QWidget *parent = nullptr);

    void setValue(const QString &value);
    void setTitle(const QString &title);
    void setIcon(const QString &iconPath);
    QString value() const;

private:
    QLabel *m_iconLabel;
    QLabel *m_valueLabel;
    QLabel *m_titleLabel;
};
