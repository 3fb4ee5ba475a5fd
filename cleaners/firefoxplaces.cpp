#include "firefoxplaces.h"

#include "core/logger.h"
#include "sqlitefiles.h"

#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace {

// Tables whose rows describe visited pages only; what refers to a removed place goes with it.
const char *const kPlaceDetailTables[] = { "moz_annos", "moz_places_metadata" };

QString uniqueConnectionName()
{
    static std::atomic<quint64> counter { 0 };
    return QStringLiteral("firefox-places-%1").arg(++counter);
}

// Runs one statement; returns the error text, empty on success.
QString execute(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return QString();
    return query.lastError().text();
}

// The names of the database's tables; false when the file cannot be read as a database.
bool readTables(QSqlDatabase &db, QSet<QString> *tables, QString *error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        *error = query.lastError().text();
        return false;
    }
    while (query.next())
        tables->insert(query.value(0).toString());
    return true;
}

bool hasColumn(QSqlDatabase &db, const QString &table, const QString &column)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table)))
        return false;
    while (query.next()) {
        if (query.value(1).toString() == column)
            return true;
    }
    return false;
}

QStringList historyStatements(QSqlDatabase &db, const QSet<QString> &tables)
{
    QStringList statements = { QStringLiteral("DELETE FROM moz_historyvisits") };
    QString referenced = QStringLiteral("SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL");
    if (tables.contains(QStringLiteral("moz_keywords")))
        referenced += QStringLiteral(" UNION SELECT place_id FROM moz_keywords WHERE place_id IS NOT NULL");
    statements << QStringLiteral("DELETE FROM moz_places WHERE id NOT IN (%1)").arg(referenced);
    if (hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("visit_count"))
        && hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("last_visit_date")))
        statements << QStringLiteral("UPDATE moz_places SET visit_count = 0, last_visit_date = NULL");
    if (tables.contains(QStringLiteral("moz_inputhistory")))
        statements << QStringLiteral("DELETE FROM moz_inputhistory");
    for (const char *table : kPlaceDetailTables) {
        if (tables.contains(QLatin1String(table)))
            statements << QStringLiteral("DELETE FROM %1 WHERE place_id NOT IN (SELECT id FROM moz_places)")
                              .arg(QLatin1String(table));
    }
    if (tables.contains(QStringLiteral("moz_origins"))
        && hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("origin_id")))
        statements << QStringLiteral("DELETE FROM moz_origins WHERE id NOT IN "
                                     "(SELECT origin_id FROM moz_places WHERE origin_id IS NOT NULL)");
    return statements;
}

// The first failure as text; empty when the history is gone.
QString removeHistory(QSqlDatabase &db)
{
    QSet<QString> tables;
    QString error;
    if (!readTables(db, &tables, &error))
        return error;
    for (const char *table : { "moz_places", "moz_historyvisits", "moz_bookmarks" }) {
        if (!tables.contains(QLatin1String(table)))
            return QStringLiteral("not a places database (no table %1)").arg(QLatin1String(table));
    }
    // Takes the write lock at once, so a database in use fails here rather than half-way.
    error = execute(db, QStringLiteral("BEGIN IMMEDIATE"));
    if (!error.isEmpty())
        return error;
    const QStringList statements = historyStatements(db, tables);
    for (const QString &statement : statements) {
        error = execute(db, statement);
        if (!error.isEmpty()) {
            execute(db, QStringLiteral("ROLLBACK"));
            return error;
        }
    }
    error = execute(db, QStringLiteral("COMMIT"));
    if (!error.isEmpty()) {
        execute(db, QStringLiteral("ROLLBACK"));
        return error;
    }
    // The history is gone once committed; compacting only returns the space.
    const QString compactError = execute(db, QStringLiteral("VACUUM"));
    if (compactError.isEmpty())
        execute(db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    else
        Logger::instance()->warning(QStringLiteral("Could not compact Firefox history: ") + compactError);
    return QString();
}

// Opens the existing database for writing; it is never created.
QString clearHistoryIn(const QString &databasePath)
{
    const QString connection = uniqueConnectionName();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=1000"));
        db.setDatabaseName(QUrl::fromLocalFile(databasePath).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        if (!db.open())
            error = db.lastError().text();
        else
            error = removeHistory(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

} // namespace

FirefoxPlaces::ClearResult FirefoxPlaces::clearHistory(const QString &databasePath)
{
    ClearResult result;
    if (!SqliteFiles::isSafeToOpen(databasePath)) {
        Logger::instance()->warning(
            QStringLiteral("Firefox history is not a database file, or a file beside it is not a regular file: ")
            + databasePath);
        return result;
    }
    const qint64 before = SqliteFiles::occupiedSize(databasePath);
    const QString error = clearHistoryIn(databasePath);
    if (!error.isEmpty()) {
        Logger::instance()->warning(
            QStringLiteral("Could not clear Firefox history in %1: %2").arg(databasePath, error));
        return result;
    }
    result.ok = true;
    result.freedBytes = qMax<qint64>(0, before - SqliteFiles::occupiedSize(databasePath));
    return result;
}
