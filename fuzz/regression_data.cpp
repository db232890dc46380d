// Fuzzes the REE inverse model's regression data file (.lx.txt): the reader and the estimates
// of every line it keeps.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lavix/models/InverseModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lavix::models;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const RegressionData read = readRegressionData(content);
  if (read.lines.size() > static_cast<std::size_t>(maxRegressionDataLines)) __builtin_trap();
  if (read.beyondLimit > 0 && read.lines.size() != static_cast<std::size_t>(maxRegressionDataLines)) __builtin_trap();
  for (const RatioRegression& line : read.lines) {
    if (line.element.empty() || line.element.size() > 2 || line.line < 2) __builtin_trap();
    const InverseEstimate e = invertRegression(line, size > 0 ? static_cast<float>(data[0]) / 100 : 0.0f);
    if (line.intercept == 0 && e.source) __builtin_trap();
    if (line.intercept != 0 && !(e.source && e.d && e.dLow && e.dHigh)) __builtin_trap();
  }
  return 0;
}
