// The rock data file reader: header classification, replace and merge loads, the
// clipboard table, and the preparation that derives per-row and per-column values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/ui/Prompts.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/DialogExchange.h"
#include "lavix/data/NormalisationTable.h"
#include "lavix/data/ReadFilter.h"
#include "lavix/data/StandardTable.h"

namespace lavix::data {

// The reader's fixed texts, shown to the user word for word.
namespace readerText {
inline constexpr const char* oldFormat = "Use translate.exe to convert this old file to a usable format";
inline constexpr const char* spaceDelimited = "A space delimited file is not readable by Lavix";
inline constexpr const char* blankLine = "blank line found in file";
inline constexpr const char* openValidFile = "Open a valid file";
inline constexpr const char* noHeader = "No field names found: the file has no header line";
inline constexpr const char* clipboardEmpty = "Clipboard empty";
inline constexpr const char* clipboardIncorrect = "incorrect data in clipbrd";
inline constexpr const char* overflow = "Overflow Error# 6";
inline constexpr const char* rowsSetting =
    "The number of rows is set on line 7 of Controls/lxpref.ini, or by Reset data matrix for this session.";
inline constexpr const char* columnsSetting =
    "The number of columns is set on line 8 of Controls/lxpref.ini, or by Reset data matrix for this session.";

// "The data matrix is full (50 rows): 20 rows of the file were read and its last 7 lines were
// left out." and where the number of rows is set.
std::string rowsLeftOut(int maxRows, int rowsRead, int linesLeft);
// "The data matrix holds 20 columns: the first 20 of the file's 23 columns were read (up to Rb)
// and 3 were left out." and where the number of columns is set.
std::string columnsLeftOut(int maxColumns, int fileColumns, const std::string& lastColumnRead);
// What follows "Overflow Error# 6": the line and code whose number is out of range.
std::string codeOutOfRange(int line, const char* code, std::string_view text);
// "2 columns of the added file match no column of the data in memory and were left out: Rb, Sr"
std::string columnsNotInMemory(const std::vector<std::string>& names);
// A file too large for the matrix: why, and where the matrix size is set.
std::string tooLargeForMatrix(const std::string& reason, int maxRows, int maxColumns);

// A cell of a numeric column whose text is not a number.
struct NonNumericCell {
  int row = 0;
  std::string sample;
  std::string column;
  std::string text;
};
// "3 cells are not numbers: ..." with the first few listed, one a line.
std::string nonNumericCells(int count, const std::vector<NonNumericCell>& first);
}  // namespace readerText

// Everything a load reads and writes; the caller owns it all.
struct ReadContext {
  DataStore& store;
  DialogExchange& exchange;
  ui::PromptPort& prompts;
  const StandardTable& standards;
  const NormalisationTable& normalisation;
  ReadFilter& filter;
  bool readFilterOn = false;  // the preference: ask "Apply a filter while reading this data file?"
  int16_t symbolCount = 51;   // highest symbol number: larger |Kcode| plot as symbol 0
  bool leftSomethingOut = false;  // set by a read that kept only part of its source
};

enum class ReadOutcome {
  Read,        // the whole file was read
  OpenFailed,  // the file could not be opened: currentFile is "default", nothing else changed
  Refused,     // old format, space-delimited, no header, header too wide, bad clipboard: nothing changed
  Stopped,     // an error stopped the read; the rows read before it stay and were prepared
};

struct ReadResult {
  ReadOutcome outcome = ReadOutcome::Refused;
  // "Lavix <file name>   <rows> rows by <columns> columns" after Read or Stopped; empty otherwise.
  std::string title;

  bool dataChanged() const { return outcome == ReadOutcome::Read || outcome == ReadOutcome::Stopped; }
};

// Reads store.currentFile; mode "A" adds its rows to the data in memory, any other mode
// replaces the data.
ReadResult readDataFile(ReadContext& context, std::string_view mode);

// Reads the clipboard's text as a data table, replacing the data; currentFile becomes
// "clipboard". The data in memory stay as they were when the clipboard holds no table.
ReadResult readClipboard(ReadContext& context, ui::ClipboardPort& clipboard);

// The data-side preparation after every load: standard columns, symbol numbers, total
// factors, display names (unless merging), isotope columns, normalising values and
// fileColumnCount. Leaves mergeMode off.
void prepareDataset(DataStore& store, const StandardTable& standards, const NormalisationTable& normalisation,
                    std::string_view mode, int16_t symbolCount = 51);

// normValue of one column: the normalisation file's value for the column's element when its
// name is a standard oxide, otherwise for its own name (compared case-insensitively); 1 when
// the file has none.
float normalisingValue(const DataStore& store, const StandardTable& standards, const NormalisationTable& normalisation,
                       int column);
// normValue of every column 1..columnCount, as after a load.
void recomputeNormValues(DataStore& store, const StandardTable& standards, const NormalisationTable& normalisation);

// "Lavix " + file name (last path component of currentFile, or "merged files ") + "   "
// + rowCount + " rows by " + columnCount + " columns".
std::string dataTitle(const DataStore& store, bool merged);

}  // namespace lavix::data
