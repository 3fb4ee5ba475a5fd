#pragma once

#include <QAbstractButton>

// An on/off switch: a rounded track with a round knob, green when on. Checkable; a click flips
// it and emits clicked(bool) like any button. Disabled, it is drawn faded and takes no clicks.
class ToggleSwitch final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ToggleSwitch(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
