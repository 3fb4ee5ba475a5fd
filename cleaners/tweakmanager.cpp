#include "tweakmanager.h"

#include "core/fileutils.h"
#include "core/logger.h"
#include "core/processrunner.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <memory>

namespace {

#ifdef Q_OS_WIN
constexpr bool HostHasWindowsTools = true;
#else
constexpr bool HostHasWindowsTools = false;
#endif

const QString UltimatePerformanceAction = QStringLiteral("enable_ultimate");
// The scheme Windows ships hidden; duplicating it makes the plan selectable in Power Options.
const QString UltimatePerformanceScheme = QStringLiteral("e9a42b02-d5df-448d-aa00-03f14749eb61");
constexpr int ServiceTimeoutMs = 30000;
constexpr int PowerPlanTimeoutMs = 60000;

// The catalogue's start-type words in the vocabulary of "sc config ... start=", which rejects
// "automatic" and "manual"; empty for a word it has no equivalent for.
QString scStartType(const QString &startType)
{
    static const QHash<QString, QString> words = {
        { QStringLiteral("automatic"), QStringLiteral("auto") },
        { QStringLiteral("auto"), QStringLiteral("auto") },
        { QStringLiteral("delayed-auto"), QStringLiteral("delayed-auto") },
        { QStringLiteral("manual"), QStringLiteral("demand") },
        { QStringLiteral("demand"), QStringLiteral("demand") },
        { QStringLiteral("disabled"), QStringLiteral("disabled") },
    };
    return words.value(startType.toLower());
}

// A resource is compiled in; a file on disk is opened only when it is a regular file (reading a
// FIFO would wait for a writer for ever) and not a link.
bool openCatalogue(QFile &file, const QString &path)
{
    if (path.startsWith(u':')) {
        file.setFileName(path);
        return file.open(QIODevice::ReadOnly);
    }
    return FileUtils::openRegularFile(file, path);
}

TweakDef tweakFromJson(const QJsonObject &object)
{
    TweakDef tweak;
    tweak.id = object.value(QStringLiteral("id")).toString();
    tweak.name = object.value(QStringLiteral("name")).toString();
    tweak.desc = object.value(QStringLiteral("desc")).toString();
    tweak.category = object.value(QStringLiteral("category")).toString();
    tweak.risk = object.value(QStringLiteral("risk")).toString();
    tweak.defaultOn = object.value(QStringLiteral("defaultOn")).toBool();
    tweak.requiresTamperOff = object.value(QStringLiteral("requiresTamperOff")).toBool();
    tweak.registry = object.value(QStringLiteral("registry")).toArray();
    tweak.services = object.value(QStringLiteral("services")).toArray();
    tweak.powercfg = object.value(QStringLiteral("powercfg")).toString();
    return tweak;
}

} // namespace

TweakManager::TweakManager(QObject *parent)
    : QObject(parent)
    , m_windowsTools(HostHasWindowsTools)
{
}

QString TweakManager::catalogueFile(const QString &language)
{
    const QString path = QStringLiteral(":/data/data/tweaks_%1.json").arg(language);
    return QFile::exists(path) ? path : QStringLiteral(":/data/data/tweaks_en.json");
}

QString TweakManager::windowsOnlyMessage()
{
    return tr("This tweak changes Windows settings and works only on Windows.");
}

bool TweakManager::load(const QString &path)
{
    QFile file;
    if (!openCatalogue(file, path)) {
        Logger::instance()->warning(QStringLiteral("[TweakManager] Cannot read the tweak catalogue: ") + path);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isArray()) {
        Logger::instance()->warning(QStringLiteral("[TweakManager] The tweak catalogue is not a JSON array: ") + path
            + (parseError.error != QJsonParseError::NoError ? QStringLiteral(" (") + parseError.errorString() + u')'
                                                            : QString()));
        return false;
    }
    QList<TweakDef> tweaks;
    QSet<QString> ids;
    const QJsonArray entries = document.array();
    for (const QJsonValue &entry : entries) {
        const TweakDef tweak = tweakFromJson(entry.toObject());
        // Without an id of its own a tweak has no flag to record its state under.
        if (tweak.id.isEmpty() || ids.contains(tweak.id)) {
            Logger::instance()->warning(
                QStringLiteral("[TweakManager] Skipping a tweak without an id of its own in ") + path);
            continue;
        }
        ids.insert(tweak.id);
        tweaks.append(tweak);
    }
    m_tweaks = tweaks;
    return true;
}

