// Looking at sixteen bytes at once for a given byte: line ends, tabs. Used
// where the run walks every byte of its inputs.
#ifndef CORVALIS_UTIL_BYTE_WORDS_H_
#define CORVALIS_UTIL_BYTE_WORDS_H_

#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define CORVALIS_SIXTEEN_AT_ONCE 1
#endif

namespace corvalis {

// Bit k set when byte k of the sixteen at `data` is `a` or `b`: one
// comparison of all sixteen where the processor has one (every x86-64
// has), a byte loop elsewhere.
inline uint32_t SixteenBytesEqual(const char* data, char a, char b) {
#ifdef CORVALIS_SIXTEEN_AT_ONCE
  __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
  __m128i equal = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(a)),
                               _mm_cmpeq_epi8(bytes, _mm_set1_epi8(b)));
  return static_cast<uint32_t>(_mm_movemask_epi8(equal));
#else
  uint32_t bits = 0;
  for (int k = 0; k < 16; ++k) {
    if (data[k] == a || data[k] == b) bits |= uint32_t{1} << k;
  }
  return bits;
#endif
}

// Bit k set when byte k of the sixteen at `data` is `a`.
inline uint32_t SixteenBytesEqual(const char* data, char a) {
#ifdef CORVALIS_SIXTEEN_AT_ONCE
  __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
  return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(a))));
#else
  return SixteenBytesEqual(data, a, a);
#endif
}

// Bit k set when byte k of the sixty-four at `data` is `a` or `b`.
inline uint64_t SixtyFourBytesEqual(const char* data, char a, char b) {
  return uint64_t{SixteenBytesEqual(data, a, b)} |
         uint64_t{SixteenBytesEqual(data + 16, a, b)} << 16 |
         uint64_t{SixteenBytesEqual(data + 32, a, b)} << 32 |
         uint64_t{SixteenBytesEqual(data + 48, a, b)} << 48;
}

// How many of the `size` bytes at `data` are `a`: sixty-four bytes a step,
// each byte's match added into one of sixteen byte counters, which are
// summed before any can overflow.
inline size_t CountBytes(const char* data, size_t size, char a) {
  size_t count = 0;
  size_t i = 0;
#ifdef CORVALIS_SIXTEEN_AT_ONCE
  const __m128i target = _mm_set1_epi8(a);
  const __m128i zero = _mm_setzero_si128();
  auto matches = [&](size_t at) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at)), target);
  };
  while (i + 64 <= size) {
    // A counter gains at most four a step: 63 steps stay below 256.
    size_t steps = (size - i) / 64 < 63 ? (size - i) / 64 : 63;
    __m128i counters = zero;
    for (size_t s = 0; s < steps; ++s, i += 64) {
      counters = _mm_sub_epi8(counters, matches(i));  // a match is -1
      counters = _mm_sub_epi8(counters, matches(i + 16));
      counters = _mm_sub_epi8(counters, matches(i + 32));
      counters = _mm_sub_epi8(counters, matches(i + 48));
    }
    __m128i sums = _mm_sad_epu8(counters, zero);  // two sums of eight counters
    count += static_cast<size_t>(_mm_cvtsi128_si32(sums)) +
             static_cast<size_t>(_mm_extract_epi16(sums, 4));
  }
#endif
  for (; i < size; ++i) count += data[i] == a ? 1 : 0;
  return count;
}

}  // namespace corvalis

#endif  // CORVALIS_UTIL_BYTE_WORDS_H_
