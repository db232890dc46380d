// Fuzz target: any bytes as a Pearce or extra parameter file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lavix/recalc/ParameterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lavix;
  std::vector<recalc::ParameterDefinition> definitions;
  std::string failure;
  const bool read = recalc::parseParameterText(std::string_view(reinterpret_cast<const char*>(data), size),
                                               definitions, failure);
  if (read && definitions.size() * 2 > static_cast<std::size_t>(recalc::maxParameterFields)) __builtin_trap();
  if (!read && (failure.empty() || !definitions.empty())) __builtin_trap();
  for (const auto& definition : definitions)
    if (definition.name.empty() || definition.formula.empty()) __builtin_trap();
  return 0;
}
