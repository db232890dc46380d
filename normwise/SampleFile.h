// Reading the samples of a rock data file into normwise: names and the 24 oxides of each.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/norm/Cipw.h"

namespace lavix::normwise {

inline constexpr int kMaxSamples = 100;
inline constexpr int kMaxColumns = 100;

using OxideValues = std::array<float, norm::kOxideCount>;

struct SampleFile {
  std::vector<std::string> names;    // "noname" where the file has no sample column
  std::vector<OxideValues> oxides;   // weight percent, oxide table order; absent oxides 0
  std::array<int16_t, norm::kOxideCount> oxideColumn{};  // 1-based column in the file, 0 absent
  int16_t sampleColumn = 0;          // 1-based, 0 when no header holds "SAM" or "S$"
  bool truncated = false;            // the file had more than kMaxSamples samples
};

// Reads file text (CR LF or LF). Numbers follow parseNumber with the system's decimal
// separator; unreadable numbers count 0. Blank lines are skipped. At most kMaxColumns
// columns and kMaxSamples samples are read; `truncated` says when samples were left out.
SampleFile readSampleText(std::string_view content, char decimalSeparator);

}  // namespace lavix::normwise
