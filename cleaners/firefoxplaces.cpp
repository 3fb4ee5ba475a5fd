#include "firefoxplaces.h"

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/pinnedroot.h"
#include "sqlitefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>
#include <functional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Tables whose rows describe visited pages only; what refers to a removed place goes with it.
const char *const kPlaceDetailTables[] = { "moz_annos", "moz_places_metadata" };
// Tables of how pages were used and of the visits' own details, emptied by a clean.
const char *const kInteractionTables[]
    = { "moz_places_metadata", "moz_places_metadata_search_queries", "moz_historyvisits_extra" };

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
    QStringList names;
    if (!SqliteFiles::readTableNames(db, &names, error))
        return false;
    *tables = QSet<QString>(names.cbegin(), names.cend());
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

// The places a bookmark or a keyword refers to; clearing the history keeps them.
QString referencedPlaces(const QSet<QString> &tables)
{
    QString referenced = QStringLiteral("SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL");
    if (tables.contains(QStringLiteral("moz_keywords")))
        referenced += QStringLiteral(" UNION SELECT place_id FROM moz_keywords WHERE place_id IS NOT NULL");
    return referenced;
}

// Origins (the sites the address bar suggests) that no place belongs to any more.
QStringList orphanOriginStatements(QSqlDatabase &db, const QSet<QString> &tables)
{
    if (!tables.contains(QStringLiteral("moz_origins"))
        || !hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("origin_id")))
        return {};
    return { QStringLiteral("DELETE FROM moz_origins WHERE id NOT IN "
                            "(SELECT origin_id FROM moz_places WHERE origin_id IS NOT NULL)") };
}

// Rows of any table that declares a reference to a removed place or visit (newer Firefox
// versions add such tables) go with it, so no reference is left dangling.
QStringList danglingReferenceStatements(QSqlDatabase &db, const QSet<QString> &tables)
{
    QStringList statements;
    for (const QString &table : tables) {
        QSqlQuery keys(db);
        if (!keys.exec(QStringLiteral("PRAGMA foreign_key_list(\"%1\")").arg(table)))
            continue;
        while (keys.next()) {
            const QString parent = keys.value(2).toString();
            const QString column = keys.value(3).toString();
            if (parent != QLatin1String("moz_places") && parent != QLatin1String("moz_historyvisits"))
                continue;
            statements << QStringLiteral(
                "DELETE FROM \"%1\" WHERE \"%2\" IS NOT NULL AND \"%2\" NOT IN (SELECT id FROM %3)")
                              .arg(table, column, parent);
        }
    }
    statements.sort();
    return statements;
}

QStringList historyStatements(QSqlDatabase &db, const QSet<QString> &tables)
{
    QStringList statements = { QStringLiteral("DELETE FROM moz_historyvisits") };
    statements << QStringLiteral("DELETE FROM moz_places WHERE id NOT IN (%1)").arg(referencedPlaces(tables));
    if (hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("visit_count"))
        && hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("last_visit_date")))
        statements << QStringLiteral("UPDATE moz_places SET visit_count = 0, last_visit_date = NULL");
    // Firefox's own clear also forgets how every page was used (visit and view times, searches),
    // bookmarked pages included.
    for (const char *table : kInteractionTables) {
        if (tables.contains(QLatin1String(table)))
            statements << QStringLiteral("DELETE FROM %1").arg(QLatin1String(table));
    }
    if (tables.contains(QStringLiteral("moz_inputhistory")))
        statements << QStringLiteral("DELETE FROM moz_inputhistory");
    for (const char *table : kPlaceDetailTables) {
        if (tables.contains(QLatin1String(table)))
            statements << QStringLiteral("DELETE FROM %1 WHERE place_id NOT IN (SELECT id FROM moz_places)")
                              .arg(QLatin1String(table));
    }
    statements << orphanOriginStatements(db, tables) << danglingReferenceStatements(db, tables);
    return statements;
}

// Why the tables are not those of a places database; empty when they are.
QString missingPlacesTable(const QSet<QString> &tables)
{
    for (const QString &table : FirefoxPlaces::requiredTables()) {
        if (!tables.contains(table))
            return QStringLiteral("not a places database (no table %1)").arg(table);
    }
    return QString();
}

// The place of a download: a place with a visit of the download kind (Firefox's
// TRANSITION_DOWNLOAD), which also holds the download's details as annotations.
const char kDownloadVisit[] = "visit_type = 7";
// Visit kinds that Firefox leaves out of a place's visit count: none, embedded, download,
// framed link, reload.
const char kUncountedVisits[] = "0, 4, 7, 8, 9";

