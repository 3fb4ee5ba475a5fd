#include "realprofiles.h"

#include "testhome.h"

#include <QtTest>

#include <QDirIterator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kData = QStringLiteral(SWEEPNOOK_BROWSER_PROFILES_DIR);

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(
        from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories);
    QDir().mkpath(to);
    while (it.hasNext()) {
        const QString source = it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = to + source.mid(from.size());
        if (info.isSymLink())
            continue;
        if (info.isDir())
            QDir().mkpath(target);
        else
            QVERIFY(QFile::copy(source, target));
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

} // namespace

QString RealProfiles::chromeFolder()
{
    return QStringLiteral("Library/Application Support/Google/Chrome");
}

QString RealProfiles::firefoxFolder()
{
    return QStringLiteral("Library/Application Support/Firefox");
}

QString RealProfiles::firefoxProfile()
{
    return firefoxFolder() + QStringLiteral("/Profiles/fixture.default-release");
}

void RealProfiles::install(const TestHome &home)
{
    copyTree(kData + QStringLiteral("/chromium"), home.filePath(chromeFolder()));
    copyTree(kData + QStringLiteral("/firefox"), home.filePath(firefoxProfile()));
    home.makeFileWithContent(firefoxFolder() + QStringLiteral("/profiles.ini"),
        "[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/fixture.default-release\nDefault=1\n");
}

QVariant RealProfiles::sqlValue(const QString &database, const QString &statement)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(database);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next())
                value = query.value(0);
            else
                value = QString(QStringLiteral("error: ") + query.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return value;
}
