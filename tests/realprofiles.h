#pragma once

#include <QString>
#include <QVariant>

class TestHome;

// The profiles that Debian's chromium and firefox-esr wrote (tests/browserprofiles/data), put
// where the Mac browsers keep them, and a read-only look into their databases.
namespace RealProfiles {

// Chrome's user-data folder, Firefox's folder and its profile, relative to the home.
QString chromeFolder();
QString firefoxFolder();
QString firefoxProfile();

// Copies both profiles into home (links left out, every file the owner's to change) and lists
// the Firefox profile in profiles.ini.
void install(const TestHome &home);

// The first value statement gives on database opened read-only; "error: ..." when the statement
// fails, invalid when the database does not open.
QVariant sqlValue(const QString &database, const QString &statement);

} // namespace RealProfiles
