#include "core/propertylist.h"
#include "testhome.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimeZone>
#include <QtTest>

#include <sys/stat.h>

namespace {

// One value of every kind, written by python3's plistlib (the oracle) in the given format
// ("FMT_XML" or "FMT_BINARY"). Strings longer than 14 characters and containers of more than
// 14 entries take the binary format's extended counts; a non-ASCII string its UTF-16 form; the
// same string twice is one shared object.
const char *const kOracleScript = R"(
import datetime, plistlib, sys
many = {"key%02d" % i: i for i in range(20)}
value = {
    "CFBundleIdentifier": "com.example.long-identifier-name",
    "Short": "ab",
    "Unicode": "Caf\u00e9 \u65e5\u672c \U0001F600",
    "Empty": "",
    "True": True,
    "False": False,
    "Small": 7,
    "Byte": 200,
    "Word": 65535,
    "Large": 4294967296,
    "Negative": -42,
    "Huge": 9223372036854775807,
    "Real": 2.5,
    "Date": datetime.datetime(2024, 3, 1, 12, 30, 15),
    "Data": b"\x00\x01binary\xff",
    "Array": ["ab", "ab", 1, [True, {"inner": "x"}]],
    "Many": many,
    "Nested": {"Disabled": True, "ProgramArguments": ["/usr/bin/open", "-a", "/Applications/Foo.app"]},
}
with open(sys.argv[1], "wb") as f:
    plistlib.dump(value, f, fmt=getattr(plistlib, sys.argv[2]), sort_keys=False)
)";

bool runOracle(const QString &path, const QString &format)
{
    QProcess python;
    python.start(QStringLiteral("python3"), { QStringLiteral("-c"), QString::fromUtf8(kOracleScript), path, format });
    // Waits as long as the machine needs: no time limit decides the test.
    if (!python.waitForFinished(-1) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return false;
    }
    return true;
}

QByteArray bigEndian(quint64 value, int width)
{
    QByteArray bytes(width, '\0');
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        bytes[i] = char(value & 0xff);
    return bytes;
}

// A binary list of the given objects (each as its bytes), with one-byte references and offsets
// unless the trailer is given.
QByteArray binaryList(const QList<QByteArray> &objects, quint64 top = 0, QByteArray trailer = QByteArray())
{
    QByteArray bytes = "bplist00";
    QByteArray table;
    for (const QByteArray &object : objects) {
        table += bigEndian(quint64(bytes.size()), 2);
        bytes += object;
    }
    const quint64 tableOffset = quint64(bytes.size());
    bytes += table;
    if (trailer.isEmpty())
        trailer = QByteArray(6, '\0') + char(2) + char(1) + bigEndian(quint64(objects.size()), 8) + bigEndian(top, 8)
            + bigEndian(tableOffset, 8);
    return bytes + trailer;
}

} // namespace

class TestPropertyList : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatPlistlibWrites_data();
    void readsWhatPlistlibWrites();
    void malformedListsGiveNoValue_data();
    void malformedListsGiveNoValue();
    void damagedCopiesNeverCrash();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
};

void TestPropertyList::readsWhatPlistlibWrites_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("xml") << QStringLiteral("FMT_XML");
    QTest::newRow("binary") << QStringLiteral("FMT_BINARY");
}

