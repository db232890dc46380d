// The data matrix as the lines of a rock data file (header, then one line per sample).
#include "lavix/data/DataFileWriter.h"

#include <algorithm>

#include "common/format/NumberFormat.h"

namespace lavix::data {

namespace {

void appendField(std::string& line, std::string_view text) {
  const std::size_t start = line.size();
  line.append(text);
  std::replace_if(line.begin() + static_cast<std::ptrdiff_t>(start), line.end(),
                  [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
}

bool anyNonZero(const std::vector<int16_t>& codes, const std::vector<int>& rows) {
  for (int row : rows)
    if (row < static_cast<int>(codes.size()) && codes[static_cast<std::size_t>(row)] != 0) return true;
  return false;
}

bool flagged(const std::vector<int16_t>* flags, int column) {
  return flags && column >= 0 && column < static_cast<int>(flags->size()) && (*flags)[static_cast<std::size_t>(column)] == 1;
}

std::vector<int> writtenRows(const DataStore& store, const std::vector<int16_t>* chosen) {
  std::vector<int> rows;
  const int last = std::min<int>(store.rowCount, static_cast<int>(store.sampleName.size()) - 1);
  if (!chosen) {
    for (int row = 1; row <= last; ++row) rows.push_back(row);
    return rows;
  }
  for (int16_t row : *chosen)
    if (row >= 1 && row <= last) rows.push_back(row);
  return rows;
}

}  // namespace

std::string recalculatedCell(const DataStore& store, int row, int column) {
  const auto factorOf = [&store](int r) {
    return r < static_cast<int>(store.totalFactor.size()) ? store.totalFactor[static_cast<std::size_t>(r)] : 1.0f;
  };
  const int feo = store.feoStd ? store.stdColumn[static_cast<std::size_t>(store.feoStd)] : 0;
  const int fe2o3 = store.fe2o3Std ? store.stdColumn[static_cast<std::size_t>(store.fe2o3Std)] : 0;
  // All iron goes into the FeO column; without one, Fe2O3 keeps it rather than losing it.
  if (column == fe2o3 && fe2o3 != 0 && feo != 0) return "0";
  float value = store.value(row, column);
  bool present = !store.cell(row, column).empty();
  if (column == feo && feo != 0 && fe2o3 != 0) {
    value += store.value(row, fe2o3) * 0.8998f;
    present = present || !store.cell(row, fe2o3).empty();
  }
  if (!present) return {};
  return format::shortestText(value * factorOf(row));
}

int recalculatedCount(const DataStore& store, const std::vector<int16_t>* recalculated) {
  int count = 0;
  for (int column = 1; column <= store.columnCount; ++column) count += flagged(recalculated, column) ? 1 : 0;
  return count;
}

std::vector<std::string> dataFileLines(const DataStore& store, const WriteOptions& options) {
  const std::vector<int> rows = writtenRows(store, options.rows);
  const int columns = std::min<int>(std::max<int>(store.columnCount, 0), static_cast<int>(store.columnName.size()) - 1);
  const std::vector<int16_t>* codes[] = {&store.jcode, &store.kcode, &store.lcode};
  const char* codeNames[] = {"Jcode", "Kcode", "Lcode"};
  bool written[3];
  for (int i = 0; i < 3; ++i) written[i] = anyNonZero(*codes[i], rows);

  std::vector<std::string> lines;
  lines.reserve(rows.size() + 1);
  std::string header;
  appendField(header, store.sampleTitle.empty() ? std::string_view("SAMPLE") : std::string_view(store.sampleTitle));
  header += '\t';
  for (int i = 0; i < 3; ++i)
    if (written[i]) header.append(codeNames[i]).push_back('\t');
  for (int column = 1; column <= columns; ++column) {
    if (column > 1) header += '\t';
    appendField(header, store.columnName[static_cast<std::size_t>(column)]);
  }
  lines.push_back(std::move(header));

  for (int row : rows) {
    const auto r = static_cast<std::size_t>(row);
    std::string line;
    appendField(line, store.sampleName[r]);
    line += '\t';
    for (int i = 0; i < 3; ++i)
      if (written[i]) line.append(format::shortestText((*codes[i])[r])).push_back('\t');
    for (int column = 1; column <= columns; ++column) {
      if (column > 1) line += '\t';
      if (flagged(options.recalculated, column)) appendField(line, recalculatedCell(store, row, column));
      else appendField(line, store.cell(row, column));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace lavix::data
