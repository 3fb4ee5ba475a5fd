// MD5 compression of one message in plain integer code: where a single lane of a vector kernel
// would be busy, this is about twice as fast (a vector step without a rotate instruction costs
// more than a scalar one). Little-endian processors only, as every processor the program runs
// on is.
#include "md5compress.h"

#include <cstring>

namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "MD5 words are read in the processor's byte order");

// The same operation on N messages side by side, one 32-bit word each.
template<int N> struct Words
{
    uint32_t v[N];
};

template<int N> inline Words<N> F(Words<N> b, Words<N> c, Words<N> d)
{
    Words<N> r;
    for (int i = 0; i < N; ++i)
        r.v[i] = d.v[i] ^ (b.v[i] & (c.v[i] ^ d.v[i]));
    return r;
}

template<int N> inline Words<N> G(Words<N> b, Words<N> c, Words<N> d)
{
    Words<N> r;
    for (int i = 0; i < N; ++i)
        r.v[i] = c.v[i] ^ (d.v[i] & (b.v[i] ^ c.v[i]));
    return r;
}

template<int N> inline Words<N> H(Words<N> b, Words<N> c, Words<N> d)
{
    Words<N> r;
    for (int i = 0; i < N; ++i)
        r.v[i] = b.v[i] ^ c.v[i] ^ d.v[i];
    return r;
}

template<int N> inline Words<N> I(Words<N> b, Words<N> c, Words<N> d)
{
    Words<N> r;
    for (int i = 0; i < N; ++i)
        r.v[i] = c.v[i] ^ (b.v[i] | ~d.v[i]);
    return r;
}

template<int S, int N> inline void step(Words<N> &a, Words<N> b, Words<N> f, Words<N> x, uint32_t k)
{
    for (int i = 0; i < N; ++i) {
        const uint32_t sum = a.v[i] + f.v[i] + x.v[i] + k;
        a.v[i] = b.v[i] + ((sum << S) | (sum >> (32 - S)));
    }
}

#define MD5_STEP(f, a, b, c, d, word, constant, shift) step<shift, N>(a, b, f<N>(b, c, d), word, constant);

template<int N> void compress(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count)
{
    Words<N> s[4];
    for (int w = 0; w < 4; ++w)
        for (int i = 0; i < N; ++i)
            s[w].v[i] = state[w * N + i];
    Words<N> x[16];
    for (int64_t block = 0; block < count; ++block) {
        for (int i = 0; i < N; ++i) {
            uint32_t words[16];
            std::memcpy(words, blocks[i], sizeof words);
            for (int w = 0; w < 16; ++w)
                x[w].v[i] = words[w];
        }
        Words<N> a = s[0];
        Words<N> b = s[1];
        Words<N> c = s[2];
        Words<N> d = s[3];
#include "md5steps.inc"
        for (int i = 0; i < N; ++i) {
            s[0].v[i] += a.v[i];
            s[1].v[i] += b.v[i];
            s[2].v[i] += c.v[i];
            s[3].v[i] += d.v[i];
            blocks[i] += strides[i];
        }
    }
    for (int w = 0; w < 4; ++w)
        for (int i = 0; i < N; ++i)
            state[w * N + i] = s[w].v[i];
}

} // namespace

void md5CompressPlain(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count)
{
    compress<1>(state, blocks, strides, count);
}
