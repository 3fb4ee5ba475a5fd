#include "duplicatefixture.h"

#include "testhome.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

void DuplicateFixture::populate(const TestHome &home)
{
    struct Copy
    {
        QStandardPaths::StandardLocation folder;
        const char *name;
        int group;
    };
    const Copy copies[] = {
        { QStandardPaths::PicturesLocation, "Holiday 2024/IMG_4021.jpg", 0 },
        { QStandardPaths::DownloadLocation, "IMG_4021 (1).jpg", 0 },
        { QStandardPaths::DesktopLocation, "Old photos to sort/Holiday/IMG_4021 copy.jpg", 0 },
        { QStandardPaths::DocumentsLocation, "Invoices/2024/Invoice-2024-03-Quarterly-Summary-Final.pdf", 1 },
        { QStandardPaths::DownloadLocation, "Invoice-2024-03-Quarterly-Summary-Final (2).pdf", 1 },
        { QStandardPaths::MusicLocation, "Imports/Unknown Artist/Track 01.m4a", 2 },
        { QStandardPaths::MusicLocation, "Library/Track 01.m4a", 2 },
        { QStandardPaths::MoviesLocation, "Screen Recording 2025-01-14 at 10.02.33.mov", 3 },
        { QStandardPaths::DesktopLocation, "Screen Recording 2025-01-14 at 10.02.33.mov", 3 },
    };
    const qint64 groupSizes[] = { 3400000, 182000, 5100000, 48000000 };
    const QDir homeDir = QDir::home();
    int month = 1;
    for (const Copy &copy : copies) {
        const QString folder = homeDir.relativeFilePath(QStandardPaths::writableLocation(copy.folder));
        const QString path = home.makeFile(
            folder + QLatin1Char('/') + QString::fromUtf8(copy.name), groupSizes[copy.group], char('a' + copy.group));
        TestHome::setModified(path, QDateTime(QDate(2025, month++, 10), QTime(9, 0)));
    }
}
