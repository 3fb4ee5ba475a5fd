#pragma once

#include <QString>

// One file or folder that a rule-driven engine can delete. A scan holds one per listed file (tens
// of thousands), so an item keeps its path and plain values only; its name is cut from the path
// when it is shown.
struct CleanItem
{
    QString path;
    qint64 size = 0;
    int riskLevel = 0;
    bool checked = true;
    bool isDirectory = false;
    // Why the last clean could not remove it; empty when it was not tried or there was no fault.
    QString failure;

    // The size of an item whose size cannot be known (a database that cannot be read). Such an
    // item shows "Size unknown" and adds nothing to a sum, and a sum it is part of says "at least".
    static constexpr qint64 UnknownSize = -1;

    CleanItem() = default;
    CleanItem(const QString &path, qint64 size);

    // The last component of the path ("cache.db").
    QString name() const;
    bool isSizeKnown() const;
    // formatSize(size), or "Size unknown".
    QString shownSize() const;

    // The size text shown wherever a byte count appears: "512 B", "1.5 KB", "20.0 MB", "1.25 GB"
    // (binary units, no step above GB; a negative count reads "0 B"). The dashboard's cards show
    // gigabytes with one decimal. It is written in the language in use: the default QLocale (the
    // Application sets it with the language) gives the decimal separator, "36,3 MB" in German, and
    // the catalogues name the unit, "36,3 Mo" in French. No group separators.
    static QString formatSize(qint64 bytes, int gigabyteDecimals = 2);
    // A sum's text: formatSize(bytes), or "at least 36.3 MB" when atLeast (the sum leaves out an
    // item of unknown size), "Size unknown" when nothing of it is known.
    static QString formatTotal(qint64 bytes, bool atLeast, int gigabyteDecimals = 2);
    // The same text in English whatever the language ("36.3 MB"): for the log.
    static QString logSize(qint64 bytes);
    // Translated badge text of a risk level (the interface picks its colour).
    static QString riskText(int riskLevel);
};

// Strings and plain values only: lists of items grow by moving their bytes.
Q_DECLARE_TYPEINFO(CleanItem, Q_RELOCATABLE_TYPE);
