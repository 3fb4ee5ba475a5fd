#pragma once

#include <QString>

// One file or folder that a rule-driven engine can delete.
struct CleanItem
{
    QString name;
    QString path;
    qint64 size = 0;
    bool checked = true;
    int riskLevel = 0;
    QString description;
    bool isDirectory = false;
    QString regPath;
    QString regTarget;
    // Why the last clean could not remove it; empty when it was not tried or there was no fault.
    QString failure;

    CleanItem() = default;
    CleanItem(const QString &name, const QString &path, qint64 size);

    // The size text shown wherever a byte count appears: "512 B", "1.5 KB", "20.0 MB", "1.25 GB"
    // (binary units, no step above GB; a negative count reads "0 B"). The dashboard's cards show
    // gigabytes with one decimal.
    static QString formatSize(qint64 bytes, int gigabyteDecimals = 2);
    // Translated badge text of a risk level (the interface picks its colour).
    static QString riskText(int riskLevel);
};
