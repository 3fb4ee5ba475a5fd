#include "startupmanager.h"

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/pinnedroot.h"
#include "core/platform.h"
#include "core/processrunner.h"
#include "core/propertylist.h"
#include "core/removals.h"
#include "launchagentplist.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

const QString StartupManager::OwnLabelPrefix = QStringLiteral("com.sweepnook.startup.");

namespace {

// Safety nets for a hung tool, generous enough that a busy machine never turns a late answer
// into a failure (id's would give another launchd domain).
constexpr int IdTimeoutMs = 30000;
constexpr int LaunchctlTimeoutMs = 30000;

const QString openTool = QStringLiteral("/usr/bin/open");
const QString ownAppName = QStringLiteral("Sweepnook");

using Collections = StartupManager::Collections;
using Progress = std::function<void(const QString &)>;

Logger *log()
{
    return Logger::instance();
}

// Keeps the characters a label may hold: ASCII letters, digits, dot, underscore, hyphen.
QString cleanLabelPart(const QString &text)
{
    static const QRegularExpression notAllowed(QStringLiteral("[^a-zA-Z0-9._-]"));
    QString cleaned = text;
    return cleaned.remove(notAllowed);
}

QString extractFromInfoPlist(const QString &bundlePath, const QString &key)
{
    return PropertyList::string(PropertyList::readDictionary(bundlePath + QStringLiteral("/Contents/Info.plist")), key)
        .trimmed();
}

bool launchctl(const QStringList &arguments)
{
    return ProcessRunner::run(QStringLiteral("launchctl"), arguments, LaunchctlTimeoutMs).succeeded();
}

// The user's agents, or the machine's agents and daemons, of one folder. Items whose agent
// names a bundle by identifier are noted in identifiers (item index -> identifier).
void scanAgentFolder(const QString &folder, StartupSource source, Collections &found, QHash<int, QString> &identifiers,
    LongJob::Run &run)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    const QFileInfoList files = dir.entryInfoList({ QStringLiteral("*.plist") }, QDir::Files, QDir::Name);
    for (const QFileInfo &file : files) {
        if (run.isCancelled())
            return;
        const QString plistPath = file.absoluteFilePath();
        const LaunchAgentProgram program = LaunchAgentPlist::read(plistPath);
        if (program.isEmpty()) {
            log()->info(QStringLiteral("Skipped (unparseable): ") + plistPath);
            continue;
        }
        StartupItem item;
        item.id = file.completeBaseName();
        item.isOwn = source == StartupSource::LaunchAgent && StartupManager::isOwnPlist(item.id);
        item.name = item.isOwn ? item.id.mid(StartupManager::OwnLabelPrefix.size()) : item.id;
        item.programPath = program.program;
        item.plistPath = plistPath;
        item.source = source;
        item.disabled = program.disabled;
        if (!program.bundleIdentifier.isEmpty()) {
            identifiers.insert(found.items.size(), program.bundleIdentifier);
            item.programPath = program.bundleIdentifier;
        }
        log()->info(QStringLiteral("LaunchAgent: %1 → %2 [ours=%3]")
                        .arg(item.id, item.programPath, item.isOwn ? QStringLiteral("1") : QStringLiteral("0")));
        found.items.append(item);
    }
}

void addBundle(const QString &bundlePath, Collections &found, QSet<QString> &knownExecutables)
{
    InstalledApp app;
    app.bundlePath = bundlePath;
    app.name = QFileInfo(bundlePath).fileName().section(QLatin1Char('.'), 0, 0);
    QString executable = StartupManager::bundleExecutable(bundlePath);
    if (executable.isEmpty())
        executable = app.name;
    const QString macOsFolder = bundlePath + QStringLiteral("/Contents/MacOS");
    app.exePath = macOsFolder + QLatin1Char('/') + executable;
    if (executable.isEmpty() || !QFileInfo::exists(app.exePath)) {
        const QFileInfoList candidates = QDir(macOsFolder).entryInfoList(QDir::Files | QDir::Executable, QDir::Name);
        if (candidates.isEmpty())
            return;
        app.exePath = candidates.first().absoluteFilePath();
    }
    const QString key = StartupManager::normalizePath(app.exePath);
    if (knownExecutables.contains(key))
        return;
    knownExecutables.insert(key);
    found.apps.append(app);
}

