#pragma once

#include <QMetaType>
#include <QString>

// One privacy trace of the logged-in user as the privacy cleaner measured it; a value carried by
// signals from the cleaner's worker to the page.
struct PrivacyItem
{
    // "clipboard", "quicklook", "recent_files", "notifications" or "dns".
    QString id;
    // Translated texts.
    QString name;
    QString description;
    // An emoji.
    QString icon;
    // Bytes measured; 0 where nothing could be measured.
    qint64 size = 0;
    // False where the trace cannot be measured (the clipboard, the DNS cache, QuickLook's protected
    // thumbnail cache): the page shows the size as unknown rather than 0 bytes.
    bool sizeKnown = true;
    // Entries found.
    int count = 0;
    // Pre-selection on the page.
    bool selected = false;
    // Offered even when nothing was found.
    bool alwaysCleanable = false;
    // 0 safe, 1 caution, 2 high risk.
    int risk = 0;

    // Something was found, or the trace can always be cleared.
    bool isOffered() const
    {
        return alwaysCleanable || size > 0 || count > 0;
    }
};

Q_DECLARE_METATYPE(PrivacyItem)
