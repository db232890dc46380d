// The normwise reader of rock data files: only the sample names and the oxide columns matter.
#include "normwise/SampleFile.h"

#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "common/text/TotalIron.h"

namespace lavix::normwise {

namespace {

bool isSampleHeader(const std::string& cleaned) {
  return cleaned.find("SAM") != std::string::npos || cleaned.find("S$") != std::string::npos;
}

// A cleaned name with "+" and "-" spelt P and M, so that H2OP is H2O+.
std::string signsSpelt(std::string name) {
  for (char& c : name) {
    if (c == '+') c = 'P';
    if (c == '-') c = 'M';
  }
  return name;
}

}  // namespace

bool SampleFile::hasOxideColumns() const {
  for (int16_t column : oxideColumn)
    if (column > 0) return true;
  return false;
}

SampleFile readSampleText(std::string_view content, char decimalSeparator) {
  SampleFile file;
  const std::vector<std::string_view> lines = text::splitLineViews(content);
  if (lines.empty()) return file;

  char delimiter = 0;
  std::vector<std::string> header;
  text::tokenizeLine(lines[0], delimiter, header);
  if (header.size() > static_cast<std::size_t>(kMaxColumns)) header.resize(kMaxColumns);
  const std::vector<std::string> originalHeader = header;
  for (auto& name : header) name = text::normaliseName(name);

  for (std::size_t c = 0; c < header.size(); ++c) {
    if (isSampleHeader(header[c])) {
      file.sampleColumn = static_cast<int16_t>(c + 1);
      break;
    }
  }
  for (int o = 0; o < norm::kOxideCount; ++o) {
    const std::string wanted = signsSpelt(text::normaliseName(norm::kOxideNames[o]));
    for (std::size_t c = 0; c < header.size(); ++c) {
      if (signsSpelt(header[c]) == wanted) {
        file.oxideColumn[o] = static_cast<int16_t>(c + 1);
        break;
      }
    }
  }
  const int feo = norm::index(norm::Oxide::FeO);
  if (file.oxideColumn[feo] == 0 && file.oxideColumn[norm::index(norm::Oxide::Fe2O3)] == 0) {
    for (std::size_t c = 0; c < header.size(); ++c) {
      const text::TotalIron kind = text::totalIronKind(header[c]);
      if (kind == text::TotalIron::None) continue;
      file.oxideColumn[feo] = static_cast<int16_t>(c + 1);
      file.totalIronName = text::trim(originalHeader[c]);
      file.totalIronToFeO = text::totalIronAsFeO(kind);
      break;
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
    UnreadableOxide unreadable;
    for (int o = 0; o < norm::kOxideCount; ++o) {
      if (file.oxideColumn[o] == 0) continue;
      const std::string cell = field(file.oxideColumn[o]);
      double value = 0;
      if (text::tryParseNumber(cell, decimalSeparator, value)) {
        values[o] = static_cast<float>(value);
      } else if (o < kMajorOxides && unreadable.oxide < 0 && !text::trim(cell).empty()) {
        unreadable = {o, text::trim(cell)};
      }
    }
    if (!file.totalIronName.empty()) values[feo] *= file.totalIronToFeO;
    file.oxides.push_back(values);
    file.unreadable.push_back(unreadable);
  }
  return file;
}

}  // namespace lavix::normwise
