#include "junkfixture.h"

#include "testhome.h"

void JunkFixture::populate(const TestHome &home)
{
    for (int i = 0; i < 25; ++i)
        home.makeFile(
            QStringLiteral("Library/Caches/com.example.editor/blobs/cache-%1.db").arg(i, 2, 10, QLatin1Char('0')),
            1000 + i * 4096);
    home.makeFile(QStringLiteral("Library/Logs/com.example.app/run.log"), 120000);
    home.makeFile(QStringLiteral("Library/Logs/DiagnosticReports/Editor-2026-12-01-101010.ips"), 30000);
    home.makeFile(QStringLiteral(".Trash/Old presentation draft (final) v3.key"), 2500000);
    home.makeFile(QStringLiteral("Downloads/Installer-with-a-rather-long-name-1.2.3-universal.dmg"), 48000000);
    home.makeFile(QStringLiteral("tmp/build/obj.o"), 800);
}