// The bundles of an Applications folder and of its sub-folders (Utilities, vendor folders).
void scanApplicationFolder(const QString &folder, Collections &found, QSet<QString> &knownExecutables,
    LongJob::Run &run, const Progress &progress)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    progress(StartupManager::tr("Scanning %1...").arg(folder));
    const QFileInfoList entries = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (run.isCancelled())
            return;
        if (entry.fileName().endsWith(QLatin1String(".app"), Qt::CaseInsensitive)) {
            addBundle(entry.absoluteFilePath(), found, knownExecutables);
            continue;
        }
        if (entry.isSymLink())
            continue;
        const QFileInfoList bundles
            = QDir(entry.absoluteFilePath())
                  .entryInfoList({ QStringLiteral("*.app") }, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &bundle : bundles) {
            if (run.isCancelled())
                return;
            addBundle(bundle.absoluteFilePath(), found, knownExecutables);
        }
    }
}

// Turns "open -b <identifier>" and "open -a <name>" into the bundle they start, marks
// programs that no longer exist, and builds the startup index from the enabled agents.
void resolvePrograms(Collections &found, const QHash<int, QString> &identifiers, LongJob::Run &run)
{
    QHash<QString, QString> bundleOfIdentifier;
    if (!identifiers.isEmpty()) {
        for (const InstalledApp &app : std::as_const(found.apps)) {
            if (run.isCancelled())
                return;
            const QString identifier = StartupManager::bundleIdentifier(app.bundlePath);
            if (!identifier.isEmpty() && !bundleOfIdentifier.contains(identifier.toLower()))
                bundleOfIdentifier.insert(identifier.toLower(), app.bundlePath);
        }
    }
    for (int i = 0; i < found.items.size(); ++i) {
        StartupItem &item = found.items[i];
        if (identifiers.contains(i)) {
            const QString bundle = bundleOfIdentifier.value(identifiers.value(i).toLower());
            item.programMissing = bundle.isEmpty();
            if (!bundle.isEmpty())
                item.programPath = bundle;
        } else if (QDir::isAbsolutePath(item.programPath)) {
            item.programMissing = !QFileInfo::exists(item.programPath);
        } else {
            for (const InstalledApp &app : std::as_const(found.apps)) {
                const QString bundleName = QFileInfo(app.bundlePath).fileName();
                if (app.name.compare(item.programPath, Qt::CaseInsensitive) == 0
                    || bundleName.compare(item.programPath, Qt::CaseInsensitive) == 0) {
                    item.programPath = app.bundlePath;
                    break;
                }
            }
        }
        if (!item.disabled)
            found.index.insert(StartupManager::normalizePath(item.programPath), item.id);
    }
}

Collections scanAll(const StartupLocations &locations, LongJob::Run &run, const Progress &progress)
{
    Collections found;
    QHash<int, QString> identifiers;
    progress(StartupManager::tr("Scanning startup items..."));
    scanAgentFolder(locations.userAgents, StartupSource::LaunchAgent, found, identifiers, run);
    for (const QString &folder : locations.systemAgentFolders)
        scanAgentFolder(folder, StartupSource::System, found, identifiers, run);

    progress(StartupManager::tr("Scanning installed applications..."));
    QSet<QString> knownExecutables;
    for (const QString &folder : locations.applicationFolders)
        scanApplicationFolder(folder, found, knownExecutables, run, progress);

    resolvePrograms(found, identifiers, run);
    for (InstalledApp &app : found.apps)
        app.inStartup = false;
    return found;
}

