// The data matrix as the lines of a rock data file (header, then one line per sample).
#include "lavix/data/DataFileWriter.h"

#include <algorithm>
#include <cstring>

#include "common/format/NumberFormat.h"

namespace lavix::data {

namespace {

// One line of the file as it is built: characters go straight into a buffer that only grows.
class LineBuffer {
 public:
  void clear() { used_ = 0; }
  void add(char c) {
    room(1);
    text_[used_++] = c;
  }
  // TABs and line breaks inside a text become blanks, so the table stays a table.
  void addField(std::string_view field) {
    if (field.empty()) return;
    room(field.size());
    char* out = text_.data() + used_;
    std::memcpy(out, field.data(), field.size());
    used_ += field.size();
    // Cells rarely hold a control character: one comparison a character finds the first.
    std::size_t i = 0;
    while (i < field.size() && static_cast<unsigned char>(out[i]) > '\r') ++i;
    for (; i < field.size(); ++i)
      if (out[i] == '\t' || out[i] == '\r' || out[i] == '\n') out[i] = ' ';
  }
  std::string_view view() const { return {text_.data(), used_}; }

 private:
  void room(std::size_t more) {
    if (used_ + more > text_.size()) text_.resize(std::max(2 * text_.size(), used_ + more));
  }
  std::string text_;
  std::size_t used_ = 0;
};

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

// A total-iron column the recalculations appended (not one read from the file).
bool hasAppendedTotalIron(const DataStore& store) {
  const int last = std::min<int>(store.columnCount, static_cast<int>(store.columnName.size()) - 1);
  for (int column = std::max<int>(store.fileColumnCount, 0) + 1; column <= last; ++column)
    if (store.columnName[static_cast<std::size_t>(column)] == totalIronColumnName) return true;
  return false;
}

}  // namespace

std::string recalculatedCell(const DataStore& store, int row, int column) {
  const auto factorOf = [&store](int r) {
    return r < static_cast<int>(store.totalFactor.size()) ? store.totalFactor[static_cast<std::size_t>(r)] : 1.0f;
  };
  const int feo = store.feoStd ? store.stdColumn[static_cast<std::size_t>(store.feoStd)] : 0;
  const int fe2o3 = store.fe2o3Std ? store.stdColumn[static_cast<std::size_t>(store.fe2o3Std)] : 0;
  // All iron goes into the FeO column, or without one into the recast total-iron column the
  // data set carries; with neither, Fe2O3 keeps it rather than losing it.
  if (column == fe2o3 && fe2o3 != 0 && (feo != 0 || hasAppendedTotalIron(store))) return "0";
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

void forEachDataFileLine(const DataStore& store, const WriteOptions& options,
                         const std::function<void(std::string_view line)>& take) {
  const std::vector<int> rows = writtenRows(store, options.rows);
  const int columns = std::min<int>(std::max<int>(store.columnCount, 0), static_cast<int>(store.columnName.size()) - 1);
  const std::vector<int16_t>* codes[] = {&store.jcode, &store.kcode, &store.lcode};
  const char* codeNames[] = {"Jcode", "Kcode", "Lcode"};
  bool written[3];
  for (int i = 0; i < 3; ++i) written[i] = anyNonZero(*codes[i], rows);

  LineBuffer line;
  line.addField(store.sampleTitle.empty() ? std::string_view("SAMPLE") : std::string_view(store.sampleTitle));
  line.add('\t');
  for (int i = 0; i < 3; ++i) {
    if (!written[i]) continue;
    line.addField(codeNames[i]);
    line.add('\t');
  }
  for (int column = 1; column <= columns; ++column) {
    if (column > 1) line.add('\t');
    line.addField(store.columnName[static_cast<std::size_t>(column)]);
  }
  take(line.view());

  for (int row : rows) {
    const auto r = static_cast<std::size_t>(row);
    line.clear();
    line.addField(store.sampleName[r]);
    line.add('\t');
    for (int i = 0; i < 3; ++i) {
      if (!written[i]) continue;
      line.addField(format::shortestText((*codes[i])[r]));
      line.add('\t');
    }
    for (int column = 1; column <= columns; ++column) {
      if (column > 1) line.add('\t');
      if (flagged(options.recalculated, column)) line.addField(recalculatedCell(store, row, column));
      else line.addField(store.cell(row, column));
    }
    take(line.view());
  }
}

std::vector<std::string> dataFileLines(const DataStore& store, const WriteOptions& options) {
  std::vector<std::string> lines;
  forEachDataFileLine(store, options, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

bool writeDataFile(const DataStore& store, const std::string& path, text::FileError& error,
                   const WriteOptions& options) {
  return text::writeFileAtomically(
      path,
      [&](const text::ContentPieces& write) {
        forEachDataFileLine(store, options, [&](std::string_view line) {
          write(line);
          write("\r\n");
        });
      },
      error);
}

}  // namespace lavix::data
