#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// Reads Apple property lists in this process, XML ("<plist>") and binary ("bplist00") alike.
//
// Values come back as QVariant: a dictionary as QVariantMap, an array or set as QVariantList, a
// string as QString, true/false as bool, an integer as qint64, a real as double, a date as
// QDateTime (UTC), data as QByteArray, a binary UID as qint64.
//
// Input is data: malformed, truncated or hostile lists (a loop of references, nesting without
// end, counts past the end of the file, keys that are not strings) give an error text and no
// value, never a crash or a wait. Objects a binary list shares are read once. A file is read
// only when it is a regular file (never a FIFO or a device) and no larger than the cap; a link
// is refused unless the caller follows links, and then its target must be a regular file.
class PropertyList final
{
public:
    enum class Links { Refuse, Follow };

    // Larger than any Info.plist or LaunchAgent plist there is.
    static constexpr qint64 DefaultMaxBytes = 8 * 1024 * 1024;

    // Parses bytes; false with *error set when they are no property list this reader knows.
    static bool parse(const QByteArray &bytes, QVariant *value, QString *error = nullptr);
    // Reads and parses the file at path (see above).
    static bool readFile(const QString &path, QVariant *value, QString *error = nullptr,
        qint64 maxBytes = DefaultMaxBytes, Links links = Links::Refuse);
    // The top-level dictionary of the file at path; empty, with a log line naming the file and
    // the reason, when it cannot be read or holds something else.
    static QVariantMap readDictionary(
        const QString &path, qint64 maxBytes = DefaultMaxBytes, Links links = Links::Refuse);
    // The string stored under key; empty when the key is missing or holds another type.
    static QString string(const QVariantMap &dictionary, const QString &key);
};
