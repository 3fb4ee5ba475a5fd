#include "browsercleaner.h"

#include "core/logger.h"
#include "core/fileutils.h"
#include "core/keepingremoval.h"
#include "core/pinnedroot.h"
#include "core/processrunner.h"
#include "browserlocks.h"
#include "chromiumdatabases.h"
#include "firefoxplaces.h"
#include "sqlitefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QSet>

#include <algorithm>
#include <utility>

#include <sys/stat.h>

namespace {

struct BrowserRow
{
    Constants::BrowserType type;
    const char *stableId;
    const char *displayName;
    // Folders below the home folder; empty where the browser has none.
    const char *dataPath;
    const char *cachePath;
    const char *profilePath;
    // The names its processes run under, on macOS first; "|" between them.
    const char *processNames;
};

const BrowserRow kBrowserTable[] = {
    { Constants::Chrome, "google_chrome", QT_TRANSLATE_NOOP("BrowserCleaner", "Google Chrome"),
        "/Library/Application Support/Google/Chrome", "/Library/Caches/Google/Chrome", "", "Google Chrome|chrome" },
    { Constants::Edge, "microsoft_edge", QT_TRANSLATE_NOOP("BrowserCleaner", "Microsoft Edge"),
        "/Library/Application Support/Microsoft Edge", "/Library/Caches/Microsoft Edge", "", "Microsoft Edge|msedge" },
    { Constants::Firefox, "mozilla_firefox", QT_TRANSLATE_NOOP("BrowserCleaner", "Mozilla Firefox"),
        "/Library/Application Support/Firefox/Profiles", "/Library/Caches/Firefox/Profiles",
        "/Library/Application Support/Firefox/Profiles", "firefox|firefox-esr|firefox-bin" },
    { Constants::Opera, "opera", QT_TRANSLATE_NOOP("BrowserCleaner", "Opera"),
        "/Library/Application Support/com.operasoftware.Opera", "/Library/Caches/com.operasoftware.Opera", "",
        "Opera|opera" },
    { Constants::Brave, "brave", QT_TRANSLATE_NOOP("BrowserCleaner", "Brave"),
        "/Library/Application Support/BraveSoftware/Brave-Browser", "/Library/Caches/BraveSoftware/Brave-Browser", "",
        "Brave Browser|brave" },
    { Constants::Safari, "safari", QT_TRANSLATE_NOOP("BrowserCleaner", "Safari"), "/Library/Safari",
        "/Library/Caches/com.apple.Safari", "", "Safari" },
};

// pgrep answers in milliseconds; the limit is a safety net for a hung one, generous enough that a
// busy machine never turns a late answer into "could not tell".
const int kPgrepTimeoutMs = 30000;
// A profiles.ini lists a handful of profiles; anything this large is not one.
const qint64 kMaxProfilesIniBytes = 1024 * 1024;

const BrowserRow *rowFor(Constants::BrowserType type)
{
    for (const BrowserRow &row : kBrowserTable) {
        if (row.type == type)
            return &row;
    }
    return nullptr;
}

QString homeFolderPath(const char *relative)
{
    if (!*relative)
        return QString();
    return QDir::homePath() + QLatin1String(relative);
}

QString firefoxRoot()
{
    return QDir::homePath() + QStringLiteral("/Library/Application Support/Firefox");
}

QString firefoxCacheRoot()
{
    return QDir::homePath() + QStringLiteral("/Library/Caches/Firefox");
}

QString cookiesFolder()
{
    return QDir::homePath() + QStringLiteral("/Library/Cookies");
}

bool isDir(const QString &path)
{
    return QFileInfo(path).isDir();
}

// A folder on another device than the folder holding it: a volume mounted there is never cleaned.
bool isMountPoint(const QString &path)
{
    struct stat folder;
    struct stat parent;
    return ::lstat(QFile::encodeName(path).constData(), &folder) == 0
        && ::lstat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &parent) == 0
        && folder.st_dev != parent.st_dev;
}

void appendUnique(QStringList &list, const QString &value)
{
    if (!value.isEmpty() && !list.contains(value))
        list.append(value);
}

bool isChromiumFamily(Constants::BrowserType type)
{
    return type == Constants::Chrome || type == Constants::Edge || type == Constants::Brave;
}

QString firefoxHistoryCategoryId()
{
    return BrowserCleaner::stableIdForType(Constants::Firefox) + QStringLiteral("_history");
}

struct IniGroup
{
    QString name;
    QHash<QString, QString> values;
};

// Reads a profiles.ini: "[Group]" headers and "Key=Value" lines; comments and blank lines are
// skipped, anything else is counted as malformed and ignored.
QList<IniGroup> readIniGroups(const QString &path)
{
    QByteArray bytes;
    QString error;
    if (!FileUtils::readRegularFile(path, kMaxProfilesIniBytes, &bytes, &error)) {
        Logger::instance()->warning(QStringLiteral("Cannot read %1: %2").arg(path, error));
        return {};
    }
    QList<IniGroup> groups;
    int malformed = 0;
    QString text = QString::fromUtf8(bytes);
    text.remove(QLatin1Char('\r'));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            groups.append({ line.mid(1, line.size() - 2).trimmed(), {} });
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || groups.isEmpty()) {
            ++malformed;
            continue;
        }
        groups.last().values.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    if (malformed > 0)
        Logger::instance()->warning(QStringLiteral("Ignored %1 malformed lines in %2").arg(malformed).arg(path));
    return groups;
}

// The name filters of a Firefox folder when neither the caller nor the rule gives any.
QStringList defaultFirefoxFilters(const QString &ruleId)
{
    static const QHash<QString, QStringList> filters = {
        { QStringLiteral("cookies"),
            { QStringLiteral("cookies.sqlite"), QStringLiteral("cookies.sqlite-wal"),
                QStringLiteral("cookies.sqlite-shm") } },
        { QStringLiteral("history"),
            { QStringLiteral("places.sqlite"), QStringLiteral("places.sqlite-wal"),
                QStringLiteral("places.sqlite-shm") } },
        { QStringLiteral("form_data"), { QStringLiteral("formhistory.sqlite") } },
        { QStringLiteral("favicons"), { QStringLiteral("favicons.sqlite"), QStringLiteral("favicons.sqlite-wal") } },
        { QStringLiteral("session"), { QStringLiteral("sessionstore.jsonlz4"), QStringLiteral("*.jsonlz4") } },
    };
    return filters.value(ruleId, { QStringLiteral("*") });
}

