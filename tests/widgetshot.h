#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

// Renders a widget offscreen at a given size. When SWEEPNOOK_SHOTS_DIR is set the picture is
// also saved there as name + ".png", so pages and dialogs can be looked at after a test run.
class WidgetShot final
{
public:
    // The page area of the 900 x 650 main window.
    static QSize pageSize();
    static QImage render(QWidget *widget, const QString &name, const QSize &size = QSize());
};
