#include "propertylist.h"

#include "fileutils.h"
#include "logger.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <cstring>
#include <limits>

namespace {

// Deeper nesting than any real list; stops a crafted one before the stack does.
constexpr int kMaxDepth = 256;

// Seconds between the Unix epoch and 2001-01-01T00:00:00Z, where plist dates count from.
constexpr double kAppleEpochOffset = 978307200.0;

QDateTime appleDate(double seconds)
{
    const double unixSeconds = seconds + kAppleEpochOffset;
    // Beyond what QDateTime holds sensibly: no date.
    if (!(unixSeconds > -1e13 && unixSeconds < 1e13))
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(qint64(unixSeconds * 1000.0), QTimeZone::utc());
}

// The binary format: "bplist00", the objects, a table of their offsets and a 32-byte trailer.
class BinaryReader
{
public:
    explicit BinaryReader(const QByteArray &bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.constData()))
        , m_size(quint64(bytes.size()))
    {
    }

    bool read(QVariant *value, QString *error)
    {
        if (!readTrailer()) {
            *error = m_error;
            return false;
        }
        if (!object(m_topObject, 0, value)) {
            *error = m_error;
            return false;
        }
        return true;
    }

private:
    bool fail(const QString &reason)
    {
        if (m_error.isEmpty())
            m_error = reason;
        return false;
    }

    // A big-endian unsigned number of width bytes (1 to 8) at offset, within the object area.
    bool number(quint64 offset, quint64 width, quint64 limit, quint64 *result)
    {
        if (width == 0 || width > 8 || offset > limit || width > limit - offset)
            return fail(QStringLiteral("binary list: a number runs past its area"));
        quint64 n = 0;
        for (quint64 i = 0; i < width; ++i)
            n = (n << 8) | m_data[offset + i];
        *result = n;
        return true;
    }