// The folder of a site's storage that a rule takes in Firefox; empty for the other rules.
QString firefoxStorageClient(const QString &ruleId)
{
    if (ruleId == QLatin1String("local_storage"))
        return QStringLiteral("ls");
    if (ruleId == QLatin1String("indexeddb"))
        return QStringLiteral("idb");
    if (ruleId == QLatin1String("service_worker"))
        return QStringLiteral("cache");
    return QString();
}

// Where a rule looks inside a Firefox profile; empty when it has nowhere to look.
QString firefoxTarget(const QString &profileDir, const BrowserCleanRule &rule)
{
    const QString &id = rule.id;
    const QString base = profileDir + QLatin1Char('/');
    if (id == QLatin1String("cache")) {
        for (const QString &candidate : { QStringLiteral("cache2/entries"), QStringLiteral("cache2") }) {
            if (isDir(base + candidate))
                return base + candidate;
        }
        return QString();
    }
    if (id == QLatin1String("gpu_cache"))
        return base + QStringLiteral("shader-cache");
    if (id == QLatin1String("session"))
        return base + QStringLiteral("sessionstore.jsonlz4");
    if (id == QLatin1String("cookies") || id == QLatin1String("form_data") || id == QLatin1String("favicons"))
        return profileDir;
    // A Chromium folder name ("Code Cache", "blob_storage") is never looked for in a Firefox
    // profile: Firefox writes none of them.
    if (!rule.firefoxSubPath.isEmpty())
        return base + rule.firefoxSubPath;
    return QString();
}

BrowserCleanRule ruleFromJson(const QJsonObject &object)
{
    BrowserCleanRule rule;
    rule.id = object.value(QStringLiteral("id")).toString();
    rule.name = object.value(QStringLiteral("name")).toString();
    rule.description = object.value(QStringLiteral("description")).toString();
    rule.subPath = object.value(QStringLiteral("subPath")).toString();
    rule.firefoxSubPath = object.value(QStringLiteral("firefoxSubPath")).toString();
    rule.dataSubPath = object.value(QStringLiteral("dataSubPath")).toString();
    rule.firefoxDataSubPath = object.value(QStringLiteral("firefoxDataSubPath")).toString();
    for (const QJsonValue &pattern : object.value(QStringLiteral("patterns")).toArray())
        rule.patterns.append(pattern.toString());
    for (const QJsonValue &pattern : object.value(QStringLiteral("firefoxPatterns")).toArray())
        rule.firefoxPatterns.append(pattern.toString());
    rule.defaultChecked = object.value(QStringLiteral("defaultChecked")).toBool(true);
    rule.riskLevel = object.value(QStringLiteral("riskLevel")).toInt(0);
    return rule;
}

// Rules overlap (Chrome's "Cache" folder holds "Cache/Cache_Data", and "History" is named by both
// the history and the download history rules): an item inside a folder that an earlier rule
// listed as a whole, or a path an earlier rule already listed, is not listed again, so each path
// is counted and offered once. The category's own items are remembered for the rules that follow.
void dropItemsListedBefore(QStringList &folderItems, QSet<QString> &listed, CleanCategory &category)
{
    const auto listedBefore = [&folderItems, &listed](const CleanItem &item) {
        return listed.contains(item.path)
            || std::any_of(folderItems.cbegin(), folderItems.cend(),
                [&item](const QString &folder) { return item.path.startsWith(folder + QLatin1Char('/')); });
    };
    category.items.erase(
        std::remove_if(category.items.begin(), category.items.end(), listedBefore), category.items.end());
    for (const CleanItem &item : std::as_const(category.items)) {
        listed.insert(item.path);
        if (item.isDirectory)
            folderItems.append(item.path);
    }
}

void addItem(CleanCategory &category, const QString &path, qint64 size, bool isDirectory)
{
    CleanItem item(path, size);
    item.checked = category.checked;
    item.riskLevel = category.riskLevel;
    item.isDirectory = isDirectory;
    category.items.append(item);
}

// A database file (History, cookies.sqlite...) is one item together with its -wal, -shm and
// -journal files, which are never removed apart from it. Its size is the disk space they take.
void addFileItem(CleanCategory &category, const QString &path)
{
    if (!SqliteFiles::isCompanion(path))
        addItem(category, path, SqliteFiles::allocatedSize(path), false);
}

bool isChromiumStyle(Constants::BrowserType type)
{
    return isChromiumFamily(type) || type == Constants::Opera;
}

// Databases whose records of one kind a rule clears inside the file, which stays: the download
// list in Chromium's History and in Firefox's places.sqlite, the autofill entries in Chromium's
// Web Data. None for every other item.
enum class RowClear { None, Downloads, Autofill, FirefoxDownloads };

RowClear rowClearFor(const CleanCategory &category, const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (category.id == BrowserCleaner::stableIdForType(Constants::Firefox) + QStringLiteral("_downloads"))
        return name == QLatin1String("places.sqlite") ? RowClear::FirefoxDownloads : RowClear::None;
    for (Constants::BrowserType type : { Constants::Chrome, Constants::Edge, Constants::Opera, Constants::Brave }) {
        const QString prefix = BrowserCleaner::stableIdForType(type) + QLatin1Char('_');
        if (!category.id.startsWith(prefix))
            continue;
        const QStringView rule = QStringView(category.id).mid(prefix.size());
        if (rule == QLatin1String("downloads") && name == QLatin1String("History"))
            return RowClear::Downloads;
        if (rule == QLatin1String("form_data") && name == QLatin1String("Web Data"))
            return RowClear::Autofill;
    }
    return RowClear::None;
}

// Firefox's database is reached from root, the pinned folder it lies in.
bool clearRows(RowClear kind, const PinnedRoot &root, const QString &path)
{
    switch (kind) {
    case RowClear::Downloads:
        return ChromiumDatabases::clearDownloads(path);
    case RowClear::Autofill:
        return ChromiumDatabases::clearAutofill(path);
    case RowClear::FirefoxDownloads:
        return FirefoxPlaces::clearDownloads(root, path).ok;
    case RowClear::None:
        break;
    }
    return false;
}

