// Checks the arm64 MD5 lane kernel (four messages at a time) and the plain kernel used for a
// single busy lane against a plain one-message MD5, for lengths around the block and padding
// boundaries. Built alone (no Qt) by a cross compiler and run under qemu-user; prints what
// differs and exits 1, or exits 0.
#include "cleaners/md5compress.h"

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

uint32_t rotate(uint32_t x, int s)
{
    return (x << s) | (x >> (32 - s));
}

// MD5 as RFC 1321 describes it, one message, 64 steps written out as a loop.
std::string referenceMd5(const std::vector<unsigned char> &message)
{
    static const int shifts[64] = { 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 5, 9, 14, 20, 5, 9,
        14, 20, 5, 9, 14, 20, 5, 9, 14, 20, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 6, 10, 15, 21,
        6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21 };
    uint32_t k[64];
    for (int i = 0; i < 64; ++i) {
        // floor(abs(sin(i + 1)) * 2^32), tabulated to avoid floating point differences.
        static const uint32_t table[64] = { 0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a,
            0xa8304613, 0xfd469501, 0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193,
            0xa679438e, 0x49b40821, 0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453,
            0xd8a1e681, 0xe7d3fbc8, 0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8,
            0x676f02d9, 0x8d2a4c8a, 0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9,
            0xf6bb4b60, 0xbebfbc70, 0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5,
            0x1fa27cf8, 0xc4ac5665, 0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92,
            0xffeff47d, 0x85845dd1, 0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235,
            0x2ad7d2bb, 0xeb86d391 };
        k[i] = table[i];
    }
    std::vector<unsigned char> data = message;
    const uint64_t bits = uint64_t(message.size()) * 8;
    data.push_back(0x80);
    while (data.size() % 64 != 56)
        data.push_back(0);
    for (int i = 0; i < 8; ++i)
        data.push_back((unsigned char)(bits >> (8 * i)));
    uint32_t h[4] = { 0x67452301u, 0xefcdab89u, 0x98badcfeu, 0x10325476u };
    for (size_t block = 0; block < data.size(); block += 64) {
        uint32_t m[16];
        std::memcpy(m, data.data() + block, 64);
        uint32_t a = h[0], b = h[1], c = h[2], d = h[3];
        for (int i = 0; i < 64; ++i) {
            uint32_t f = 0;
            int g = 0;
            if (i < 16) {
                f = (b & c) | (~b & d);
                g = i;
            } else if (i < 32) {
                f = (d & b) | (~d & c);
                g = (5 * i + 1) % 16;
            } else if (i < 48) {
                f = b ^ c ^ d;
                g = (3 * i + 5) % 16;
            } else {
                f = c ^ (b | ~d);
                g = (7 * i) % 16;
            }
            const uint32_t next = d;
            d = c;
            c = b;
            b = b + rotate(a + f + k[i] + m[g], shifts[i]);
            a = next;
        }
        h[0] += a;
        h[1] += b;
        h[2] += c;
        h[3] += d;
    }
    char hex[33];
    for (int w = 0; w < 4; ++w) {
        for (int byte = 0; byte < 4; ++byte)
            std::snprintf(hex + 8 * w + 2 * byte, 3, "%02x", unsigned((h[w] >> (8 * byte)) & 0xff));
    }
    return hex;
}

using Compress = void (*)(uint32_t *, const unsigned char **, const int64_t *, int64_t);

// The first `lanes` messages padded as MD5 pads them and hashed side by side by compress; they
// have one length, so one block count.
std::vector<std::string> laneMd5(const std::vector<std::vector<unsigned char>> &messages, Compress compress, int lanes)
{
    std::vector<std::vector<unsigned char>> padded(static_cast<size_t>(lanes));
    for (int lane = 0; lane < lanes; ++lane) {
        padded[lane] = messages[lane];
        const uint64_t bits = uint64_t(messages[lane].size()) * 8;
        padded[lane].push_back(0x80);
        while (padded[lane].size() % 64 != 56)
            padded[lane].push_back(0);
        for (int i = 0; i < 8; ++i)
            padded[lane].push_back((unsigned char)(bits >> (8 * i)));
    }
    uint32_t state[16];
    const uint32_t initial[4] = { 0x67452301u, 0xefcdab89u, 0x98badcfeu, 0x10325476u };
    for (int w = 0; w < 4; ++w)
        for (int lane = 0; lane < lanes; ++lane)
            state[w * lanes + lane] = initial[w];
    const unsigned char *blocks[4];
    int64_t strides[4];
    for (int lane = 0; lane < lanes; ++lane) {
        blocks[lane] = padded[lane].data();
        strides[lane] = 64;
    }
    compress(state, blocks, strides, int64_t(padded[0].size() / 64));
    std::vector<std::string> digests;
    for (int lane = 0; lane < lanes; ++lane) {
        char hex[33];
        for (int w = 0; w < 4; ++w) {
            const uint32_t word = state[w * lanes + lane];
            for (int byte = 0; byte < 4; ++byte)
                std::snprintf(hex + 8 * w + 2 * byte, 3, "%02x", unsigned((word >> (8 * byte)) & 0xff));
        }
        digests.push_back(hex);
    }
    return digests;
}

} // namespace

int main()
{
    int failures = 0;
    const std::vector<unsigned char> abc { 'a', 'b', 'c' };
    if (referenceMd5({}) != "d41d8cd98f00b204e9800998ecf8427e" || referenceMd5(abc) != "900150983cd24fb0d6963f7d28e17f72") {
        std::printf("reference MD5 is wrong\n");
        return 1;
    }
    std::mt19937 random(11);
    for (const size_t length : { 0, 1, 3, 55, 56, 63, 64, 65, 119, 120, 128, 1000, 4099, 65536 + 17 }) {
        std::vector<std::vector<unsigned char>> messages(4, std::vector<unsigned char>(length));
        for (auto &message : messages)
            for (auto &byte : message)
                byte = (unsigned char)random();
        const std::vector<std::string> neon = laneMd5(messages, md5CompressNeon, 4);
        const std::vector<std::string> plain = laneMd5(messages, md5CompressPlain, 1);
        for (int lane = 0; lane < 4; ++lane) {
            const std::string expected = referenceMd5(messages[lane]);
            if (neon[lane] != expected) {
                std::printf("length %zu lane %d: %s, expected %s\n", length, lane, neon[lane].c_str(), expected.c_str());
                ++failures;
            }
        }
        if (plain[0] != referenceMd5(messages[0])) {
            std::printf("length %zu plain: %s\n", length, plain[0].c_str());
            ++failures;
        }
    }
    std::printf(failures ? "%d mismatches\n" : "all lanes agree\n", failures);
    return failures ? 1 : 0;
}
