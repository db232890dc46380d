// Readers of the partition-coefficient, weight and rock/mineral files, and the matrix of mixing.
#include "mixing/MixingData.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "common/text/TotalIron.h"
#include "mixing/Messages.h"

namespace lavix::mixing {

namespace {

std::vector<std::string> splitFields(std::string_view line) {
  char delimiter = 0;
  std::vector<std::string> fields;
  text::tokenizeLine(line, delimiter, fields);
  return fields;
}

std::string withoutQuotes(std::string_view line) {
  std::string out;
  for (char c : line)
    if (c != '"' && c != '\r' && c != '\n') out += c;
  return out;
}

int16_t parseCode(std::string_view field, char decimalSeparator) {
  const float v = text::parseNumber(field, decimalSeparator);
  if (!(v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max())) return 0;
  return static_cast<int16_t>(v);
}

}  // namespace

ReadResult<PartitionTable> readPartitionCoefficients(std::string_view content, char decimalSeparator) {
  partition::PartitionRead read =
      partition::readPartitionTable(content, {maxIdentifiers, maxTraceElements}, decimalSeparator);
  ReadResult<PartitionTable> result;
  result.notices.assign(static_cast<std::size_t>(read.blankLines), messages::blankLine);
  if (read.ok() && read.unreadCells > 0) result.notices.push_back(partition::unreadCellsNotice(read));
  switch (read.error) {
    case partition::PartitionReadError::none: result.value = std::move(read.table); break;
    case partition::PartitionReadError::empty: result.error = messages::pcFileEmpty; break;
    case partition::PartitionReadError::noMinerals: result.error = messages::pcFileNoMinerals; break;
    case partition::PartitionReadError::tooManyMinerals: result.error = messages::pcFileTooManyMinerals; break;
    case partition::PartitionReadError::tooManyElements: result.error = messages::pcFileTooManyElements; break;
  }
  return result;
}

ReadResult<OxideTable> readWeights(std::string_view content, char decimalSeparator, std::string_view fileName) {
  ReadResult<OxideTable> result;
  const auto lines = text::splitLineViews(content);
  if (lines.size() < 2 || text::trim(withoutQuotes(lines[0])).empty()) {
    result.error = messages::weightFileShort;
    return result;
  }
  OxideTable& table = result.value;
  table.names = splitFields(withoutQuotes(lines[0]));
  if (table.count() > maxOxides) {
    result.error = messages::weightFileTooManyOxides;
    return result;
  }
  const auto weights = splitFields(withoutQuotes(lines[1]));
  // A weight that is not there would silently take its oxide out of every fit.
  std::string bad;
  bool anyWeight = false;
  for (std::size_t i = 0; i < table.names.size(); ++i) {
    double weight = 0;
    const std::string written = i < weights.size() ? text::trim(weights[i]) : std::string();
    if (i < weights.size() && text::tryParseNumber(written, decimalSeparator, weight)) {
      anyWeight = anyWeight || weight != 0;
    } else {
      bad += (bad.empty() ? "" : ", ") + table.names[i] +
             (i >= weights.size() ? messages::missingWeight : written.empty() ? messages::emptyWeight : " (\"" + written + "\")");
    }
    table.weights.push_back(static_cast<float>(weight));
  }
  if (!bad.empty() || !anyWeight) {
    const std::string file = std::string(messages::weightFile) + (fileName.empty() ? "" : " " + std::string(fileName));
    result.error = bad.empty() ? file + messages::allWeightsZero : file + messages::noUsableWeight + bad + messages::giveEveryWeight;
    return result;
  }
  for (int i = 1; i <= table.count(); ++i) {
    const std::string name = text::normaliseName(table.names[static_cast<std::size_t>(i - 1)]);
    if (name == "FEO") table.feoPosition = i;
    if (name == "FE2O3") table.fe2o3Position = i;
  }
  if (table.fe2o3Position == 0) {
    table.names.emplace_back("FE2O3");
    table.weights.push_back(0.0F);
    table.fe2o3Position = table.hiddenFe2o3Row = table.count();
  }
  return result;
}

ReadResult<std::vector<Analysis>> readAnalyses(std::string_view content, const OxideTable& oxides,
                                               const std::vector<std::string>& traceElements,
                                               char decimalSeparator) {
  ReadResult<std::vector<Analysis>> result;
  const auto lines = text::splitLineViews(content);
  if (lines.empty() || text::trim(lines[0]).empty()) {
    result.error = messages::noHeaderLine;
    return result;
  }
  std::vector<std::string> sought;
  for (const auto& name : oxides.names) sought.push_back(text::normaliseName(name));
  for (const auto& name : traceElements) sought.push_back(text::normaliseName(name));

  // Header column -> what it holds: -1 name, -2/-3/-4 the codes, k >= 0 sought value k, else skip.
  constexpr int skip = std::numeric_limits<int>::min();
  const auto header = splitFields(lines[0]);
  std::vector<int> role(header.size(), skip);
  for (std::size_t c = 0; c < header.size(); ++c) {
    const std::string field = text::toUpper(header[c]);
    if (field.find("SAM") != std::string::npos) role[c] = -1;
    else if (field.find("JCOD") != std::string::npos) role[c] = -2;
    else if (field.find("KCOD") != std::string::npos) role[c] = -3;
    else if (field.find("LCOD") != std::string::npos) role[c] = -4;
    else {
      const std::string name = text::normaliseName(field);
      for (std::size_t k = 0; k < sought.size(); ++k)
        if (!name.empty() && sought[k] == name) {
          role[c] = static_cast<int>(k);
          break;
        }
    }
  }

  // Iron given only as a total (FeOT, Fe2O3T ...): that column is the file's FeO.
  const auto holds = [&](int position) {
    return position > 0 && std::find(role.begin(), role.end(), position - 1) != role.end();
  };
  std::size_t totalIron = header.size();
  float totalIronFactor = 1;
  if (oxides.feoPosition > 0 && !holds(oxides.feoPosition) && !holds(oxides.fe2o3Position)) {
    for (std::size_t c = 0; c < header.size() && totalIron == header.size(); ++c) {
      const text::TotalIron kind = text::totalIronKind(header[c]);
      if (kind == text::TotalIron::None || role[c] != skip) continue;
      totalIron = c;
      role[c] = oxides.feoPosition - 1;
      totalIronFactor = text::totalIronAsFeO(kind);
      result.notices.push_back(messages::theColumn + text::trim(header[c]) + messages::totalIronAsFeO);
    }
  }

  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (text::trim(lines[i]).empty()) continue;
    const auto fields = splitFields(lines[i]);
    Analysis analysis;
    analysis.values.assign(sought.size(), 0.0F);
    analysis.missing.assign(sought.size(), true);
    for (std::size_t c = 0; c < fields.size() && c < role.size(); ++c) {
      switch (role[c]) {
        case skip: break;
        case -1: analysis.name = text::trim(fields[c]); break;
        case -2: analysis.jcode = parseCode(fields[c], decimalSeparator); break;
        case -3: analysis.kcode = parseCode(fields[c], decimalSeparator); break;
        case -4: analysis.lcode = parseCode(fields[c], decimalSeparator); break;
        default: {
          const auto k = static_cast<std::size_t>(role[c]);
          double value = 0;
          analysis.missing[k] = !text::tryParseNumber(fields[c], decimalSeparator, value);
          analysis.values[k] = static_cast<float>(value) * (c == totalIron ? totalIronFactor : 1.0F);
        }
      }
    }
    // All iron as FeO, then the oxides to 100 (an all-zero analysis stays zero).
    auto& v = analysis.values;
    if (oxides.feoPosition > 0 && oxides.fe2o3Position > 0) {
      const auto feo = static_cast<std::size_t>(oxides.feoPosition - 1);
      const auto fe2o3 = static_cast<std::size_t>(oxides.fe2o3Position - 1);
      v[feo] = v[feo] + 0.8998F * v[fe2o3];
      v[fe2o3] = 0;
    }
    float sum = 0;
    for (int o = 0; o < oxides.count(); ++o) sum += v[static_cast<std::size_t>(o)];
    if (sum == 0 || !std::isfinite(sum)) sum = 1;
    for (int o = 0; o < oxides.count(); ++o) v[static_cast<std::size_t>(o)] *= 100.0F / sum;
    result.value.push_back(std::move(analysis));
  }
  return result;
}