// The tables the records live in: a database without them has nothing of the kind to clear.
QStringList tablesOfRows(RowClear kind)
{
    switch (kind) {
    case RowClear::Downloads:
        return { ChromiumDatabases::downloadTable() };
    case RowClear::Autofill:
        return { ChromiumDatabases::autofillTable() };
    case RowClear::FirefoxDownloads:
        return FirefoxPlaces::requiredTables();
    case RowClear::None:
        break;
    }
    return {};
}

// An item whose records are cleared inside its database takes as its size what clearing frees,
// measured on a copy, or none when the database cannot be read. A database without the records'
// tables (an empty History) has nothing to clear and is not offered.
void measureRecordClears(CleanCategory &category)
{
    const auto nothingToClear = [&category](CleanItem &item) {
        const RowClear kind = rowClearFor(category, item.path);
        if (kind == RowClear::None)
            return false;
        const SqliteFiles::ClearingEstimate estimate
            = SqliteFiles::estimateClearing(item.path, tablesOfRows(kind), [kind](const QString &copy) {
                  // The copy is the program's own, in a folder of its own.
                  const QString folder = QFileInfo(copy).path();
                  return clearRows(kind, PinnedRoot::open(folder, folder), copy);
              });
        if (estimate.status == SqliteFiles::ClearingEstimate::NothingToClear) {
            Logger::instance()->info(QStringLiteral("Nothing to clear in %1: it lacks the tables %2")
                                         .arg(item.path, tablesOfRows(kind).join(QLatin1String(", "))));
            return true;
        }
        if (estimate.status == SqliteFiles::ClearingEstimate::Unreadable) {
            Logger::instance()->warning(QStringLiteral("Cannot tell what clearing %1 would free").arg(item.path));
            item.size = CleanItem::UnknownSize;
        } else {
            item.size = estimate.bytes;
        }
        return false;
    };
    category.items.erase(
        std::remove_if(category.items.begin(), category.items.end(), nothingToClear), category.items.end());
}

} // namespace

BrowserCleaner::BrowserCleaner(QObject *parent)
    : CleanEngine(parent)
{
    detectBrowsers();
    for (const BrowserInfo &info : std::as_const(m_browsers))
        m_enabledBrowsers.insert(info.type, info.installed);
}

BrowserCleaner::~BrowserCleaner()
{
    stopWorker();
}

BrowserInfo BrowserCleaner::infoFor(Constants::BrowserType type)
{
    BrowserInfo info;
    const BrowserRow *row = rowFor(type);
    if (!row)
        return info;
    info.name = tr(row->displayName);
    info.type = row->type;
    info.dataPath = homeFolderPath(row->dataPath);
    info.cachePath = homeFolderPath(row->cachePath);
    info.profilePath = homeFolderPath(row->profilePath);
    return info;
}

QList<BrowserInfo> BrowserCleaner::chromiumStyleBrowsers()
{
    QList<BrowserInfo> browsers;
    for (const BrowserRow &row : kBrowserTable) {
        if (isChromiumStyle(row.type))
            browsers.append(infoFor(row.type));
    }
    return browsers;
}

void BrowserCleaner::detectBrowsers()
{
    m_browsers.clear();
    m_allowedRoots = { cookiesFolder() };
    int installed = 0;
    for (const BrowserRow &row : kBrowserTable) {
        BrowserInfo info = infoFor(row.type);
        if (row.type == Constants::Safari)
            info.installed = isDir(info.dataPath);
        else
            info.installed = isDir(info.dataPath) || (!info.profilePath.isEmpty() && isDir(info.profilePath))
                || (!info.cachePath.isEmpty() && isDir(info.cachePath));
        installed += info.installed ? 1 : 0;
        appendUnique(m_allowedRoots, info.dataPath);
        appendUnique(m_allowedRoots, info.cachePath);
        appendUnique(m_allowedRoots, info.profilePath);
        m_browsers.append(info);
    }
    addRuleRoots();
    Logger::instance()->info(QStringLiteral("Detected %1 browsers").arg(installed));
}

void BrowserCleaner::loadRules(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Logger::instance()->error(QStringLiteral("Failed to load browser rules: ") + path);
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject()) {
        Logger::instance()->error(QStringLiteral("Invalid browser rules"));
        return;
    }
    m_rules.clear();
    for (const QJsonValue &value : document.object().value(QStringLiteral("rules")).toArray())
        m_rules.append(ruleFromJson(value.toObject()));
    addRuleRoots();
    Logger::instance()->info(QStringLiteral("Loaded %1 browser rules").arg(m_rules.size()));
}

void BrowserCleaner::setBrowserEnabled(Constants::BrowserType type, bool enabled)
{
    {
        QMutexLocker locker(&m_enabledMutex);
        m_enabledBrowsers.insert(type, enabled);
    }
    if (!isBusy())
        showOnlyEnabledBrowsers();
}

// Moves the categories of unticked browsers out of the result, selection and all, and those of
// ticked ones back in, in the order of the browser list.
void BrowserCleaner::showOnlyEnabledBrowsers()
{
    QList<CleanCategory> all = std::exchange(m_result.categories, {});
    all.append(std::exchange(m_withheld, {}));
    for (const BrowserInfo &info : std::as_const(m_browsers)) {
        QList<CleanCategory> &into = isBrowserEnabled(info.type) ? m_result.categories : m_withheld;
        const QSet<QString> ids { stableIdForType(info.type) };
        for (CleanCategory &category : all) {
            if (!category.id.isEmpty() && categoryOfBrowserIn(category, ids)) {
                into.append(std::move(category));
                category.id.clear();
            }
        }
    }
    // A category of no known browser stays where everyone sees it.
    for (CleanCategory &category : all) {
        if (!category.id.isEmpty())
            m_result.categories.append(std::move(category));
    }
}

bool BrowserCleaner::isBrowserEnabled(Constants::BrowserType type) const
{
    QMutexLocker locker(&m_enabledMutex);
    return m_enabledBrowsers.value(type, false);
}

const QList<BrowserInfo> &BrowserCleaner::browsers() const
{
    return m_browsers;
}