void TestPropertyList::readsWhatPlistlibWrites()
{
    QFETCH(QString, format);
    TestHome home;
    const QString path = home.filePath(QStringLiteral("Info.plist"));
    QVERIFY(runOracle(path, format));

    const QVariantMap top = PropertyList::readDictionary(path);
    QCOMPARE(PropertyList::string(top, QStringLiteral("CFBundleIdentifier")),
        QStringLiteral("com.example.long-identifier-name"));
    QCOMPARE(PropertyList::string(top, QStringLiteral("Short")), QStringLiteral("ab"));
    QCOMPARE(PropertyList::string(top, QStringLiteral("Unicode")),
        QString::fromUtf8("Caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80"));
    QVERIFY(top.contains(QStringLiteral("Empty")));
    QCOMPARE(PropertyList::string(top, QStringLiteral("Empty")), QString());
    QCOMPARE(top.value(QStringLiteral("True")), QVariant(true));
    QCOMPARE(top.value(QStringLiteral("False")), QVariant(false));
    QCOMPARE(top.value(QStringLiteral("Small")), QVariant(qint64(7)));
    QCOMPARE(top.value(QStringLiteral("Byte")), QVariant(qint64(200)));
    QCOMPARE(top.value(QStringLiteral("Word")), QVariant(qint64(65535)));
    QCOMPARE(top.value(QStringLiteral("Large")), QVariant(qint64(4294967296LL)));
    QCOMPARE(top.value(QStringLiteral("Negative")), QVariant(qint64(-42)));
    QCOMPARE(top.value(QStringLiteral("Huge")), QVariant(qint64(9223372036854775807LL)));
    QCOMPARE(top.value(QStringLiteral("Real")), QVariant(2.5));
    QCOMPARE(top.value(QStringLiteral("Date")).toDateTime(),
        QDateTime(QDate(2024, 3, 1), QTime(12, 30, 15), QTimeZone::utc()));
    QCOMPARE(top.value(QStringLiteral("Data")).toByteArray(),
        QByteArray("\x00\x01"
                   "binary\xff",
            9));
    // A number where a string is asked for is no string.
    QCOMPARE(PropertyList::string(top, QStringLiteral("Small")), QString());

    const QVariantList array = top.value(QStringLiteral("Array")).toList();
    QCOMPARE(array.size(), 4);
    QCOMPARE(array.at(0).toString(), QStringLiteral("ab"));
    QCOMPARE(array.at(1).toString(), QStringLiteral("ab"));
    QCOMPARE(array.at(2), QVariant(qint64(1)));
    const QVariantList inner = array.at(3).toList();
    QCOMPARE(inner.size(), 2);
    QCOMPARE(inner.at(0), QVariant(true));
    QCOMPARE(inner.at(1).toMap().value(QStringLiteral("inner")).toString(), QStringLiteral("x"));

    const QVariantMap many = top.value(QStringLiteral("Many")).toMap();
    QCOMPARE(many.size(), 20);
    QCOMPARE(many.value(QStringLiteral("key19")), QVariant(qint64(19)));

    const QVariantMap nested = top.value(QStringLiteral("Nested")).toMap();
    QCOMPARE(nested.value(QStringLiteral("Disabled")), QVariant(true));
    QCOMPARE(nested.value(QStringLiteral("ProgramArguments")).toStringList(),
        (QStringList {
            QStringLiteral("/usr/bin/open"), QStringLiteral("-a"), QStringLiteral("/Applications/Foo.app") }));
}

void TestPropertyList::malformedListsGiveNoValue_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray emptyDict("\xd0", 1);
    const QByteArray oneString("\x51"
                               "a",
        2);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("hello");
    QTest::newRow("xml without plist") << QByteArray("<?xml version=\"1.0\"?><dict/>");
    QTest::newRow("xml unclosed") << QByteArray("<plist><dict><key>a</key><string>b</string>");
    QTest::newRow("xml key without value") << QByteArray("<plist><dict><key>a</key></dict></plist>");
    QTest::newRow("xml value without key") << QByteArray("<plist><dict><string>b</string></dict></plist>");
    QTest::newRow("xml bad integer") << QByteArray("<plist><integer>12x</integer></plist>");
    QTest::newRow("xml unknown element") << QByteArray("<plist><thing/></plist>");
    QTest::newRow("xml element in string") << QByteArray("<plist><string>a<b/></string></plist>");
    QTest::newRow("xml nested without end") << QByteArray("<plist>") + QByteArray("<array>").repeated(100000)
            + QByteArray("</array>").repeated(100000) + QByteArray("</plist>");
    QTest::newRow("binary header only") << QByteArray("bplist00");
    QTest::newRow("binary unknown version") << QByteArray("bplist15") + QByteArray(40, '\0');
    QTest::newRow("binary top object out of range") << binaryList({ emptyDict }, 5);
    QTest::newRow("binary zero sizes") << binaryList({ emptyDict }, 0,
        QByteArray(6, '\0') + char(0) + char(0) + bigEndian(1, 8) + bigEndian(0, 8) + bigEndian(9, 8));
    QTest::newRow("binary table past the end") << binaryList({ emptyDict }, 0,
        QByteArray(6, '\0') + char(2) + char(1) + bigEndian(1, 8) + bigEndian(0, 8) + bigEndian(4000, 8));
    QTest::newRow("binary object count past the table") << binaryList({ emptyDict }, 0,
        QByteArray(6, '\0') + char(2) + char(1) + bigEndian(quint64(1) << 61, 8) + bigEndian(0, 8) + bigEndian(9, 8));
    // An array holding itself, and two arrays holding each other.
    QTest::newRow("binary array holds itself") << binaryList({ QByteArray("\xa1\x00", 2) });
    QTest::newRow("binary loop of two") << binaryList({ QByteArray("\xa1\x01", 2), QByteArray("\xa1\x00", 2) });
    QTest::newRow("binary count past the end") << binaryList({ QByteArray("\xaf\x13\x7f\xff\xff\xff\x00", 7) });
    QTest::newRow("binary huge string") << binaryList({ QByteArray("\x5f\x13\x7f\xff\xff\xff\xff\xff\xff\xff", 10) });
    QTest::newRow("binary reference to no object") << binaryList({ QByteArray("\xa1\x09", 2) });
    QTest::newRow("binary key not a string")
        << binaryList({ QByteArray("\xd1\x01\x02", 3), QByteArray("\x10\x01", 2), oneString });
    QTest::newRow("binary unknown marker") << binaryList({ QByteArray("\x9f", 1) });
    QTest::newRow("binary integer too wide") << binaryList({ QByteArray("\x15", 1) + QByteArray(32, '\0') });
    QByteArray chain;
    QList<QByteArray> deep;
    for (int i = 0; i < 2000; ++i)
        deep.append(QByteArray("\xa1", 1) + char(0) + char(0));
    for (int i = 0; i < deep.size(); ++i) {
        // Two-byte references: each array holds the next.
        deep[i] = QByteArray("\xa1", 1) + bigEndian(quint64(i + 1 < deep.size() ? i + 1 : i), 2);
    }
    QTest::newRow("binary nested without end") << binaryList(deep, 0,
        QByteArray(6, '\0') + char(2) + char(2) + bigEndian(quint64(deep.size()), 8) + bigEndian(0, 8)
            + bigEndian(quint64(8 + 3 * deep.size()), 8));
}

