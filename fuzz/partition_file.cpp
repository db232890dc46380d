// Fuzzes the partition-coefficient reader as lavix's model window takes it, then carries every
// element of a table that read through the bulk coefficients and the eight models.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/partition/PartitionFile.h"
#include "lavix/models/ModelInputs.h"
#include "lavix/models/TraceElementModels.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lavix;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const partition::PartitionRead read = partition::readPartitionTable(content, {10, 75});
  if (!read.ok()) return 0;
  const partition::PartitionTable& table = read.table;
  if (table.identifierCount() > 10 || table.elementCount() > 75) __builtin_trap();
  if (read.firstUnread.size() > 3 || (read.unreadCells > 0) == partition::unreadCellsNotice(read).empty())
    __builtin_trap();
  // The coefficients themselves serve as modes, so odd values reach the equations.
  std::vector<float> modes(10, 10.0f);
  for (std::size_t m = 0; m < modes.size() && !table.values.empty() && m < table.values[0].size(); ++m)
    modes[m] = table.values[0][m];
  models::ModelSettings settings;
  for (const auto& kd : table.values) {
    if (kd.size() != static_cast<std::size_t>(table.identifierCount())) __builtin_trap();
    const float d = models::bulkCoefficient(kd, modes);
    const float p = models::bulkCoefficient(kd, std::vector<float>(modes.rbegin(), modes.rend()));
    if (d == 0.0f) continue;
    for (models::TraceModel model : models::allTraceModels) {
      for (bool inverse : {false, true}) {
        settings.inverse = inverse;
        settings.insituFraction = kd.empty() ? 0.5f : kd.front();
        for (float f : {0.001f, 0.5f, 1.0f, 2.0f}) {
          const auto value = models::traceModelConcentration(model, 10.0f, d, p, f, settings);
          if (value && !std::isfinite(*value)) __builtin_trap();
        }
      }
    }
    if (const auto step = models::afcConcentration(10.0f, 30.0f, d, 0.5f, p))
      if (!std::isfinite(step->cm)) __builtin_trap();
  }
  return 0;
}