const QList<BrowserCleanRule> &BrowserCleaner::rules() const
{
    return m_rules;
}

const QStringList &BrowserCleaner::allowedRoots() const
{
    return m_allowedRoots;
}

bool BrowserCleaner::isPathSafe(const QString &path) const
{
    if (path.isEmpty())
        return false;
    for (const QString &root : m_allowedRoots) {
        if (FileUtils::isInside(path, root))
            return true;
    }
    return false;
}

QStringList BrowserCleaner::firefoxProfiles()
{
    const QString root = firefoxRoot();
    const QString iniPath = root + QStringLiteral("/profiles.ini");
    QStringList profiles;
    if (QFileInfo(iniPath).isFile()) {
        const QList<IniGroup> groups = readIniGroups(iniPath);
        for (const IniGroup &group : groups) {
            if (!group.name.startsWith(QStringLiteral("Profile")))
                continue;
            const QString path = group.values.value(QStringLiteral("Path"));
            if (path.isEmpty())
                continue;
            bool isNumber = false;
            int isRelative = group.values.value(QStringLiteral("IsRelative")).toInt(&isNumber);
            if (!isNumber)
                isRelative = 1;
            const QString folder = isRelative == 1 ? root + QLatin1Char('/') + path : path;
            if (isDir(folder))
                appendUnique(profiles, folder);
        }
    }
    if (!profiles.isEmpty())
        return profiles;
    for (const QString &base : { root, firefoxCacheRoot() }) {
        const QDir profilesDir(base + QStringLiteral("/Profiles"));
        if (!profilesDir.exists())
            continue;
        const QStringList names
            = profilesDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
        for (const QString &name : names)
            appendUnique(profiles, profilesDir.absoluteFilePath(name));
    }
    return profiles;
}

// The browser's own lock on its profile says it is in use; a process of one of its names running
// is the second signal (a browser whose lock lies elsewhere, or one that takes it late).
bool BrowserCleaner::isBrowserRunning(const BrowserInfo &info)
{
    const BrowserRow *row = rowFor(info.type);
    if (!row)
        return false;
    if (isChromiumFamily(info.type) || info.type == Constants::Opera) {
        if (BrowserLocks::chromiumInUse(info.dataPath)) {
            Logger::instance()->info(QStringLiteral("%1 has its profile folder locked").arg(info.name));
            return true;
        }
    } else if (info.type == Constants::Firefox) {
        const QStringList profiles = firefoxProfiles();
        for (const QString &profile : profiles) {
            if (BrowserLocks::firefoxInUse(profile)) {
                Logger::instance()->info(QStringLiteral("Firefox has the profile %1 open").arg(profile));
                return true;
            }
        }
    }
    const QStringList names = QString::fromLatin1(row->processNames).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        const ProcessRunner::Result check
            = ProcessRunner::run(QStringLiteral("pgrep"), { QStringLiteral("-x"), name }, kPgrepTimeoutMs);
        if (check.started && check.finished && check.exitCode == 1)
            continue;
        if (!check.succeeded())
            Logger::instance()->warning(QStringLiteral("Could not tell whether %1 is running").arg(info.name));
        return true;
    }
    return false;
}

QString BrowserCleaner::stableIdForType(Constants::BrowserType type)
{
    const BrowserRow *row = rowFor(type);
    return row ? QLatin1String(row->stableId) : QStringLiteral("unknown");
}

BrowserScanMode BrowserCleaner::scanModeForRule(const QString &ruleId)
{
    static const QSet<QString> wholeDirectoryRules = {
        QStringLiteral("cache"),
        QStringLiteral("code_cache"),
        QStringLiteral("gpu_cache"),
        QStringLiteral("shader_cache"),
        QStringLiteral("thumbnails"),
        QStringLiteral("service_worker"),
        QStringLiteral("crash_reports"),
        QStringLiteral("local_storage"),
        QStringLiteral("indexeddb"),
        QStringLiteral("blob_storage"),
        QStringLiteral("safe_browsing"),
    };
    return wholeDirectoryRules.contains(ruleId) ? BrowserScanMode::WholeDirectory : BrowserScanMode::TopLevelFiles;
}

void BrowserCleaner::doScan()
{
    Logger::instance()->info(QStringLiteral("Starting browser scan..."));
    // Every installed browser is scanned, so ticking one later shows its data without a new scan.
    m_withheld.clear();
    QList<BrowserInfo> toScan;
    for (const BrowserInfo &info : std::as_const(m_browsers)) {
        if (info.installed)
            toScan.append(info);
    }
    int scanned = 0;
    for (const BrowserInfo &info : std::as_const(toScan)) {
        if (isCancelled())
            return;
        ++scanned;
        reportScanProgress(scanned, toScan.size(), info.name, scanned == 1 || scanned == toScan.size());
        scanBrowser(info);
    }
    if (isCancelled()) {
        Logger::instance()->info(QStringLiteral("Browser scan cancelled"));
        return;
    }
    showOnlyEnabledBrowsers();
    m_result.scanTime = QDateTime::currentDateTime();
    Logger::instance()->info(QStringLiteral("Browser scan done. %1 items / %2")
                                 .arg(m_result.totalItemCount())
                                 .arg(CleanItem::logSize(m_result.totalSize())));
}

void BrowserCleaner::scanBrowser(const BrowserInfo &info)
{
    QStringList profiles;
    if (isChromiumFamily(info.type))
        profiles = chromiumProfiles(info);
    else if (info.type == Constants::Firefox)
        profiles = firefoxScanFolders();

    QStringList folderItems;
    QSet<QString> listed;
    for (const BrowserCleanRule &rule : std::as_const(m_rules)) {
        if (isCancelled())
            return;
        CleanCategory category = categoryFor(info, rule);
        if (info.type == Constants::Opera) {
            scanOperaProfile(info, rule, category);
        } else if (info.type == Constants::Safari) {
            scanSafariProfile(info, rule, category);
        } else if (info.type == Constants::Firefox) {
            scanFirefoxProfiles(profiles, rule, category);
        } else {
            for (const QString &profile : std::as_const(profiles)) {
                if (isCancelled())
                    break;
                scanChromiumProfile(profile, rule, category);
            }
        }
        scanBesideProfiles(info, profiles, rule, category);
        dropItemsListedBefore(folderItems, listed, category);
        if (isChromiumStyle(info.type))
            addChromiumRecords(
                info.type == Constants::Opera ? QStringList { info.dataPath } : profiles, rule, category);
        else if (info.type == Constants::Firefox && rule.id == QLatin1String("downloads"))
            addFirefoxDownloads(profiles, category);
        measureRecordClears(category);
        if (!category.items.isEmpty())
            m_result.categories.append(category);
    }
}

