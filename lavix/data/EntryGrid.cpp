// The data entry grid `blank`: its modes, cursor, typed cells and what SAVE hands back.
#include "lavix/data/EntryGrid.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"

namespace lavix::data {

namespace {

constexpr int specialFields = 4;  // Sample, Jcode, Kcode, Lcode
constexpr int pageRows = 20;      // PageUp and PageDown
const char* const specialNames[specialFields] = {"Sample", "Jcode", "Kcode", "Lcode"};

std::vector<int> naturalOrder(int first, int last) {
  std::vector<int> order;
  for (int column = first; column <= last; ++column) order.push_back(column);
  return order;
}

std::vector<std::string> splitAt(const std::string& line, char separator) {
  std::vector<std::string> parts(1);
  for (char c : line) {
    if (c == separator) parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

// A typed code: empty and non-numeric texts are 0; nullopt beyond 16 bits.
std::optional<int16_t> codeValue(const std::string& typed, char separator) {
  double value = 0;
  if (!text::tryParseNumber(typed, separator, value)) return int16_t{0};
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
  return static_cast<int16_t>(rounded);
}

}  // namespace

const char* gridModeName(GridMode mode) {
  switch (mode) {
    case GridMode::Form: return "form";
    case GridMode::Order: return "order";
    case GridMode::Enters: return "enters";
    case GridMode::Modify: return "modify";
    case GridMode::Decimals: return "decimals";
    case GridMode::Total: return "total";
  }
  return "";
}

const char* gridWindowTitle(GridMode mode) {
  switch (mode) {
    case GridMode::Modify: return "Modify data";
    case GridMode::Decimals:
    case GridMode::Total: return "Print a table";
    case GridMode::Form:
    case GridMode::Order:
    case GridMode::Enters: break;
  }
  return "Enter data";
}

EntryGrid::EntryGrid(GridMode mode, std::vector<std::string> captions, int rows)
    : mode_(mode), captions_(std::move(captions)), rows_(std::max(rows, 0)) {
  entryOrder_ = naturalOrder(1, columnCount());
}

EntryGrid EntryGrid::form(int dataFieldCount) {
  const int fields = specialFields + std::max(dataFieldCount, 0);
  std::vector<std::string> captions;
  for (int field = 1; field <= fields; ++field) captions.push_back(std::to_string(field));
  EntryGrid grid(GridMode::Form, std::move(captions), 1);
  grid.info_.assign(std::begin(gridText::formLines), std::end(gridText::formLines));
  for (int field = 1; field <= specialFields; ++field) grid.typed_[grid.cellKey(1, field)] = specialNames[field - 1];
  grid.entryOrder_ = naturalOrder(specialFields + 1, fields);
  grid.cursorColumn_ = fields > specialFields ? specialFields + 1 : 1;
  return grid;
}

EntryGrid EntryGrid::order(const std::vector<std::string>& fieldNames) {
  EntryGrid grid(GridMode::Order, fieldNames, 1);
  grid.info_.assign(std::begin(gridText::orderLines), std::end(gridText::orderLines));
  for (int field = 1; field <= grid.columnCount(); ++field) grid.typed_[grid.cellKey(1, field)] = std::to_string(field);
  return grid;
}

EntryGrid EntryGrid::enters(const std::vector<std::string>& fieldNames, int rows, std::vector<int> entryOrder) {
  EntryGrid grid(GridMode::Enters, fieldNames, rows);
  grid.info_ = {gridText::entersLine};
  std::erase_if(entryOrder, [&grid](int field) { return field < 1 || field > grid.columnCount(); });
  if (!entryOrder.empty()) grid.entryOrder_ = std::move(entryOrder);
  if (!grid.entryOrder_.empty()) grid.cursorColumn_ = grid.entryOrder_.front();
  return grid;
}

EntryGrid EntryGrid::modify(const DataStore& store) {
  std::vector<std::string> captions = {store.sampleTitle.empty() ? specialNames[0] : store.sampleTitle};
  captions.insert(captions.end(), specialNames + 1, specialNames + specialFields);
  const int columns = std::min<int>(store.columnCount, static_cast<int>(store.columnName.size()) - 1);
  for (int column = 1; column <= columns; ++column) captions.push_back(store.columnName[static_cast<std::size_t>(column)]);
  const int rows = std::min<int>(store.rowCount, static_cast<int>(store.sampleName.size()) - 1);
  EntryGrid grid(GridMode::Modify, std::move(captions), rows);
  grid.info_ = {gridText::modifyLine};
  grid.source_ = &store;
  grid.separator_ = store.decimalSeparator;
  return grid;
}

EntryGrid EntryGrid::decimals(const std::vector<std::string>& columnNames, int preset) {
  EntryGrid grid(GridMode::Decimals, columnNames, 1);
  grid.info_ = {gridText::decimalsLine};
  for (int column = 1; column <= grid.columnCount(); ++column) grid.typed_[grid.cellKey(1, column)] = std::to_string(preset);
  return grid;
}

EntryGrid EntryGrid::total(const std::vector<std::string>& columnNames) {
  EntryGrid grid(GridMode::Total, columnNames, 1);
  grid.info_ = {gridText::totalLine};
  return grid;
}

std::string EntryGrid::columnCaption(int column) const {
  return column >= 1 && column <= columnCount() ? captions_[static_cast<std::size_t>(column - 1)] : std::string();
}

std::string EntryGrid::rowCaption(int row) const {
  switch (mode_) {
    case GridMode::Form: return "Name";
    case GridMode::Order: return "Order";
    case GridMode::Decimals: return "Decimals";
    case GridMode::Total: return "Total";
    case GridMode::Enters:
    case GridMode::Modify: break;
  }
  return std::to_string(row);
}

std::string EntryGrid::baseCell(int row, int column) const {
  if (!source_) return {};
  const auto r = static_cast<std::size_t>(row);
  switch (column) {
    case 1: return source_->sampleName[r];
    case 2: return format::shortestText(source_->jcode[r]);
    case 3: return format::shortestText(source_->kcode[r]);
    case 4: return format::shortestText(source_->lcode[r]);
    default: return std::string(source_->cell(row, column - specialFields));
  }
}

std::string EntryGrid::cell(int row, int column) const {
  if (!inGrid(row, column)) return {};
  const auto found = typed_.find(cellKey(row, column));
  return found != typed_.end() ? found->second : baseCell(row, column);
}

bool EntryGrid::isEditable(int row, int column) const {
  return inGrid(row, column) && !(mode_ == GridMode::Form && column <= specialFields);
}

bool EntryGrid::isCodeColumn(int column) const {
  return (mode_ == GridMode::Enters || mode_ == GridMode::Modify) && column >= 2 && column <= specialFields;
}

void EntryGrid::moveTo(int row, int column) {
  if (rows_ == 0 || columnCount() == 0) return;
  cursorRow_ = std::clamp(row, 1, rows_);
  cursorColumn_ = std::clamp(column, 1, columnCount());
}

void EntryGrid::pick(int row, int column) {
  if (open_) moveTo(row, column);
}

void EntryGrid::setCell(int row, int column, const std::string& text) {
  if (!open_ || !isEditable(row, column)) return;
  // Typing back what the data hold leaves the cell as it was: no edit to write.
  if (source_ && text == baseCell(row, column)) typed_.erase(cellKey(row, column));
  else typed_[cellKey(row, column)] = text;
}

void EntryGrid::typeText(const std::string& typed) {
  if (typed.find_first_of("\t\r\n") == std::string::npos) {
    setCell(cursorRow_, cursorColumn_, typed);
    return;
  }
  // A block copied from a spreadsheet: lines are rows, TABs separate its cells.
  const std::vector<std::string> lines = text::splitLines(typed);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> cells = splitAt(lines[i], '\t');
    for (std::size_t j = 0; j < cells.size(); ++j)
      setCell(cursorRow_ + static_cast<int>(i), cursorColumn_ + static_cast<int>(j), cells[j]);
  }
}

void EntryGrid::pressEnter() {
  if (!open_ || entryOrder_.empty()) return;
  const auto at = std::find(entryOrder_.begin(), entryOrder_.end(), cursorColumn_);
  if (at != entryOrder_.end() && std::next(at) != entryOrder_.end()) {
    moveTo(cursorRow_, *std::next(at));
    return;
  }
  if (at == entryOrder_.end()) {
    // From a field the order skips: on to the next visited field to its right.
    for (int column : entryOrder_)
      if (column > cursorColumn_) {
        moveTo(cursorRow_, column);
        return;
      }
  }
  if (cursorRow_ < rows_) moveTo(cursorRow_ + 1, entryOrder_.front());
}

bool EntryGrid::pressKey(const std::string& keyName) {
  const std::string k = text::toUpper(keyName);
  if (k == "ENTER" || k == "RETURN") pressEnter();
  else if (k == "UP") moveTo(cursorRow_ - 1, cursorColumn_);
  else if (k == "DOWN") moveTo(cursorRow_ + 1, cursorColumn_);
  else if (k == "LEFT") moveTo(cursorRow_, cursorColumn_ - 1);
  else if (k == "RIGHT") moveTo(cursorRow_, cursorColumn_ + 1);
  else if (k == "HOME") moveTo(cursorRow_, 1);
  else if (k == "END") moveTo(cursorRow_, columnCount());
  else if (k == "PAGEUP") moveTo(cursorRow_ - pageRows, cursorColumn_);
  else if (k == "PAGEDOWN") moveTo(cursorRow_ + pageRows, cursorColumn_);
  else if (k == "TAB") {
    if (cursorColumn_ < columnCount()) moveTo(cursorRow_, cursorColumn_ + 1);
    else if (cursorRow_ < rows_) moveTo(cursorRow_ + 1, 1);
  } else {
    return false;
  }
  return true;
}

std::optional<std::pair<std::string, std::pair<int, int>>> EntryGrid::codeRefusal(int row, int column) const {
  if (!isCodeColumn(column) || codeValue(cell(row, column), separator_)) return std::nullopt;
  return std::pair{"Row " + std::to_string(row) + ": " + specialNames[column - 1] + gridText::codeRange,
                   std::pair{row, column}};
}

std::optional<std::pair<std::string, std::pair<int, int>>> EntryGrid::firstRefusal() const {
  if (mode_ == GridMode::Form) {
    for (int column = specialFields + 1; column <= columnCount(); ++column) {
      const std::string name = text::trim(cell(1, column));
      if (name.empty())
        return std::pair{gridText::unnamedField + std::to_string(column) + gridText::hasNone, std::pair{1, column}};
      if (name.find_first_of(" ,-") != std::string::npos) return std::pair{std::string(gridText::nameRule), std::pair{1, column}};
    }
  } else if (mode_ == GridMode::Enters) {
    for (int row = 1; row <= rows_; ++row)
      for (int column = 2; column <= specialFields; ++column)
        if (auto refusal = codeRefusal(row, column)) return refusal;
  } else if (mode_ == GridMode::Modify) {
    for (const auto& [at, typed] : typed_) {
      const int row = static_cast<int>(at / (columnCount() + 1)), column = static_cast<int>(at % (columnCount() + 1));
      if (auto refusal = codeRefusal(row, column)) return refusal;
    }
  }
  return std::nullopt;
}

void EntryGrid::save() {
  if (!open_) return;
  if (const auto refusal = firstRefusal()) {
    moveTo(refusal->second.first, refusal->second.second);
    if (prompts_) ui::say(*prompts_, refusal->first);
    return;
  }
  saved_ = true;
  open_ = false;
}

void EntryGrid::cancel() { open_ = false; }

std::vector<std::string> EntryGrid::rowTexts(int row) const {
  std::vector<std::string> texts;
  for (int column = 1; column <= columnCount(); ++column) texts.push_back(cell(row, column));
  return texts;
}

void EntryGrid::storeNewDataSet(DataStore& store, const StandardTable& standards) const {
  // Rows left empty at the end are samples the user did not type after all.
  int rows = rows_;
  while (rows > 0) {
    const auto texts = rowTexts(rows);
    if (std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return !text::trim(t).empty(); })) break;
    --rows;
  }
  const int dataFields = std::max(columnCount() - specialFields, 0);
  store.clearCells();
  std::fill(store.sampleName.begin(), store.sampleName.end(), std::string());
  std::fill(store.columnName.begin(), store.columnName.end(), std::string());
  for (auto* codes : {&store.jcode, &store.kcode, &store.lcode}) std::fill(codes->begin(), codes->end(), int16_t{0});
  store.stdColumn.fill(0);
  for (int column = 1; column <= dataFields && column < static_cast<int>(store.columnName.size()); ++column) {
    const std::string name = text::trim(columnCaption(specialFields + column));
    const int k = standards.indexOfName(name);
    store.columnName[static_cast<std::size_t>(column)] = k > 0 ? standards.stdName[static_cast<std::size_t>(k)] : name;
    if (k > 0) store.stdColumn[static_cast<std::size_t>(k)] = static_cast<int16_t>(column);
  }
  for (int row = 1; row <= rows && row < static_cast<int>(store.sampleName.size()); ++row) {
    const auto r = static_cast<std::size_t>(row);
    store.sampleName[r] = cell(row, 1);
    store.jcode[r] = codeValue(cell(row, 2), separator_).value_or(0);
    store.kcode[r] = codeValue(cell(row, 3), separator_).value_or(0);
    store.lcode[r] = codeValue(cell(row, 4), separator_).value_or(0);
    for (int column = 1; column <= dataFields; ++column) store.setCell(row, column, cell(row, specialFields + column));
  }
  store.sampleTitle = columnCaption(1);
  store.rowCount = static_cast<int16_t>(rows);
  store.columnCount = static_cast<int16_t>(dataFields);
  store.fileColumnCount = store.columnCount;
  store.noteChange();
}

