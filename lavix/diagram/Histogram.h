// Histogram counts by bin and symbol group, and the statistics every histogram set-up computes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lavix/diagram/RowFilter.h"

namespace lavix::diagram {

inline constexpr int histogramGroups = 40;    // groups 0..39; column 40 holds the bin total
inline constexpr int histogramTotal = 40;
inline constexpr int histogramZeroGroup = 32; // symbol 0 is counted here
inline constexpr int histogramOverflowGroup = 39;  // symbols above 39 share the last group

struct HistogramCounts {
  // counts[bin][group], bins 0..maxBinCount.
  std::vector<std::array<int16_t, histogramGroups + 1>> counts;
  int largestTotal = 0;
  std::vector<int> rows;  // the rows counted, in row order
};

// The bin of a value: t = (x - start) × bins / (end - start) + 0.5, rounded half to even.
int histogramBin(float x, float start, float end, int binCount);

// Clears and refills the counts from the rows that plotsRow accepts as "HIST".
HistogramCounts countHistogram(const RowFilterContext& context);

struct HistogramStatistics {
  int count = 0;
  float mean = 0, sd = 0, se = 0;
  bool hasSd = false;
  std::string label;  // "N=... M=... SD=... SE=..."
};

HistogramStatistics histogramStatistics(const RowFilterContext& context);

// The frequency axis from 0 to 1.2 times the largest class count, with ticks and numbers.
void setFrequencyAxis(DiagramSettings& settings, int largestCount);

}  // namespace lavix::diagram