bool isInIndex(const QMap<QString, QString> &index, const QString &normalizedPath)
{
    if (index.contains(normalizedPath))
        return true;
    const int contents = normalizedPath.indexOf(QLatin1String("/contents/"));
    return contents > 0 && index.contains(normalizedPath.left(contents));
}

} // namespace

StartupLocations StartupLocations::defaults()
{
    const QString home = QDir::homePath();
    StartupLocations locations;
    locations.userAgents = home + QStringLiteral("/Library/LaunchAgents");
    locations.systemAgentFolders
        = { QStringLiteral("/Library/LaunchAgents"), QStringLiteral("/Library/LaunchDaemons") };
    locations.applicationFolders = Platform::applicationFolders();
    return locations;
}

StartupManager::StartupManager(QObject *parent)
    : StartupManager(StartupLocations::defaults(), parent)
{
}

StartupManager::StartupManager(const StartupLocations &locations, QObject *parent)
    : QObject(parent)
    , m_locations(locations)
{
}

StartupManager::~StartupManager() = default;

const StartupLocations &StartupManager::locations() const
{
    return m_locations;
}

void StartupManager::setLocations(const StartupLocations &locations)
{
    m_locations = locations;
}

void StartupManager::refresh()
{
    auto found = std::make_shared<Collections>();
    const StartupLocations locations = m_locations;
    m_job.start(
        [this, found, locations](LongJob::Run &run) {
            const Progress progress = [this, &run](const QString &message) {
                run.report([this, message] { emit progressChanged(message); }, true);
            };
            *found = scanAll(locations, run, progress);
            if (!run.isCancelled())
                log()->info(QStringLiteral("StartupManager: %1 startup items, %2 apps")
                                .arg(found->items.size())
                                .arg(found->apps.size()));
        },
        [this, found](bool cancelled) {
            if (!cancelled)
                m_collections = std::move(*found);
            const bool dropped = dropRemoved(std::exchange(m_forgotten, {}));
            if (!cancelled || dropped) {
                updateInStartup();
                emit listsChanged();
            }
            emit refreshFinished(cancelled);
        });
}

void StartupManager::forgetRemoved(const QSet<QString> &paths)
{
    if (m_job.isBusy()) {
        m_forgotten.unite(paths);
        return;
    }
    if (!dropRemoved(paths))
        return;
    updateInStartup();
    emit listsChanged();
}

bool StartupManager::dropRemoved(const QSet<QString> &removed)
{
    if (removed.isEmpty())
        return false;
    QSet<QString> goneIds;
    const qsizetype items = m_collections.items.removeIf([&](const StartupItem &item) {
        if (!Removals::covers(removed, item.plistPath))
            return false;
        goneIds.insert(item.id);
        return true;
    });
    const qsizetype apps = m_collections.apps.removeIf([&](const InstalledApp &app) {
        return Removals::covers(removed, app.bundlePath) || Removals::covers(removed, app.exePath);
    });
    for (const StartupItem &item : std::as_const(m_collections.items))
        goneIds.remove(item.id);
    for (auto entry = m_collections.index.begin(); entry != m_collections.index.end();) {
        if (goneIds.contains(entry.value()))
            entry = m_collections.index.erase(entry);
        else
            ++entry;
    }
    return items > 0 || apps > 0;
}

void StartupManager::cancel()
{
    m_job.cancel();
}

bool StartupManager::isScanning() const
{
    return m_job.isBusy();
}

QList<StartupItem> StartupManager::items() const
{
    return m_collections.items;
}

QList<InstalledApp> StartupManager::apps() const
{
    return m_collections.apps;
}

bool StartupManager::isInStartup(const QString &normalizedPath) const
{
    return isInIndex(m_collections.index, normalizedPath);
}

bool StartupManager::startsAlready(const InstalledApp &app) const
{
    if (m_collections.index.contains(normalizePath(app.exePath))) {
        log()->info(QStringLiteral("Already in startup: ") + app.name);
        return true;
    }
    if (!app.bundlePath.isEmpty() && m_collections.index.contains(normalizePath(app.bundlePath))) {
        log()->info(QStringLiteral("Already in startup (bundle): ") + app.name);
        return true;
    }
    return false;
}