// Removes the download list as Firefox's own "Clear Downloads" does: the download visits go, and
// the places they were made for with them unless other visits or a bookmark keep them; the
// download details (annotations) go in any case, and no reference to what went is left.
QStringList downloadStatements(QSqlDatabase &db, const QSet<QString> &tables)
{
    const QString downloadVisits
        = QStringLiteral("SELECT id FROM moz_historyvisits WHERE %1").arg(QLatin1String(kDownloadVisit));
    const QString downloadPlaces
        = QStringLiteral("SELECT place_id FROM moz_historyvisits WHERE %1").arg(QLatin1String(kDownloadVisit));
    const QString unkept = QStringLiteral("SELECT id FROM moz_places WHERE id IN (%1) AND id NOT IN "
                                          "(SELECT place_id FROM moz_historyvisits WHERE NOT (%2)) AND id NOT IN (%3)")
                               .arg(downloadPlaces, QLatin1String(kDownloadVisit), referencedPlaces(tables));
    QStringList statements = {
        QStringLiteral("UPDATE moz_historyvisits SET from_visit = 0 WHERE from_visit IN (%1)").arg(downloadVisits)
    };
    if (hasColumn(db, QStringLiteral("moz_historyvisits"), QStringLiteral("triggeringPlaceId")))
        statements << QStringLiteral(
            "UPDATE moz_historyvisits SET triggeringPlaceId = NULL WHERE triggeringPlaceId IN (%1)")
                          .arg(unkept);
    for (const char *table : { "moz_annos", "moz_places_metadata", "moz_inputhistory" }) {
        if (tables.contains(QLatin1String(table)))
            statements << QStringLiteral("DELETE FROM %1 WHERE place_id IN (%2)").arg(QLatin1String(table), unkept);
    }
    statements << QStringLiteral("DELETE FROM moz_places WHERE id IN (%1)").arg(unkept);
    if (hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("visit_count"))
        && hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("last_visit_date"))) {
        QString recount = QStringLiteral(
            "UPDATE moz_places SET "
            "visit_count = (SELECT COUNT(*) FROM moz_historyvisits AS v WHERE v.place_id = moz_places.id "
            "AND v.visit_type NOT IN (%1)), "
            "last_visit_date = (SELECT MAX(visit_date) FROM moz_historyvisits AS v WHERE v.place_id = moz_places.id "
            "AND NOT (%2))")
                              .arg(QLatin1String(kUncountedVisits), QLatin1String(kDownloadVisit));
        // Firefox works out the kept places' standing in the address bar again.
        if (hasColumn(db, QStringLiteral("moz_places"), QStringLiteral("recalc_frecency")))
            recount += QStringLiteral(", recalc_frecency = 1");
        statements << recount + QStringLiteral(" WHERE id IN (%1)").arg(downloadPlaces);
    }
    statements << QStringLiteral("DELETE FROM moz_historyvisits WHERE %1").arg(QLatin1String(kDownloadVisit));
    if (tables.contains(QStringLiteral("moz_annos")) && tables.contains(QStringLiteral("moz_anno_attributes")))
        statements << QStringLiteral("DELETE FROM moz_annos WHERE anno_attribute_id IN "
                                     "(SELECT id FROM moz_anno_attributes WHERE name LIKE 'downloads/%')");
    statements << orphanOriginStatements(db, tables) << danglingReferenceStatements(db, tables);
    return statements;
}

using Statements = QStringList (*)(QSqlDatabase &, const QSet<QString> &);

