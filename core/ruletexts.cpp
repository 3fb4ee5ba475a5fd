#include "ruletexts.h"

#include <QCoreApplication>

QString RuleTexts::shown(const QString &english)
{
    if (english.isEmpty())
        return english;
    return QCoreApplication::translate(Context, english.toUtf8().constData());
}