// What a browser keeps beside its profiles: the rule's data sub-path below Chromium's user-data
// folder or Firefox's folder, and on macOS a Chromium-style profile's twin below ~/Library/Caches
// (Chrome keeps its HTTP cache in ~/Library/Caches/Google/Chrome/Default/Cache).
void BrowserCleaner::scanBesideProfiles(
    const BrowserInfo &info, const QStringList &profiles, const BrowserCleanRule &rule, CleanCategory &category)
{
    const QString family = info.type == Constants::Opera ? QStringLiteral("Opera") : QStringLiteral("Chromium");
    if (info.type == Constants::Firefox) {
        if (!rule.firefoxDataSubPath.isEmpty() && !FileUtils::hasDotComponent(rule.firefoxDataSubPath))
            scanFirefoxTarget(
                firefoxRoot() + QLatin1Char('/') + rule.firefoxDataSubPath, rule, category, { QStringLiteral("*") });
        return;
    }
    if (!isChromiumStyle(info.type))
        return;
    if (!rule.dataSubPath.isEmpty() && !FileUtils::hasDotComponent(rule.dataSubPath)) {
        const QString path = info.dataPath + QLatin1Char('/') + rule.dataSubPath;
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            scanGuardedPath(path, rule, category, family);
    }
    if (info.cachePath.isEmpty() || rule.subPath.isEmpty() || FileUtils::hasDotComponent(rule.subPath))
        return;
    const QStringList owners = info.type == Constants::Opera ? QStringList { info.dataPath } : profiles;
    for (const QString &profile : owners) {
        const QString twin = info.type == Constants::Opera
            ? info.cachePath
            : info.cachePath + QLatin1Char('/') + QFileInfo(profile).fileName();
        const QString path = twin + QLatin1Char('/') + rule.subPath;
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            scanGuardedPath(path, rule, category, family);
    }
}

// Folders beside Firefox's profiles that a rule names are roots the cleaner may touch too.
void BrowserCleaner::addRuleRoots()
{
    for (const BrowserCleanRule &rule : std::as_const(m_rules)) {
        if (!rule.firefoxDataSubPath.isEmpty() && !FileUtils::hasDotComponent(rule.firefoxDataSubPath))
            appendUnique(m_allowedRoots, firefoxRoot() + QLatin1Char('/') + rule.firefoxDataSubPath);
    }
}

// The download list lives in the History database (which the history rule may list as a whole
// already) and again in the download database in shared_proto_db, from which Chromium puts it
// back into History; the download history item clears the one and removes the other. The form
// data item clears Web Data's autofill entries only.
void BrowserCleaner::addChromiumRecords(
    const QStringList &profiles, const BrowserCleanRule &rule, CleanCategory &category)
{
    if (rule.id == QLatin1String("downloads")) {
        for (const QString &profile : profiles) {
            const QString history = profile + QStringLiteral("/History");
            const QFileInfo historyInfo(history);
            const auto listed = [&history](const CleanItem &item) { return item.path == history; };
            if (std::none_of(category.items.cbegin(), category.items.cend(), listed) && !historyInfo.isSymLink()
                && historyInfo.isFile() && isPathSafe(history))
                addItem(category, history, 0, false);
            const QString protoDb = profile + QStringLiteral("/shared_proto_db");
            if (isPathSafe(protoDb))
                scanPath(protoDb, category, BrowserScanMode::WholeDirectory, { QStringLiteral("*") });
        }
    }
}

// Firefox keeps the download list in places.sqlite, beside the history: the download history item
// clears it there.
void BrowserCleaner::addFirefoxDownloads(const QStringList &profiles, CleanCategory &category)
{
    for (const QString &profile : profiles) {
        const QString places = profile + QStringLiteral("/places.sqlite");
        const QFileInfo info(places);
        if (!info.isSymLink() && info.isFile() && isPathSafe(places))
            addItem(category, places, 0, false);
    }
}

CleanCategory BrowserCleaner::categoryFor(const BrowserInfo &info, const BrowserCleanRule &rule) const
{
    CleanCategory category(stableIdForType(info.type) + QLatin1Char('_') + rule.id,
        info.name + QStringLiteral(" - ") + rule.name, QString());
    // The rule's description carries its warning ("requires re-login to all sites"), shown on the row.
    category.description = rule.description;
    category.ruleName = rule.name;
    category.checked = rule.defaultChecked;
    category.riskLevel = rule.riskLevel;
    return category;
}

void BrowserCleaner::scanChromiumProfile(
    const QString &profileDir, const BrowserCleanRule &rule, CleanCategory &category)
{
    scanChromiumFolder(profileDir, rule, category, QStringLiteral("Chromium"));
}

void BrowserCleaner::scanOperaProfile(const BrowserInfo &info, const BrowserCleanRule &rule, CleanCategory &category)
{
    scanChromiumFolder(info.dataPath, rule, category, QStringLiteral("Opera"));
}