// The first failure as text; empty when the records are gone. mayWrite is asked after the
// first reads and before the first write; a reason it gives stops the clean there.
QString removeRecords(QSqlDatabase &db, Statements statementsFor, const std::function<QString()> &mayWrite)
{
    QSet<QString> tables;
    QString error;
    if (!readTables(db, &tables, &error))
        return error;
    error = missingPlacesTable(tables);
    if (!error.isEmpty())
        return error;
    error = mayWrite();
    if (!error.isEmpty())
        return error;
    // Takes the write lock at once, so a database in use fails here rather than half-way.
    error = execute(db, QStringLiteral("BEGIN IMMEDIATE"));
    if (!error.isEmpty())
        return error;
    const QStringList statements = statementsFor(db, tables);
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
    // The records are gone once committed; compacting only returns the space.
    const QString compactError = execute(db, QStringLiteral("VACUUM"));
    if (compactError.isEmpty())
        execute(db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    else
        Logger::instance()->warning(QStringLiteral("Could not compact Firefox's places database: ") + compactError);
    return QString();
}

std::function<void()> &beforeOpenHook()
{
    static std::function<void()> hook;
    return hook;
}

const char *const kCompanions[] = { "-wal", "-shm", "-journal" };

// The places database of a clean, reached from the pinned folder above the profile without
// following a link, checked and held open for as long as SQLite may use it. It must be closed
// only after SQLite's connection: closing any descriptor of a file drops the process's locks on
// it, SQLite's among them.
class CheckedDatabase final
{
public:
    CheckedDatabase(const PinnedRoot &root, const QString &path)
        : m_path(QFile::encodeName(path))
    {
        FileUtils::Removal refusal;
        m_folderFd = FileUtils::openParentUnder(root, m_path, &m_name, &refusal);
        if (m_folderFd < 0) {
            m_reason = refusal.reason.isEmpty() ? QStringLiteral("its folder cannot be opened") : refusal.reason;
            return;
        }
        m_fd = FileUtils::openRegularFileAt(m_folderFd, m_name);
        if (m_fd < 0 || ::fstat(m_fd, &m_identity) != 0) {
            m_reason = QStringLiteral("not a database file");
            return;
        }
        for (const char *suffix : kCompanions) {
            struct stat companion;
            if (::fstatat(m_folderFd, QByteArray(m_name + suffix).constData(), &companion, AT_SYMLINK_NOFOLLOW) == 0
                && !S_ISREG(companion.st_mode)) {
                m_reason = QStringLiteral("its %1 file is not a regular file").arg(QLatin1String(suffix));
                return;
            }
        }
        // SQLite goes by the path: it must lead to the checked file now, and the descriptors
        // on that file are counted, so that SQLite's can be told apart.
        struct stat byPath;
        if (::lstat(m_path.constData(), &byPath) != 0 || !sameFile(byPath, m_identity)) {
            m_reason = QStringLiteral("its path leads elsewhere");
            return;
        }
        m_heldBefore = FileUtils::descriptorsOpenOn(m_identity.st_dev, m_identity.st_ino);
        m_open = true;
    }
    ~CheckedDatabase()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_folderFd >= 0)
            ::close(m_folderFd);
    }
    CheckedDatabase(const CheckedDatabase &) = delete;
    CheckedDatabase &operator=(const CheckedDatabase &) = delete;

    bool isOpen() const
    {
        return m_open;
    }

    QString reason() const
    {
        return m_reason;
    }

    // True when one more descriptor holds the checked file than before SQLite opened it:
    // SQLite's, opened by the path, so the path led to this file and to no other then.
    bool isHeldBySqlite() const
    {
        return FileUtils::descriptorsOpenOn(m_identity.st_dev, m_identity.st_ino) > m_heldBefore;
    }

    // Empty when the -wal and -shm files beside the checked database are regular files (or
    // absent) and, for a database in WAL mode, the ones SQLite holds open; else why not.
    QString companionsHeldBySqlite() const
    {
        for (const char *suffix : kCompanions) {
            struct stat companion;
            if (::fstatat(m_folderFd, QByteArray(m_name + suffix).constData(), &companion, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (!S_ISREG(companion.st_mode))
                return QStringLiteral("its %1 file changed while it was being opened").arg(QLatin1String(suffix));
            if (qstrcmp(suffix, "-journal") != 0 && isInWalMode()
                && FileUtils::descriptorsOpenOn(companion.st_dev, companion.st_ino) < 1)
                return QStringLiteral("its %1 file changed while it was being opened").arg(QLatin1String(suffix));
        }
        return QString();
    }

    // The database and its companions, measured beside the checked file.
    qint64 occupiedSize() const
    {
        qint64 total = 0;
        struct stat info;
        if (::fstat(m_fd, &info) == 0)
            total += FileUtils::allocatedSize(info);
        for (const char *suffix : kCompanions) {
            if (::fstatat(m_folderFd, QByteArray(m_name + suffix).constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISREG(info.st_mode))
                total += FileUtils::allocatedSize(info);
        }
        return total;
    }

private:
    static bool sameFile(const struct stat &a, const struct stat &b)
    {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    }

    // The file's header tells: format versions 2 are written by a database in WAL mode.
    bool isInWalMode() const
    {
        unsigned char versions[2] = { 0, 0 };
        return ::pread(m_fd, versions, sizeof versions, 18) == ssize_t(sizeof versions) && versions[0] == 2
            && versions[1] == 2;
    }

    const QByteArray m_path;
    QByteArray m_name;
    int m_folderFd = -1;
    int m_fd = -1;
    struct stat m_identity
    {
    };
    // Descriptors on the checked file before SQLite opened it: the checker's own, and any
    // another connection of this process holds.
    int m_heldBefore = 0;
    bool m_open = false;
    QString m_reason;
};

// Runs work on the existing database opened with the URI parameters given ("mode=rw"); it is
// never created.
QString withDatabase(
    const QString &databasePath, const QString &parameters, const std::function<QString(QSqlDatabase &)> &work)
{
    const QString connection = uniqueConnectionName();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=1000"));
        db.setDatabaseName(
            QUrl::fromLocalFile(databasePath).toString(QUrl::FullyEncoded) + QLatin1Char('?') + parameters);
        if (!db.open())
            error = db.lastError().text();
        else
            error = work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

// A number the statement returns; false when it fails.
bool readNumber(QSqlDatabase &db, const QString &statement, qint64 *value)
{
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return false;
    *value = query.value(0).toLongLong();
    return true;
}

// Tables whose rows a clean removes entirely.
const char *const kHistoryTables[] = { "moz_historyvisits", "moz_inputhistory" };
// Tables whose rows go with the places a clean removes.
const char *const kPlaceTables[] = { "moz_places", "moz_annos", "moz_places_metadata", "moz_origins" };
// What SQLite spends on a row besides its values, roughly: header, row id, cell pointer.
constexpr qint64 kRowOverhead = 8;

QString quoted(const QString &identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// Bytes of each table together with its indexes, from SQLite's page statistics.
bool tableBytesFromPageStatistics(QSqlDatabase &db, QHash<QString, qint64> *bytes)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT m.tbl_name, SUM(s.pgsize) FROM dbstat AS s "
                                   "JOIN sqlite_master AS m ON m.name = s.name GROUP BY m.tbl_name")))
        return false;
    while (query.next())
        bytes->insert(query.value(0).toString(), query.value(1).toLongLong());
    return true;
}

