#pragma once

#include "number/NumericSettings.h"
#include "sequence/Controls.h"

// The largest n whose term a double can hold.
inline constexpr int FiboLimit = 1476;

// Reads n from txtInput, lists F(0)..F(n) in Lv and shows F(n) in txtOut and
// txtOut2. An error stops the work where it arises, nothing rolled back, and
// is reported in a message box; only a failure of that report leaves.
void GenFibo(const FiboControls &controls, const ModFibo::NumericSettings &settings);
