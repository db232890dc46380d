// What the model window turns into model inputs: the list of melt fractions, the mineral modes
// and the bulk partition coefficients they give.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lavix::models {

inline constexpr int maxMeltFractions = 20;

// The F's typed in percent, separated by commas: each piece read as a number and divided by
// 100, values of 0 or less dropped, the rest in the order typed.
std::vector<float> parseMeltFractions(std::string_view text, char decimalSeparator = '.');

// The F list that an AFC ratio r (dMa/dMc) offers, in percent: the assimilated mass for r = 1,
// the magma remaining for r < 1, the magma grown for r > 1.
const char* afcMeltFractions(float r);

// The bulk coefficient of one element: the sum over minerals of Kd x mode / 100 (modes in
// percent, not normalised, so modes summing to 50 give half the coefficient).
float bulkCoefficient(const std::vector<float>& kd, const std::vector<float>& modes);

// " 60ol  20opx ": for each mineral in file order whose mode is above 0, the mode in the
// general number format, the name in lower case and a blank.
std::string modeText(const std::vector<std::string>& minerals, const std::vector<float>& modes);

}  // namespace lavix::models