// Bytes of each table with its indexes, estimated: the used pages shared out in proportion to
// the size of the tables' values.
// An expression for the stored size of a row of table: its values and a row's overhead; empty
// when the table cannot be read.
QString rowSizeExpression(QSqlDatabase &db, const QString &table)
{
    QSqlQuery columns(db);
    if (!columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table))))
        return QString();
    QStringList sizes { QString::number(kRowOverhead) };
    while (columns.next())
        sizes << QStringLiteral("IFNULL(LENGTH(CAST(%1 AS BLOB)), 0)").arg(quoted(columns.value(1).toString()));
    return sizes.join(QLatin1Char('+'));
}

bool tableBytesEstimated(QSqlDatabase &db, const QSet<QString> &tables, qint64 usedBytes, QHash<QString, qint64> *bytes)
{
    QHash<QString, qint64> payload;
    qint64 totalPayload = 0;
    for (const QString &table : tables) {
        if (table.startsWith(QLatin1String("sqlite_")))
            continue;
        const QString rowSize = rowSizeExpression(db, table);
        qint64 size = 0;
        if (rowSize.isEmpty()
            || !readNumber(db, QStringLiteral("SELECT TOTAL(%1) FROM %2").arg(rowSize, quoted(table)), &size))
            return false;
        payload.insert(table, size);
        totalPayload += size;
    }
    for (auto it = payload.cbegin(); it != payload.cend(); ++it)
        bytes->insert(it.key(), totalPayload > 0 ? qint64(double(usedBytes) * double(it.value()) / totalPayload) : 0);
    return true;
}

// Bytes of the rows clearing the history removes, with their share of the indexes.
QString measureHistory(QSqlDatabase &db, FirefoxPlaces::Measure measure, qint64 *historyBytes, qint64 *usedBytes)
{
    QSet<QString> tables;
    QString error;
    if (!readTables(db, &tables, &error))
        return error;
    error = missingPlacesTable(tables);
    if (!error.isEmpty())
        return error;
    qint64 pageSize = 0;
    qint64 pageCount = 0;
    qint64 freePages = 0;
    const QString placeSize = rowSizeExpression(db, QStringLiteral("moz_places"));
    qint64 places = 0;
    qint64 removable = 0;
    if (!readNumber(db, QStringLiteral("PRAGMA page_size"), &pageSize)
        || !readNumber(db, QStringLiteral("PRAGMA page_count"), &pageCount)
        || !readNumber(db, QStringLiteral("PRAGMA freelist_count"), &freePages)
        || !readNumber(db, QStringLiteral("SELECT TOTAL(%1) FROM moz_places").arg(placeSize), &places)
        || !readNumber(db,
            QStringLiteral("SELECT TOTAL(%1) FROM moz_places WHERE id NOT IN (%2)")
                .arg(placeSize, referencedPlaces(tables)),
            &removable))
        return QStringLiteral("cannot read the page counts");
    *usedBytes = pageSize * (pageCount - freePages);
    QHash<QString, qint64> bytes;
    if (measure == FirefoxPlaces::Measure::Estimate || !tableBytesFromPageStatistics(db, &bytes)) {
        bytes.clear();
        if (!tableBytesEstimated(db, tables, *usedBytes, &bytes))
            return QStringLiteral("cannot estimate the table sizes");
    }
    double removed = 0;
    for (const char *table : kHistoryTables)
        removed += bytes.value(QLatin1String(table));
    // The places removed, and what goes with them, by their share of the places' contents.
    const double removedShare = places > 0 ? double(removable) / places : 0;
    for (const char *table : kPlaceTables)
        removed += removedShare * bytes.value(QLatin1String(table));
    *historyBytes = qint64(removed);
    return QString();
}

} // namespace