    bool readTrailer()
    {
        if (m_size < 8 + 32)
            return fail(QStringLiteral("binary list: too short"));
        const quint64 trailer = m_size - 32;
        m_offsetSize = m_data[trailer + 6];
        m_refSize = m_data[trailer + 7];
        if (!number(trailer + 8, 8, m_size, &m_objectCount) || !number(trailer + 16, 8, m_size, &m_topObject)
            || !number(trailer + 24, 8, m_size, &m_tableOffset))
            return false;
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8)
            return fail(QStringLiteral("binary list: bad trailer sizes"));
        if (m_objectCount == 0 || m_topObject >= m_objectCount)
            return fail(QStringLiteral("binary list: bad object count"));
        if (m_tableOffset < 8 || m_tableOffset > trailer
            || m_objectCount > (trailer - m_tableOffset) / quint64(m_offsetSize))
            return fail(QStringLiteral("binary list: the offset table runs past the trailer"));
        return true;
    }

    // How many elements or bytes the object with this marker has, and where they start.
    bool count(quint64 offset, uchar marker, quint64 *result, quint64 *start)
    {
        const uchar low = marker & 0x0f;
        if (low != 0x0f) {
            *result = low;
            *start = offset + 1;
            return true;
        }
        if (offset + 1 >= m_tableOffset)
            return fail(QStringLiteral("binary list: a count runs past the objects"));
        const uchar intMarker = m_data[offset + 1];
        if ((intMarker & 0xf0) != 0x10 || (intMarker & 0x0f) > 3)
            return fail(QStringLiteral("binary list: a count is not an integer"));
        const quint64 width = quint64(1) << (intMarker & 0x0f);
        if (!number(offset + 2, width, m_tableOffset, result))
            return false;
        *start = offset + 2 + width;
        return true;
    }

    // The span [start, start + length * unit) lies in the object area.
    bool fits(quint64 start, quint64 length, quint64 unit)
    {
        if (start > m_tableOffset || length > (m_tableOffset - start) / unit)
            return fail(QStringLiteral("binary list: an object runs past the objects"));
        return true;
    }

    bool ref(quint64 at, quint64 *result)
    {
        if (!number(at, m_refSize, m_tableOffset, result))
            return false;
        if (*result >= m_objectCount)
            return fail(QStringLiteral("binary list: a reference to no object"));
        return true;
    }

    bool object(quint64 index, int depth, QVariant *value)
    {
        const auto known = m_values.constFind(index);
        if (known != m_values.cend()) {
            *value = *known;
            return true;
        }
        if (m_busy.contains(index))
            return fail(QStringLiteral("binary list: an object contains itself"));
        if (depth > kMaxDepth)
            return fail(QStringLiteral("binary list: nested too deeply"));
        quint64 offset = 0;
        if (!number(m_tableOffset + index * m_offsetSize, m_offsetSize, m_size - 32, &offset))
            return false;
        if (offset < 8 || offset >= m_tableOffset)
            return fail(QStringLiteral("binary list: an object offset outside the objects"));
        m_busy.insert(index);
        const bool ok = parseAt(offset, depth, value);
        m_busy.remove(index);
        if (!ok)
            return false;
        m_values.insert(index, *value);
        return true;
    }

    bool parseAt(quint64 offset, int depth, QVariant *value)
    {
        const uchar marker = m_data[offset];
        const uchar type = marker >> 4;
        const uchar low = marker & 0x0f;
        quint64 length = 0;
        quint64 start = 0;
        switch (type) {
        case 0x0:
            if (marker == 0x08 || marker == 0x09) {
                *value = QVariant(marker == 0x09);
                return true;
            }
            if (marker == 0x00 || marker == 0x0f) {
                *value = QVariant();
                return true;
            }
            return fail(QStringLiteral("binary list: unknown marker"));
        case 0x1: {
            if (low > 4)
                return fail(QStringLiteral("binary list: integer too wide"));
            const quint64 width = quint64(1) << low;
            quint64 n = 0;
            // A 16-byte integer holds an unsigned 64-bit value in its low half.
            if (!fits(offset + 1, width, 1)
                || !number(offset + 1 + (width > 8 ? 8 : 0), qMin<quint64>(width, 8), m_tableOffset, &n))
                return false;
            *value = QVariant(qint64(n));
            return true;
        }
        case 0x2:
        case 0x3: {
            if ((type == 0x2 && low != 2 && low != 3) || (type == 0x3 && marker != 0x33))
                return fail(QStringLiteral("binary list: bad real or date"));
            const quint64 width = quint64(1) << low;
            quint64 bits = 0;
            if (!number(offset + 1, width, m_tableOffset, &bits))
                return false;
            double real = 0;
            if (width == 4) {
                const quint32 narrow = quint32(bits);
                float single = 0;
                std::memcpy(&single, &narrow, sizeof single);
                real = single;
            } else {
                std::memcpy(&real, &bits, sizeof real);
            }
            *value = type == 0x2 ? QVariant(real) : QVariant(appleDate(real));
            return true;
        }
        case 0x4:
        case 0x5:
        case 0x6: {
            if (!count(offset, marker, &length, &start))
                return false;
            const quint64 unit = type == 0x6 ? 2 : 1;
            if (!fits(start, length, unit))
                return false;
            const char *bytes = reinterpret_cast<const char *>(m_data + start);
            if (type == 0x4) {
                *value = QByteArray(bytes, qsizetype(length));
            } else if (type == 0x5) {
                *value = QString::fromLatin1(bytes, qsizetype(length));
            } else {
                QString text(qsizetype(length), Qt::Uninitialized);
                for (quint64 i = 0; i < length; ++i)
                    text[qsizetype(i)] = QChar(ushort((m_data[start + 2 * i] << 8) | m_data[start + 2 * i + 1]));
                *value = text;
            }
            return true;
        }
        case 0x8: {
            quint64 uid = 0;
            if (!number(offset + 1, quint64(low) + 1, m_tableOffset, &uid))
                return false;
            *value = QVariant(qint64(uid));
            return true;
        }
        case 0xA:
        case 0xC: {
            if (!count(offset, marker, &length, &start) || !fits(start, length, m_refSize))
                return false;
            QVariantList list;
            list.reserve(qsizetype(length));
            for (quint64 i = 0; i < length; ++i) {
                quint64 element = 0;
                QVariant item;
                if (!ref(start + i * m_refSize, &element) || !object(element, depth + 1, &item))
                    return false;
                list.append(item);
            }
            *value = list;
            return true;
        }
        case 0xD: {
            if (!count(offset, marker, &length, &start) || length > std::numeric_limits<quint64>::max() / 2
                || !fits(start, length * 2, m_refSize))
                return false;
            QVariantMap dictionary;
            for (quint64 i = 0; i < length; ++i) {
                quint64 keyRef = 0;
                quint64 valueRef = 0;
                QVariant key;
                QVariant item;
                if (!ref(start + i * m_refSize, &keyRef) || !ref(start + (length + i) * m_refSize, &valueRef)
                    || !object(keyRef, depth + 1, &key))
                    return false;
                if (key.typeId() != QMetaType::QString)
                    return fail(QStringLiteral("binary list: a dictionary key is not a string"));
                if (!object(valueRef, depth + 1, &item))
                    return false;
                dictionary.insert(key.toString(), item);
            }
            *value = dictionary;
            return true;
        }
        default:
            return fail(QStringLiteral("binary list: unknown marker"));
        }
    }

    const uchar *m_data;
    quint64 m_size;
    uchar m_offsetSize = 0;
    uchar m_refSize = 0;
    quint64 m_objectCount = 0;
    quint64 m_topObject = 0;
    quint64 m_tableOffset = 0;
    // Objects read so far, and those being read (a reference back to one is a loop).
    QHash<quint64, QVariant> m_values;
    QSet<quint64> m_busy;
    QString m_error;
};

