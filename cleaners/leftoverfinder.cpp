#include "leftoverfinder.h"

#include "launchagentplist.h"
#include "startupmanager.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <iterator>

namespace {

using Match = LeftoverFinder::Match;

// A Library folder and how the identifier and the name select entries in it. An entry both
// keys reach is listed once, as an identifier match.
struct Location
{
    const char *folder;
    Match byIdentifier;
    bool searchByName;
    Match byName;
};

constexpr Location locations[] = {
    { "Library/Preferences", Match::Prefix, true, Match::Prefix },
    { "Library/Application Support", Match::Prefix, true, Match::Prefix },
    { "Library/Caches", Match::Prefix, true, Match::Prefix },
    { "Library/Logs", Match::Prefix, true, Match::Prefix },
    { "Library/Containers", Match::Exact, false, Match::Exact },
    { "Library/Group Containers", Match::Within, false, Match::Exact },
    { "Library/Saved Application State", Match::SavedState, true, Match::SavedState },
    { "Library/Cookies", Match::Prefix, true, Match::Prefix },
    { "Library/WebKit", Match::Prefix, false, Match::Exact },
    { "Library/HTTPStorages", Match::Prefix, false, Match::Exact },
    { "Library/LaunchAgents", Match::Prefix, false, Match::Exact },
};

const QString applePrefix = QStringLiteral("com.apple.");

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber();
}

bool boundaryAfter(const QString &text, qsizetype end)
{
    return end == text.size() || !isWordCharacter(text.at(end));
}

bool boundaryBefore(const QString &text, qsizetype start)
{
    return start == 0 || !isWordCharacter(text.at(start - 1));
}

QString canonicalKey(const QString &path)
{
    return QFileInfo(path).canonicalFilePath().toLower();
}

} // namespace

LeftoverFinder::LeftoverFinder(const QString &homePath, const QList<Installed> &installed)
    : m_home(homePath)
    , m_installed(installed)
{
}

bool LeftoverFinder::matches(const QString &entryName, const QString &key, Match match)
{
    if (key.isEmpty())
        return false;
    switch (match) {
    case Match::Exact:
        return entryName.compare(key, Qt::CaseInsensitive) == 0;
    case Match::SavedState:
        return entryName.compare(key + QStringLiteral(".savedState"), Qt::CaseInsensitive) == 0;
    case Match::Prefix:
        return entryName.startsWith(key, Qt::CaseInsensitive) && boundaryAfter(entryName, key.size());
    case Match::Within:
        for (qsizetype at = entryName.indexOf(key, 0, Qt::CaseInsensitive); at >= 0;
             at = entryName.indexOf(key, at + 1, Qt::CaseInsensitive)) {
            if (boundaryBefore(entryName, at) && boundaryAfter(entryName, at + key.size()))
                return true;
        }
        return false;
    }
    return false;
}

bool LeftoverFinder::isUsableIdentifier(const QString &bundleId)
{
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+){2,}$"));
    return shape.match(bundleId).hasMatch();
}

QStringList LeftoverFinder::locationFolders()
{
    QStringList folders;
    for (const Location &location : locations)
        folders.append(QLatin1String(location.folder));
    return folders;
}

QString LeftoverFinder::launchAgentsFolder()
{
    return QLatin1String(locations[std::size(locations) - 1].folder);
}

QList<LeftoverItem> LeftoverFinder::find(const QString &bundlePath, const QString &bundleId, const QString &name)
{
    const bool useIdentifier = isUsableIdentifier(bundleId);
    const bool ownIsApple = useIdentifier && bundleId.startsWith(applePrefix, Qt::CaseInsensitive);
    bool sharedIdentifier = false;
    bool sharedWithSystem = bundleId.startsWith(applePrefix, Qt::CaseInsensitive);
    for (const Installed &other : std::as_const(m_installed)) {
        if (other.path != bundlePath && other.bundleId.compare(bundleId, Qt::CaseInsensitive) == 0) {
            sharedIdentifier = true;
            sharedWithSystem = sharedWithSystem || other.system;
        }
    }
    const QString bundleKey = canonicalKey(bundlePath);

    QList<LeftoverItem> found;
    QStringList seen;
    for (int index = 0; index < int(std::size(locations)); ++index) {
        const Location &location = locations[index];
        const QString folder = QDir(m_home).filePath(QLatin1String(location.folder));
        for (const QString &entry : entriesOf(folder)) {
            const bool byIdentifier = useIdentifier && matches(entry, bundleId, location.byIdentifier);
            const bool byName = location.searchByName && matches(entry, name, location.byName);
            if (!byIdentifier && !byName)
                continue;
            if (!ownIsApple && entry.contains(applePrefix, Qt::CaseInsensitive))
                continue;
            const int ownKeyLength = int(byIdentifier ? qMax(bundleId.size(), byName ? name.size() : 0) : name.size());
            if (claimedByAnother(entry, index, bundlePath, ownKeyLength))
                continue;
            const QString path = folder + QLatin1Char('/') + entry;
            if (seen.contains(path) || canonicalKey(path) == bundleKey)
                continue;
            seen.append(path);
            LeftoverItem item;
            item.path = path;
            item.reason = byIdentifier ? LeftoverItem::Reason::BundleIdentifier : LeftoverItem::Reason::Name;
            item.selected = byIdentifier && !sharedIdentifier && !sharedWithSystem;
            item.sharedWithSystem = byIdentifier && sharedWithSystem;
            found.append(item);
        }
    }
    // The login items this program made for the application start it by its path, whatever
    // their label says: they go with it.
    const QString agents = QDir(m_home).filePath(launchAgentsFolder());
    for (const QString &entry : entriesOf(agents)) {
        if (!entry.startsWith(StartupManager::OwnLabelPrefix) || !entry.endsWith(QStringLiteral(".plist")))
            continue;
        const QString path = agents + QLatin1Char('/') + entry;
        if (seen.contains(path))
            continue;
        const QString program = LaunchAgentPlist::read(path).program;
        if (program.isEmpty())
            continue;
        const QString programKey = canonicalKey(program);
        if (programKey.isEmpty() || (programKey != bundleKey && !programKey.startsWith(bundleKey + QLatin1Char('/'))))
            continue;
        seen.append(path);
        found.append(LeftoverItem(path, 0, true, LeftoverItem::Reason::BundleIdentifier));
    }
    return found;
}

const QStringList &LeftoverFinder::entriesOf(const QString &folder)
{
    auto known = m_listings.find(folder);
    if (known == m_listings.end()) {
        // Hidden entries are not listed; System keeps links whose target is gone.
        const QStringList entries = QDir(folder).entryList(
            QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        known = m_listings.insert(folder, entries);
    }
    return *known;
}

bool LeftoverFinder::claimedByAnother(
    const QString &entryName, int location, const QString &bundlePath, int ownKeyLength) const
{
    const Location &where = locations[location];
    for (const Installed &other : m_installed) {
        if (other.path == bundlePath)
            continue;
        if (other.bundleId.size() > ownKeyLength && isUsableIdentifier(other.bundleId)
            && matches(entryName, other.bundleId, where.byIdentifier))
            return true;
        if (where.searchByName && other.name.size() > ownKeyLength && matches(entryName, other.name, where.byName))
            return true;
    }
    return false;
}
