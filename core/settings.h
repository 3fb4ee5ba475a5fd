#pragma once

#include <QLatin1String>
#include <QString>
#include <QVariant>

// Where a setting is kept. The stores are separate files and stay what they always were, so a
// settings file written by an earlier version still reads.
enum class SettingsStore {
    // The platform's native user store, organisation "QUELMO", application "Sweepnook".
    Native,
    // The INI user store of the same organisation and application.
    Ini,
    // The native user store of the tweak catalogue, organisation "Velocrest", application "TweakState".
    TweakState,
};

// Every stored setting of the program, its store and its default, in one table. Code asks this
// class and never repeats a key string or a default.
//
// Each call opens the store briefly, so one Settings may be used from any thread and every part of
// the program sees what any other part wrote. setValue() reaches the disk before it returns.
// A key that names a family of settings (TweakApplied: one per tweak) takes the member's name as
// `item`; other keys ignore it.
class Settings final
{
public:
    enum Key {
        // Interface language code, "" until the user picks one (the system locale decides then).
        Language,
        AutoStart,
        MinimizeToTray,
        ConfirmClean,
        BackupRegistry,
        // Whether a tweak is applied; item is the tweak's id.
        TweakApplied,
    };

    struct Entry
    {
        Key key;
        SettingsStore store;
        // The name in its store; a family's name ends in "/" and the item follows it.
        QLatin1String name;
        QVariant defaultValue;
    };

    static const Entry &entry(Key key);
    // The stored name of key (with item for a family).
    static QString storedName(Key key, const QString &item = QString());

    QVariant value(Key key, const QString &item = QString()) const;
    bool flag(Key key, const QString &item = QString()) const;
    QString text(Key key, const QString &item = QString()) const;
    bool contains(Key key, const QString &item = QString()) const;
    void setValue(Key key, const QVariant &value, const QString &item = QString());
    // The file behind a store (for diagnostics and tests).
    QString fileName(SettingsStore store) const;
};