void StartupManager::startAddApp(const InstalledApp &app)
{
    if (startsAlready(app)) {
        queueChange(ChangeKind::Add, app.name, [] {
            Change change;
            change.ok = true;
            return change;
        });
        return;
    }
    queueChange(ChangeKind::Add, app.name, [this, app] { return addChange(app); });
}

void StartupManager::startSetStartupEnabled(const StartupItem &item, bool enable)
{
    queueChange(enable ? ChangeKind::Enable : ChangeKind::Remove, item.name,
        [this, item, enable] { return enableChange(item, enable); });
}

void StartupManager::startSetStartAtLogin(bool on)
{
    const InstalledApp self = runningApplication();
    queueChange(on ? ChangeKind::StartAtLogin : ChangeKind::StopAtLogin, self.name,
        [this, on, self] { return startAtLoginChange(on, self); });
}

bool StartupManager::isChanging() const
{
    return !m_pendingChanges.isEmpty() || m_changeJob.isBusy();
}

bool StartupManager::addAppToStartup(const InstalledApp &app)
{
    return startsAlready(app) || apply(addChange(app));
}

bool StartupManager::setStartupEnabled(const StartupItem &item, bool enable)
{
    return apply(enableChange(item, enable));
}

bool StartupManager::setStartAtLogin(bool on)
{
    return apply(startAtLoginChange(on, runningApplication()));
}

void StartupManager::queueChange(ChangeKind kind, const QString &name, ChangeWork work)
{
    m_pendingChanges.append({ kind, name, std::move(work) });
    if (!m_changeJob.isBusy())
        startNextChange();
}

void StartupManager::startNextChange()
{
    if (m_pendingChanges.isEmpty())
        return;
    const PendingChange next = m_pendingChanges.takeFirst();
    auto result = std::make_shared<Change>();
    m_changeJob.start([result, work = next.work](LongJob::Run &) { *result = work(); },
        [this, result, kind = next.kind, name = next.name](bool) {
            const bool ok = apply(*result);
            // The next one first: a change asked for while this one is told waits its turn.
            startNextChange();
            emit changeFinished(kind, name, ok);
        });
}

bool StartupManager::apply(const Change &change)
{
    if (!change.ok)
        return false;
    if (!change.recordLabel.isEmpty())
        record(change.recordLabel, change.app, change.programUsed);
    if (!change.forgetId.isEmpty())
        forget(change.forgetId, change.removedPath);
    return true;
}

StartupManager::Change StartupManager::addChange(const InstalledApp &app) const
{
    Change change;
    if (!QDir().mkpath(m_locations.userAgents)) {
        log()->error(QStringLiteral("Cannot create the LaunchAgents folder: ") + m_locations.userAgents);
        return change;
    }
    bool exists = false;
    bool disabled = false;
    const QString label = chooseLabel(app, &exists, &disabled);
    if (label.isEmpty()) {
        log()->error(QStringLiteral("No free LaunchAgent label for: ") + app.name);
        return change;
    }
    change.recordLabel = label;
    change.app = app;
    if (exists) {
        log()->info(QStringLiteral("Plist already exists: ") + plistPathOf(label));
        change.programUsed = app.bundlePath.isEmpty() ? app.exePath : app.bundlePath;
        change.ok = true;
        return change;
    }
    // Our own agent for the app, switched off: written anew without Disabled, and loaded.
    if (disabled)
        log()->info(QStringLiteral("Enabling the disabled LaunchAgent: ") + label);
    if (!writeAndLoad(label, app, &change.programUsed, disabled))
        return change;
    log()->info(QStringLiteral("AddToStartup LaunchAgent: ") + label);
    change.ok = true;
    return change;
}