void EntryGrid::applyEdits(DataStore& store) const {
  for (const auto& [at, typed] : typed_) {
    const int row = static_cast<int>(at / (columnCount() + 1)), column = static_cast<int>(at % (columnCount() + 1));
    if (row < 1 || row >= static_cast<int>(store.sampleName.size())) continue;
    const auto r = static_cast<std::size_t>(row);
    switch (column) {
      case 1: store.sampleName[r] = typed; break;
      case 2: store.jcode[r] = codeValue(typed, separator_).value_or(store.jcode[r]); break;
      case 3: store.kcode[r] = codeValue(typed, separator_).value_or(store.kcode[r]); break;
      case 4: store.lcode[r] = codeValue(typed, separator_).value_or(store.lcode[r]); break;
      default: store.setCell(row, column - specialFields, typed); break;
    }
  }
  if (!typed_.empty()) store.noteChange();
}

int EntryGrid::columnOf(const std::string& given) const {
  double number = 0;
  if (text::tryParseNumber(given, '.', number)) return number == std::floor(number) ? static_cast<int>(number) : 0;
  const std::string wanted = text::normaliseName(given);
  for (int column = 1; column <= columnCount(); ++column)
    if (!wanted.empty() && text::normaliseName(columnCaption(column)) == wanted) return column;
  return 0;
}

