// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8_check.h"

#include "utf8.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QUILLMERE_UTF8_AVX2 1
#endif

namespace core {
namespace {

Utf8Check scalarFrom(const uchar *p, qsizetype size, qsizetype i, bool multibyte)
{
    constexpr std::uint64_t High = 0x8080808080808080ULL;
    while (i < size) {
        // Markup is mostly ASCII: eight bytes at a time until one is not.
        while (i + 8 <= size) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (word & High)
                break;
            i += 8;
        }
        if (i >= size)
            break;
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        multibyte = true;
        const int n = readUtf8(p + i, size - i).length;
        if (n == 0)
            return {false, true};
        i += n;
    }
    return {true, multibyte};
}

#ifdef QUILLMERE_UTF8_AVX2

// The byte-pair classification of "Validating UTF-8 In Less Than One Instruction Per Byte"
// (Keiser and Lemire): three table lookups per 32 bytes name every error a pair of adjacent
// bytes can show; the third and fourth bytes of a sequence are checked against the leads
// two and three bytes back.
constexpr std::uint8_t TooShort = 1 << 0;    // a lead not followed by a continuation
constexpr std::uint8_t TooLong = 1 << 1;     // a continuation after ASCII
constexpr std::uint8_t Overlong3 = 1 << 2;   // E0 80..9F
constexpr std::uint8_t TooLarge = 1 << 3;    // F4 90.. and F5..
constexpr std::uint8_t Surrogate = 1 << 4;   // ED A0..BF
constexpr std::uint8_t Overlong2 = 1 << 5;   // C0, C1
constexpr std::uint8_t TooLarge1000 = 1 << 6; // F5.. 80..8F
constexpr std::uint8_t Overlong4 = 1 << 6;   // F0 80..8F
constexpr std::uint8_t TwoConts = 1 << 7;    // a continuation after a continuation
constexpr std::uint8_t Carry = TooShort | TooLong | TwoConts;

#define Q_TABLE(...) _mm256_setr_epi8(__VA_ARGS__, __VA_ARGS__)

__attribute__((target("avx2"))) inline __m256i highNibbles(__m256i v)
{
    return _mm256_and_si256(_mm256_srli_epi16(v, 4), _mm256_set1_epi8(0x0F));
}

/// The 32 bytes before `in`'s, shifted in by n (1 to 3) from the previous block.
template <int N>
__attribute__((target("avx2"))) inline __m256i previous(__m256i in, __m256i prev)
{
    return _mm256_alignr_epi8(in, _mm256_permute2x128_si256(prev, in, 0x21), 16 - N);
}

__attribute__((target("avx2"))) Utf8Check checkUtf8Avx2(const uchar *p, qsizetype size)
{
    const __m256i byte1High = Q_TABLE(
        char(TooLong), char(TooLong), char(TooLong), char(TooLong), char(TooLong), char(TooLong), char(TooLong),
        char(TooLong), char(TwoConts), char(TwoConts), char(TwoConts), char(TwoConts), char(TooShort | Overlong2),
        char(TooShort), char(TooShort | Overlong3 | Surrogate), char(TooShort | TooLarge | TooLarge1000 | Overlong4));
    const __m256i byte1Low = Q_TABLE(
        char(Carry | Overlong3 | Overlong2 | Overlong4), char(Carry | Overlong2), char(Carry), char(Carry),
        char(Carry | TooLarge), char(Carry | TooLarge | TooLarge1000), char(Carry | TooLarge | TooLarge1000),
        char(Carry | TooLarge | TooLarge1000), char(Carry | TooLarge | TooLarge1000),
        char(Carry | TooLarge | TooLarge1000), char(Carry | TooLarge | TooLarge1000),
        char(Carry | TooLarge | TooLarge1000), char(Carry | TooLarge | TooLarge1000),
        char(Carry | TooLarge | TooLarge1000 | Surrogate), char(Carry | TooLarge | TooLarge1000),
        char(Carry | TooLarge | TooLarge1000));
    const __m256i byte2High = Q_TABLE(
        char(TooShort), char(TooShort), char(TooShort), char(TooShort), char(TooShort), char(TooShort),
        char(TooShort), char(TooShort), char(TooLong | Overlong2 | TwoConts | Overlong3 | TooLarge1000 | Overlong4),
        char(TooLong | Overlong2 | TwoConts | Overlong3 | TooLarge),
        char(TooLong | Overlong2 | TwoConts | Surrogate | TooLarge),
        char(TooLong | Overlong2 | TwoConts | Surrogate | TooLarge), char(TooShort), char(TooShort), char(TooShort),
        char(TooShort));
    // A lead in the last three bytes of a block whose sequence would run into the next one.
    const __m256i lastLeads = _mm256_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                               -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, char(0xF0 - 1),
                                               char(0xE0 - 1), char(0xC0 - 1));
    __m256i error = _mm256_setzero_si256();
    __m256i prev = _mm256_setzero_si256();
    __m256i prevIncomplete = _mm256_setzero_si256();
    bool multibyte = false;
    qsizetype i = 0;
    for (; i + 32 <= size; i += 32) {
        const __m256i in = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p + i));
        if (_mm256_movemask_epi8(in) == 0) {
            // All ASCII: only a sequence left open by the block before can be wrong.
            error = _mm256_or_si256(error, prevIncomplete);
            prevIncomplete = _mm256_setzero_si256();
            prev = in;
            continue;
        }
        multibyte = true;
        const __m256i prev1 = previous<1>(in, prev);
        const __m256i special = _mm256_and_si256(
            _mm256_and_si256(_mm256_shuffle_epi8(byte1High, highNibbles(prev1)),
                             _mm256_shuffle_epi8(byte1Low, _mm256_and_si256(prev1, _mm256_set1_epi8(0x0F)))),
            _mm256_shuffle_epi8(byte2High, highNibbles(in)));
        const __m256i third = _mm256_subs_epu8(previous<2>(in, prev), _mm256_set1_epi8(char(0xE0 - 0x80)));
        const __m256i fourth = _mm256_subs_epu8(previous<3>(in, prev), _mm256_set1_epi8(char(0xF0 - 0x80)));
        const __m256i must23 = _mm256_and_si256(_mm256_or_si256(third, fourth), _mm256_set1_epi8(char(0x80)));
        error = _mm256_or_si256(error, _mm256_xor_si256(must23, special));
        prevIncomplete = _mm256_subs_epu8(in, lastLeads);
        prev = in;
    }
    if (!_mm256_testz_si256(error, error))
        return {false, true};
    // The rest byte by byte, from the lead of a sequence the last block left open.
    qsizetype from = i;
    for (int back = 1; back <= 3 && back <= i; ++back) {
        const uchar c = p[i - back];
        if (c < 0x80)
            break;
        if (c >= 0xC0) {
            if (c >= (back == 1 ? 0xC0 : back == 2 ? 0xE0 : 0xF0))
                from = i - back;
            break;
        }
    }
    return scalarFrom(p, size, from, multibyte);
}

#undef Q_TABLE

#endif

} // namespace

Utf8Check checkUtf8Scalar(QByteArrayView bytes)
{
    return scalarFrom(reinterpret_cast<const uchar *>(bytes.data()), bytes.size(), 0, false);
}

Utf8Check checkUtf8(QByteArrayView bytes)
{
#ifdef QUILLMERE_UTF8_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2)
        return checkUtf8Avx2(reinterpret_cast<const uchar *>(bytes.data()), bytes.size());
#endif
    return checkUtf8Scalar(bytes);
}

} // namespace core