StartupManager::Change StartupManager::enableChange(const StartupItem &item, bool enable) const
{
    if (!isModifiable(item)) {
        log()->warning(QStringLiteral("setStartupEnabled: not modifiable: ") + item.name);
        return {};
    }
    if (item.source != StartupSource::LaunchAgent)
        return {};
    if (!isOwnPlist(item.id)) {
        log()->error(QStringLiteral("Refused to delete third-party plist: ") + item.plistPath);
        return {};
    }
    const QString expected = plistPathOf(item.id);
    if (item.id.contains(QLatin1Char('/')) || QDir::cleanPath(item.plistPath) != QDir::cleanPath(expected)) {
        log()->error(QStringLiteral("Refused to delete a plist outside the LaunchAgents folder: ") + item.plistPath);
        return {};
    }
    if (!enable)
        return removeOwnAgent(item.id);
    // Only an agent that is switched off can be switched on; adding goes through startAddApp.
    if (!item.disabled) {
        log()->warning(QStringLiteral("setStartupEnabled(enable=true): not a disabled agent: ") + item.id);
        return {};
    }
    // Started again as it was made: "open -a" for a bundle, the program itself otherwise.
    Change change;
    change.app.name = item.name;
    if (QFileInfo(item.programPath).isDir())
        change.app.bundlePath = item.programPath;
    change.app.exePath = item.programPath;
    if (item.programPath.isEmpty() || item.programMissing) {
        log()->error(QStringLiteral("Cannot enable an agent whose program is missing: ") + item.id);
        return {};
    }
    if (!writeAndLoad(item.id, change.app, &change.programUsed, true))
        return {};
    log()->info(QStringLiteral("Enabled LaunchAgent: ") + item.id);
    change.recordLabel = item.id;
    change.ok = true;
    return change;
}

bool StartupManager::startsAtLogin() const
{
    struct stat info;
    const QString path = plistPathOf(OwnLabelPrefix + ownAppName);
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

StartupManager::Change StartupManager::startAtLoginChange(bool on, const InstalledApp &self) const
{
    const QString label = OwnLabelPrefix + ownAppName;
    const QString path = plistPathOf(label);
    Change change;
    if (!on) {
        struct stat info;
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENOENT) {
            change.ok = true;
            return change;
        }
        return removeOwnAgent(label);
    }
    const PlistState state = plistState(path, self);
    if (state == PlistState::SameApp) {
        change.ok = true;
        return change;
    }
    if (!QDir().mkpath(m_locations.userAgents)) {
        log()->error(QStringLiteral("Cannot create the LaunchAgents folder: ") + m_locations.userAgents);
        return change;
    }
    if (!writeAndLoad(label, self, &change.programUsed, state == PlistState::SameAppDisabled))
        return change;
    log()->info(QStringLiteral("Start at login enabled: ") + label);
    change.recordLabel = label;
    change.app = self;
    change.ok = true;
    return change;
}

InstalledApp StartupManager::runningApplication()
{
    InstalledApp app;
    app.name = ownAppName;
    app.exePath = QCoreApplication::applicationFilePath();
    const int bundleEnd = app.exePath.lastIndexOf(QLatin1String(".app/Contents/MacOS/"));
    if (bundleEnd > 0)
        app.bundlePath = app.exePath.left(bundleEnd + 4);
    return app;
}

bool StartupManager::isModifiable(const StartupItem &item)
{
    return item.source == StartupSource::HkcuRun || (item.source == StartupSource::LaunchAgent && item.isOwn);
}

QString StartupManager::normalizePath(const QString &path)
{
    QString text = path.trimmed();
    if (text.size() > 1 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    text = QDir::cleanPath(QDir::fromNativeSeparators(text));
    const QFileInfo info(text);
    if (!text.isEmpty() && info.exists()) {
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty())
            text = canonical;
    }
    return text.toLower();
}

bool StartupManager::isOwnPlist(const QString &label)
{
    return label.startsWith(OwnLabelPrefix);
}

QString StartupManager::bundleExecutable(const QString &bundlePath)
{
    const QString executable = extractFromInfoPlist(bundlePath, QStringLiteral("CFBundleExecutable"));
    // A name, never a path leading out of the bundle.
    if (executable.contains(QLatin1Char('/')) || executable == QLatin1String(".") || executable == QLatin1String(".."))
        return QString();
    return executable;
}

