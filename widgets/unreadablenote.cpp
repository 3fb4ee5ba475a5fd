#include "unreadablenote.h"

UnreadableNote::UnreadableNote(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("unreadableNote"));
    setWordWrap(true);
    hide();
}

void UnreadableNote::setFolders(int count, const QString &first)
{
    setVisible(count > 0);
    setText(count > 0 ? text(count, first) : QString());
}

QString UnreadableNote::text(int count, const QString &first)
{
    return tr("%Ln folders could not be read, among them %1. To include them, allow Sweepnook Full Disk Access "
              "in System Settings > Privacy & Security.",
        nullptr, count)
        .arg(first);
}