const QList<TweakDef> &TweakManager::tweaks() const
{
    return m_tweaks;
}

bool TweakManager::isApplied(const QString &id) const
{
    return m_settings.flag(Settings::TweakApplied, id);
}

bool TweakManager::readCurrentState(const TweakDef &tweak) const
{
    // Registry values would be read back live, but this system has no registry: not in effect.
    if (!tweak.registry.isEmpty())
        return false;
    // Neither service start types nor the power plan are read back; the flag is set only after
    // the tools reported success.
    return isApplied(tweak.id);
}

bool TweakManager::canChange(const TweakDef &tweak) const
{
    return m_windowsTools && tweak.registry.isEmpty();
}

void TweakManager::applyTweak(const TweakDef &tweak)
{
    m_queue.append(Operation { tweak, true });
    startNext();
}

void TweakManager::revertTweak(const TweakDef &tweak)
{
    m_queue.append(Operation { tweak, false });
    startNext();
}

bool TweakManager::isBusy() const
{
    return m_running || !m_queue.isEmpty();
}

void TweakManager::setWindowsToolsForTesting(bool available)
{
    m_windowsTools = available;
}

void TweakManager::startNext()
{
    if (m_running || m_queue.isEmpty())
        return;
    m_running = true;
    const Operation operation = m_queue.takeFirst();
    const bool changeable = canChange(operation.tweak);
    auto outcome = std::make_shared<Outcome>();
    m_job.start([operation, changeable, outcome](LongJob::Run &run) { *outcome = perform(operation, changeable, run); },
        [this, operation, outcome](bool) {
            m_running = false;
            finish(operation, *outcome);
            startNext();
        });
}

void TweakManager::finish(const Operation &operation, const Outcome &outcome)
{
    const QString &id = operation.tweak.id;
    const QString verb = operation.apply ? QStringLiteral("apply") : QStringLiteral("revert");
    if (outcome.ok) {
        m_settings.setValue(Settings::TweakApplied, operation.apply, id);
        Logger::instance()->info(QStringLiteral("[TweakManager] Tweak %1: %2 succeeded").arg(id, verb));
    } else {
        Logger::instance()->warning(QStringLiteral("[TweakManager] Tweak %1: %2 failed: %3")
                                        .arg(id, verb, outcome.errors.join(QStringLiteral("; "))));
    }
    const QString error = outcome.errors.join(u'\n');
    if (operation.apply)
        emit tweakApplied(id, outcome.ok, error);
    else
        emit tweakReverted(id, outcome.ok, error);
}

// Runs on the worker thread: touches nothing of the manager.
TweakManager::Outcome TweakManager::perform(const Operation &operation, bool changeable, const LongJob::Run &run)
{
    Outcome outcome;
    const auto fail = [&outcome](const QString &error) {
        outcome.ok = false;
        outcome.errors.append(error);
    };
    if (!changeable) {
        fail(windowsOnlyMessage());
        return outcome;
    }
    const TweakDef &tweak = operation.tweak;
    // Every service is attempted even after one failed, as far as the run goes on.
    for (const QJsonValue &entry : tweak.services) {
        if (run.isCancelled()) {
            fail(tr("Stopped before all services were changed."));
            return outcome;
        }
        const QJsonObject service = entry.toObject();
        const QString name = service.value(QStringLiteral("name")).toString();
        const QString startType
            = service.value(operation.apply ? QStringLiteral("startType") : QStringLiteral("original")).toString();
        if (!controlService(name, startType))
            fail(tr("Could not change the start type of the service \"%1\".").arg(name));
    }
    // A power plan once added stays: reverting leaves it in place.
    if (operation.apply && !tweak.powercfg.isEmpty() && !run.isCancelled()) {
        if (tweak.powercfg != UltimatePerformanceAction || !enableUltimatePerformance())
            fail(tr("Could not add the Ultimate Performance power plan."));
    }
    return outcome;
}

bool TweakManager::controlService(const QString &name, const QString &startType)
{
    const QString type = scStartType(startType);
    if (name.isEmpty() || type.isEmpty())
        return false;
    return ProcessRunner::run(
        QStringLiteral("sc"), { QStringLiteral("config"), name, QStringLiteral("start="), type }, ServiceTimeoutMs)
        .succeeded();
}

bool TweakManager::enableUltimatePerformance()
{
    return ProcessRunner::run(QStringLiteral("powercfg"),
        { QStringLiteral("/duplicatescheme"), UltimatePerformanceScheme }, PowerPlanTimeoutMs)
        .succeeded();
}
