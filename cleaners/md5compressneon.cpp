// The four-lane MD5 kernel for arm64 (Apple Silicon): every arm64 processor has NEON. Plain
// types and intrinsics only, so that the file also builds alone for the cross-compiled test.
#include "md5compress.h"

#if defined(__aarch64__)

#include <arm_neon.h>

namespace {

using Vec = uint32x4_t;

inline Vec F(Vec b, Vec c, Vec d)
{
    return vbslq_u32(b, c, d);
}

inline Vec G(Vec b, Vec c, Vec d)
{
    return vbslq_u32(d, b, c);
}

inline Vec H(Vec b, Vec c, Vec d)
{
    return veorq_u32(veorq_u32(b, c), d);
}

inline Vec I(Vec b, Vec c, Vec d)
{
    return veorq_u32(c, vornq_u32(b, d));
}

template<int S> inline void step(Vec &a, Vec b, Vec f, Vec x, uint32_t k)
{
    a = vaddq_u32(a, vaddq_u32(f, vaddq_u32(x, vdupq_n_u32(k))));
    a = vaddq_u32(b, vsriq_n_u32(vshlq_n_u32(a, S), a, 32 - S));
}

// The sixteen message words of one block of each of four lanes, word w of every lane in x[w].
inline void loadWords(Vec x[16], const unsigned char *const blocks[4])
{
    for (int quarter = 0; quarter < 4; ++quarter) {
        uint32x4x4_t rows;
        rows.val[0] = vld1q_u32(reinterpret_cast<const uint32_t *>(blocks[0] + 16 * quarter));
        rows.val[1] = vld1q_u32(reinterpret_cast<const uint32_t *>(blocks[1] + 16 * quarter));
        rows.val[2] = vld1q_u32(reinterpret_cast<const uint32_t *>(blocks[2] + 16 * quarter));
        rows.val[3] = vld1q_u32(reinterpret_cast<const uint32_t *>(blocks[3] + 16 * quarter));
        // Transpose the 4 x 4 words.
        const uint32x4x2_t t01 = vtrnq_u32(rows.val[0], rows.val[1]);
        const uint32x4x2_t t23 = vtrnq_u32(rows.val[2], rows.val[3]);
        x[4 * quarter] = vcombine_u32(vget_low_u32(t01.val[0]), vget_low_u32(t23.val[0]));
        x[4 * quarter + 1] = vcombine_u32(vget_low_u32(t01.val[1]), vget_low_u32(t23.val[1]));
        x[4 * quarter + 2] = vcombine_u32(vget_high_u32(t01.val[0]), vget_high_u32(t23.val[0]));
        x[4 * quarter + 3] = vcombine_u32(vget_high_u32(t01.val[1]), vget_high_u32(t23.val[1]));
    }
}

} // namespace

#define MD5_STEP(f, a, b, c, d, word, constant, shift) step<shift>(a, b, f(b, c, d), word, constant);

void md5CompressNeon(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count)
{
    Vec s[4];
    for (int w = 0; w < 4; ++w)
        s[w] = vld1q_u32(state + 4 * w);
    Vec x[16];
    for (int64_t block = 0; block < count; ++block) {
        loadWords(x, blocks);
        Vec a = s[0];
        Vec b = s[1];
        Vec c = s[2];
        Vec d = s[3];
#include "md5steps.inc"
        s[0] = vaddq_u32(s[0], a);
        s[1] = vaddq_u32(s[1], b);
        s[2] = vaddq_u32(s[2], c);
        s[3] = vaddq_u32(s[3], d);
        for (int lane = 0; lane < 4; ++lane)
            blocks[lane] += strides[lane];
    }
    for (int w = 0; w < 4; ++w)
        vst1q_u32(state + 4 * w, s[w]);
}

#endif
