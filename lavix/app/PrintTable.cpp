// Print a table: the data in memory as a text table, samples across and variables down.
#include "lavix/app/PrintTable.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "lavix/app/DataEntry.h"
#include "lavix/app/FileOperations.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Session.h"
#include "lavix/data/DataFileWriter.h"
#include "lavix/data/EntryGrid.h"

namespace lavix::app {

namespace {

constexpr const char* textMask = "!@@@@@@@@@@@@";  // 12 characters, left-aligned, cut to fit
constexpr std::size_t fieldWidth = 12;
constexpr std::size_t pointAt = 5;  // characters before a number's decimal point
constexpr const char* separator = "  ";

std::string textField(std::string_view text) { return format::formatText(text, textMask); }

// A number placed so that its decimal point (or its end, without one) falls after pointAt
// characters; a wider number runs on into its field rather than being cut.
std::string numberField(const std::string& number) {
  const std::size_t point = number.find('.');
  const std::size_t integerPart = point == std::string::npos ? number.size() : point;
  std::string field(integerPart < pointAt ? pointAt - integerPart : 0, ' ');
  field += number;
  if (field.size() < fieldWidth) field.append(fieldWidth - field.size(), ' ');
  return field;
}

// A printed table is read as plain text: sub- and superscript brackets only get in the way.
std::string withoutMarkup(std::string_view name) {
  std::string plain;
  for (char c : name)
    if (c != '[' && c != ']' && c != '{' && c != '}') plain += c;
  return plain;
}

std::string trimmedRight(std::string line) {
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

struct Printed {
  enum Kind { Empty, Number, Text } kind = Empty;
  float value = 0;
  std::string text;
};

Printed printedValue(const data::DataStore& store, const TableLayout& layout, int row, int column) {
  const bool recalculated = layout.recalculated && column < static_cast<int>(layout.recalculated->size()) &&
                            (*layout.recalculated)[static_cast<std::size_t>(column)] == 1;
  const std::string cell = recalculated ? data::recalculatedCell(store, row, column) : std::string(store.cell(row, column));
  if (text::trim(cell).empty()) return {};
  double value = 0;
  if (!text::tryParseNumber(cell, store.decimalSeparator, value)) return {Printed::Text, 0, text::trim(cell)};
  return {Printed::Number, static_cast<float>(value), {}};
}

int decimalsOf(const TableLayout& layout, int column) {
  const int d = column < static_cast<int>(layout.decimals.size()) ? layout.decimals[static_cast<std::size_t>(column)] : 2;
  return std::clamp(d, 0, 6);
}

bool totalled(const TableLayout& layout, int column) {
  return column < static_cast<int>(layout.totalled.size()) && layout.totalled[static_cast<std::size_t>(column)];
}

void addBlock(const data::DataStore& store, const TableLayout& layout, const std::vector<int>& rows,
              std::vector<std::string>& lines) {
  lines.emplace_back();
  lines.push_back("File name " + layout.fileName);
  std::string samples = textField("Sample") + separator;
  for (int row : rows) samples += textField(store.sampleName[static_cast<std::size_t>(row)]) + separator;
  lines.push_back(trimmedRight(samples));

  const std::pair<const char*, const std::vector<int16_t>*> codes[] = {
      {"Jcode", &store.jcode}, {"Kcode", &store.kcode}, {"Lcode", &store.lcode}};
  for (const auto& [name, values] : codes) {
    long sum = 0;
    for (int row : rows) sum += (*values)[static_cast<std::size_t>(row)];
    if (sum <= 0) continue;
    std::string line = textField(name) + separator;
    for (int row : rows) line += numberField(std::to_string((*values)[static_cast<std::size_t>(row)])) + separator;
    lines.push_back(trimmedRight(line));
  }

  std::vector<float> totals(rows.size(), 0.0f);
  int totalDecimals = -1;
  for (int column = 1; column <= store.columnCount; ++column) {
    const char* mask = decimalMasks[decimalsOf(layout, column)];
    if (totalled(layout, column)) totalDecimals = std::max(totalDecimals, decimalsOf(layout, column));
    std::string line = textField(withoutMarkup(store.columnName[static_cast<std::size_t>(column)])) + separator;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const Printed printed = printedValue(store, layout, rows[i], column);
      if (printed.kind == Printed::Number && totalled(layout, column)) totals[i] += printed.value;
      switch (printed.kind) {
        case Printed::Empty: line += std::string(fieldWidth, ' '); break;
        case Printed::Number: line += numberField(format::formatNumber(printed.value, mask)); break;
        case Printed::Text: line += numberField(printed.text); break;
      }
      line += separator;
    }
    lines.push_back(trimmedRight(line));
  }
  if (totalDecimals < 0) return;
  std::string line = textField("Total") + separator;
  for (float total : totals) line += numberField(format::formatNumber(total, decimalMasks[totalDecimals])) + separator;
  lines.push_back(trimmedRight(line));
}

// The grid's row as whole numbers; a text that is no number reads 0.
std::vector<long> gridNumbers(const data::EntryGrid& grid, char decimalSeparator) {
  std::vector<long> numbers = {0};  // index 0: no column
  for (const std::string& typed : grid.rowTexts(1))
    numbers.push_back(std::lround(text::parseNumber(typed, decimalSeparator)));
  return numbers;
}

}  // namespace

std::vector<std::string> tableLines(const data::DataStore& store, const TableLayout& layout) {
  std::vector<std::string> lines;
  const int perBlock = std::max(layout.samplesPerBlock, 1);
  std::vector<int> rows;
  for (int row : layout.rows)
    if (row >= 1 && row <= store.rowCount && row < static_cast<int>(store.sampleName.size())) rows.push_back(row);
  for (std::size_t first = 0; first < rows.size(); first += static_cast<std::size_t>(perBlock)) {
    const std::size_t last = std::min(rows.size(), first + static_cast<std::size_t>(perBlock));
    addBlock(store, layout, std::vector<int>(rows.begin() + static_cast<std::ptrdiff_t>(first),
                                             rows.begin() + static_cast<std::ptrdiff_t>(last)),
             lines);
  }
  return lines;
}

void printDataTable(Session& s, const std::vector<int16_t>* recalculated, const std::vector<int16_t>* picked) {
  if (s.data.rowCount == 0) {
    ui::say(s.prompts, messages::noDataToPrint);
    return;
  }
  bool writeRecalculated = false;
  if (!askRecalculated(s, recalculated, writeRecalculated)) return;
  const auto typed = s.prompts.input({messages::columnsPrompt, messages::columnsTitle, "8"});
  if (!typed || text::trim(*typed).empty()) return;
  const float perBlock = text::parseNumber(*typed, s.decimalSeparator);

  TableLayout layout;
  layout.fileName = s.data.currentFile;
  layout.samplesPerBlock = perBlock > 0 ? static_cast<int>(std::min(std::lround(perBlock), 32767L)) : 8;
  layout.recalculated = writeRecalculated ? recalculated : nullptr;
  if (picked)
    layout.rows.assign(picked->begin(), picked->end());
  else
    for (int row = 1; row <= s.data.rowCount; ++row) layout.rows.push_back(row);

  std::vector<std::string> names;
  for (int column = 1; column <= s.data.columnCount; ++column)
    names.push_back(s.data.columnName[static_cast<std::size_t>(column)]);
  data::EntryGrid decimals = data::EntryGrid::decimals(names, 2);
  if (!runGrid(s, decimals)) return;
  data::EntryGrid total = data::EntryGrid::total(names);
  if (!runGrid(s, total)) return;
  for (long d : gridNumbers(decimals, s.decimalSeparator)) layout.decimals.push_back(static_cast<int>(std::clamp(d, 0L, 6L)));
  for (long flag : gridNumbers(total, s.decimalSeparator)) layout.totalled.push_back(flag != 0);

  const int device = s.exchange.askButton(s.prompts, messages::outputDeviceTitle, {"Screen", "TextFile", "Quit"}, "");
  if (device == 1) {
    if (!s.tableWindow) return;
    if (const auto failure = s.tableWindow->printText({messages::printTableTitle, tableLines(s.data, layout)}))
      ui::say(s.prompts, *failure);
  } else if (device == 2) {
    ui::FileRequest request;
    request.filter = messages::textFileFilter;
    request.folder = s.dataFolder;
    request.confirmOverwrite = true;
    const auto path = s.prompts.saveFile(request);
    if (!path || text::trim(*path).empty()) return;
    text::FileError error;
    if (!text::writeFileAtomically(*path, text::joinLinesCrLf(tableLines(s.data, layout)), error))
      ui::say(s.prompts, error.text + messages::errorNumber + std::to_string(error.number));
  }
}

}  // namespace lavix::app
