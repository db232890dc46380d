// The normalisation table (.nrm.txt): reference values by element that the S-norm
// transform and the dataset preparation divide by.
#pragma once

#include <string>
#include <vector>

namespace lavix::data {

inline constexpr int maxNormalisationEntries = 70;

struct NormalisationTable {
  std::string title;                 // line 1, read and ignored by the calculations
  std::vector<std::string> element;  // at most 70 entries
  std::vector<float> value;

  // The value for an element name compared case-insensitively; 0 (not found) otherwise.
  // Returns true when found.
  bool find(const std::string& name, float& found) const;
};

}  // namespace lavix::data
