// The fixed-layout report block of one analysis: oxides, norm and melt properties.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/norm/Cipw.h"

namespace lavix::normwise {

struct Property {
  std::string label;
  std::optional<float> value;  // absent when not computed for this analysis: the report says so, never 0
  std::string whyNot;          // printed after "not computed", e.g. the liquidus's SiO2 range
};
using PropertyList = std::array<Property, 9>;  // entries 1..8, 0 unused

struct ReportInput {
  std::string sampleName;
  std::array<float, norm::kOxideCount> oxides{};  // weight percent
  float oxideTotal = 0;
  norm::NormType type = norm::NormType::Weight;
  norm::NormVector normVector{};  // entry 0 = An of the plagioclase, 1..32 minerals
  float normTotal = 0;
  PropertyList properties;
};

// The block's lines, without line ends; a blank line closes it so appended blocks stay apart.
std::vector<std::string> buildReport(const ReportInput& input);

}  // namespace lavix::normwise