QString StartupManager::bundleIdentifier(const QString &bundlePath)
{
    return extractFromInfoPlist(bundlePath, QStringLiteral("CFBundleIdentifier"));
}

QString StartupManager::parsePlistExePath(const QString &plistPath)
{
    return LaunchAgentPlist::read(plistPath).program;
}

bool StartupManager::writeLaunchAgentPlist(const QString &path, const QString &label, const QStringList &arguments)
{
    return LaunchAgentPlist::write(path, label, arguments);
}

QString StartupManager::plistPathOf(const QString &label) const
{
    return m_locations.userAgents + QLatin1Char('/') + label + QStringLiteral(".plist");
}

StartupManager::PlistState StartupManager::plistState(const QString &plistPath, const InstalledApp &app) const
{
    struct stat info;
    if (::lstat(QFile::encodeName(plistPath).constData(), &info) != 0)
        return errno == ENOENT ? PlistState::Missing : PlistState::NotAFile;
    if (!S_ISREG(info.st_mode))
        return PlistState::NotAFile;
    const LaunchAgentProgram agent = LaunchAgentPlist::read(plistPath);
    const QString program = normalizePath(agent.program);
    if (program.isEmpty())
        return PlistState::OtherProgram;
    const QString bundleKey = app.bundlePath.isEmpty() ? QString() : normalizePath(app.bundlePath);
    const bool sameApp = program == normalizePath(app.exePath)
        || (!bundleKey.isEmpty() && (program == bundleKey || program.startsWith(bundleKey + QLatin1Char('/'))));
    if (!sameApp)
        return PlistState::OtherProgram;
    return agent.disabled ? PlistState::SameAppDisabled : PlistState::SameApp;
}

QString StartupManager::chooseLabel(const InstalledApp &app, bool *exists, bool *disabled) const
{
    const QString cleaned = cleanLabelPart(app.name);
    const auto withSuffix = [&cleaned](const QString &suffix) {
        return OwnLabelPrefix + (cleaned.isEmpty() ? suffix : cleaned + QLatin1Char('-') + suffix);
    };
    const std::function<QString()> candidates[] = {
        [&] { return cleaned.isEmpty() ? QString() : OwnLabelPrefix + cleaned; },
        [&] {
            const QString identifier
                = app.bundlePath.isEmpty() ? QString() : cleanLabelPart(bundleIdentifier(app.bundlePath));
            return identifier.isEmpty() ? QString() : withSuffix(identifier);
        },
        [&] {
            const QString source = app.bundlePath.isEmpty() ? app.exePath : app.bundlePath;
            const QByteArray hash = QCryptographicHash::hash(source.toUtf8(), QCryptographicHash::Sha1).toHex();
            return withSuffix(QString::fromLatin1(hash.left(8)));
        },
    };
    for (const auto &candidate : candidates) {
        const QString label = candidate();
        if (label.isEmpty())
            continue;
        switch (plistState(plistPathOf(label), app)) {
        case PlistState::Missing:
            *exists = false;
            return label;
        case PlistState::SameApp:
            *exists = true;
            return label;
        case PlistState::SameAppDisabled:
            *exists = false;
            *disabled = true;
            return label;
        case PlistState::OtherProgram:
        case PlistState::NotAFile:
            log()->info(QStringLiteral("LaunchAgent label held by another program: ") + label);
            break;
        }
    }
    return QString();
}