// An empty sub-path names the profile folder itself: only its top-level files matching the
// rule's own names (Cookies, History, Web Data...) are listed, never the profile as one item.
// A name with a folder in front ("Sessions/Session_*") names files directly inside that folder
// of the profile.
void BrowserCleaner::scanChromiumFolder(
    const QString &profileDir, const BrowserCleanRule &rule, CleanCategory &category, const QString &family)
{
    if (!rule.subPath.isEmpty()) {
        scanGuardedPath(profileDir + QLatin1Char('/') + rule.subPath, rule, category, family);
        return;
    }
    if (rule.patterns.isEmpty() || !QFileInfo(profileDir).isDir())
        return;
    if (!isPathSafe(profileDir)) {
        Logger::instance()->warning(QStringLiteral("Blocked %1 path: %2").arg(family, profileDir));
        return;
    }
    QStringList folders;
    QHash<QString, QStringList> filters;
    for (const QString &pattern : rule.patterns) {
        const int slash = pattern.lastIndexOf(QLatin1Char('/'));
        const QString folder = slash < 0 ? QString() : pattern.left(slash);
        if (FileUtils::hasDotComponent(folder))
            continue;
        if (!filters.contains(folder))
            folders.append(folder);
        filters[folder].append(pattern.mid(slash + 1));
    }
    for (const QString &folder : std::as_const(folders)) {
        const QString path = folder.isEmpty() ? profileDir : profileDir + QLatin1Char('/') + folder;
        if (!folder.isEmpty() && !isPathSafe(path)) {
            Logger::instance()->warning(QStringLiteral("Blocked %1 path: %2").arg(family, path));
            continue;
        }
        scanPath(path, category, BrowserScanMode::TopLevelFiles, filters.value(folder));
    }
}

void BrowserCleaner::scanSafariProfile(const BrowserInfo &info, const BrowserCleanRule &rule, CleanCategory &category)
{
    const QHash<QString, QString> paths = {
        { QStringLiteral("cache"), info.cachePath },
        { QStringLiteral("history"), info.dataPath + QStringLiteral("/History.db") },
        { QStringLiteral("cookies"), cookiesFolder() + QStringLiteral("/Cookies.binarycookies") },
        { QStringLiteral("local_storage"), info.dataPath + QStringLiteral("/LocalStorage") },
        { QStringLiteral("databases"), info.dataPath + QStringLiteral("/Databases") },
        { QStringLiteral("thumbnails"), info.dataPath + QStringLiteral("/touch_icon_cache_server") },
    };
    const QString path = paths.value(rule.id);
    if (!path.isEmpty())
        scanGuardedPath(path, rule, category, QStringLiteral("Safari"));
}

void BrowserCleaner::scanFirefoxProfiles(
    const QStringList &profileDirs, const BrowserCleanRule &rule, CleanCategory &category)
{
    for (const QString &profile : profileDirs) {
        if (isCancelled())
            return;
        scanFirefoxProfile(profile, rule, category);
    }
}

void BrowserCleaner::scanFirefoxProfile(
    const QString &profileDir, const BrowserCleanRule &rule, CleanCategory &category)
{
    if (rule.id == QLatin1String("history")) {
        scanFirefoxHistory(profileDir, category);
        return;
    }
    // Rows of places.sqlite, added with the other records a rule clears inside a database.
    if (rule.id == QLatin1String("downloads"))
        return;
    const QString storageClient = firefoxStorageClient(rule.id);
    if (!storageClient.isEmpty()) {
        scanFirefoxSiteStorage(profileDir, rule, storageClient, category);
        return;
    }
    const QString backups = profileDir + QStringLiteral("/sessionstore-backups");
    if (rule.id == QLatin1String("session") && isDir(backups))
        scanFirefoxTarget(backups, rule, category, { QStringLiteral("*") });
    const QString target = firefoxTarget(profileDir, rule);
    if (!target.isEmpty())
        scanFirefoxTarget(
            target, rule, category, rule.firefoxPatterns.isEmpty() ? rule.patterns : rule.firefoxPatterns);
}

// Firefox keeps each site's data in storage/default/<origin>/, one folder per kind of storage:
// "ls" local storage, "idb" IndexedDB, "cache" the service workers' cache. Each rule takes its
// own kind from every site, so that one can go without the others; local storage also takes the
// databases an older Firefox kept it in, which a newer one reads back into the sites' folders.
void BrowserCleaner::scanFirefoxSiteStorage(
    const QString &profileDir, const BrowserCleanRule &rule, const QString &client, CleanCategory &category)
{
    const QString storage = profileDir + QStringLiteral("/storage/default");
    if (rule.id == QLatin1String("local_storage")) {
        for (const QString &name :
            { QStringLiteral("webappsstore.sqlite"), QStringLiteral("storage/ls-archive.sqlite") })
            scanFirefoxTarget(profileDir + QLatin1Char('/') + name, rule, category, { QStringLiteral("*") });
    }
    const QFileInfo storageInfo(storage);
    if (storageInfo.isSymLink() || !storageInfo.isDir())
        return;
    if (!isPathSafe(storage)) {
        Logger::instance()->warning(QStringLiteral("Blocked Firefox path: ") + storage);
        return;
    }
    const QStringList origins
        = QDir(storage).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
    for (const QString &origin : origins) {
        if (isCancelled())
            return;
        const QString folder = storage + QLatin1Char('/') + origin + QLatin1Char('/') + client;
        if (QFileInfo(folder).isDir())
            scanPath(folder, category, BrowserScanMode::WholeDirectory, { QStringLiteral("*") });
    }
}

// The history lives in places.sqlite together with the bookmarks; it is one item, the database
// with its -wal and -shm companions, and it is cleared inside the database, never deleted. Its
// size is what clearing would free, not the whole database, and unknown when the database cannot
// be read.
void BrowserCleaner::scanFirefoxHistory(const QString &profileDir, CleanCategory &category)
{
    const QString database = profileDir + QStringLiteral("/places.sqlite");
    const QFileInfo info(database);
    if (info.isSymLink() || !info.isFile())
        return;
    if (!isPathSafe(database)) {
        Logger::instance()->warning(QStringLiteral("Blocked Firefox path: ") + database);
        return;
    }
    // Measured by clearing a copy: the pages a clean frees, read without touching the profile.
    const SqliteFiles::ClearingEstimate history
        = SqliteFiles::estimateClearing(database, FirefoxPlaces::requiredTables(), [](const QString &copy) {
              // The copy is the program's own, in a folder of its own.
              const QString folder = QFileInfo(copy).path();
              return FirefoxPlaces::clearHistory(PinnedRoot::open(folder, folder), copy).ok;
          });
    // An empty or table-less places.sqlite (Firefox makes a new one at its next start) has no
    // history a clean could clear.
    if (history.status == SqliteFiles::ClearingEstimate::NothingToClear) {
        Logger::instance()->info(QStringLiteral("No history to clear in %1: not a places database").arg(database));
        return;
    }
    const bool known = history.status == SqliteFiles::ClearingEstimate::Measured;
    if (!known)
        Logger::instance()->warning(
            QStringLiteral("Cannot tell what clearing the history in %1 would free").arg(database));
    addItem(category, database, known ? history.bytes : CleanItem::UnknownSize, false);
}

