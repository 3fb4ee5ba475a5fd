#pragma once

class QWidget;

// Paints the look of the frameless dialogs: a rounded white card over a soft shadow offset
// 4 px right and down, both inside the widget.
class CardPainter final
{
public:
    static void paint(QWidget *widget, int cornerRadius);
};
