// The rock data file reader: header classification, replace and merge loads, the
// clipboard table, and the preparation that derives per-row and per-column values.
#include "lavix/data/DataFileReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"

namespace lavix::data {

namespace {


enum class Role : std::uint8_t { Data, Sample, Jcode, Kcode, Lcode, Dummy };

// What the header line says about the fields of every data line.
struct HeaderPlan {
  std::vector<std::string> fields;  // header texts, field i at index i - 1
  std::vector<Role> role;
  int sampleField = 0, jcodeField = 0, kcodeField = 0, lcodeField = 0;  // 1-based, 0 = none
  std::string sampleTitle;
  std::vector<int> dataFields;  // 1-based positions of the data fields, in order
  std::vector<int> target;      // per field: matrix column (merge: mapped column or 0)

  // The column a data line's field is stored in, or -1 when it is not stored (replace: the
  // special fields; merge: every field goes to its column, the unmapped ones to column 0).
  int storedColumn(std::size_t field, bool merge) const {
    return merge || role[field] == Role::Data ? target[field] : -1;
  }
};

HeaderPlan classifyHeader(std::vector<std::string> fields, bool clipboard) {
  HeaderPlan plan;
  plan.fields = std::move(fields);
  plan.role.assign(plan.fields.size(), Role::Data);
  bool jSeen = false, kSeen = false, lSeen = false;
  for (std::size_t i = 0; i < plan.fields.size(); ++i) {
    const int position = static_cast<int>(i) + 1;
    const std::string name = text::normaliseName(plan.fields[i]);
    Role& role = plan.role[i];
    if (name.find("SAMP") != std::string::npos || name.find("S$") != std::string::npos) {
      role = Role::Sample;
      plan.sampleField = position;
      plan.sampleTitle = clipboard && name.find("S$") != std::string::npos ? "Sample" : plan.fields[i];
    } else if ((name == "JCODE" && !jSeen) || name == "JINT") {
      jSeen = jSeen || name == "JCODE";
      role = Role::Jcode;
      plan.jcodeField = position;
    } else if ((name == "KCODE" && !kSeen) || name == "KINT") {
      kSeen = kSeen || name == "KCODE";
      role = Role::Kcode;
      plan.kcodeField = position;
    } else if ((name == "LCODE" && !lSeen) || name == "LINT") {
      lSeen = lSeen || name == "LCODE";
      role = Role::Lcode;
      plan.lcodeField = position;
    } else if (name == "DUM") {
      role = Role::Dummy;
    } else {
      plan.dataFields.push_back(position);
    }
  }
  return plan;
}

// Replace: data field c goes to column c. Merge: each column takes the first data field
// of the same normalised name; everything else goes to column 0, never shown or saved.
void planTargets(HeaderPlan& plan, const DataStore& store, bool merge) {
  plan.target.assign(plan.fields.size(), 0);
  if (!merge) {
    for (std::size_t c = 0; c < plan.dataFields.size(); ++c)
      plan.target[static_cast<std::size_t>(plan.dataFields[c] - 1)] = static_cast<int>(c) + 1;
    return;
  }
  std::vector<std::string> normalised(plan.fields.size());
  for (std::size_t i = 0; i < plan.fields.size(); ++i) normalised[i] = text::normaliseName(plan.fields[i]);
  std::vector<bool> used(plan.fields.size(), false);
  for (int column = 1; column <= store.columnCount; ++column) {
    const std::string wanted = text::normaliseName(store.columnName[static_cast<std::size_t>(column)]);
    for (int position : plan.dataFields) {
      const auto i = static_cast<std::size_t>(position - 1);
      if (!used[i] && normalised[i] == wanted) {
        plan.target[i] = column;
        used[i] = true;
        break;
      }
    }
  }
}

void tell(ReadContext& context, const std::string& text) { ui::say(context.prompts, text); }

// Replace: data fields past the matrix's columns are left out (as dummies), with a message;
// the code fields after them still count. A merge maps onto the columns in memory.
void limitColumns(ReadContext& context, HeaderPlan& plan, bool merge) {
  const auto kept = static_cast<std::size_t>(std::max<int>(context.store.maxColumns, 0));
  if (merge || plan.dataFields.size() <= kept) return;
  const auto fileColumns = static_cast<int>(plan.dataFields.size());
  for (std::size_t c = kept; c < plan.dataFields.size(); ++c)
    plan.role[static_cast<std::size_t>(plan.dataFields[c] - 1)] = Role::Dummy;
  plan.dataFields.resize(kept);
  context.leftSomethingOut = true;
  const std::string last = kept > 0 ? plan.fields[static_cast<std::size_t>(plan.dataFields.back() - 1)] : "";
  tell(context, readerText::columnsLeftOut(static_cast<int>(kept), fileColumns, last));
}

// An added file's columns that match none in memory have nowhere to go: say which.
void reportUnmatched(ReadContext& context, const HeaderPlan& plan) {
  std::vector<std::string> unmatched;
  for (int position : plan.dataFields)
    if (plan.target[static_cast<std::size_t>(position - 1)] == 0)
      unmatched.push_back(plan.fields[static_cast<std::size_t>(position - 1)]);
  if (unmatched.empty()) return;
  context.leftSomethingOut = true;
  tell(context, readerText::columnsNotInMemory(unmatched));
}

// Cells of numeric columns that do not read as numbers, counted as they are stored.
struct NonNumericTally {
  static constexpr std::size_t shown = 3;
  int count = 0;
  std::vector<readerText::NonNumericCell> first;