int matchMineral(const std::string& sampleName, const std::vector<std::string>& identifiers) {
  const std::string name = text::normaliseName(sampleName);
  int match = 0;
  for (std::size_t k = 0; k < identifiers.size(); ++k) {
    const std::string id = text::normaliseName(identifiers[k]);
    if (!id.empty() && name.find(id) != std::string::npos) match = static_cast<int>(k + 1);
  }
  return match;
}

void DataMatrix::allocate(int rows, int columns) {
  rowCount_ = std::max(rows, mineralRowCount + 1);
  columnCount_ = std::max(columns, 1);
  const auto rowSlots = static_cast<std::size_t>(rowCount_ + 1);
  values_.assign(rowSlots * static_cast<std::size_t>(columnCount_ + 1), 0.0F);
  missing_.assign(values_.size(), false);
  names_.assign(rowSlots, std::string());
  codes_.assign(rowSlots, {0, 0, 0});
  mineralIds_.assign(rowSlots, 0);
}

float DataMatrix::value(int column, int row) const {
  if (column < 1 || column > columnCount_ || row < 1 || row > rowCount_) return 0;
  return values_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_ + 1) +
                 static_cast<std::size_t>(column)];
}

void DataMatrix::setValue(int column, int row, float v) {
  if (column < 1 || column > columnCount_ || row < 1 || row > rowCount_) return;
  const std::size_t at = static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_ + 1) +
                         static_cast<std::size_t>(column);
  values_[at] = v;
  missing_[at] = false;
}

bool DataMatrix::missing(int column, int row) const {
  if (column < 1 || column > columnCount_ || row < 1 || row > rowCount_) return true;
  return missing_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columnCount_ + 1) +
                  static_cast<std::size_t>(column)];
}

void DataMatrix::replaceBlock(int firstRow, int lastRow, const std::vector<Analysis>& analyses) {
  firstRow = std::max(firstRow, 1);
  lastRow = std::min(lastRow, rowCount_);
  const auto stride = static_cast<std::size_t>(columnCount_ + 1);
  for (int row = firstRow; row <= lastRow; ++row) {
    std::fill_n(values_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * stride), stride, 0.0F);
    std::fill_n(missing_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * stride), stride, false);
    name(row).clear();
    codes_[static_cast<std::size_t>(row)] = {0, 0, 0};
    mineralId(row) = 0;
  }
  int row = firstRow;
  for (const auto& analysis : analyses) {
    if (row > lastRow) break;
    name(row) = analysis.name;
    codes_[static_cast<std::size_t>(row)] = {analysis.jcode, analysis.kcode, analysis.lcode};
    for (std::size_t c = 0; c < analysis.values.size(); ++c) {
      setValue(static_cast<int>(c + 1), row, analysis.values[c]);
      if (c < analysis.missing.size() && analysis.missing[c] && static_cast<int>(c) < columnCount_)
        missing_[static_cast<std::size_t>(row) * stride + c + 1] = true;
    }
    ++row;
  }
}

}  // namespace lavix::mixing
