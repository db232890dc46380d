// Fuzz target: the spider pattern file reader, then matching and the lines of each pattern read.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lavix/diagram/SpiderPattern.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lavix::diagram;
  std::string_view content(reinterpret_cast<const char*>(data), size);
  std::vector<SpiderPattern> patterns;
  std::string failure;
  const SpiderReadResult result = readSpiderText(content, patterns, failure);
  if (patterns.size() > static_cast<std::size_t>(maxSpiderPatterns)) __builtin_trap();
  if (result != SpiderReadResult::complete && failure.empty()) __builtin_trap();
  if (result == SpiderReadResult::complete && !failure.empty()) __builtin_trap();

  SpiderOxides oxides;
  oxides.oxideName = {"", "K2O", "TiO2", "P2O5"};
  oxides.element = {"", "K", "Ti", "P"};
  oxides.elementFactor = {0, 8301.5f, 5995.0f, 4364.0f};
  // The reader is checked on every pattern; the drawing path on the first few keeps runs fast.
  for (std::size_t record = 0; record < patterns.size(); ++record) {
    const SpiderPattern& p = patterns[record];
    const std::size_t n = p.elements.size();
    if (n < 1 || n > static_cast<std::size_t>(maxSpiderElements) || p.normalisers.size() != n) __builtin_trap();
    if (!(p.keyValue > 0) || !std::isfinite(p.keyValue)) __builtin_trap();
    if (record >= 4) continue;

    // Columns named after the elements (every other one as its oxide) with values from the input.
    std::vector<std::string> columns = {""};
    for (const auto& e : p.elements) columns.push_back(e);
    columns.push_back("K2O");
    const SpiderMatch match = matchSpiderColumns(p, columns, static_cast<int>(columns.size()) - 1, oxides);
    if (match.column.size() != n || match.keyPosition < 0 || match.keyPosition > static_cast<int>(n)) __builtin_trap();
    std::vector<float> values(n);
    for (std::size_t i = 0; i < n; ++i) values[i] = i < size ? static_cast<float>(data[i]) - 16.0f : 0.0f;
    for (bool logScale : {false, true}) {
      for (bool gap : {false, true}) {
        std::size_t points = 0;
        std::vector<SpiderPagePoint> page;
        for (const auto& line : spiderPatternLines(p, match, values, logScale, gap)) {
          if (line.empty()) __builtin_trap();
          for (const auto& point : line) {
            if (point.x < 1 || point.x > static_cast<float>(n) || !std::isfinite(point.y)) __builtin_trap();
            page.push_back({static_cast<int32_t>(point.x * 100), static_cast<int32_t>(std::fmod(point.y, 1e6f))});
          }
          points += line.size();
        }
        if (points > n) __builtin_trap();
        for (const auto& piece : splitProjectedSpiderLine(page, -500, 500))
          if (piece.empty() || piece.size() > spiderPointBuffer) __builtin_trap();
      }
    }
  }
  return 0;
}
