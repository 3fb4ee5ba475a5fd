#include "chromiumdatabases.h"

#include "core/logger.h"
#include "sqlitefiles.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>

#include <atomic>

namespace {

QString execute(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    return query.exec(statement) ? QString() : query.lastError().text();
}

// The tables of the database whose names the filter accepts; false when it cannot be read.
bool tablesWhere(QSqlDatabase &db, bool (*accept)(const QString &), QStringList *tables, QString *error)
{
    QStringList names;
    if (!SqliteFiles::readTableNames(db, &names, error))
        return false;
    for (const QString &name : std::as_const(names)) {
        if (accept(name))
            tables->append(name);
    }
    return true;
}

// Empties the tables the filter accepts in one transaction, then compacts the database. The
// tables named in required must be among them, or the file is not the database expected.
bool emptyTables(const QString &path, bool (*accept)(const QString &), const QStringList &required, const char *what)
{
    if (!SqliteFiles::isSafeToOpen(path)) {
        Logger::instance()->warning(
            QStringLiteral("%1 is not a database file, or a file beside it is not a regular file").arg(path));
        return false;
    }
    static std::atomic<quint64> counter { 0 };
    const QString connection = QStringLiteral("chromium-db-%1").arg(++counter);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=1000"));
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        QStringList tables;
        if (!db.open()) {
            error = db.lastError().text();
        } else if (tablesWhere(db, accept, &tables, &error)) {
            for (const QString &table : required) {
                if (!tables.contains(table))
                    error = QStringLiteral("no table %1").arg(table);
            }
            if (error.isEmpty())
                error = execute(db, QStringLiteral("BEGIN IMMEDIATE"));
            for (const QString &table : std::as_const(tables)) {
                if (error.isEmpty())
                    error = execute(db, QStringLiteral("DELETE FROM \"%1\"").arg(table));
            }
            if (error.isEmpty())
                error = execute(db, QStringLiteral("COMMIT"));
            if (!error.isEmpty()) {
                execute(db, QStringLiteral("ROLLBACK"));
            } else {
                const QString compact = execute(db, QStringLiteral("VACUUM"));
                if (!compact.isEmpty())
                    Logger::instance()->warning(QStringLiteral("Could not compact %1: %2").arg(path, compact));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!error.isEmpty()) {
        Logger::instance()->warning(
            QStringLiteral("Could not clear the %1 in %2: %3").arg(QLatin1String(what), path, error));
        return false;
    }
    return true;
}

bool isDownloadTable(const QString &name)
{
    return name.startsWith(QLatin1String("downloads"));
}

bool isAutofillEntryTable(const QString &name)
{
    // "autofill" holds the entries; older versions kept their dates apart.
    return name == QLatin1String("autofill") || name == QLatin1String("autofill_dates");
}

} // namespace

QString ChromiumDatabases::downloadTable()
{
    return QStringLiteral("downloads");
}

QString ChromiumDatabases::autofillTable()
{
    return QStringLiteral("autofill");
}

bool ChromiumDatabases::clearDownloads(const QString &historyPath)
{
    return emptyTables(historyPath, isDownloadTable, { downloadTable() }, "download history");
}

bool ChromiumDatabases::clearAutofill(const QString &webDataPath)
{
    return emptyTables(webDataPath, isAutofillEntryTable, { autofillTable() }, "autofill entries");
}
