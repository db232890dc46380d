// Reader of normalisation files (.nrm.txt): a title line, then element TAB value lines.
#include "lavix/calc/NormalisationFile.h"

#include <string>
#include <vector>

#include "common/text/Text.h"

namespace lavix::calc {

bool readNormalisationTable(const std::string& path, data::NormalisationTable& table, text::FileError& error,
                            char decimalSeparator) {
  std::vector<std::string> lines;
  if (!text::readLines(path, lines, error)) return false;

  data::NormalisationTable read;
  if (!lines.empty()) read.title = lines[0];
  std::vector<std::string> fields;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (static_cast<int>(read.element.size()) >= data::maxNormalisationEntries) break;
    const std::string& line = lines[i];
    if (text::trim(line).empty()) continue;
    char delimiter = line.find('\t') != std::string::npos ? '\t' : 0;
    text::tokenizeLine(line, delimiter, fields);
    if (delimiter != '\t') std::erase_if(fields, [](const std::string& f) { return text::trim(f).empty(); });
    if (fields.empty()) continue;
    std::string element = text::trim(fields[0]);
    if (element.empty()) continue;
    read.element.push_back(std::move(element));
    read.value.push_back(fields.size() > 1 ? text::parseNumber(fields[1], decimalSeparator) : 0.0f);
  }
  table = std::move(read);
  return true;
}

}  // namespace lavix::calc
