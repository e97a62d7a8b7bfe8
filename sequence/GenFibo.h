#pragma once

#include "number/NumericSettings.h"
#include "sequence/Controls.h"

// The largest n whose term a double can hold.
inline constexpr int FiboLimit = 1476;

// Table generation: reads n from txtInput, fills Lv with F(0)..F(n) in both text
// forms of `settings`, and shows F(n) in txtOut and txtOut2. An n above FiboLimit
// is refused with a message box; a RuntimeError stops the work where it arises
// and is reported in a message box. Nothing is rolled back. Only a failure of
// that report itself leaves the function.
void GenFibo(const FiboControls &controls, const ModFibo::NumericSettings &settings);
