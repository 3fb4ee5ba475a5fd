#pragma once

#include <QString>
#include <QStringList>

// How a folder that a browser rule reaches becomes items.
enum class BrowserScanMode {
    // The folder is one item, measured recursively.
    WholeDirectory = 0,
    // Each matching regular file directly inside the folder is one item.
    TopLevelFiles = 1,
};

// One entry of the browser rules file: what to look for in a browser profile.
struct BrowserCleanRule
{
    QString id;
    QString name;
    QString description;
    QString subPath;
    QString firefoxSubPath;
    // Path below the folder that holds a Chromium-style browser's profiles (its user-data folder),
    // for what the browser keeps beside them (Safe Browsing, Crashpad); empty when none.
    QString dataSubPath;
    // The same below Firefox's folder that holds Profiles and profiles.ini (Crash Reports).
    QString firefoxDataSubPath;
    QStringList patterns;
    QStringList firefoxPatterns;
    bool defaultChecked = true;
    int riskLevel = 0;
};
