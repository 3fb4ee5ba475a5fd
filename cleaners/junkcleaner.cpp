#include "junkcleaner.h"

#include "core/logger.h"
#include "core/fileutils.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Clean progress is reported at most this often, so a clean of many thousand files does not
// flood the interface's event loop.
constexpr qint64 progressIntervalMs = 50;

QStringList stringList(const QJsonValue &value)
{
    QStringList list;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &element : array)
        list.append(element.toString());
    return list;
}

// True when a recursive walk of earlier already lists everything below later.
bool coveredBy(const QString &later, const QString &earlier)
{
    if (later == earlier)
        return true;
    if (!later.startsWith(earlier + QLatin1Char('/')))
        return false;
    const QStringList below = later.mid(earlier.size() + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return std::none_of(
        below.cbegin(), below.cend(), [](const QString &part) { return part.startsWith(QLatin1Char('.')); });
}

// Two paths of one rule reach the same files only when one lies inside the other once links
// are resolved (below its path a walk never follows links).
bool mayOverlap(const QStringList &roots)
{
    for (qsizetype i = 0; i < roots.size(); ++i) {
        for (qsizetype j = i + 1; j < roots.size(); ++j) {
            if (FileUtils::isInside(roots.at(i), roots.at(j)) || FileUtils::isInside(roots.at(j), roots.at(i)))
                return true;
        }
    }
    return false;
}

void removeDuplicatePaths(QList<CleanItem> &items)
{
    QSet<QString> seen;
    seen.reserve(items.size());
    QList<CleanItem> unique;
    unique.reserve(items.size());
    for (const CleanItem &item : std::as_const(items)) {
        if (seen.contains(item.path))
            continue;
        seen.insert(item.path);
        unique.append(item);
    }
    items = unique;
}

// Tells whether a clean may remove a path: it must be one of the folders or files a rule
// expanded to, or lie in a folder inside one once links in that folder's path are resolved.
// The entry itself is not resolved: a link is removed as a link, whatever it points at.
class RuleBoundary
{
public:
    explicit RuleBoundary(const QStringList &roots)
        : m_roots(roots)
    {
    }

    bool allows(const QString &path)
    {
        const QFileInfo entry(path);
        const QString name = entry.fileName();
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            return false;
        if (m_roots.contains(QDir::cleanPath(path)))
            return true;
        const QString folder = entry.absolutePath();
        const auto known = m_folders.constFind(folder);
        if (known != m_folders.cend())
            return known.value();
        const bool inside = std::any_of(
            m_roots.cbegin(), m_roots.cend(), [&](const QString &root) { return FileUtils::isInside(folder, root); });
        m_folders.insert(folder, inside);
        return inside;
    }

private:
    QStringList m_roots;
    // Verdicts per folder: the items of one folder share them.
    QHash<QString, bool> m_folders;
};

// The length of the deepest of roots holding path (or being it), 0 when none does.
qsizetype closestRootLength(const QString &path, const QStringList &roots)
{
    qsizetype best = 0;
    for (const QString &root : roots) {
        if (root.size() > best && (path == root || (path.startsWith(root) && path.at(root.size()) == QLatin1Char('/'))))
            best = root.size();
    }
    return best;
}

} // namespace

// Rules overlap (the caches folder holds QuickLook's, Safari's and pip's caches): a file belongs
// to the one rule whose folder holds it most closely, the earlier rule on a tie, so each file
// is listed, counted and chosen in one category only. Items then go largest first.
void JunkCleaner::keepEachFileInItsClosestRule()
{
    QHash<QString, QStringList> rootsById;
    for (const JunkRule &rule : std::as_const(m_rules)) {
        QStringList &roots = rootsById[rule.id];
        for (const QString &path : rule.paths) {
            const QString root = expandPath(path);
            if (!root.isEmpty())
                roots.append(root);
        }
    }
    struct Owner
    {
        qsizetype rootLength;
        qsizetype category;
    };
    QList<CleanCategory> &categories = m_result.categories;
    QHash<QString, Owner> owners;
    for (qsizetype index = 0; index < categories.size(); ++index) {
        const QStringList &roots = rootsById.value(categories.at(index).id);
        for (const CleanItem &item : std::as_const(categories.at(index).items)) {
            const qsizetype length = closestRootLength(item.path, roots);
            const auto known = owners.find(item.path);
            if (known == owners.end())
                owners.insert(item.path, { length, index });
            else if (length > known->rootLength)
                *known = { length, index };
        }
    }
    for (qsizetype index = 0; index < categories.size(); ++index) {
        QList<CleanItem> &items = categories[index].items;
        items.erase(std::remove_if(items.begin(), items.end(),
                        [&](const CleanItem &item) { return owners.value(item.path).category != index; }),
            items.end());
        std::stable_sort(
            items.begin(), items.end(), [](const CleanItem &a, const CleanItem &b) { return a.size > b.size; });
    }
    categories.erase(std::remove_if(categories.begin(), categories.end(),
                         [](const CleanCategory &category) { return category.items.isEmpty(); }),
        categories.end());
}

