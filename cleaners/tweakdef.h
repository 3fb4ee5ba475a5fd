#pragma once

#include <QJsonArray>
#include <QString>

// One system tweak of the catalogue, as read from its file. A tweak is a bundle of registry
// values, service start types and at most one power-plan action, each with the value to set and
// the value to restore. Only name and desc differ between the languages of the catalogue.
struct TweakDef
{
    QString id;
    QString name;
    QString desc;
    // "Privacy", "Performance", "UI" or "Security"; never translated.
    QString category;
    // "safe" or "caution".
    QString risk;
    // Part of the recommended set.
    bool defaultOn = false;
    // Works only with Windows Tamper Protection switched off.
    bool requiresTamperOff = false;
    // Objects with "hive", "path", "name", "type", "value" and "original".
    QJsonArray registry;
    // Objects with "name", "startType" and "original".
    QJsonArray services;
    // Empty or "enable_ultimate".
    QString powercfg;
};
