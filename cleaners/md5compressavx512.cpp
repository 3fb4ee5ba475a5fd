// Compiled with AVX-512 (F and VL) enabled; called only on processors that have it. The same
// eight lanes as the AVX2 kernel, but each step's boolean function is one ternary-logic
// instruction and its rotation one instruction, which about halves the chain of dependent
// instructions per step. Keep this file free of anything but intrinsics, so that no shared
// inline code is built with AVX-512 here.
#include "md5compress.h"

#include <immintrin.h>

namespace {

using Vec = __m256i;

// The truth tables of MD5's four functions of (b, c, d), as ternary-logic immediates.
inline Vec F(Vec b, Vec c, Vec d)
{
    return _mm256_ternarylogic_epi32(b, c, d, 0xca);
}

inline Vec G(Vec b, Vec c, Vec d)
{
    return _mm256_ternarylogic_epi32(b, c, d, 0xe4);
}

inline Vec H(Vec b, Vec c, Vec d)
{
    return _mm256_ternarylogic_epi32(b, c, d, 0x96);
}

inline Vec I(Vec b, Vec c, Vec d)
{
    return _mm256_ternarylogic_epi32(b, c, d, 0x39);
}

template<int S> inline void step(Vec &a, Vec b, Vec f, Vec x, uint32_t k)
{
    a = _mm256_add_epi32(_mm256_add_epi32(a, f), _mm256_add_epi32(x, _mm256_set1_epi32(int(k))));
    a = _mm256_add_epi32(b, _mm256_rol_epi32(a, S));
}

// Words first to first + 7 of eight lanes' blocks, transposed so that x[w] holds word w of
// every lane.
inline void loadEightWords(Vec *x, const unsigned char *const *blocks, int first)
{
    Vec r[8];
    for (int lane = 0; lane < 8; ++lane)
        r[lane] = _mm256_loadu_si256(reinterpret_cast<const Vec *>(blocks[lane] + 4 * first));
    Vec u[8];
    for (int half = 0; half < 2; ++half) {
        const Vec *q = r + 4 * half;
        const Vec t0 = _mm256_unpacklo_epi32(q[0], q[1]);
        const Vec t1 = _mm256_unpackhi_epi32(q[0], q[1]);
        const Vec t2 = _mm256_unpacklo_epi32(q[2], q[3]);
        const Vec t3 = _mm256_unpackhi_epi32(q[2], q[3]);
        u[4 * half] = _mm256_unpacklo_epi64(t0, t2);
        u[4 * half + 1] = _mm256_unpackhi_epi64(t0, t2);
        u[4 * half + 2] = _mm256_unpacklo_epi64(t1, t3);
        u[4 * half + 3] = _mm256_unpackhi_epi64(t1, t3);
    }
    for (int w = 0; w < 4; ++w) {
        x[first + w] = _mm256_permute2x128_si256(u[w], u[4 + w], 0x20);
        x[first + w + 4] = _mm256_permute2x128_si256(u[w], u[4 + w], 0x31);
    }
}

} // namespace

#define MD5_STEP(f, a, b, c, d, word, constant, shift) step<shift>(a, b, f(b, c, d), word, constant);

void md5CompressAvx512(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count)
{
    Vec s[4];
    for (int w = 0; w < 4; ++w)
        s[w] = _mm256_loadu_si256(reinterpret_cast<const Vec *>(state + 8 * w));
    Vec x[16];
    for (int64_t block = 0; block < count; ++block) {
        loadEightWords(x, blocks, 0);
        loadEightWords(x, blocks, 8);
        Vec a = s[0];
        Vec b = s[1];
        Vec c = s[2];
        Vec d = s[3];
#include "md5steps.inc"
        s[0] = _mm256_add_epi32(s[0], a);
        s[1] = _mm256_add_epi32(s[1], b);
        s[2] = _mm256_add_epi32(s[2], c);
        s[3] = _mm256_add_epi32(s[3], d);
        for (int lane = 0; lane < 8; ++lane)
            blocks[lane] += strides[lane];
    }
    for (int w = 0; w < 4; ++w)
        _mm256_storeu_si256(reinterpret_cast<Vec *>(state + 8 * w), s[w]);
}