ui::EventResult EntryGrid::click(const std::string& control, const std::string& item) {
  if (control == "SAVE" || control == "CANCEL") {
    if (!open_) return ui::EventResult::Disabled;
    control == "SAVE" ? save() : cancel();
    return ui::EventResult::Done;
  }
  if (control != "sgrid") return ui::EventResult::UnknownControl;
  const std::string trimmed = text::trim(item);
  const std::size_t gap = trimmed.find_first_of(" \t");
  if (gap == std::string::npos) return ui::EventResult::UnknownItem;
  double row = 0;
  const int column = columnOf(text::trim(trimmed.substr(gap)));
  if (!text::tryParseNumber(trimmed.substr(0, gap), '.', row) || !inGrid(static_cast<int>(row), column) ||
      row != std::floor(row))
    return ui::EventResult::UnknownItem;
  if (!open_) return ui::EventResult::Disabled;
  pick(static_cast<int>(row), column);
  return ui::EventResult::Done;
}

ui::EventResult EntryGrid::type(const std::string& control, int index, const std::string& typed) {
  if (control != "sgrid") return ui::EventResult::UnknownControl;
  if (index != 0) return ui::EventResult::UnknownItem;
  if (!open_) return ui::EventResult::Disabled;
  typeText(typed);
  return ui::EventResult::Done;
}

