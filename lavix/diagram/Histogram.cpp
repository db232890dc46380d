// Histogram counts, statistics and the frequency axis.
#include "lavix/diagram/Histogram.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/format/NumberFormat.h"
#include "lavix/diagram/AxisRange.h"

namespace lavix::diagram {

int histogramBin(float x, float start, float end, int binCount) {
  const float width = end - start;
  if (width == 0.0f) return 0;
  const float t = (x - start) * static_cast<float>(binCount) / width + 0.5f;
  return static_cast<int>(std::nearbyint(t));  // the default rounding mode sends halves to even
}

namespace {

int groupOf(const RowFilterContext& c, int row) {
  int symbol = std::abs(static_cast<int>(c.data.symbolOf[static_cast<std::size_t>(row)]));
  if (c.symbols.oneSymbol >= 0 && row <= c.data.rowCount) symbol = c.symbols.oneSymbol;
  if (symbol == 0) return histogramZeroGroup;
  return symbol < histogramGroups ? symbol : histogramOverflowGroup;
}

}  // namespace

HistogramCounts countHistogram(const RowFilterContext& c) {
  HistogramCounts result;
  result.counts.assign(static_cast<std::size_t>(maxBinCount) + 1, {});
  const DiagramSettings& s = c.settings;
  const int bins = std::clamp<int>(s.binCount, 1, maxBinCount);
  for (int row = 1; row <= c.data.rowCount; ++row) {
    if (!plotsRow(c, row, "HIST")) continue;
    result.rows.push_back(row);
    // Halves go to the even neighbour, which would put a value on the first or last boundary
    // outside every bar; inside the range it belongs to the edge bin.
    const int bin = std::clamp(histogramBin(s.plot.xValue[static_cast<std::size_t>(row)], s.x.start, s.x.end, bins), 1, bins);
    auto& line = result.counts[static_cast<std::size_t>(bin)];
    if (line[histogramTotal] < INT16_MAX) ++line[histogramTotal];
    auto& group = line[static_cast<std::size_t>(groupOf(c, row))];
    if (group < INT16_MAX) ++group;
    result.largestTotal = std::max<int>(result.largestTotal, line[histogramTotal]);
  }
  return result;
}

HistogramStatistics histogramStatistics(const RowFilterContext& c) {
  HistogramStatistics st;
  double sum = 0;
  std::vector<float> values;
  for (int row = 1; row <= c.data.rowCount; ++row) {
    if (!plotsRow(c, row, "HIST")) continue;
    values.push_back(c.settings.plot.xValue[static_cast<std::size_t>(row)]);
    sum += values.back();
  }
  st.count = static_cast<int>(values.size());
  if (st.count == 0) return st;
  st.mean = static_cast<float>(sum / st.count);
  if (st.count > 1) {
    double squares = 0;
    for (float v : values) squares += (v - st.mean) * (v - st.mean);
    st.sd = static_cast<float>(std::sqrt(squares / (st.count - 1)));
    st.se = st.sd / std::sqrt(static_cast<float>(st.count));
    st.hasSd = true;
  }
  const char* mask = "#.00E-00; -#.00E-00";
  st.label = "N=" + std::to_string(st.count) + " M=" + format::formatNumber(st.mean, mask);
  // One value has no spread: an SD of 0 would claim one.
  if (st.hasSd) st.label += " SD=" + format::formatNumber(st.sd, mask) + " SE=" + format::formatNumber(st.se, mask);
  return st;
}

void setFrequencyAxis(DiagramSettings& s, int largestCount) {
  const float top = 1.2f * static_cast<float>(std::max(largestCount, 1));
  AxisSettings& y = s.y;
  y.start = 0;
  y.end = top;
  y.span = top;
  y.tickInterval = std::pow(10.0f, std::floor(std::log10(top / 2.0f)));
  y.numberStart = 0;
  y.numberStep = linearNumberStep(y.span, y.tickInterval);
  y.numberEnd = std::floor(top / y.numberStep) * y.numberStep;
  rebuildNumberFormat(y);
  s.plot.yLog = 0;
}

}  // namespace lavix::diagram
