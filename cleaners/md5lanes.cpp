#include "md5lanes.h"

#include "md5compress.h"

#include "core/fileutils.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <unistd.h>

namespace {

constexpr qint64 ChunkBytes = 1048576;
constexpr int BlockBytes = 64;
constexpr int MaxLanes = 8;

using Compress = void (*)(uint32_t *, const unsigned char **, const int64_t *, int64_t);

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

// The kernel that hashes busy lanes fastest, and how many lanes it takes at once.
struct Kernel
{
    int width;
    Compress compress;
};

// Measured on one x86-64 core, per busy lane: plain code about 700 MB/s; the eight-lane
// AVX-512 kernel 560 MB/s on each of its lanes, the AVX2 kernel 160-380 MB/s, the four-lane
// kernels 250 MB/s. A vector kernel pays from two busy lanes on (four-lane ones from three).
Kernel kernelFor(int busy)
{
    if (busy == 1)
        return { 1, md5CompressPlain };
#if defined(SWEEPNOOK_MD5_AVX2)
    static const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx512)
        return { 8, md5CompressAvx512 };
    if (avx2)
        return { 8, md5CompressAvx2 };
#endif
    if (busy == 2)
        return { 1, md5CompressPlain };
#if defined(__SSE2__)
    return { 4, md5CompressSse2 };
#elif defined(__aarch64__)
    return { 4, md5CompressNeon };
#else
    return { 1, md5CompressPlain };
#endif
}

// One message being hashed in one lane: its unread data sits in buffer[begin, end).
struct Lane
{
    int job = -1;
    char *buffer = nullptr;
    qint64 begin = 0;
    qint64 end = 0;
    quint64 length = 0;
    bool padded = false;
    uint32_t state[4] = {};
};

// The lanes' buffers, kept for the life of the thread: fresh megabytes for every call would be
// mapped and zeroed by the system each time.
char *laneBuffer(int lane)
{
    thread_local std::array<std::unique_ptr<char[]>, MaxLanes> buffers;
    std::unique_ptr<char[]> &buffer = buffers[size_t(lane)];
    if (!buffer)
        buffer.reset(new char[size_t(ChunkBytes + 2 * BlockBytes)]);
    return buffer.get();
}

// Appends MD5's end marker and the bit length once the message has been read to its end.
void appendPadding(Lane &lane)
{
    uchar *data = reinterpret_cast<uchar *>(lane.buffer);
    data[lane.end++] = 0x80;
    while (lane.end % BlockBytes != 56)
        data[lane.end++] = 0;
    const quint64 bits = lane.length * 8;
    for (int i = 0; i < 8; ++i)
        data[lane.end++] = uchar(bits >> (8 * i));
    lane.padded = true;
}

enum class Refill { Ready, Failed, Cancelled };

// Makes at least one block available.
Refill refill(Lane &lane, const std::atomic<bool> &cancelled, const Md5Lanes::Reader &read)
{
    while (lane.end - lane.begin < BlockBytes && !lane.padded) {
        std::memmove(lane.buffer, lane.buffer + lane.begin, size_t(lane.end - lane.begin));
        lane.end -= lane.begin;
        lane.begin = 0;
        if (cancelled)
            return Refill::Cancelled;
        const qint64 got = read(lane.job, lane.buffer + lane.end, ChunkBytes);
        if (got < 0)
            return Refill::Failed;
        if (got == 0) {
            appendPadding(lane);
        } else {
            lane.end += got;
            lane.length += quint64(got);
        }
    }
    return Refill::Ready;
}

// Runs count blocks of each busy lane through kernel, width lanes at a time.
void compressLanes(const std::vector<Lane *> &busy, qint64 count)
{
    static const uchar idleBlock[BlockBytes] = {};
    const Kernel kernel = kernelFor(int(busy.size()));
    for (size_t first = 0; first < busy.size(); first += size_t(kernel.width)) {
        uint32_t words[4 * MaxLanes];
        const uchar *blocks[MaxLanes];
        int64_t strides[MaxLanes];
        for (int slot = 0; slot < kernel.width; ++slot) {
            const Lane *lane = first + size_t(slot) < busy.size() ? busy[first + size_t(slot)] : nullptr;
            for (int w = 0; w < 4; ++w)
                words[w * kernel.width + slot] = lane ? lane->state[w] : 0;
            blocks[slot] = lane ? reinterpret_cast<const uchar *>(lane->buffer) + lane->begin : idleBlock;
            strides[slot] = lane ? BlockBytes : 0;
        }
        kernel.compress(words, blocks, strides, count);
        for (int slot = 0; slot < kernel.width && first + size_t(slot) < busy.size(); ++slot) {
            for (int w = 0; w < 4; ++w)
                busy[first + size_t(slot)]->state[w] = words[w * kernel.width + slot];
        }
    }
}

