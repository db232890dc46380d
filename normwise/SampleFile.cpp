// The normwise reader of rock data files: only the sample names and the oxide columns matter.
#include "normwise/SampleFile.h"

#include "common/text/Text.h"
#include "common/text/TextFile.h"

namespace lavix::normwise {

namespace {

bool isSampleHeader(const std::string& cleaned) {
  return cleaned.find("SAM") != std::string::npos || cleaned.find("S$") != std::string::npos;
}

}  // namespace

SampleFile readSampleText(std::string_view content, char decimalSeparator) {
  SampleFile file;
  const std::vector<std::string_view> lines = text::splitLineViews(content);
  if (lines.empty()) return file;

  char delimiter = 0;
  std::vector<std::string> header;
  text::tokenizeLine(lines[0], delimiter, header);
  if (header.size() > static_cast<std::size_t>(kMaxColumns)) header.resize(kMaxColumns);
  for (auto& name : header) name = text::normaliseName(name);

  for (std::size_t c = 0; c < header.size(); ++c) {
    if (isSampleHeader(header[c])) {
      file.sampleColumn = static_cast<int16_t>(c + 1);
      break;
    }
  }
  for (int o = 0; o < norm::kOxideCount; ++o) {
    const std::string wanted = text::normaliseName(norm::kOxideNames[o]);
    for (std::size_t c = 0; c < header.size(); ++c) {
      if (header[c] == wanted) {
        file.oxideColumn[o] = static_cast<int16_t>(c + 1);
        break;
      }
    }
  }

  std::vector<std::string> fields;
  for (std::size_t l = 1; l < lines.size(); ++l) {
    if (text::trim(lines[l]).empty()) continue;
    if (static_cast<int>(file.names.size()) == kMaxSamples) {
      file.truncated = true;
      break;
    }
    char lineDelimiter = delimiter;
    text::tokenizeLine(lines[l], lineDelimiter, fields);
    auto field = [&](int column) -> std::string {
      return column > 0 && static_cast<std::size_t>(column) <= fields.size() ? fields[column - 1] : std::string();
    };
    file.names.push_back(file.sampleColumn > 0 ? field(file.sampleColumn) : std::string("noname"));
    OxideValues values{};
    for (int o = 0; o < norm::kOxideCount; ++o)
      if (file.oxideColumn[o] > 0) values[o] = text::parseNumber(field(file.oxideColumn[o]), decimalSeparator);
    file.oxides.push_back(values);
  }
  return file;
}

}  // namespace lavix::normwise
