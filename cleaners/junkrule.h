#pragma once

#include <QString>
#include <QStringList>

// One entry of the junk rules file: where to look and which file names to take.
struct JunkRule
{
    QString id;
    QString name;
    QString description;
    QStringList paths;
    QStringList patterns;
    bool defaultChecked = true;
    int riskLevel = 0;
    bool recursive = true;
    // The folder's top-level entries are the items, a folder as one item removed whole (the Trash).
    bool topLevelEntries = false;
    // The systems the rule is for, as Platform::identifier() names them; a rules file that
    // names none means the Mac.
    QStringList platforms;
};