JunkCleaner::JunkCleaner(QObject *parent)
    : CleanEngine(parent)
    , m_listing([this] { return isCancelled(); })
{
}

JunkCleaner::~JunkCleaner()
{
    stopWorker();
}

QList<JunkRule> JunkCleaner::rules() const
{
    return m_rules;
}

void JunkCleaner::loadRules(const QString &path)
{
    qDebug() << "[JunkCleaner] ========== Loading Rules ==========";
    qDebug() << "[JunkCleaner] Path:" << path;
    qDebug() << "[JunkCleaner] File exists:" << (QFile::exists(path) ? "true" : "false");

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Logger::instance()->error(QStringLiteral("Failed to load junk rules: ") + path);
        qDebug() << "[JunkCleaner] ✗ Open failed:" << file.errorString();
        return;
    }
    QByteArray bytes = file.readAll();
    file.close();
    qDebug() << "[JunkCleaner] File size:" << bytes.size() << "bytes";

    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
        qDebug() << "[JunkCleaner] Removed UTF-8 BOM";
    }
    qDebug() << "[JunkCleaner] First 100 chars:" << QString::fromUtf8(bytes.left(100));

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        Logger::instance()->error(QStringLiteral("JSON parse error: ") + parseError.errorString());
        qDebug() << "[JunkCleaner] ✗ Parse error:" << parseError.errorString();
        qDebug() << "[JunkCleaner] Error at offset:" << parseError.offset;
        return;
    }
    if (!document.isObject()) {
        Logger::instance()->error(QStringLiteral("Invalid junk rules format"));
        qDebug() << "[JunkCleaner] ✗ Document is not an object!";
        return;
    }
    qDebug() << "[JunkCleaner] ✓ JSON parsed successfully";
    m_rules.clear();

    const QJsonArray rules = document.object().value(QLatin1String("rules")).toArray();
    qDebug() << "[JunkCleaner] Rules array count:" << rules.size();
    for (const QJsonValue &rule : rules)
        m_rules.append(ruleFromJson(rule.toObject()));

    Logger::instance()->info(QStringLiteral("Loaded %1 junk rules").arg(m_rules.size()));
    qDebug() << "[JunkCleaner] ✓ Loaded" << m_rules.size() << "rules successfully";
    qDebug() << "[JunkCleaner] ========================================";
}

JunkRule JunkCleaner::ruleFromJson(const QJsonObject &object)
{
    JunkRule rule;
    rule.id = object.value(QLatin1String("id")).toString();
    rule.name = object.value(QLatin1String("name")).toString();
    rule.description = object.value(QLatin1String("description")).toString();
    rule.defaultChecked = object.value(QLatin1String("defaultChecked")).toBool(true);
    rule.riskLevel = object.value(QLatin1String("riskLevel")).toInt(0);
    rule.recursive = object.value(QLatin1String("recursive")).toBool(true);
    rule.topLevelEntries = object.value(QLatin1String("topLevelEntries")).toBool(false);
    rule.paths = stringList(object.value(QLatin1String("paths")));
    rule.patterns = stringList(object.value(QLatin1String("patterns")));
    return rule;
}

