// Reader of the standard oxide table Controls/lavix.data.txt.
#include "lavix/app/StandardTableFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::app {

namespace {

// Fields needed on lines 1..8.
constexpr int requiredFields[8] = {data::standardCount, data::standardCount, data::standardCount,
                                   data::standardCount, data::standardCount, 12, 26, 14};

int16_t toInt16(float value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<int16_t>(std::lround(std::clamp(value, -32768.0f, 32767.0f)));
}

std::string fileName(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool readStandardTable(const std::string& path, data::StandardTable& table, text::FileError& error,
                       char decimalSeparator) {
  std::vector<std::string> lines;
  if (!text::readLines(path, lines, error)) return false;

  std::size_t first = 0;
  while (first < lines.size() && !lines[first].empty() && lines[first][0] == '#') ++first;

  data::StandardTable read;
  std::vector<std::string> fields;
  for (int lineNo = 1; lineNo <= 8; ++lineNo) {
    const std::size_t index = first + static_cast<std::size_t>(lineNo) - 1;
    if (index >= lines.size()) {
      error = {62, "Input past end of file: " + fileName(path) + " ends before table line " +
                       format::shortestText(lineNo)};
      return false;
    }
    std::string_view line = lines[index];
    line = line.substr(0, line.find(','));
    char delimiter = '\t';
    const int count = text::tokenizeLine(line, delimiter, fields);
    const int needed = requiredFields[lineNo - 1];
    if (count < needed) {
      error = {62, "Input past end of file: table line " + format::shortestText(lineNo) + " of " + fileName(path) +
                       " holds " + format::shortestText(count) + " fields, " + format::shortestText(needed) + " expected"};
      return false;
    }
    for (int k = 1; k <= needed; ++k) {
      const std::string field = text::trim(fields[static_cast<std::size_t>(k - 1)]);
      const float number = text::parseNumber(field, decimalSeparator);
      switch (lineNo) {
        case 1: read.stdName[k] = field; break;
        case 2: read.molecularWeight[k] = number; break;
        case 3: read.cations[k] = toInt16(number); break;
        case 4: read.stdElement[k] = field; break;
        case 5: read.elementFactor[k] = number; break;
        case 6: read.molarVolume[k] = number; break;
        case 7: read.normColumnName[k] = field; break;
        case 8: read.ferricCoefficient[k] = number; break;
      }
    }
  }

  for (std::size_t index = first + 8; index < lines.size(); ++index) {
    char delimiter = '\t';
    text::tokenizeLine(lines[index], delimiter, fields);
    for (const std::string& tabField : fields) {
      std::string_view rest = tabField;
      while (true) {
        const std::size_t comma = rest.find(',');
        std::string name = text::trim(rest.substr(0, comma));
        if (!name.empty()) {
          if (static_cast<int>(read.displayName.size()) >= maxDisplayNames) break;
          read.displayName.push_back(std::move(name));
        }
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
      }
    }
  }

  table = std::move(read);
  return true;
}

}  // namespace lavix::app