// Reads one file after the other, each from its first read on, through a descriptor.
class FileReader
{
public:
    FileReader(const QStringList &paths, const Md5Lanes::ReadObserver &observer)
        : m_paths(paths)
        , m_observer(observer)
        , m_fds(size_t(paths.size()), -1)
        , m_done(size_t(paths.size()), 0)
    {
    }
    ~FileReader()
    {
        for (const int fd : m_fds) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    FileReader(const FileReader &) = delete;
    FileReader &operator=(const FileReader &) = delete;

    qint64 read(int index, char *buffer, qint64 capacity)
    {
        int &fd = m_fds[size_t(index)];
        if (fd == -1)
            fd = FileUtils::openRegularFile(m_paths.at(index));
        if (fd < 0)
            return -1;
        ssize_t got = 0;
        do
            got = ::read(fd, buffer, size_t(capacity));
        while (got < 0 && errno == EINTR);
        if (got <= 0) {
            ::close(fd);
            fd = -2;
            return got < 0 ? -1 : 0;
        }
        m_done[size_t(index)] += got;
        if (m_observer)
            m_observer(index, m_done[size_t(index)]);
        return got;
    }

private:
    const QStringList &m_paths;
    const Md5Lanes::ReadObserver &m_observer;
    std::vector<int> m_fds; // -1 not opened yet, -2 closed
    std::vector<qint64> m_done;
};

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

QList<QByteArray> Md5Lanes::digestStreams(int count, const std::atomic<bool> &cancelled, const Reader &read)
{
    QList<QByteArray> digests(count);
    std::array<Lane, MaxLanes> lanes;
    for (int l = 0; l < MaxLanes; ++l)
        lanes[size_t(l)].buffer = laneBuffer(l);
    int next = 0;
    std::vector<Lane *> busy;
    for (;;) {
        busy.clear();
        for (Lane &lane : lanes) {
            for (;;) {
                if (lane.job < 0) {
                    if (next >= count)
                        break;
                    lane.job = next++;
                    lane.begin = lane.end = 0;
                    lane.length = 0;
                    lane.padded = false;
                    const uint32_t initial[4] = { 0x67452301u, 0xefcdab89u, 0x98badcfeu, 0x10325476u };
                    std::memcpy(lane.state, initial, sizeof initial);
                }
                const Refill result = refill(lane, cancelled, read);
                if (result == Refill::Cancelled)
                    return QList<QByteArray>(count);
                if (result == Refill::Ready)
                    break;
                lane.job = -1; // unreadable: its digest stays empty
            }
            if (lane.job >= 0)
                busy.push_back(&lane);
        }
        if (busy.empty())
            return digests;

        qint64 blocks = -1;
        for (const Lane *lane : busy) {
            const qint64 available = (lane->end - lane->begin) / BlockBytes;
            if (blocks < 0 || available < blocks)
                blocks = available;
        }
        compressLanes(busy, blocks);

        for (Lane *lane : busy) {
            lane->begin += blocks * BlockBytes;
            if (lane->padded && lane->begin == lane->end) {
                QByteArray digest(16, Qt::Uninitialized);
                std::memcpy(digest.data(), lane->state, 16);
                digests[lane->job] = digest;
                lane->job = -1;
            }
        }
    }
}

QList<QByteArray> Md5Lanes::digestFiles(
    const QStringList &paths, const std::atomic<bool> &cancelled, const ReadObserver &read)
{
    FileReader files(paths, read);
    return digestStreams(int(paths.size()), cancelled,
        [&files](int index, char *buffer, qint64 capacity) { return files.read(index, buffer, capacity); });
}
