#include "junkcleaner.h"

#include "cleaners/browsercleaner.h"
#include "core/logger.h"
#include "core/fileutils.h"
#include "core/pinnedroot.h"
#include "core/platform.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

namespace {

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

// The roots a clean of one category may remove inside, each pinned once: a rule folder is pinned
// itself; a rule path naming a file pins its folder and allows that one file. A root leading
// out of its base (a link in the home pointing elsewhere) is refused when pinned.
class RuleRoots
{
public:
    template<typename RulePaths> explicit RuleRoots(const RulePaths &paths)
    {
        for (const auto &rulePath : paths) {
            const QByteArray path = QFile::encodeName(rulePath.path);
            struct stat info;
            if (::lstat(path.constData(), &info) != 0)
                continue;
            if (S_ISDIR(info.st_mode)) {
                m_roots.append({ PinnedRoot::open(rulePath.path, rulePath.base), QString() });
            } else {
                const QFileInfo file(rulePath.path);
                m_roots.append({ PinnedRoot::open(file.absolutePath(), rulePath.base), rulePath.path });
            }
            const Root &root = m_roots.last();
            if (root.pinned.status() == PinnedRoot::Refused)
                Logger::instance()->warning(
                    QStringLiteral("Refusing to clean in %1: %2").arg(rulePath.path, root.pinned.reason()));
        }
    }

    // The open root path lies below (or, for a file rule, is); null when there is none.
    const PinnedRoot *rootFor(const QString &path) const
    {
        for (const Root &root : m_roots) {
            if (!root.pinned.isOpen())
                continue;
            if (!root.onlyFile.isEmpty() ? path == root.onlyFile
                                         : path.startsWith(root.pinned.path() + QLatin1Char('/')))
                return &root.pinned;
        }
        return nullptr;
    }

private:
    struct Root
    {
        PinnedRoot pinned;
        QString onlyFile;
    };

    QList<Root> m_roots;
};

// path is folder or lies below it, compared as text. The "/" after the folder is looked at first:
// most paths fail there, before their long common beginning is compared.
bool isBelowOrAt(const QString &path, const QString &folder)
{
    if (path.size() == folder.size())
        return path == folder;
    return path.size() > folder.size() && path.at(folder.size()) == QLatin1Char('/') && path.startsWith(folder);
}

// The length of the deepest of roots holding path (or being it), 0 when none does.
qsizetype closestRootLength(const QString &path, const QStringList &roots)
{
    qsizetype best = 0;
    for (const QString &root : roots) {
        if (root.size() > best && isBelowOrAt(path, root))
            best = root.size();
    }
    return best;
}

// Removes what the clean listed, relative to its pinned root; every refusal and failure is
// logged. A folder found where a file was listed is not what the user chose: it is left alone.
FileUtils::Removal removeItem(const PinnedRoot &root, const CleanItem &item)
{
    const FileUtils::Removal removal = FileUtils::removeUnder(
        root, item.path, item.isDirectory ? FileUtils::Expect::Folder : FileUtils::Expect::File);
    switch (removal.status) {
    case FileUtils::Removal::Removed:
        break;
    case FileUtils::Removal::Missing:
        Logger::instance()->warning(QStringLiteral("File not found: %1").arg(item.path));
        break;
    case FileUtils::Removal::Refused:
        Logger::instance()->warning((item.isDirectory ? QStringLiteral("Failed to remove directory: %1 - refused: %2")
                                                      : QStringLiteral("Failed to remove file: %1 - refused: %2"))
                                        .arg(item.path, removal.reason));
        break;
    case FileUtils::Removal::Failed:
        Logger::instance()->warning((item.isDirectory ? QStringLiteral("Failed to remove directory: %1 - %2")
                                                      : QStringLiteral("Failed to remove file: %1 - %2"))
                                        .arg(item.path, removal.reason));
        break;
    }
    return removal;
}

} // namespace