void BrowserCleaner::scanFirefoxTarget(
    const QString &target, const BrowserCleanRule &rule, CleanCategory &category, const QStringList &patterns)
{
    if (!QFileInfo::exists(target) && !QFileInfo(target).isSymLink())
        return;
    if (!isPathSafe(target)) {
        Logger::instance()->warning(QStringLiteral("Blocked Firefox path: ") + target);
        return;
    }
    scanFirefoxPath(target, rule, category, patterns);
}

void BrowserCleaner::scanFirefoxPath(
    const QString &path, const BrowserCleanRule &rule, CleanCategory &category, const QStringList &patterns)
{
    QStringList filters = patterns;
    if (filters.isEmpty())
        filters = rule.firefoxPatterns;
    if (filters.isEmpty())
        filters = rule.patterns;
    if (filters.isEmpty())
        filters = defaultFirefoxFilters(rule.id);
    scanPath(path, category, scanModeForRule(rule.id), filters);
}

void BrowserCleaner::scanGuardedPath(
    const QString &path, const BrowserCleanRule &rule, CleanCategory &category, const QString &family)
{
    if (!isPathSafe(path)) {
        Logger::instance()->warning(QStringLiteral("Blocked %1 path: %2").arg(family, path));
        return;
    }
    const QStringList filters = rule.patterns.isEmpty() ? QStringList { QStringLiteral("*") } : rule.patterns;
    scanPath(path, category, scanModeForRule(rule.id), filters);
}

// Links never become items: a folder item is measured and deleted as a folder of its own.
void BrowserCleaner::scanPath(
    const QString &path, CleanCategory &category, BrowserScanMode mode, const QStringList &nameFilters)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return;
    if (info.isFile()) {
        addFileItem(category, path);
        return;
    }
    if (!info.isDir())
        return;
    if (isMountPoint(path)) {
        Logger::instance()->info(QStringLiteral("Skipping %1: another volume is mounted there").arg(path));
        return;
    }
    if (mode == BrowserScanMode::WholeDirectory) {
        const qint64 size = FileUtils::calculateDirSize(path);
        if (size >= 1)
            addItem(category, path, size, true);
        return;
    }
    const QStringList files = FileUtils::findFiles(path, nameFilters, false);
    for (const QString &file : files) {
        if (isCancelled())
            return;
        addFileItem(category, file);
    }
}

QStringList BrowserCleaner::chromiumProfiles(const BrowserInfo &info) const
{
    QStringList profiles = { info.dataPath + QStringLiteral("/Default") };
    const QDir data(info.dataPath);
    const QStringList names = data.entryList(
        { QStringLiteral("Profile *") }, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QString &name : names)
        profiles.append(info.dataPath + QLatin1Char('/') + name);
    return profiles;
}

// Firefox keeps a profile's disposable data (cache2 above all) in a twin folder below the cache
// root; the profiles.ini entries name only the folders below the data root.
QStringList BrowserCleaner::firefoxScanFolders() const
{
    const QString root = firefoxRoot() + QLatin1Char('/');
    QStringList folders;
    const QStringList profiles = firefoxProfiles();
    for (const QString &profile : profiles) {
        appendUnique(folders, profile);
        const QString cleaned = QDir::cleanPath(profile);
        if (!cleaned.startsWith(root))
            continue;
        const QString twin = firefoxCacheRoot() + QLatin1Char('/') + cleaned.mid(root.size());
        if (isDir(twin))
            appendUnique(folders, twin);
    }
    return folders;
}

// The browsers a clean may touch now: enabled ones that are not running. The running ones are
// left alone and named in *skipped; the others are cleaned.
QSet<QString> BrowserCleaner::browsersToClean(QString *skipped) const
{
    QSet<QString> cleanable;
    QStringList running;
    for (const BrowserInfo &info : std::as_const(m_browsers)) {
        if (!isBrowserEnabled(info.type))
            continue;
        if (isBrowserRunning(info))
            running.append(info.name);
        else
            cleanable.insert(stableIdForType(info.type));
    }
    if (!running.isEmpty()) {
        const QString message = tr("These browsers are running and were skipped; close them to clean them:\n%1")
                                    .arg(running.join(QLatin1Char('\n')));
        Logger::instance()->warning(message);
        *skipped = message;
    }
    return cleanable;
}

// The unticked browsers' data is found too: it is still theirs, not the junk's.
QSet<QString> BrowserCleaner::foundPaths() const
{
    QSet<QString> paths = CleanEngine::foundPaths();
    for (const CleanCategory &category : m_withheld) {
        for (const CleanItem &item : category.items)
            paths.insert(item.path);
    }
    return paths;
}

bool BrowserCleaner::categoryOfBrowserIn(const CleanCategory &category, const QSet<QString> &browsers)
{
    return std::any_of(browsers.cbegin(), browsers.cend(),
        [&category](const QString &id) { return category.id.startsWith(id + QLatin1Char('_')); });
}