void JunkCleaner::doScan()
{
    Logger::instance()->info(QStringLiteral("Starting junk scan..."));
    m_listing.clear();
    const int total = m_rules.size();
    int counter = 1;
    for (const JunkRule &rule : std::as_const(m_rules)) {
        if (isCancelled()) {
            m_listing.clear();
            setState(Cancelled);
            return;
        }
        emit scanProgress(counter, total, rule.name);
        scanCategory(rule);
        ++counter;
    }
    m_listing.clear();
    keepEachFileInItsClosestRule();
    m_result.scanTime = QDateTime::currentDateTime();
    const ScanResult::Totals totals = m_result.totals();
    Logger::instance()->info(QStringLiteral("Junk scan finished. Found %1 items, %2")
                                 .arg(totals.count)
                                 .arg(CleanItem::formatSize(totals.size)));
}

void JunkCleaner::scanCategory(const JunkRule &rule)
{
    CleanCategory category(rule.id, rule.name, QString());
    category.description = rule.description;
    category.checked = rule.defaultChecked;
    category.riskLevel = rule.riskLevel;

    QStringList walkedRecursively;
    QStringList contributingRoots;
    for (const QString &rulePath : rule.paths) {
        const QString path = expandPath(rulePath);
        if (isCancelled())
            return;
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        const int before = category.items.size();
        if (info.isDir()) {
            const bool covered = std::any_of(walkedRecursively.cbegin(), walkedRecursively.cend(),
                [&](const QString &earlier) { return coveredBy(path, earlier); });
            if (covered)
                continue;
            if (rule.topLevelEntries)
                listTopLevelEntries(path, category.items);
            else
                scanDirectory(path, rule.patterns, category.items, rule.recursive);
            if (rule.recursive)
                walkedRecursively.append(path);
            if (isSharedFolder(path))
                keepOwnFiles(category.items, before);
        } else if (info.isFile() && !info.isSymLink()) {
            CleanItem item(info.fileName(), path, info.size());
            item.checked = rule.defaultChecked;
            item.riskLevel = rule.riskLevel;
            category.items.append(item);
        }
        if (category.items.size() > before)
            contributingRoots.append(path);
    }
    if (isCancelled())
        return;
    if (mayOverlap(contributingRoots))
        removeDuplicatePaths(category.items);
    if (!category.items.isEmpty())
        m_result.categories.append(category);
}

QString JunkCleaner::expandPath(const QString &path)
{
    const QString home = QDir::homePath();
    QString expanded = path;
    expanded.replace(QLatin1String("%TEMP%"), QDir::tempPath(), Qt::CaseInsensitive);
    expanded.replace(QLatin1String("%LOCALAPPDATA%"), home + QLatin1String("/Library/Caches"), Qt::CaseInsensitive);
    expanded.replace(
        QLatin1String("%APPDATA%"), home + QLatin1String("/Library/Application Support"), Qt::CaseInsensitive);
    expanded.replace(QLatin1String("%USERPROFILE%"), home, Qt::CaseInsensitive);
    expanded.replace(QLatin1String("%PROGRAMDATA%"), QLatin1String("/Library"), Qt::CaseInsensitive);
    for (const char *windowsOnly : { "%WINDIR%", "%SYSTEMROOT%", "%SYSTEMDRIVE%" }) {
        if (expanded.contains(QLatin1String(windowsOnly), Qt::CaseInsensitive))
            return QString();
    }
    expanded.replace(QLatin1String("%LOGS%"), home + QLatin1String("/Library/Logs"), Qt::CaseInsensitive);
    expanded.replace(QLatin1String("%CACHES%"), home + QLatin1String("/Library/Caches"), Qt::CaseInsensitive);
    if (expanded.isEmpty())
        return expanded;
    return QDir::cleanPath(QDir::toNativeSeparators(expanded));
}

void JunkCleaner::scanDirectory(
    const QString &dir, const QStringList &patterns, QList<CleanItem> &items, bool recursive)
{
    if (!QFileInfo(dir).isDir())
        return;
    const QStringList filters = patterns.isEmpty() ? QStringList { QStringLiteral("*") } : patterns;
    m_listing.list(dir, filters, recursive, items);
}

// The Trash is emptied entry by entry: each visible file at its top level is an item, and each
// folder there is one item, removed whole.
void JunkCleaner::listTopLevelEntries(const QString &dir, QList<CleanItem> &items)
{
    const QFileInfoList entries = QDir(dir).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (isCancelled())
            return;
        if (entry.isSymLink() || !(entry.isFile() || entry.isDir()))
            continue;
        CleanItem item(entry.fileName(), entry.filePath(), entry.isDir() ? FileUtils::calculateDirSize(entry.filePath()) : entry.size());
        item.isDirectory = entry.isDir();
        items.append(item);
    }
}