// Rules overlap (the caches folder holds QuickLook's, Safari's and pip's caches): a file belongs
// to the one rule whose folder holds it most closely, the earlier rule on a tie, so each file
// is listed, counted and chosen in one category only. Items then go largest first.
//
// Only a file below another rule's folder can be listed twice, so only those files are looked
// up, in the listings of the rules whose folders lie inside this one's: the tens of thousands
// of files of the caches folder cost a comparison of a few prefixes each, not a hash.
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
    QList<CleanCategory> &categories = m_result.categories;
    const qsizetype count = categories.size();
    QList<QStringList> roots(count);
    for (qsizetype index = 0; index < count; ++index)
        roots[index] = rootsById.value(categories.at(index).id);

    // The paths each category lists, made only for the categories some other one has to ask.
    QList<QSet<QStringView>> listed(count);
    const auto listing = [&](qsizetype index) -> const QSet<QStringView> & {
        QSet<QStringView> &paths = listed[index];
        if (paths.isEmpty()) {
            paths.reserve(categories.at(index).items.size());
            for (const CleanItem &item : categories.at(index).items)
                paths.insert(item.path);
        }
        return paths;
    };
    // Decided for every category first: the sets look into items that must stay until then.
    QList<QList<bool>> leaves(count);
    for (qsizetype index = 0; index < count; ++index) {
        const QList<RootOfRule> inside = rootsInside(roots, index);
        const QList<RootOfRule> all = rootsInside(roots, index, true);
        const QList<CleanItem> &items = categories.at(index).items;
        QList<bool> &gone = leaves[index];
        gone.resize(items.size());
        for (qsizetype item = 0; item < items.size(); ++item) {
            const QString &path = items.at(item).path;
            const qsizetype length = closestRootLength(path, roots.at(index));
            // A file below none of its rule's folders as written is compared with every rule.
            for (const RootOfRule &other : length == 0 ? all : inside) {
                const bool closer
                    = other.root.size() > length || (other.root.size() == length && other.category < index);
                if (closer && isBelowOrAt(path, other.root) && listing(other.category).contains(path)) {
                    gone[item] = true;
                    break;
                }
            }
        }
    }
    for (qsizetype index = 0; index < count; ++index) {
        QList<CleanItem> &items = categories[index].items;
        const QList<bool> &gone = leaves.at(index);
        if (gone.contains(true)) {
            qsizetype kept = 0;
            for (qsizetype item = 0; item < items.size(); ++item) {
                if (!gone.at(item))
                    items[kept++] = std::move(items[item]);
            }
            items.resize(kept);
        }
        // Sorted in place: a stable sort would copy the list aside.
        std::sort(items.begin(), items.end(), [](const CleanItem &a, const CleanItem &b) { return a.size > b.size; });
    }
    categories.erase(std::remove_if(categories.begin(), categories.end(),
                         [](const CleanCategory &category) { return category.items.isEmpty(); }),
        categories.end());
}

// The folders of the other categories that lie in (or are) one of this category's folders; with
// all, every folder of the other categories.
QList<JunkCleaner::RootOfRule> JunkCleaner::rootsInside(const QList<QStringList> &roots, qsizetype category, bool all)
{
    QList<RootOfRule> found;
    for (qsizetype other = 0; other < roots.size(); ++other) {
        if (other == category)
            continue;
        for (const QString &root : roots.at(other)) {
            const bool inside = all
                || std::any_of(roots.at(category).cbegin(), roots.at(category).cend(),
                    [&](const QString &own) { return isBelowOrAt(root, own); });
            if (inside)
                found.append({ root, other });
        }
    }
    return found;
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
    rule.platforms = stringList(object.value(QLatin1String("platforms")));
    if (rule.platforms.isEmpty())
        rule.platforms = QStringList { QStringLiteral("macos") };
    return rule;
}