class XmlReader
{
public:
    explicit XmlReader(const QByteArray &bytes)
        : m_xml(bytes)
    {
    }

    bool read(QVariant *value, QString *error)
    {
        if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("plist"))
            return done(error, QStringLiteral("XML list: no <plist> element"));
        if (!m_xml.readNextStartElement())
            return done(error, QStringLiteral("XML list: an empty <plist>"));
        if (!element(0, value))
            return done(error, QString());
        // Whatever follows the one value is not looked at, but it must be well-formed.
        while (!m_xml.atEnd())
            m_xml.readNext();
        if (m_xml.hasError())
            return done(error, QString());
        return true;
    }

private:
    bool done(QString *error, const QString &reason)
    {
        if (error) {
            if (!reason.isEmpty())
                *error = reason;
            else if (!m_error.isEmpty())
                *error = m_error;
            else
                *error = QStringLiteral("XML list: %1 at line %2").arg(m_xml.errorString()).arg(m_xml.lineNumber());
        }
        return false;
    }

    bool fail(const QString &reason)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("XML list: %1 at line %2").arg(reason).arg(m_xml.lineNumber());
        return false;
    }

    // Reads the element the reader stands on, up to its end.
    bool element(int depth, QVariant *value)
    {
        if (depth > kMaxDepth)
            return fail(QStringLiteral("nested too deeply"));
        const QString name = m_xml.name().toString();
        if (name == QLatin1String("dict"))
            return dictionary(depth, value);
        if (name == QLatin1String("array")) {
            QVariantList list;
            while (m_xml.readNextStartElement()) {
                QVariant item;
                if (!element(depth + 1, &item))
                    return false;
                list.append(item);
            }
            *value = list;
            return !m_xml.hasError();
        }
        if (name == QLatin1String("true") || name == QLatin1String("false")) {
            *value = QVariant(name == QLatin1String("true"));
            m_xml.skipCurrentElement();
            return !m_xml.hasError();
        }
        const QString text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (m_xml.hasError())
            return false;
        if (name == QLatin1String("string")) {
            *value = text;
            return true;
        }
        if (name == QLatin1String("integer")) {
            bool ok = false;
            const QString trimmed = text.trimmed();
            qint64 n = trimmed.toLongLong(&ok, 0);
            if (!ok) {
                const quint64 u = trimmed.toULongLong(&ok, 0);
                n = qint64(u);
            }
            if (!ok)
                return fail(QStringLiteral("not an integer: \"%1\"").arg(trimmed.left(40)));
            *value = QVariant(n);
            return true;
        }
        if (name == QLatin1String("real")) {
            bool ok = false;
            const double real = text.trimmed().toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("not a real: \"%1\"").arg(text.trimmed().left(40)));
            *value = QVariant(real);
            return true;
        }
        if (name == QLatin1String("date")) {
            const QDateTime date = QDateTime::fromString(text.trimmed(), Qt::ISODate);
            if (!date.isValid())
                return fail(QStringLiteral("not a date: \"%1\"").arg(text.trimmed().left(40)));
            *value = date.toUTC();
            return true;
        }
        if (name == QLatin1String("data")) {
            const auto decoded = QByteArray::fromBase64Encoding(
                text.toLatin1().simplified().replace(' ', QByteArray()), QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                return fail(QStringLiteral("bad base64 data"));
            *value = decoded.decoded;
            return true;
        }
        return fail(QStringLiteral("unknown element <%1>").arg(name.left(40)));
    }

    bool dictionary(int depth, QVariant *value)
    {
        QVariantMap map;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1String("key"))
                return fail(QStringLiteral("a dictionary value without a key"));
            const QString key = m_xml.readElementText();
            if (m_xml.hasError())
                return false;
            if (!m_xml.readNextStartElement())
                return fail(QStringLiteral("the key \"%1\" has no value").arg(key.left(40)));
            QVariant item;
            if (!element(depth + 1, &item))
                return false;
            map.insert(key, item);
        }
        if (m_xml.hasError())
            return false;
        *value = map;
        return true;
    }

    QXmlStreamReader m_xml;
    QString m_error;
};

} // namespace