bool StartupManager::writeAndLoad(
    const QString &label, const InstalledApp &app, QString *programUsed, bool reenable) const
{
    QStringList arguments;
    if (!app.bundlePath.isEmpty() && QFileInfo(app.bundlePath).isDir()) {
        arguments = { openTool, QStringLiteral("-a"), app.bundlePath };
        *programUsed = app.bundlePath;
        log()->info(QStringLiteral("LaunchAgent will use: open -a %1").arg(app.bundlePath));
    } else {
        arguments = { app.exePath };
        *programUsed = app.exePath;
        log()->info(QStringLiteral("LaunchAgent will use: %1").arg(app.exePath));
    }
    const QString path = plistPathOf(label);
    if (!writeLaunchAgentPlist(path, label, arguments)) {
        log()->error(QStringLiteral("Failed to write plist: ") + path);
        return false;
    }
    const QString domain = launchdDomain();
    if (reenable && !launchctl({ QStringLiteral("enable"), domain + QLatin1Char('/') + label }))
        log()->warning(QStringLiteral("launchctl enable failed: ") + label);
    if (!launchctl({ QStringLiteral("bootstrap"), domain, path }) && !launchctl({ QStringLiteral("load"), path }))
        log()->warning(QStringLiteral("launchctl bootstrap/load failed: ") + path);
    return true;
}

void StartupManager::record(const QString &label, const InstalledApp &app, const QString &programUsed)
{
    m_collections.items.removeIf([&label](const StartupItem &item) { return item.id == label; });
    StartupItem item;
    item.id = label;
    item.name = app.name;
    item.programPath = app.exePath;
    item.plistPath = plistPathOf(label);
    item.source = StartupSource::LaunchAgent;
    item.isOwn = true;
    m_collections.items.append(item);
    m_collections.index.insert(normalizePath(app.exePath), label);
    m_collections.index.insert(normalizePath(programUsed), label);
    updateInStartup();
    emit listsChanged();
}

StartupManager::Change StartupManager::removeOwnAgent(const QString &id) const
{
    const QString path = plistPathOf(id);
    const PinnedRoot agents = PinnedRoot::open(m_locations.userAgents, m_locations.userAgents);
    struct stat info;
    // launchctl goes by the path and would follow a link to whatever agent it names: only a
    // plain file of ours is unloaded; a link is only removed.
    if (agents.isOpen() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode)) {
        if (!launchctl({ QStringLiteral("bootout"), launchdDomain(), path }))
            launchctl({ QStringLiteral("unload"), path });
    }
    const FileUtils::Removal removal = agents.isOpen()
        ? FileUtils::removeUnder(agents, path, FileUtils::Expect::File)
        : FileUtils::Removal { agents.status() == PinnedRoot::Missing ? FileUtils::Removal::Missing
                                                                      : FileUtils::Removal::Refused,
              agents.reason(), agents.reason() };
    Change change;
    if (removal.status == FileUtils::Removal::Missing) {
        log()->info(QStringLiteral("Plist already gone: ") + path);
    } else if (!removal.removed()) {
        log()->error(QStringLiteral("Failed to delete plist: %1 (%2)").arg(path, removal.reason));
        return change;
    }
    log()->info(QStringLiteral("Removed from LaunchAgents: ") + id);
    change.ok = true;
    change.forgetId = id;
    if (removal.removed())
        change.removedPath = path;
    return change;
}

void StartupManager::forget(const QString &id, const QString &removedPath)
{
    for (auto entry = m_collections.index.begin(); entry != m_collections.index.end();) {
        if (entry.value() == id)
            entry = m_collections.index.erase(entry);
        else
            ++entry;
    }
    m_collections.items.removeIf([&id](const StartupItem &item) { return item.id == id; });
    updateInStartup();
    if (!removedPath.isEmpty())
        emit pathsRemoved({ removedPath });
    emit listsChanged();
}

void StartupManager::updateInStartup()
{
    for (InstalledApp &app : m_collections.apps)
        app.inStartup = isInStartup(normalizePath(app.exePath));
}

QString StartupManager::launchdDomain()
{
    const QString uid
        = QString::fromUtf8(ProcessRunner::run(QStringLiteral("id"), { QStringLiteral("-u") }, IdTimeoutMs).output)
              .trimmed();
    bool isNumber = false;
    uid.toUInt(&isNumber);
    return QStringLiteral("gui/") + (isNumber ? uid : QString::number(::getuid()));
}