  // Most cells are plain decimals such as "-12.5": numbers whatever the locale, and known as
  // such without the full parse, which would double the time of a load.
  static bool plainDecimal(std::string_view cell) {
    if (!cell.empty() && cell.front() == '-') cell.remove_prefix(1);
    if (cell.empty() || cell.size() > 30) return false;
    std::size_t points = 0;
    for (char c : cell) {
      if (static_cast<unsigned char>(c - '0') <= 9) continue;
      if (c != '.' || ++points > 1) return false;
    }
    return cell.size() > points;
  }

  // A cell that is not a plain decimal: counted unless it is blank or a number all the same.
  void check(int row, std::string_view sample, const std::string& column, std::string_view cell, char separator) {
    double ignored = 0;
    if (text::trim(cell).empty() || text::tryParseNumber(cell, separator, ignored)) return;
    ++count;
    if (first.size() < shown) first.push_back({row, std::string(sample), column, std::string(cell)});
  }
  void report(ReadContext& context) const {
    if (count > 0) tell(context, readerText::nonNumericCells(count, first));
  }
};

// Replace: the old data set goes completely, so no stale text survives the load.
void commitHeader(DataStore& store, const HeaderPlan& plan, const StandardTable& standards, bool merge) {
  store.sampleTitle = plan.sampleTitle;
  if (merge) return;
  store.clearCells();
  std::fill(store.sampleName.begin(), store.sampleName.end(), std::string{});
  std::fill(store.jcode.begin(), store.jcode.end(), 0);
  std::fill(store.kcode.begin(), store.kcode.end(), 0);
  std::fill(store.lcode.begin(), store.lcode.end(), 0);
  std::fill(store.columnName.begin(), store.columnName.end(), std::string{});
  store.rowCount = 0;
  store.stdColumn.fill(0);
  int column = 0;
  for (int position : plan.dataFields) {
    ++column;
    const std::string& name = plan.fields[static_cast<std::size_t>(position - 1)];
    const int k = standards.indexOfName(name);
    if (k > 0) {
      store.columnName[static_cast<std::size_t>(column)] = standards.stdName[static_cast<std::size_t>(k)];
      store.stdColumn[static_cast<std::size_t>(k)] = static_cast<int16_t>(column);
    } else {
      store.columnName[static_cast<std::size_t>(column)] = name;
    }
  }
  store.columnCount = store.fileColumnCount = static_cast<int16_t>(column);
}

// The store keeps the read text, and rows up to `lastRow` get room in its index at once.
void keepLines(DataStore& store, std::shared_ptr<std::string> content, int lastRow) {
  store.keepText(std::move(content));
  store.addLoadedRows(std::min<int>(lastRow, store.maxRows) + 1, store.columnCount + 1);
}

std::string_view fieldAt(const std::vector<std::string_view>& fields, int position) {
  if (position < 1 || position > static_cast<int>(fields.size())) return {};
  return fields[static_cast<std::size_t>(position - 1)];
}

// A code field: parseNumber rounded to the nearest (even on ties) 16-bit integer.
bool readCode(const std::vector<std::string_view>& fields, int position, char decimalSeparator, int16_t& code) {
  const double rounded = std::nearbyint(static_cast<double>(text::parseNumber(fieldAt(fields, position), decimalSeparator)));
  if (rounded < -32768.0 || rounded > 32767.0) return false;
  code = static_cast<int16_t>(rounded);
  return true;
}

// Stores the data lines from row `firstRow` on; the cells point into the lines' text, which
// the store keeps. Returns false when an error stopped it.
bool readRows(ReadContext& context, const HeaderPlan& plan, const std::vector<std::string_view>& lines,
              std::size_t firstLine, int firstRow, bool merge, bool reportBlankLines, const ReadFilter* filter,
              NonNumericTally& tally) {
  DataStore& store = context.store;
  const auto headerCount = static_cast<int>(plan.fields.size());
  std::vector<std::string_view> fields;
  std::vector<int> storedColumn(plan.fields.size());
  for (std::size_t i = 0; i < storedColumn.size(); ++i) storedColumn[i] = plan.storedColumn(i, merge);
  std::vector<CellStore::LoadedField> cells(plan.fields.size());
  int row = firstRow;
  for (std::size_t l = firstLine; l < lines.size(); ++l) {
    const std::string_view line = lines[l];
    if (line.empty()) {
      if (reportBlankLines) tell(context, readerText::blankLine);
      continue;
    }
    char tab = '\t';
    const int count = text::tokenizeLine(line, tab, fields);
    const std::array<std::pair<int, const char*>, 3> codeFields = {
        {{plan.kcodeField, "KCODE"}, {plan.jcodeField, "JCODE"}, {plan.lcodeField, "LCODE"}}};
    std::array<int16_t, 3> codes{};
    for (std::size_t i = 0; i < codeFields.size(); ++i) {
      if (readCode(fields, codeFields[i].first, store.decimalSeparator, codes[i])) continue;
      tell(context, std::string(readerText::overflow) + "\n" +
                        readerText::codeOutOfRange(static_cast<int>(l) + 1, codeFields[i].second,
                                                   fieldAt(fields, codeFields[i].first)));
      return false;
    }
    const int16_t k = codes[0], j = codes[1], lc = codes[2];
    if (filter && filter->active() && !filter->acceptRow({j, k, lc, &fields}, store.decimalSeparator)) {
      context.leftSomethingOut = true;
      continue;
    }
    if (row > store.maxRows) {
      context.leftSomethingOut = true;
      const auto linesLeft = std::count_if(lines.begin() + static_cast<std::ptrdiff_t>(l), lines.end(),
                                           [](std::string_view rest) { return !rest.empty(); });
      tell(context, readerText::rowsLeftOut(store.maxRows, row - firstRow, static_cast<int>(linesLeft)));
      return false;
    }
    const auto r = static_cast<std::size_t>(row);
    store.sampleName[r] = std::string(fieldAt(fields, plan.sampleField));
    store.jcode[r] = j;
    store.kcode[r] = k;
    store.lcode[r] = lc;
    // Fields past the header's are not data.
    const auto stored = static_cast<std::size_t>(std::min(count, headerCount));
    std::size_t cellCount = 0;
    for (std::size_t i = 0; i < stored; ++i) {
      const int column = storedColumn[i];
      if (column < 0) continue;
      cells[cellCount++] = {column, fields[i]};
      if (column > 0 && !fields[i].empty() && !NonNumericTally::plainDecimal(fields[i]))
        tally.check(row, store.sampleName[r], store.columnName[static_cast<std::size_t>(column)], fields[i],
                    store.decimalSeparator);
    }
    store.loadRow(row, line, {cells.data(), cellCount});
    store.rowCount = static_cast<int16_t>(row);
    ++row;
  }
  return true;
}

std::string lastPathComponent(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

FilterSource filterSource(const HeaderPlan& plan, const std::vector<std::string_view>& lines, std::size_t firstLine,
                          char decimalSeparator) {
  FilterSource source;
  for (int position : plan.dataFields) {
    source.columnNames.push_back(plan.fields[static_cast<std::size_t>(position - 1)]);
    source.columnFields.push_back(position);
  }
  source.jcodeField = plan.jcodeField;
  source.kcodeField = plan.kcodeField;
  source.lcodeField = plan.lcodeField;
  source.dataLines.assign(lines.begin() + static_cast<std::ptrdiff_t>(firstLine), lines.end());
  source.decimalSeparator = decimalSeparator;
  return source;
}

}  // namespace

namespace readerText {

namespace {
std::string number(int value) { return format::shortestText(value); }
std::string counted(int count, const char* one, const char* many) { return number(count) + (count == 1 ? one : many); }
}  // namespace

std::string rowsLeftOut(int maxRows, int rowsRead, int linesLeft) {
  return "The data matrix is full (" + counted(maxRows, " row", " rows") + "): " +
         counted(rowsRead, " row of the file was", " rows of the file were") + " read and its last " +
         counted(linesLeft, " line was", " lines were") + " left out.\n" + rowsSetting;
}

std::string columnsLeftOut(int maxColumns, int fileColumns, const std::string& lastColumnRead) {
  std::string read = "the first " + number(maxColumns) + " of the file's " + number(fileColumns) + " columns were read";
  if (!lastColumnRead.empty()) read += " (up to " + lastColumnRead + ")";
  return "The data matrix holds " + counted(maxColumns, " column", " columns") + ": " + read + " and " +
         counted(fileColumns - maxColumns, " was", " were") + " left out.\n" + columnsSetting;
}

std::string codeOutOfRange(int line, const char* code, std::string_view text) {
  return "line " + number(line) + ", " + code + " \"" + std::string(text) +
         "\": a code is a whole number from -32768 to 32767; the rows before it were read.";
}

std::string columnsNotInMemory(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return counted(static_cast<int>(names.size()), " column of the added file matches", " columns of the added file match") +
         " no column of the data in memory and " + (names.size() == 1 ? "was" : "were") + " left out: " + list;
}

std::string tooLargeForMatrix(const std::string& reason, int maxRows, int maxColumns) {
  return reason + "\nThat is more than a data matrix of " + number(maxRows) + " rows by " + number(maxColumns) +
         " columns could hold. The matrix size is set on lines 7 and 8 of Controls/lxpref.ini, or by Reset data "
         "matrix for this session.";
}

std::string nonNumericCells(int count, const std::vector<NonNumericCell>& first) {
  constexpr std::size_t longest = 20;  // a cell is shown cut to this many characters
  std::string text = count == 1 ? "1 cell is not a number: it is kept as text and reads as 0 where a value is needed."
                                : number(count) +
                                      " cells are not numbers: they are kept as text and read as 0 where a value is "
                                      "needed.";
  for (const NonNumericCell& cell : first)
    text += "\nrow " + number(cell.row) + (cell.sample.empty() ? "" : " (" + cell.sample + ")") + ", " + cell.column +
            ": " + lavix::text::shortened(cell.text, longest);
  if (static_cast<std::size_t>(count) > first.size()) text += "\n...";
  return text;
}

}  // namespace readerText

std::string dataTitle(const DataStore& store, bool merged) {
  const std::string name = merged ? std::string("merged files ") : lastPathComponent(store.currentFile);
  return "Lavix " + name + "   " + format::shortestText(store.rowCount) + " rows by " +
         format::shortestText(store.columnCount) + " columns";
}

ReadResult readDataFile(ReadContext& context, std::string_view mode) {
  DataStore& store = context.store;
  const bool merge = mode == "A";
  // The filter lasts for this read only, however the read ends.
  struct FilterEnd {
    ReadContext& context;
    ~FilterEnd() {
      context.filter.clear();
      context.store.filterActive = false;
    }
  } filterEnd{context};
  context.filter.clear();

  const bool filterArmed =
      context.readFilterOn && ui::askYesNo(context.prompts, readFilterQuestion, readFilterTitle);

  // Held by pointer: the store keeps this very string, and the lines point into it.
  auto content = std::make_shared<std::string>();
  text::FileError error;
  text::ReadLimits limits;
  limits.maxBytes = text::tableFileLimit(store.maxRows + 1, store.matrixColumns());
  if (!text::readFile(store.currentFile, *content, error, limits)) {
    tell(context, error.number == text::fileTooLargeError
                      ? readerText::tooLargeForMatrix(error.text, store.maxRows, store.maxColumns)
                      : error.text + "\n" + readerText::openValidFile);
    store.currentFile = "default";
    return {ReadOutcome::OpenFailed, {}};
  }
  const std::vector<std::string_view> lines = text::splitLineViews(*content);

  std::size_t headerLine = 0;
  while (headerLine < lines.size() && lines[headerLine].empty()) ++headerLine;
  if (headerLine == lines.size()) {
    tell(context, readerText::noHeader);
    return {ReadOutcome::Refused, {}};
  }
  const std::string_view header = lines[headerLine];
  if (text::toUpper(header).find("FMT") != std::string::npos) {
    tell(context, readerText::oldFormat);
    return {ReadOutcome::Refused, {}};
  }
  char delimiter = 0;
  std::vector<std::string> headerFields;
  text::tokenizeLine(header, delimiter, headerFields);
  if (delimiter == ',') {
    tell(context, readerText::oldFormat);
    return {ReadOutcome::Refused, {}};
  }
  if (delimiter == ' ') {
    tell(context, readerText::spaceDelimited);
    return {ReadOutcome::Refused, {}};
  }
  if (headerFields.empty()) {
    tell(context, readerText::noHeader);
    return {ReadOutcome::Refused, {}};
  }
  HeaderPlan plan = classifyHeader(std::move(headerFields), false);
  context.leftSomethingOut = false;
  if (!merge) store.partlyReadFiles.clear();
  limitColumns(context, plan, merge);
  planTargets(plan, store, merge);
  if (merge) reportUnmatched(context, plan);

  if (filterArmed) {
    context.filter.setupReadFilter(context.exchange, context.prompts,
                                   filterSource(plan, lines, headerLine + 1, store.decimalSeparator));
    store.filterActive = context.filter.active();
  }

  store.mergeMode = merge;
  commitHeader(store, plan, context.standards, merge);
  const int firstRow = merge ? store.rowCount + 1 : 1;
  keepLines(store, std::move(content), firstRow + static_cast<int>(lines.size() - headerLine - 1));
  NonNumericTally tally;
  const bool complete =
      readRows(context, plan, lines, headerLine + 1, firstRow, merge, true, &context.filter, tally);
  tally.report(context);
  if (context.leftSomethingOut) store.partlyReadFiles.push_back(store.currentFile);

  ReadResult result{complete ? ReadOutcome::Read : ReadOutcome::Stopped, dataTitle(store, merge)};
  prepareDataset(store, context.standards, context.normalisation, mode, context.symbolCount);
  return result;
}

ReadResult readClipboard(ReadContext& context, ui::ClipboardPort& clipboard) {
  DataStore& store = context.store;
  std::optional<std::string> clipboardText = clipboard.text();
  if (!clipboardText || clipboardText->empty()) {
    tell(context, readerText::clipboardEmpty);
    return {ReadOutcome::Refused, {}};
  }
  auto content = std::make_shared<std::string>(std::move(*clipboardText));
  // Spreadsheets end their rows with CR LF, other programs with LF: both end a row.
  const std::vector<std::string_view> lines = text::splitLineViews(*content);
  std::vector<std::string> headerFields;
  if (!lines.empty()) {
    char tab = '\t';
    text::tokenizeLine(lines.front(), tab, headerFields);
  }
  HeaderPlan plan = classifyHeader(std::move(headerFields), true);
  if (plan.dataFields.size() < 2) {
    tell(context, readerText::clipboardIncorrect);
    return {ReadOutcome::Refused, {}};
  }
  store.partlyReadFiles.clear();
  limitColumns(context, plan, false);
  planTargets(plan, store, false);

  store.mergeMode = false;
  commitHeader(store, plan, context.standards, false);
  keepLines(store, std::move(content), static_cast<int>(lines.size()));
  NonNumericTally tally;
  const bool complete = readRows(context, plan, lines, 1, 1, false, false, nullptr, tally);
  tally.report(context);
  store.currentFile = "clipboard";
  ReadResult result{complete ? ReadOutcome::Read : ReadOutcome::Stopped, dataTitle(store, false)};
  prepareDataset(store, context.standards, context.normalisation, "", context.symbolCount);
  return result;
}

float normalisingValue(const DataStore& store, const StandardTable& standards, const NormalisationTable& normalisation,
                       int column) {
  if (column < 1 || column >= static_cast<int>(store.columnName.size())) return 1.0f;
  const std::string& name = store.columnName[static_cast<std::size_t>(column)];
  float found = 1;
  bool have = false;
  // An oxide is normalised by its element's value, anything else by its own name.
  const int k = standards.indexOfName(name);
  if (k > 0 && text::normaliseName(standards.stdName[static_cast<std::size_t>(k)]).find('O') != std::string::npos)
    have = normalisation.find(standards.stdElement[static_cast<std::size_t>(k)], found);
  else
    have = normalisation.find(text::stripMarkup(name), found);
  return have ? found : 1.0f;
}

void recomputeNormValues(DataStore& store, const StandardTable& standards, const NormalisationTable& normalisation) {
  const auto columns = static_cast<std::size_t>(std::max<int>(store.columnCount, 0));
  for (std::size_t c = 1; c <= columns && c < store.normValue.size(); ++c)
    store.normValue[c] = normalisingValue(store, standards, normalisation, static_cast<int>(c));
}

void prepareDataset(DataStore& store, const StandardTable& standards, const NormalisationTable& normalisation,
                    std::string_view mode, int16_t symbolCount) {
  store.mergeMode = mode == "A";
  const auto columns = static_cast<std::size_t>(std::max<int>(store.columnCount, 0));
  auto nameOf = [&](int column) -> const std::string& { return store.columnName[static_cast<std::size_t>(column)]; };

  // Iron: the standard indexes whose columns are named FEO and FE2O3 (or hold total iron).
  store.chooseTotalIron(standards);
  store.feoStd = store.fe2o3Std = 0;
  for (int k = 1; k <= 11; ++k) {
    const int column = store.stdColumn[static_cast<std::size_t>(k)];
    if (column <= 0 || column >= static_cast<int>(store.columnName.size())) continue;
    const std::string name = text::normaliseName(nameOf(column));
    if (name == "FEO" || column == store.totalIronColumn) store.feoStd = static_cast<int16_t>(k);
    if (name == "FE2O3") store.fe2o3Std = static_cast<int16_t>(k);
  }

  std::fill(store.stdIndexOfColumn.begin(), store.stdIndexOfColumn.end(), 0);
  for (int k = 1; k <= 16; ++k) {
    const int column = store.stdColumn[static_cast<std::size_t>(k)];
    if (column > 0 && column <= store.columnCount && column < static_cast<int>(store.stdIndexOfColumn.size()))
      store.stdIndexOfColumn[static_cast<std::size_t>(column)] = static_cast<int16_t>(k);
  }

  // Major-element total over the first 13 standard oxides, Fe2O3 as FeO (x 0.8998).
  std::array<float, 14> totalWeight{};
  for (int k = 1; k <= 13; ++k)
    totalWeight[static_cast<std::size_t>(k)] =
        text::normaliseName(standards.stdName[static_cast<std::size_t>(k)]) == "FE2O3" ? 0.8998f : 1.0f;
  const int rows = std::min<int>(store.rowCount, static_cast<int>(store.totalFactor.size()) - 1);
  for (int row = 1; row <= rows; ++row) {
    const auto r = static_cast<std::size_t>(row);
    const int16_t kc = store.kcode[r];
    store.symbolOf[r] = kc == -99 ? kc : (std::abs(static_cast<int>(kc)) > symbolCount ? 0 : kc);
    float total = 0;
    for (int k = 1; k <= 13; ++k) total += store.stdValue(row, k) * totalWeight[static_cast<std::size_t>(k)];
    store.totalFactor[r] = total > 0 ? 100.0f / total : 1.0f;
  }

  auto plusMinus = [](std::string name) {
    if (auto p = name.find('+'); p != std::string::npos) name[p] = 'P';
    if (auto m = name.find('-'); m != std::string::npos) name[m] = 'M';
    return text::normaliseName(name);
  };
  if (!store.mergeMode && !standards.displayName.empty()) {
    std::vector<std::string> displayKeys;
    for (const auto& d : standards.displayName) displayKeys.push_back(plusMinus(d));
    for (std::size_t c = 1; c <= columns && c < store.columnName.size(); ++c) {
      const std::string key = plusMinus(store.columnName[c]);
      for (std::size_t d = 0; d < displayKeys.size(); ++d)
        if (!displayKeys[d].empty() && displayKeys[d] == key) store.columnName[c] = standards.displayName[d];
    }
  }

  store.isotope = {};
  const std::pair<const char*, int16_t IsotopeColumns::*> isotopeNames[] = {
      {"206PB/204PB", &IsotopeColumns::pb206Pb204}, {"207PB/204PB", &IsotopeColumns::pb207Pb204},
      {"208PB/204PB", &IsotopeColumns::pb208Pb204}, {"87SR/86SR", &IsotopeColumns::sr87Sr86},
      {"143ND/144ND", &IsotopeColumns::nd143Nd144}, {"176HF/177HF", &IsotopeColumns::hf176Hf177},
      {"187OS/186OS", &IsotopeColumns::os187Os186}, {"6LI/7LI", &IsotopeColumns::li6Li7},
      {"SR", &IsotopeColumns::sr},                  {"ND", &IsotopeColumns::nd},
      {"HF", &IsotopeColumns::hf},                  {"OS", &IsotopeColumns::os},
      {"PB", &IsotopeColumns::pb}};
  for (std::size_t c = 1; c <= columns && c < store.columnName.size(); ++c) {
    const std::string name = text::normaliseName(store.columnName[c]);
    for (const auto& [isotopeName, member] : isotopeNames)
      if (name == isotopeName) store.isotope.*member = static_cast<int16_t>(c);
  }
  recomputeNormValues(store, standards, normalisation);

  store.fileColumnCount = store.columnCount;
  store.dataRowCount = store.rowCount;
  store.mergeMode = false;
}

}  // namespace lavix::data