void JunkCleaner::doScan()
{
    Logger::instance()->info(QStringLiteral("Starting junk scan..."));
    m_listing.clear();
    // The rules of another platform are neither walked nor named in the progress.
    QList<JunkRule> rulesHere;
    std::copy_if(m_rules.cbegin(), m_rules.cend(), std::back_inserter(rulesHere), appliesHere);
    const int total = rulesHere.size();
    int counter = 1;
    for (const JunkRule &rule : std::as_const(rulesHere)) {
        if (isCancelled()) {
            m_listing.clear();
            Logger::instance()->info(QStringLiteral("Junk scan cancelled"));
            return;
        }
        reportScanProgress(counter, total, rule.name, counter == 1 || counter == total);
        // After the first report, so the page shows the scan under way during the longest walks.
        if (counter == 1)
            listWholeFoldersAhead();
        scanCategory(rule);
        ++counter;
    }
    m_result.unreadableFolders = m_listing.unreadableFolders();
    if (!m_result.unreadableFolders.isEmpty())
        Logger::instance()->warning(
            QStringLiteral("Junk scan could not read %1 folders").arg(m_result.unreadableFolders.size()));
    m_listing.clear();
    if (isCancelled()) {
        Logger::instance()->info(QStringLiteral("Junk scan cancelled"));
        return;
    }
    keepEachFileInItsClosestRule();
    m_result.scanTime = QDateTime::currentDateTime();
    m_result.eachPathOnce = true;
    const ScanResult::Totals totals = m_result.totals();
    Logger::instance()->info(QStringLiteral("Junk scan finished. Found %1 items, %2")
                                 .arg(totals.count)
                                 .arg(CleanItem::logSize(totals.size)));
}

