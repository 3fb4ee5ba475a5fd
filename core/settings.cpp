#include "settings.h"

#include <QSettings>

#include <iterator>
#include <memory>

namespace {

const QString organisation = QStringLiteral("QUELMO");
const QString application = QStringLiteral("Sweepnook");

// Qt writes a group called "general" (any case) as "[%General]" and reads it back as "General":
// the two general keys are named as they read back, or a value written once is never found again.
const Settings::Entry table[] = {
    { Settings::Language, SettingsStore::Native, QLatin1String("language"), QString() },
    { Settings::AutoStart, SettingsStore::Ini, QLatin1String("General/autoStart"), false },
    { Settings::MinimizeToTray, SettingsStore::Ini, QLatin1String("General/minimizeToTray"), false },
    { Settings::ConfirmClean, SettingsStore::Ini, QLatin1String("clean/confirmClean"), true },
    { Settings::BackupRegistry, SettingsStore::Ini, QLatin1String("clean/backupRegistry"), true },
    { Settings::TweakApplied, SettingsStore::TweakState, QLatin1String("applied/"), false },
};

std::unique_ptr<QSettings> open(SettingsStore store)
{
    switch (store) {
    case SettingsStore::Native:
        return std::make_unique<QSettings>(organisation, application);
    case SettingsStore::Ini:
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, organisation, application);
    case SettingsStore::TweakState:
        return std::make_unique<QSettings>(QStringLiteral("Velocrest"), QStringLiteral("TweakState"));
    }
    Q_UNREACHABLE();
}

} // namespace

const Settings::Entry &Settings::entry(Key key)
{
    static_assert(std::size(table) == TweakApplied + 1, "one row per key, in the order of Settings::Key");
    return table[key];
}

QString Settings::storedName(Key key, const QString &item)
{
    const QLatin1String name = entry(key).name;
    const QString stored(name);
    return name.endsWith(QLatin1Char('/')) ? stored + item : stored;
}

QVariant Settings::value(Key key, const QString &item) const
{
    return open(entry(key).store)->value(storedName(key, item), entry(key).defaultValue);
}

bool Settings::flag(Key key, const QString &item) const
{
    return value(key, item).toBool();
}

QString Settings::text(Key key, const QString &item) const
{
    return value(key, item).toString();
}

bool Settings::contains(Key key, const QString &item) const
{
    return open(entry(key).store)->contains(storedName(key, item));
}

void Settings::setValue(Key key, const QVariant &value, const QString &item)
{
    const std::unique_ptr<QSettings> store = open(entry(key).store);
    store->setValue(storedName(key, item), value);
    store->sync();
}

QString Settings::fileName(SettingsStore store) const
{
    return open(store)->fileName();
}
