#include "md5lanes.h"

#include "md5compress.h"

#include "core/fileutils.h"

#include <QCryptographicHash>
#include <QFile>

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qint64 ChunkBytes = 1048576;
constexpr int BlockBytes = 64;
constexpr int MaxLanes = 8;

QList<QByteArray> digestOneByOne(
    const QStringList &paths, const std::atomic<bool> &cancelled, const Md5Lanes::ReadObserver &read)
{
    QList<QByteArray> digests;
    QByteArray chunk(ChunkBytes, Qt::Uninitialized);
    for (int index = 0; index < paths.size(); ++index) {
        QFile file;
        if (!FileUtils::openRegularFile(file, paths.at(index))) {
            digests.append(QByteArray());
            continue;
        }
        QCryptographicHash md5(QCryptographicHash::Md5);
        qint64 total = 0;
        for (;;) {
            if (cancelled)
                return QList<QByteArray>(paths.size());
            const qint64 got = file.read(chunk.data(), chunk.size());
            if (got <= 0)
                break;
            md5.addData(QByteArrayView(chunk.constData(), got));
            total += got;
            if (read)
                read(index, total);
        }
        digests.append(md5.result());
    }
    return digests;
}

#if defined(__SSE2__) || defined(__aarch64__)

#if defined(__SSE2__)
using Vec = __m128i;

inline Vec F(Vec b, Vec c, Vec d)
{
    return _mm_xor_si128(d, _mm_and_si128(b, _mm_xor_si128(c, d)));
}

inline Vec G(Vec b, Vec c, Vec d)
{
    return _mm_xor_si128(c, _mm_and_si128(d, _mm_xor_si128(b, c)));
}

inline Vec H(Vec b, Vec c, Vec d)
{
    return _mm_xor_si128(_mm_xor_si128(b, c), d);
}

inline Vec I(Vec b, Vec c, Vec d)
{
    return _mm_xor_si128(c, _mm_or_si128(b, _mm_xor_si128(d, _mm_set1_epi32(-1))));
}

template<int S> inline void step(Vec &a, Vec b, Vec f, Vec x, quint32 k)
{
    a = _mm_add_epi32(a, _mm_add_epi32(f, _mm_add_epi32(x, _mm_set1_epi32(int(k)))));
    a = _mm_add_epi32(b, _mm_or_si128(_mm_slli_epi32(a, S), _mm_srli_epi32(a, 32 - S)));
}

// The sixteen message words of one block of each of four lanes, word w of every lane in x[w].
inline void loadWords(Vec x[16], const uchar *const blocks[4])
{
    for (int quarter = 0; quarter < 4; ++quarter) {
        const Vec r0 = _mm_loadu_si128(reinterpret_cast<const Vec *>(blocks[0] + 16 * quarter));
        const Vec r1 = _mm_loadu_si128(reinterpret_cast<const Vec *>(blocks[1] + 16 * quarter));
        const Vec r2 = _mm_loadu_si128(reinterpret_cast<const Vec *>(blocks[2] + 16 * quarter));
        const Vec r3 = _mm_loadu_si128(reinterpret_cast<const Vec *>(blocks[3] + 16 * quarter));
        const Vec t0 = _mm_unpacklo_epi32(r0, r1);
        const Vec t1 = _mm_unpacklo_epi32(r2, r3);
        const Vec t2 = _mm_unpackhi_epi32(r0, r1);
        const Vec t3 = _mm_unpackhi_epi32(r2, r3);
        x[4 * quarter] = _mm_unpacklo_epi64(t0, t1);
        x[4 * quarter + 1] = _mm_unpackhi_epi64(t0, t1);
        x[4 * quarter + 2] = _mm_unpacklo_epi64(t2, t3);
        x[4 * quarter + 3] = _mm_unpackhi_epi64(t2, t3);
    }
}

#endif

// One file being hashed in one lane: its unread data sits in buffer[begin, end).
struct Lane
{
    int job = -1;
    QFile file;
    QByteArray buffer { ChunkBytes + 2 * BlockBytes, Qt::Uninitialized };
    qint64 begin = 0;
    qint64 end = 0;
    quint64 length = 0;
    bool padded = false;
};

// Appends MD5's end marker and the bit length once the file has been read to its end.
void appendPadding(Lane &lane)
{
    uchar *data = reinterpret_cast<uchar *>(lane.buffer.data());
    data[lane.end++] = 0x80;
    while (lane.end % BlockBytes != 56)
        data[lane.end++] = 0;
    const quint64 bits = lane.length * 8;
    for (int i = 0; i < 8; ++i)
        data[lane.end++] = uchar(bits >> (8 * i));
    lane.padded = true;
    lane.file.close();
}

