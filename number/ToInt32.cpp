#include "number/ToInt32.h"

#include "number/RuntimeError.h"

#include <cmath>

namespace ModFibo {

std::int32_t ToInt32(double value)
{
    // The program never changes the rounding mode, so nearbyint rounds to
    // nearest with ties to even.
    const double rounded = std::nearbyint(value);
    // Written so that NaN fails the test too.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw RuntimeError::overflow();
    return static_cast<std::int32_t>(rounded);
}

} // namespace ModFibo