bool PropertyList::parse(const QByteArray &bytes, QVariant *value, QString *error)
{
    QString reason;
    QVariant result;
    bool ok = false;
    if (bytes.startsWith("bplist00"))
        ok = BinaryReader(bytes).read(&result, &reason);
    else if (bytes.startsWith("bplist"))
        reason = QStringLiteral("binary list of an unknown version");
    else
        ok = XmlReader(bytes).read(&result, &reason);
    if (!ok) {
        if (error)
            *error = reason;
        return false;
    }
    *value = result;
    return true;
}

bool PropertyList::readFile(const QString &path, QVariant *value, QString *error, qint64 maxBytes, Links links)
{
    QString file = path;
    if (links == Links::Follow) {
        // The link's final target, itself read without following anything further.
        file = QFileInfo(path).canonicalFilePath();
        if (file.isEmpty()) {
            if (error)
                *error = QStringLiteral("missing, or a link to nothing");
            return false;
        }
    }
    QByteArray bytes;
    if (!FileUtils::readRegularFile(file, maxBytes, &bytes, error))
        return false;
    return parse(bytes, value, error);
}

QVariantMap PropertyList::readDictionary(const QString &path, qint64 maxBytes, Links links)
{
    QVariant value;
    QString error;
    if (!readFile(path, &value, &error, maxBytes, links)) {
        Logger::instance()->warning(QStringLiteral("[PropertyList] Cannot read %1: %2").arg(path, error));
        return QVariantMap();
    }
    if (value.typeId() != QMetaType::QVariantMap) {
        Logger::instance()->warning(QStringLiteral("[PropertyList] Not a dictionary at the top: %1").arg(path));
        return QVariantMap();
    }
    return value.toMap();
}

QString PropertyList::string(const QVariantMap &dictionary, const QString &key)
{
    const QVariant value = dictionary.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}