void JunkCleaner::scanCategory(const JunkRule &rule)
{
    CleanCategory category(rule.id, rule.name, QString());
    category.description = rule.description;
    category.ruleName = rule.name;
    category.checked = rule.defaultChecked;
    category.riskLevel = rule.riskLevel;

    QStringList walkedRecursively;
    QStringList contributingRoots;
    for (const QString &rulePathText : rule.paths) {
        const RulePath rulePath = expandRulePath(rulePathText);
        const QString &path = rulePath.path;
        if (isCancelled())
            return;
        if (path.isEmpty())
            continue;
        struct stat info;
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            continue;
        const int before = category.items.size();
        if (S_ISDIR(info.st_mode)) {
            const bool covered = std::any_of(walkedRecursively.cbegin(), walkedRecursively.cend(),
                [&](const QString &earlier) { return coveredBy(path, earlier); });
            if (covered)
                continue;
            if (rule.topLevelEntries)
                listTopLevelEntries(path, category.items);
            else
                scanFolder(rulePath, rule.patterns, category.items, rule.recursive);
            if (rule.recursive)
                walkedRecursively.append(path);
            if (isSharedFolder(path))
                keepOwnFiles(category.items, before);
        } else if (S_ISREG(info.st_mode)) {
            const RuleRoots roots(QList<RulePath> { rulePath });
            if (!roots.rootFor(path))
                continue;
            CleanItem item(path, FileUtils::allocatedSize(info));
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
    // What each variable stands for here, in the order they are replaced; an empty folder
    // means the path is no place on this system (Windows, or outside the home on Linux).
    const QString home = QDir::homePath();
    const QList<QPair<QLatin1String, QString>> folders {
        { QLatin1String("%TEMP%"), Platform::temporaryFolder() },
        { QLatin1String("%LOCALAPPDATA%"), Platform::cachesFolder() },
        { QLatin1String("%APPDATA%"), Platform::applicationDataFolder() },
        { QLatin1String("%USERPROFILE%"), home },
        { QLatin1String("%PROGRAMDATA%"), Platform::sharedDataFolder() },
        { QLatin1String("%WINDIR%"), QString() },
        { QLatin1String("%SYSTEMROOT%"), QString() },
        { QLatin1String("%SYSTEMDRIVE%"), QString() },
        { QLatin1String("%LOGS%"), Platform::logsFolder() },
        { QLatin1String("%CACHES%"), Platform::cachesFolder() },
        { QLatin1String("%CONFIG%"), Platform::configFolder() },
    };
    QString expanded = path;
    for (const auto &[variable, folder] : folders) {
        if (!expanded.contains(variable, Qt::CaseInsensitive))
            continue;
        if (folder.isEmpty())
            return QString();
        expanded.replace(variable, folder, Qt::CaseInsensitive);
    }
    if (expanded.isEmpty())
        return expanded;
    return QDir::cleanPath(QDir::toNativeSeparators(expanded));
}

bool JunkCleaner::appliesHere(const JunkRule &rule)
{
    if (!rule.platforms.contains(Platform::identifier()))
        return false;
    return std::any_of(rule.paths.cbegin(), rule.paths.cend(),
        [](const QString &path) { return !path.contains(QLatin1Char('\\')) && !expandPath(path).isEmpty(); });
}

JunkCleaner::RulePath JunkCleaner::expandRulePath(const QString &path)
{
    RulePath expanded { FileUtils::withoutRepeatedSlashes(expandPath(path)), QDir::homePath() };
    if (path.startsWith(QLatin1String("%TEMP%"), Qt::CaseInsensitive))
        expanded.base = Platform::temporaryFolder();
    else if (path.startsWith(QLatin1String("%PROGRAMDATA%"), Qt::CaseInsensitive))
        expanded.base = Platform::sharedDataFolder();
    return expanded;
}

// The folders rules list whole (every file at every depth) are walked first, side by side, the
// outermost of them only: every rule inside one is then answered from its listing instead of
// reading the same files again, and the largest walks share the processor's cores.
void JunkCleaner::listWholeFoldersAhead()
{
    QList<RulePath> folders;
    for (const JunkRule &rule : std::as_const(m_rules)) {
        if (!appliesHere(rule))
            continue;
        const bool whole = rule.recursive && !rule.topLevelEntries
            && (rule.patterns.isEmpty() || rule.patterns.contains(QLatin1String("*")));
        for (const QString &path : rule.paths) {
            const RulePath folder = expandRulePath(path);
            if (whole && !folder.path.isEmpty())
                folders.append(folder);
        }
    }
    QList<PinnedRoot> roots;
    QStringList listed;
    for (const RulePath &folder : std::as_const(folders)) {
        const bool inner = std::any_of(folders.cbegin(), folders.cend(),
            [&](const RulePath &outer) { return outer.path != folder.path && isBelowOrAt(folder.path, outer.path); });
        if (inner || listed.contains(folder.path))
            continue;
        listed.append(folder.path);
        const PinnedRoot root = PinnedRoot::open(folder.path, folder.base);
        if (root.isOpen())
            roots.append(root);
    }
    m_listing.listAhead(roots, std::clamp(QThread::idealThreadCount(), 1, 4));
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
        CleanItem item(entry.filePath(), FileUtils::getFileSize(entry.filePath()));
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

// A rule folder that is a link is skipped like a link to a file: the folder is pinned inside its
// base, so neither a link there nor one swapped in later leads the walk elsewhere.
void JunkCleaner::scanFolder(
    const RulePath &folder, const QStringList &patterns, QList<CleanItem> &items, bool recursive)
{
    const PinnedRoot root = PinnedRoot::open(folder.path, folder.base);
    if (root.status() == PinnedRoot::Refused) {
        Logger::instance()->warning(QStringLiteral("Skipping %1: %2").arg(folder.path, root.reason()));
        return;
    }
    const QStringList filters = patterns.isEmpty() ? QStringList { QStringLiteral("*") } : patterns;
    m_listing.list(root, filters, recursive, items);
}

QList<JunkCleaner::RulePath> JunkCleaner::allowedRoots(const QString &categoryId) const
{
    QList<RulePath> roots;
    for (const JunkRule &rule : m_rules) {
        if (rule.id != categoryId)
            continue;
        for (const QString &path : rule.paths) {
            const RulePath root = expandRulePath(path);
            if (!root.path.isEmpty())
                roots.append(root);
        }
    }
    return roots;
}

namespace {

// The caches Chrome, Edge, Opera and Brave keep below ~/Library/Caches are the caches rule's
// too, but a running browser's cache is in use: the junk clean leaves it, with the browser
// page's own check (the browser's lock on its profiles, then its process names), asked once per
// browser and only for a browser whose cache holds a selected item.
class RunningBrowserCaches
{
public:
    RunningBrowserCaches()
        : m_browsers(BrowserCleaner::chromiumStyleBrowsers())
    {
    }

    // The name of the running browser whose cache folder holds path; empty when there is none.
    QString runningBrowserHolding(const QString &path)
    {
        for (qsizetype i = 0; i < m_browsers.size(); ++i) {
            const BrowserInfo &browser = m_browsers.at(i);
            if (browser.cachePath.isEmpty() || !path.startsWith(browser.cachePath + QLatin1Char('/')))
                continue;
            if (!m_running.contains(i)) {
                const bool running = BrowserCleaner::isBrowserRunning(browser);
                m_running.insert(i, running);
                if (running)
                    m_names.append(browser.name);
            }
            return m_running.value(i) ? browser.name : QString();
        }
        return QString();
    }

    // The running browsers whose caches were left, for the clean's outcome; empty when none.
    QString message() const
    {
        if (m_names.isEmpty())
            return QString();
        return JunkCleaner::tr("These browsers are running, so their caches were left; close them to clean them:\n%1")
            .arg(m_names.join(QLatin1Char('\n')));
    }

private:
    const QList<BrowserInfo> m_browsers;
    QHash<qsizetype, bool> m_running;
    QStringList m_names;
};

} // namespace

CleanEngine::CleanOutcome JunkCleaner::doClean()
{
    Logger::instance()->info(QStringLiteral("Starting junk clean..."));
    const int total = m_result.selectedItemCount();
    qint64 cleanedBytes = 0;
    int cleanedCount = 0;
    int failedCount = 0;
    int counter = 0;
    // Two categories can list one path; it is deleted and counted once.
    QSet<QString> handled;
    // What is no longer on the disk (removed, or gone already), and what stays with its reason.
    QSet<QString> gone;
    QHash<QString, QString> failures;
    RunningBrowserCaches browsers;

    auto finish = [&] {
        const QString summary = isCancelled()
            ? QStringLiteral("Junk clean cancelled. Cleaned %1 items, %2. Failed: %3 items")
            : QStringLiteral("Junk clean finished. Cleaned %1 items, %2. Failed: %3 items");
        Logger::instance()->info(summary.arg(cleanedCount).arg(CleanItem::logSize(cleanedBytes)).arg(failedCount));
        const QString skipped = browsers.message();
        if (!skipped.isEmpty())
            Logger::instance()->warning(skipped);
        return CleanOutcome { cleanedBytes, cleanedCount, skipped, gone, failures };
    };

    for (const CleanCategory &category : std::as_const(m_result.categories)) {
        if (!category.checked)
            continue;
        const RuleRoots roots(allowedRoots(category.id));
        for (const CleanItem &item : category.items) {
            if (isCancelled())
                return finish();
            if (!item.checked || handled.contains(item.path))
                continue;
            handled.insert(item.path);
            if (isKeptByOther(item.path)) {
                Logger::instance()->info(QStringLiteral("Left, unticked on another page: ") + item.path);
                continue;
            }
            const QString browser = browsers.runningBrowserHolding(item.path);
            if (!browser.isEmpty()) {
                Logger::instance()->info(QStringLiteral("Left, %1 is running: %2").arg(browser, item.path));
                continue;
            }
            ++counter;
            reportCleanProgress(counter, total, cleanedBytes, counter == 1 || counter == total);
            const PinnedRoot *root = roots.rootFor(item.path);
            if (!root) {
                Logger::instance()->warning(QStringLiteral("Refusing to remove %1: outside the folders of rule %2")
                                                .arg(item.path, category.id));
                failures.insert(item.path, tr("outside the folders of its rule"));
                ++failedCount;
                continue;
            }
            const FileUtils::Removal removal = removeItem(*root, item);
            if (removal.removed()) {
                cleanedBytes += item.size;
                ++cleanedCount;
                gone.insert(item.path);
            } else if (removal.status == FileUtils::Removal::Missing) {
                // Not this clean's doing, so not counted; but nothing of it is left to offer.
                ++failedCount;
                gone.insert(item.path);
            } else {
                ++failedCount;
                failures.insert(item.path, removal.shownReason);
            }
        }
    }
    return finish();
}