// A folder others may write to (the temporary folder where TMPDIR is not the user's own).
bool JunkCleaner::isSharedFolder(const QString &dir)
{
    struct stat info;
    return ::lstat(QFile::encodeName(dir).constData(), &info) == 0 && (info.st_mode & S_IWOTH);
}

// Leaves in items, from index first on, only the files the user owns.
void JunkCleaner::keepOwnFiles(QList<CleanItem> &items, qsizetype first)
{
    const uid_t user = ::geteuid();
    const auto foreign = [user](const CleanItem &item) {
        struct stat info;
        return ::lstat(QFile::encodeName(item.path).constData(), &info) != 0 || info.st_uid != user;
    };
    items.erase(std::remove_if(items.begin() + first, items.end(), foreign), items.end());
}

QStringList JunkCleaner::allowedRoots(const QString &categoryId) const
{
    QStringList roots;
    for (const JunkRule &rule : m_rules) {
        if (rule.id != categoryId)
            continue;
        for (const QString &path : rule.paths) {
            const QString root = expandPath(path);
            if (!root.isEmpty())
                roots.append(root);
        }
    }
    return roots;
}

void JunkCleaner::doClean()
{
    Logger::instance()->info(QStringLiteral("Starting junk clean..."));
    const int total = m_result.selectedItemCount();
    qint64 cleanedBytes = 0;
    int cleanedCount = 0;
    int failedCount = 0;
    int counter = 0;
    // Two categories can list one path; it is deleted and counted once.
    QSet<QString> handled;
    QElapsedTimer sinceProgress;
    sinceProgress.start();

    auto finish = [&](State state) {
        setState(state);
        emit cleanFinished(cleanedBytes, cleanedCount);
        const QString summary = state == Cancelled
            ? QStringLiteral("Junk clean cancelled. Cleaned %1 items, %2. Failed: %3 items")
            : QStringLiteral("Junk clean finished. Cleaned %1 items, %2. Failed: %3 items");
        Logger::instance()->info(summary.arg(cleanedCount).arg(CleanItem::formatSize(cleanedBytes)).arg(failedCount));
    };

    for (const CleanCategory &category : std::as_const(m_result.categories)) {
        if (!category.checked)
            continue;
        RuleBoundary boundary(allowedRoots(category.id));
        for (const CleanItem &item : category.items) {
            if (isCancelled()) {
                finish(Cancelled);
                return;
            }
            if (!item.checked || handled.contains(item.path))
                continue;
            handled.insert(item.path);
            ++counter;
            if (counter == 1 || counter == total || sinceProgress.elapsed() >= progressIntervalMs) {
                emit cleanProgress(counter, total, cleanedBytes);
                sinceProgress.restart();
            }
            if (!boundary.allows(item.path)) {
                Logger::instance()->warning(QStringLiteral("Refusing to remove %1: outside the folders of rule %2")
                                                .arg(item.path, category.id));
                ++failedCount;
                continue;
            }
            if (deleteFileOrDir(item)) {
                cleanedBytes += item.size;
                ++cleanedCount;
            } else {
                ++failedCount;
            }
        }
    }
    finish(Finished);
}

bool JunkCleaner::deleteFileOrDir(const CleanItem &item)
{
    const QString &path = item.path;
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        Logger::instance()->warning(QStringLiteral("File not found: %1").arg(path));
        return false;
    }
    const bool isFolder = S_ISDIR(info.st_mode);
    if (item.isDirectory) {
        if (!isFolder || !FileUtils::deleteDirectory(path)) {
            Logger::instance()->warning(QStringLiteral("Failed to remove directory: %1").arg(path));
            return false;
        }
        return true;
    }
    // A folder found where a file was listed is not what the user chose: it is left alone.
    if (isFolder) {
        Logger::instance()->warning(
            QStringLiteral("Failed to remove file: %1 - %2").arg(path, QStringLiteral("Is a directory")));
        return false;
    }
    if (!FileUtils::deleteFile(path)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        Logger::instance()->warning(QStringLiteral("Failed to remove file: %1 - %2").arg(path, reason));
        return false;
    }
    return true;
}
