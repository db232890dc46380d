// The parameter definition files Controls/pearce.txt and Controls/extra.txt: pairs of a column
// name and the formula that defines it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lavix::recalc {

struct ParameterDefinition {
  std::string name;     // the new column's name, with markup
  std::string formula;  // in the formula language of the calculator
};

// At most this many fields are read; the rest of a longer file is ignored.
inline constexpr int maxParameterFields = 5000;

// Fields end at a comma or a line end and are split further at TABs; blank fields are
// skipped, the others trimmed, and taken in pairs: name, formula. A name in double quotes
// loses them. A line whose first character other than a blank is "#" is a comment: the
// shipped files cite their sources there. False, with `failure` saying why, when the last
// name has no formula; `definitions` then holds nothing.
bool parseParameterText(std::string_view content, std::vector<ParameterDefinition>& definitions, std::string& failure);

// Reads and parses a file; `failure` names the file when it cannot be read or parsed.
bool readParameterFile(const std::string& path, std::vector<ParameterDefinition>& definitions, std::string& failure);

}  // namespace lavix::recalc
