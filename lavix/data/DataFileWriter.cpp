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

bool anyNonZero(const std::vector<int16_t>& codes, int rows) {
  for (int row = 1; row <= rows && row < static_cast<int>(codes.size()); ++row)
    if (codes[static_cast<std::size_t>(row)] != 0) return true;
  return false;
}

}  // namespace

std::vector<std::string> dataFileLines(const DataStore& store) {
  const int rows = std::max<int>(store.rowCount, 0);
  const int columns = std::min<int>(std::max<int>(store.columnCount, 0), static_cast<int>(store.columnName.size()) - 1);
  const std::vector<int16_t>* codes[] = {&store.jcode, &store.kcode, &store.lcode};
  const char* codeNames[] = {"Jcode", "Kcode", "Lcode"};
  bool written[3];
  for (int i = 0; i < 3; ++i) written[i] = anyNonZero(*codes[i], rows);

  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(rows) + 1);
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

  for (int row = 1; row <= rows && row < static_cast<int>(store.sampleName.size()); ++row) {
    const auto r = static_cast<std::size_t>(row);
    std::string line;
    appendField(line, store.sampleName[r]);
    line += '\t';
    for (int i = 0; i < 3; ++i)
      if (written[i]) line.append(format::shortestText((*codes[i])[r])).push_back('\t');
    for (int column = 1; column <= columns; ++column) {
      if (column > 1) line += '\t';
      appendField(line, store.cell(row, column));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace lavix::data
