#pragma once

#include "core/constants.h"

#include <QString>

// One supported browser and where it keeps its data for the logged-in user.
struct BrowserInfo
{
    QString name;
    QString dataPath;
    QString cachePath;
    QString profilePath;
    Constants::BrowserType type = Constants::Chrome;
    bool installed = false;
};
