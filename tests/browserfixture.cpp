#include "browserfixture.h"

#include "testhome.h"

void BrowserFixture::populate(const TestHome &home)
{
    const QString chrome = QStringLiteral("Library/Application Support/Google/Chrome/");
    const QString firefox = QStringLiteral("Library/Application Support/Firefox/Profiles/k3x9.default-release/");
    for (int i = 0; i < 4; ++i)
        home.makeFile(chrome + QStringLiteral("Default/Cache/Cache_Data/data_%1").arg(i), 300000);
    for (int i = 0; i < 14; ++i)
        home.makeFile(
            chrome + QStringLiteral("Default/WebRTC Logs/WebRtcEventLog_%1.log").arg(20261201 + i), 40000 + i * 9000);
    home.makeFile(chrome + QStringLiteral("Default/Code Cache/js/index"), 2200000);
    home.makeFile(chrome + QStringLiteral("Profile 1/Cache/Cache_Data/data_0"), 800000);
    home.makeFile(chrome + QStringLiteral("Profile 1/GPUCache/data_1"), 270000);
    home.makeFile(chrome + QStringLiteral("Default/Local Storage/000003.log"), 52000);
    home.makeFile(firefox + QStringLiteral("cookies.sqlite"), 524288);
    home.makeFile(firefox + QStringLiteral("sessionstore.jsonlz4"), 61000);
    home.makeFile(firefox + QStringLiteral("sessionstore-backups/recovery.jsonlz4"), 58000);
    home.makeFile(firefox + QStringLiteral("shader-cache/blob-1"), 3100000);
}
