// The data matrix as the lines of a rock data file (header, then one line per sample).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text/TextFile.h"
#include "lavix/data/DataStore.h"

namespace lavix::data {

// Which rows, and whether columns recast to 100 % volatile-free are written so.
struct WriteOptions {
  const std::vector<int16_t>* rows = nullptr;  // these rows in this order; null: 1..rowCount
  // Per column, 1 when its values are written recalculated (`normFlag`); null: none.
  const std::vector<int16_t>* recalculated = nullptr;
};

// The header: the sample column's title ("SAMPLE" when it has none, so the file reads
// back), "Jcode" / "Kcode" / "Lcode" only when some written row has a non-zero value, then
// the column names 1..columnCount, TAB-separated with no TAB after the last. Then per row the
// sample name, the written codes as integers and the cells as stored (recalculatedCell for a
// recalculated column). Lines carry no line ends; TABs and line breaks inside a text become
// blanks so the table stays a table.
std::vector<std::string> dataFileLines(const DataStore& store, const WriteOptions& options = {});

// A cell of a recalculated column as Save writes it: the value times the row's totalFactor in
// the shortest text of the single-precision result; the FeO column holds all iron as FeO,
// (Fe2O3 x 0.8998 + FeO) x totalFactor, and the Fe2O3 column 0. An empty cell stays empty.
std::string recalculatedCell(const DataStore& store, int row, int column);

// The number of columns 1..columnCount whose flag is 1.
int recalculatedCount(const DataStore& store, const std::vector<int16_t>* recalculated);

// The same lines one at a time (a view valid during the call), without holding the file.
void forEachDataFileLine(const DataStore& store, const WriteOptions& options,
                         const std::function<void(std::string_view line)>& take);

// Saves the data as a file of those lines, each ended by CR LF, written atomically.
bool writeDataFile(const DataStore& store, const std::string& path, text::FileError& error,
                   const WriteOptions& options = {});

}  // namespace lavix::data
