#include "util/power.h"

#include <cmath>
#include <limits>

namespace corvalis {

double StablePower(double base, double exponent) {
  if (exponent == std::floor(exponent) && std::fabs(exponent) <= 1024) {
    long double result = 1;
    long double factor = base;
    unsigned long long n = static_cast<unsigned long long>(std::fabs(exponent));
    for (; n != 0; n >>= 1) {
      if (n & 1) result *= factor;
      factor *= factor;
    }
    if (exponent < 0) {
      if (result == 0) return std::numeric_limits<double>::infinity();
      result = 1 / result;
    }
    return static_cast<double>(result);
  }
  if (base < 0) return std::numeric_limits<double>::quiet_NaN();
  if (base == 0) return exponent > 0 ? 0 : std::numeric_limits<double>::infinity();
  return static_cast<double>(std::exp(static_cast<long double>(exponent) *
                                      std::log(static_cast<long double>(base))));
}

}  // namespace corvalis
