#pragma once

#include <cstdint>

namespace ModFibo {

// Rounds to the nearest whole number, halves to the even neighbour, and throws
// the overflow error for anything outside the signed 32-bit range (NaN included).
std::int32_t ToInt32(double value);

} // namespace ModFibo
