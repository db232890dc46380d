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

// SiO2 to P2O5: an analysis is no analysis without them, so their texts must be numbers.
inline constexpr int kMajorOxides = 11;

// A major oxide's text that is not a number ("n.d.", "NaN", "inf").
struct UnreadableOxide {
  int oxide = -1;  // oxide table index; -1 when the sample has none
  std::string text;
};

struct SampleFile {
  std::vector<std::string> names;    // "noname" where the file has no sample column
  std::vector<OxideValues> oxides;   // weight percent, oxide table order; absent oxides 0
  std::vector<UnreadableOxide> unreadable;  // per sample, the first major oxide that is not a number
  std::array<int16_t, norm::kOxideCount> oxideColumn{};  // 1-based column in the file, 0 absent
  int16_t sampleColumn = 0;          // 1-based, 0 when no header holds "SAM" or "S$"
  bool truncated = false;            // the file had more than kMaxSamples samples
  // With neither FeO nor Fe2O3, a total-iron column (FeOT, Fe2O3T ...) fills FeO.
  std::string totalIronName;         // its header as written; empty when none
  float totalIronToFeO = 1;          // 1, or 0.8998 for a total given as Fe2O3

  bool hasOxideColumns() const;
};

// Reads file text (CR LF or LF). Numbers follow parseNumber with the system's decimal
// separator; unreadable numbers count 0 (and are noted for the major oxides). Blank lines are
// skipped. At most kMaxColumns columns and kMaxSamples samples are read; `truncated` says when
// samples were left out. H2OP and H2OM name H2O+ and H2O-, as lavix writes them.
SampleFile readSampleText(std::string_view content, char decimalSeparator);

}  // namespace lavix::normwise
