// Looking at sixteen bytes at once for a given byte: line ends, tabs. Used
// where the run walks every byte of its inputs.
#ifndef CORVALIS_UTIL_BYTE_WORDS_H_
#define CORVALIS_UTIL_BYTE_WORDS_H_

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

}  // namespace corvalis

#endif  // CORVALIS_UTIL_BYTE_WORDS_H_