CleanEngine::CleanOutcome BrowserCleaner::doClean()
{
    Logger::instance()->info(QStringLiteral("Starting browser clean..."));
    QString skipped;
    const QSet<QString> cleanable = browsersToClean(&skipped);

    const int total = m_result.selectedItemCount();
    int processed = 0;
    int cleaned = 0;
    int failed = 0;
    qint64 freed = 0;
    // Two rules can reach the same path (Firefox's GPU and shader caches).
    QSet<QString> removedPaths;
    QHash<QString, QString> failures;
    QHash<QString, qint64> remainingSizes;
    const auto outcome = [&] {
        CleanOutcome done(freed, cleaned, skipped, removedPaths, failures);
        done.remainingSizes = remainingSizes;
        return done;
    };
    const QList<PinnedRoot> roots = pinnedRoots();
    for (const CleanCategory &category : std::as_const(m_result.categories)) {
        if (!category.checked || !categoryOfBrowserIn(category, cleanable))
            continue;
        for (const CleanItem &item : category.items) {
            if (isCancelled())
                return outcome();
            if (!item.checked)
                continue;
            if (item.path.isEmpty() || !isPathSafe(item.path)) {
                Logger::instance()->error(QStringLiteral("Refused unsafe delete: ") + item.path);
                failures.insert(item.path, tr("outside the browsers' folders"));
                ++failed;
                continue;
            }
            ++processed;
            reportCleanProgress(processed, total, freed, processed == 1 || processed == total);
            if (removedPaths.contains(item.path) && rowClearFor(category, item.path) == RowClear::None)
                continue;
            if (isKeptByOther(item.path)) {
                Logger::instance()->info(QStringLiteral("Left, unticked on another page: ") + item.path);
                continue;
            }
            qint64 itemFreed = 0;
            QString failure;
            QSet<QString> removedBelow;
            if (removeItem(roots, category, item, &itemFreed, &failure, &removedBelow)) {
                freed += itemFreed;
                ++cleaned;
                // A folder emptied around kept files stays, and so does its item.
                if (!item.isDirectory || keptBelow(item.path).isEmpty()) {
                    removedPaths.insert(item.path);
                } else {
                    removedPaths.unite(removedBelow);
                    remainingSizes.insert(item.path, FileUtils::calculateDirSize(item.path));
                }
                failures.remove(item.path);
            } else {
                Logger::instance()->warning(QStringLiteral("Failed: ") + item.path);
                failures.insert(item.path, failure);
                ++failed;
            }
        }
    }
    Logger::instance()->info(QStringLiteral("Browser clean done. %1 items / %2 / failed %3")
                                 .arg(cleaned)
                                 .arg(CleanItem::logSize(freed))
                                 .arg(failed));
    return outcome();
}

// The allowed roots, each pinned inside the home for the whole clean: items are removed relative
// to them, so a profile folder swapped for a link meanwhile stops its items instead of leading
// the removal elsewhere.
QList<PinnedRoot> BrowserCleaner::pinnedRoots() const
{
    QList<PinnedRoot> roots;
    for (const QString &path : m_allowedRoots) {
        const PinnedRoot root = PinnedRoot::open(path, QDir::homePath());
        if (root.isOpen())
            roots.append(root);
        else if (root.status() == PinnedRoot::Refused)
            Logger::instance()->warning(QStringLiteral("Refusing to clean in %1: %2").arg(path, root.reason()));
    }
    return roots;
}

bool BrowserCleaner::removeItem(const QList<PinnedRoot> &roots, const CleanCategory &category, const CleanItem &item,
    qint64 *freed, QString *failure, QSet<QString> *removedBelow) const
{
    // The deepest root holding the item: its path is checked as written, no link resolved. An
    // item that is a root itself (Safari's cache folder) is removed from the root's folder.
    const PinnedRoot *root = nullptr;
    PinnedRoot parentOfRoot;
    for (const PinnedRoot &candidate : roots) {
        if (item.path.startsWith(candidate.path() + QLatin1Char('/'))
            && (!root || candidate.path().size() > root->path().size()))
            root = &candidate;
    }
    if (!root
        && std::any_of(roots.cbegin(), roots.cend(), [&](const PinnedRoot &r) { return r.path() == item.path; })) {
        parentOfRoot = PinnedRoot::open(QFileInfo(item.path).absolutePath(), QDir::homePath());
        if (parentOfRoot.isOpen())
            root = &parentOfRoot;
    }
    if (!root) {
        Logger::instance()->warning(
            QStringLiteral("Refusing to remove %1: outside the browsers' folders").arg(item.path));
        *failure = tr("outside the browsers' folders");
        return false;
    }
    if (category.id == firefoxHistoryCategoryId()) {
        // Cleared inside the database reached from the root, never deleted.
        const qint64 before = SqliteFiles::allocatedSize(item.path);
        const FirefoxPlaces::ClearResult cleared = FirefoxPlaces::clearHistory(*root, item.path);
        *freed = qMax<qint64>(0, before - SqliteFiles::allocatedSize(item.path));
        if (!cleared.ok)
            *failure = tr("the history could not be cleared");
        return cleared.ok;
    }
    const RowClear rows = rowClearFor(category, item.path);
    if (rows != RowClear::None) {
        // Removed as a whole by the history rule just before: nothing of it is left to clear.
        if (!QFileInfo::exists(item.path) && !QFileInfo(item.path).isSymLink()) {
            *freed = 0;
            return true;
        }
        const qint64 before = SqliteFiles::allocatedSize(item.path);
        const bool ok = clearRows(rows, *root, item.path);
        *freed = qMax<qint64>(0, before - SqliteFiles::allocatedSize(item.path));
        if (!ok)
            *failure = tr("the records could not be cleared");
        return ok;
    }
    *freed = item.size;
    if (!item.isDirectory) {
        if (SqliteFiles::remove(*root, item.path))
            return true;
        *failure = tr("it could not be removed");
        return false;
    }
    const QSet<QString> kept = keptBelow(item.path);
    if (!kept.isEmpty()) {
        // Measured now: an earlier clean may have emptied the folder around the same kept files.
        const qint64 before = FileUtils::calculateDirSize(item.path);
        const KeepingRemoval::Outcome outcome = KeepingRemoval::removeKeeping(*root, item.path, kept);
        Logger::instance()->info(
            QStringLiteral("Emptied %1 except %2 entries unticked on another page").arg(item.path).arg(kept.size()));
        if (!outcome.complete) {
            Logger::instance()->warning(QStringLiteral("Cannot remove all of %1: %2").arg(item.path, outcome.reason));
            *failure = outcome.shownReason.isEmpty() ? tr("it could not be removed") : outcome.shownReason;
            return false;
        }
        *freed = qMax<qint64>(0, before - FileUtils::calculateDirSize(item.path));
        *removedBelow = outcome.removed;
        return true;
    }
    const FileUtils::Removal removal = FileUtils::removeUnder(*root, item.path, FileUtils::Expect::Folder);
    if (!removal.removed() && !removal.reason.isEmpty())
        Logger::instance()->warning(QStringLiteral("Cannot remove %1: %2").arg(item.path, removal.reason));
    if (!removal.removed())
        *failure = removal.shownReason.isEmpty() ? tr("it could not be removed") : removal.shownReason;
    return removal.removed();
}