void TestPropertyList::malformedListsGiveNoValue()
{
    QFETCH(QByteArray, bytes);
    QVariant value(QStringLiteral("untouched"));
    QString error;
    QVERIFY(!PropertyList::parse(bytes, &value, &error));
    QVERIFY2(!error.isEmpty(), "a reason is given");
    QCOMPARE(value, QVariant(QStringLiteral("untouched")));
}

void TestPropertyList::damagedCopiesNeverCrash()
{
    TestHome home;
    const QString path = home.filePath(QStringLiteral("Info.plist"));
    QVERIFY(runOracle(path, QStringLiteral("FMT_BINARY")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    QVariant value;
    QVERIFY(PropertyList::parse(original, &value));

    // Every truncation, and every single byte changed in three ways: each is read or refused,
    // none crashes (the sanitizer builds make an overread visible too).
    for (int length = 0; length < original.size(); ++length) {
        QString error;
        QVERIFY(!PropertyList::parse(original.left(length), &value, &error));
    }
    for (int at = 0; at < original.size(); ++at) {
        for (const char change : { char(0xff), char(0x80), char(0x01) }) {
            QByteArray damaged = original;
            damaged[at] = char(damaged.at(at) ^ change);
            PropertyList::parse(damaged, &value);
        }
    }
}

void TestPropertyList::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << QStringLiteral("fifo");
    QTest::newRow("link to a list") << QStringLiteral("link");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("larger than the cap") << QStringLiteral("large");
    QTest::newRow("missing") << QStringLiteral("missing");
}

void TestPropertyList::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);
    TestHome home;
    const QString good = home.makeFileWithContent(QStringLiteral("good.plist"),
        "<plist><dict><key>CFBundleIdentifier</key><string>com.example.app</string></dict></plist>");
    const QString path = home.filePath(QStringLiteral("Info.plist"));
    if (kind == QLatin1String("fifo"))
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("link"))
        home.makeLink(QStringLiteral("Info.plist"), good);
    else if (kind == QLatin1String("folder"))
        home.makeDir(QStringLiteral("Info.plist"));
    else if (kind == QLatin1String("large"))
        home.makeFileWithContent(QStringLiteral("Info.plist"),
            "<plist><dict><key>CFBundleIdentifier</key><string>" + QByteArray(2000, 'a') + "</string></dict></plist>");
    QVERIFY(PropertyList::readDictionary(good).contains(QStringLiteral("CFBundleIdentifier")));

    // A FIFO nobody writes to would block an open() for ever: this returns.
    QVariant value;
    QString error;
    QVERIFY(!PropertyList::readFile(path, &value, &error, 1024));
    QVERIFY(!error.isEmpty());
    QVERIFY(PropertyList::readDictionary(path, 1024).isEmpty());
}

QTEST_GUILESS_MAIN(TestPropertyList)
#include "tst_propertylist.moc"
