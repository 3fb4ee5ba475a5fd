#pragma once

#include <cstdint>

// MD5 compression of several independent messages side by side, one per vector lane.
// state holds the four state words of every lane, word-major (word w of lane l at
// state[w * lanes + l]); blocks points at each lane's next 64-byte block and moves on by that
// lane's stride after each of the count blocks. Plain types only: the AVX2 kernel is compiled
// with other processor options than the rest of the program.

// One message in plain integer code (every processor).
void md5CompressPlain(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count);
// Four lanes (x86-64), eight (AVX2; AVX-512 F and VL), four (arm64).
void md5CompressSse2(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count);
void md5CompressAvx2(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count);
void md5CompressAvx512(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count);
void md5CompressNeon(uint32_t *state, const unsigned char **blocks, const int64_t *strides, int64_t count);
