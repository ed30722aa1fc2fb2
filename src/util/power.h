// Powers computed the same way on every platform: the C libraries of the
// platforms round pow() differently in the last bit, and a weighted gap is
// printed with fifteen digits.
#ifndef CORVALIS_UTIL_POWER_H_
#define CORVALIS_UTIL_POWER_H_

namespace corvalis {

// base raised to exponent. Whole exponents are worked out by multiplication
// in extended precision (exact whenever the result fits in 64 bits), other
// exponents through the extended-precision logarithm; the result is then
// rounded once to double. Not finite (0 to a negative power, a negative
// base with a fractional exponent, overflow): NaN or infinity, as pow().
double StablePower(double base, double exponent);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_POWER_H_
