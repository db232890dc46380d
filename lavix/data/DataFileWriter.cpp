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

void forEachDataFileLine(const DataStore& store, const std::function<void(std::string_view line)>& take) {
  const int rows = std::max<int>(store.rowCount, 0);
  const int columns = std::min<int>(std::max<int>(store.columnCount, 0), static_cast<int>(store.columnName.size()) - 1);
  const std::vector<int16_t>* codes[] = {&store.jcode, &store.kcode, &store.lcode};
  const char* codeNames[] = {"Jcode", "Kcode", "Lcode"};
  bool written[3];
  for (int i = 0; i < 3; ++i) written[i] = anyNonZero(*codes[i], rows);

  std::string line;
  appendField(line, store.sampleTitle.empty() ? std::string_view("SAMPLE") : std::string_view(store.sampleTitle));
  line += '\t';
  for (int i = 0; i < 3; ++i)
    if (written[i]) line.append(codeNames[i]).push_back('\t');
  for (int column = 1; column <= columns; ++column) {
    if (column > 1) line += '\t';
    appendField(line, store.columnName[static_cast<std::size_t>(column)]);
  }
  take(line);

  for (int row = 1; row <= rows && row < static_cast<int>(store.sampleName.size()); ++row) {
    const auto r = static_cast<std::size_t>(row);
    line.clear();
    appendField(line, store.sampleName[r]);
    line += '\t';
    for (int i = 0; i < 3; ++i)
      if (written[i]) line.append(format::shortestText((*codes[i])[r])).push_back('\t');
    for (int column = 1; column <= columns; ++column) {
      if (column > 1) line += '\t';
      appendField(line, store.cell(row, column));
    }
    take(line);
  }
}

std::vector<std::string> dataFileLines(const DataStore& store) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(std::max<int>(store.rowCount, 0)) + 1);
  forEachDataFileLine(store, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

bool writeDataFile(const DataStore& store, const std::string& path, text::FileError& error) {
  return text::writeFileAtomically(
      path,
      [&](const text::ContentPieces& write) {
        forEachDataFileLine(store, [&](std::string_view line) {
          write(line);
          write("\r\n");
        });
      },
      error);
}

}  // namespace lavix::data
