#include "widgetshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPixmap>
#include <QWidget>

QSize WidgetShot::pageSize()
{
    // 900 x 650 less the window's 10 px shadow margins, the 220 px side bar and the title bar.
    return QSize(660, 572);
}

QImage WidgetShot::render(QWidget *widget, const QString &name, const QSize &size)
{
    if (size.isValid())
        widget->resize(size);
    if (!widget->isVisible())
        widget->show();
    // Layouts inside scroll areas settle over a few rounds of posted layout requests.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
    const QImage image = widget->grab().toImage();
    const QString folder = qEnvironmentVariable("SWEEPNOOK_SHOTS_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
    return image;
}