ui::EventResult EntryGrid::enter(const std::string& control, int index) {
  if (control != "sgrid") return ui::EventResult::UnknownControl;
  if (index != 0) return ui::EventResult::UnknownItem;
  if (!open_) return ui::EventResult::Disabled;
  pressEnter();
  return ui::EventResult::Done;
}

ui::EventResult EntryGrid::key(const std::string& control, int index, const std::string& keyName) {
  if (control != "sgrid") return ui::EventResult::UnknownControl;
  if (index != 0) return ui::EventResult::UnknownItem;
  if (!open_) return ui::EventResult::Disabled;
  return pressKey(keyName) ? ui::EventResult::Done : ui::EventResult::UnknownItem;
}

std::vector<std::pair<std::string, std::string>> EntryGrid::fields() const {
  std::vector<std::pair<std::string, std::string>> out;
  out.emplace_back("mode", gridModeName(mode_));
  for (std::size_t i = 0; i < info_.size(); ++i) out.emplace_back("lblInfo(" + std::to_string(i + 1) + ")", info_[i]);
  out.emplace_back("cursor", std::to_string(cursorRow_) + " " + std::to_string(cursorColumn_));
  out.emplace_back("txtcell", cell(cursorRow_, cursorColumn_));
  for (int column = 1; column <= columnCount(); ++column)
    out.emplace_back("sgrid(0," + std::to_string(column) + ")", columnCaption(column));
  auto addCell = [&](int row, int column) {
    out.emplace_back("sgrid(" + std::to_string(row) + "," + std::to_string(column) + ")", cell(row, column));
  };
  if (mode_ != GridMode::Modify) {
    for (int row = 1; row <= rows_; ++row)
      for (int column = 1; column <= columnCount(); ++column) addCell(row, column);
    return out;
  }
  if (rows_ > 0)
    for (int column = 1; column <= columnCount(); ++column) addCell(cursorRow_, column);
  for (const auto& [at, typed] : typed_) {
    const int row = static_cast<int>(at / (columnCount() + 1));
    if (row != cursorRow_) addCell(row, static_cast<int>(at % (columnCount() + 1)));
  }
  return out;
}

std::vector<int> entryOrderFromRow(const std::vector<std::string>& orderRow, char decimalSeparator) {
  std::vector<std::pair<float, int>> numbered;
  for (std::size_t i = 0; i < orderRow.size(); ++i) {
    const float number = text::parseNumber(orderRow[i], decimalSeparator);
    if (number > 0) numbered.emplace_back(number, static_cast<int>(i) + 1);
  }
  std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> order;
  for (const auto& [number, field] : numbered) order.push_back(field);
  if (order.empty()) order = naturalOrder(1, static_cast<int>(orderRow.size()));
  return order;
}

}  // namespace lavix::data