namespace {

FirefoxPlaces::ClearResult clearRecords(
    const PinnedRoot &root, const QString &databasePath, Statements statements, const char *what)
{
    FirefoxPlaces::ClearResult result;
    CheckedDatabase checked(root, databasePath);
    if (!checked.isOpen()) {
        Logger::instance()->warning(QStringLiteral("Firefox %1 is not cleared in %2: %3")
                                        .arg(QLatin1String(what), databasePath, checked.reason()));
        return result;
    }
    const qint64 before = checked.occupiedSize();
    if (beforeOpenHook())
        beforeOpenHook()();
    const QString error
        = withDatabase(databasePath, QStringLiteral("mode=rw"), [&checked, statements](QSqlDatabase &db) {
              // Nothing is read before the file SQLite opened is known to be the checked one: a read
              // may already replay a journal into it.
              if (!checked.isHeldBySqlite())
                  return QStringLiteral("the database changed while it was being opened");
              return removeRecords(db, statements, [&checked] { return checked.companionsHeldBySqlite(); });
          });
    if (!error.isEmpty()) {
        Logger::instance()->warning(
            QStringLiteral("Could not clear Firefox %1 in %2: %3").arg(QLatin1String(what), databasePath, error));
        return result;
    }
    result.ok = true;
    result.freedBytes = qMax<qint64>(0, before - checked.occupiedSize());
    return result;
}

} // namespace

FirefoxPlaces::ClearResult FirefoxPlaces::clearHistory(const PinnedRoot &root, const QString &databasePath)
{
    return clearRecords(root, databasePath, historyStatements, "history");
}

FirefoxPlaces::ClearResult FirefoxPlaces::clearDownloads(const PinnedRoot &root, const QString &databasePath)
{
    return clearRecords(root, databasePath, downloadStatements, "download history");
}

QStringList FirefoxPlaces::requiredTables()
{
    return { QStringLiteral("moz_places"), QStringLiteral("moz_historyvisits"), QStringLiteral("moz_bookmarks") };
}

void FirefoxPlaces::setBeforeOpenHook(std::function<void()> hook)
{
    beforeOpenHook() = std::move(hook);
}

qint64 FirefoxPlaces::historySize(const QString &databasePath, Measure measure)
{
    // SQLite opens the database and its companions: each must be a regular file (a FIFO would
    // block the scan for ever) or, for the companions, absent.
    if (!SqliteFiles::isSafeToOpen(databasePath))
        return -1;
    const qint64 occupied = SqliteFiles::allocatedSize(databasePath);
    qint64 historyBytes = 0;
    qint64 usedBytes = 0;
    // Reading leaves the profile as it was: a database in use (its -wal and -shm present) is read
    // through them, read-only; otherwise the file alone is read as unchanging, since even a
    // read-only connection would create the -wal and -shm files.
    const bool inUse = QFileInfo::exists(databasePath + QStringLiteral("-wal"))
        && QFileInfo::exists(databasePath + QStringLiteral("-shm"));
    const QString parameters = inUse ? QStringLiteral("mode=ro") : QStringLiteral("immutable=1");
    const QString error = withDatabase(databasePath, parameters,
        [&](QSqlDatabase &db) { return measureHistory(db, measure, &historyBytes, &usedBytes); });
    if (!error.isEmpty()) {
        Logger::instance()->warning(
            QStringLiteral("Could not measure Firefox history in %1: %2").arg(databasePath, error));
        return -1;
    }
    // After the clean the files hold the pages kept, compacted, and no log.
    return qBound<qint64>(0, occupied - (usedBytes - historyBytes), occupied);
}