// Makes at least one block available; false when the scan is stopped.
bool refill(Lane &lane, const std::atomic<bool> &cancelled, const Md5Lanes::ReadObserver &read)
{
    while (lane.end - lane.begin < BlockBytes && !lane.padded) {
        char *data = lane.buffer.data();
        std::memmove(data, data + lane.begin, size_t(lane.end - lane.begin));
        lane.end -= lane.begin;
        lane.begin = 0;
        if (cancelled)
            return false;
        const qint64 got = lane.file.read(data + lane.end, ChunkBytes);
        if (got > 0) {
            lane.end += got;
            lane.length += quint64(got);
            if (read)
                read(lane.job, qint64(lane.length));
        } else {
            appendPadding(lane);
        }
    }
    return true;
}

using Compress = void (*)(uint32_t *, const unsigned char **, const int64_t *, int64_t);

QList<QByteArray> digestSideBySide(const QStringList &paths, const std::atomic<bool> &cancelled,
    const Md5Lanes::ReadObserver &read, int laneCount, Compress compress)
{
    QList<QByteArray> digests(paths.size());
    std::array<Lane, MaxLanes> lanes;
    quint32 words[4 * MaxLanes];
    static const uchar idleBlock[BlockBytes] = {};
    int next = 0;
    for (;;) {
        for (int l = 0; l < laneCount; ++l) {
            Lane &lane = lanes[size_t(l)];
            while (lane.job < 0 && next < paths.size()) {
                if (FileUtils::openRegularFile(lane.file, paths.at(next))) {
                    lane.job = next;
                    lane.begin = lane.end = 0;
                    lane.length = 0;
                    lane.padded = false;
                    const quint32 initial[4] = { 0x67452301u, 0xefcdab89u, 0x98badcfeu, 0x10325476u };
                    for (int w = 0; w < 4; ++w)
                        words[w * laneCount + l] = initial[w];
                }
                ++next;
            }
            if (lane.job >= 0 && !refill(lane, cancelled, read))
                return QList<QByteArray>(paths.size());
        }

        const uchar *blocks[MaxLanes];
        int64_t strides[MaxLanes];
        qint64 count = -1;
        for (int l = 0; l < laneCount; ++l) {
            const Lane &lane = lanes[size_t(l)];
            const bool busy = lane.job >= 0;
            blocks[l] = busy ? reinterpret_cast<const uchar *>(lane.buffer.constData()) + lane.begin : idleBlock;
            strides[l] = busy ? BlockBytes : 0;
            const qint64 available = (lane.end - lane.begin) / BlockBytes;
            if (busy && (count < 0 || available < count))
                count = available;
        }
        if (count < 0)
            return digests;

        compress(words, blocks, strides, count);

        for (int l = 0; l < laneCount; ++l) {
            Lane &lane = lanes[size_t(l)];
            if (lane.job < 0)
                continue;
            lane.begin += count * BlockBytes;
            if (lane.padded && lane.begin == lane.end) {
                QByteArray digest(16, Qt::Uninitialized);
                for (int w = 0; w < 4; ++w)
                    std::memcpy(digest.data() + 4 * w, &words[w * laneCount + l], 4);
                digests[lane.job] = digest;
                lane.job = -1;
            }
        }
    }
}

#endif

} // namespace

#if defined(__SSE2__)

#define MD5_STEP(f, a, b, c, d, word, constant, shift) step<shift>(a, b, f(b, c, d), word, constant);

void md5CompressSse2(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count)
{
    Vec s[4];
    for (int w = 0; w < 4; ++w)
        s[w] = _mm_loadu_si128(reinterpret_cast<const Vec *>(state + 4 * w));
    Vec x[16];
    for (int64_t block = 0; block < count; ++block) {
        loadWords(x, blocks);
        Vec a = s[0];
        Vec b = s[1];
        Vec c = s[2];
        Vec d = s[3];
#include "md5steps.inc"
        s[0] = _mm_add_epi32(s[0], a);
        s[1] = _mm_add_epi32(s[1], b);
        s[2] = _mm_add_epi32(s[2], c);
        s[3] = _mm_add_epi32(s[3], d);
        for (int lane = 0; lane < 4; ++lane)
            blocks[lane] += strides[lane];
    }
    for (int w = 0; w < 4; ++w)
        _mm_storeu_si128(reinterpret_cast<Vec *>(state + 4 * w), s[w]);
}

#endif

QList<QByteArray> Md5Lanes::digestFiles(
    const QStringList &paths, const std::atomic<bool> &cancelled, const ReadObserver &read)
{
    if (paths.size() > 1) {
#if defined(SWEEPNOOK_MD5_AVX2)
        if (__builtin_cpu_supports("avx2"))
            return digestSideBySide(paths, cancelled, read, 8, md5CompressAvx2);
#endif
#if defined(__SSE2__)
        return digestSideBySide(paths, cancelled, read, 4, md5CompressSse2);
#elif defined(__aarch64__)
        return digestSideBySide(paths, cancelled, read, 4, md5CompressNeon);
#endif
    }
    return digestOneByOne(paths, cancelled, read);
}
