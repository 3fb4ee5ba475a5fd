#include "cleaners/md5compress.h"
#include "cleaners/md5lanes.h"
#include "testhome.h"

#include <QtTest>

#include <QCryptographicHash>
#include <QRandomGenerator>

class TestMd5Lanes : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithMd5_data();
    void agreesWithMd5();
    void stopsWhenCancelled();
    void kernelsAgreeWithMd5_data();
    void kernelsAgreeWithMd5();
};

void TestMd5Lanes::agreesWithMd5_data()
{
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("one file") << QList<int> { 1000 };
    QTest::newRow("block edges") << QList<int> { 0, 1, 55, 56, 63, 64, 65, 119, 120, 128 };
    QTest::newRow("chunk edges") << QList<int> { 1048575, 1048576, 1048577, 3 * 1048576 + 17, 70000 };
    QTest::newRow("more files than lanes, uneven")
        << QList<int> { 5000, 300, 2100000, 64, 77777, 1, 999999, 4096, 65536, 0, 12345 };
}

void TestMd5Lanes::agreesWithMd5()
{
    QFETCH(QList<int>, sizes);
    TestHome home;
    QRandomGenerator random(11);
    QStringList paths;
    QList<QByteArray> expected;
    for (int i = 0; i < sizes.size(); ++i) {
        QByteArray content(sizes.at(i), Qt::Uninitialized);
        for (char &byte : content)
            byte = char(random.bounded(256));
        paths.append(home.makeFileWithContent(QStringLiteral("f%1.bin").arg(i), content));
        expected.append(QCryptographicHash::hash(content, QCryptographicHash::Md5));
        if (i == 2) { // a path that cannot be read among the others
            paths.append(home.filePath(QStringLiteral("missing.bin")));
            expected.append(QByteArray());
        }
    }
    const std::atomic<bool> cancelled { false };
    QCOMPARE(Md5Lanes::digestFiles(paths, cancelled), expected);
}

void TestMd5Lanes::stopsWhenCancelled()
{
    TestHome home;
    const QStringList paths { home.makeFile(QStringLiteral("a.bin"), 2000),
        home.makeFile(QStringLiteral("b.bin"), 3000) };
    const std::atomic<bool> cancelled { true };
    QCOMPARE(Md5Lanes::digestFiles(paths, cancelled), QList<QByteArray>(2));
}

void TestMd5Lanes::kernelsAgreeWithMd5_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<void *>("kernel");
    QTest::newRow("plain") << 1 << reinterpret_cast<void *>(&md5CompressPlain);
#if defined(__x86_64__)
    QTest::newRow("SSE2") << 4 << reinterpret_cast<void *>(&md5CompressSse2);
    if (__builtin_cpu_supports("avx2"))
        QTest::newRow("AVX2") << 8 << reinterpret_cast<void *>(&md5CompressAvx2);
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl"))
        QTest::newRow("AVX-512") << 8 << reinterpret_cast<void *>(&md5CompressAvx512);
#endif
}

// Each lane gets a message of its own length, padded by hand, fed one block per call; a lane
// whose message is done goes on hashing a spare block that is never looked at.
void TestMd5Lanes::kernelsAgreeWithMd5()
{
    QFETCH(int, lanes);
    QFETCH(void *, kernel);
    const auto compress = reinterpret_cast<decltype(&md5CompressSse2)>(kernel);
    const QList<int> lengths { 0, 55, 56, 63, 64, 119, 1000, 4097 };
    QList<QByteArray> padded;
    QList<QByteArray> expected;
    for (int l = 0; l < lanes; ++l) {
        QByteArray message(lengths.at(l), Qt::Uninitialized);
        for (int i = 0; i < message.size(); ++i)
            message[i] = char(i * 7 + l);
        expected.append(QCryptographicHash::hash(message, QCryptographicHash::Md5));
        const quint64 bits = quint64(message.size()) * 8;
        message.append(char(0x80));
        while (message.size() % 64 != 56)
            message.append('\0');
        for (int i = 0; i < 8; ++i)
            message.append(char(bits >> (8 * i)));
        padded.append(message);
    }
    std::vector<uint32_t> state(size_t(4 * lanes));
    const uint32_t initial[4] = { 0x67452301u, 0xefcdab89u, 0x98badcfeu, 0x10325476u };
    for (int w = 0; w < 4; ++w)
        std::fill_n(state.begin() + w * lanes, lanes, initial[w]);
    const QByteArray spare(64, 's');
    QList<QByteArray> digests(lanes);
    for (int block = 0; std::any_of(digests.cbegin(), digests.cend(), [](const QByteArray &d) { return d.isEmpty(); });
         ++block) {
        std::vector<const unsigned char *> blocks(static_cast<size_t>(lanes));
        const std::vector<int64_t> strides(static_cast<size_t>(lanes), 0);
        for (int l = 0; l < lanes; ++l) {
            const bool busy = block * 64 < padded.at(l).size();
            blocks[size_t(l)] = reinterpret_cast<const unsigned char *>(
                busy ? padded.at(l).constData() + block * 64 : spare.constData());
        }
        compress(state.data(), blocks.data(), strides.data(), 1);
        for (int l = 0; l < lanes; ++l) {
            if ((block + 1) * 64 != padded.at(l).size())
                continue;
            QByteArray digest;
            for (int w = 0; w < 4; ++w)
                digest.append(reinterpret_cast<const char *>(&state[size_t(w * lanes + l)]), 4);
            digests[l] = digest;
        }
    }
    QCOMPARE(digests, expected);
}

QTEST_GUILESS_MAIN(TestMd5Lanes)
#include "tst_md5lanes.moc"
