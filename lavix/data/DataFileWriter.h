// The data matrix as the lines of a rock data file (header, then one line per sample).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text/TextFile.h"
#include "lavix/data/DataStore.h"

namespace lavix::data {

// The header: the sample column's title ("SAMPLE" when it has none, so the file reads
// back), "Jcode" / "Kcode" / "Lcode" only when some row has a non-zero value, then the
// column names 1..columnCount, TAB-separated with no TAB after the last. Then per row the
// sample name, the written codes as integers and the cells as stored. Lines carry no
// line ends; TABs and line breaks inside a text become blanks so the table stays a table.
std::vector<std::string> dataFileLines(const DataStore& store);

// The same lines one at a time (a view valid during the call), without holding the file.
void forEachDataFileLine(const DataStore& store, const std::function<void(std::string_view line)>& take);

// Saves the data as a file of those lines, each ended by CR LF, written atomically.
bool writeDataFile(const DataStore& store, const std::string& path, text::FileError& error);

}  // namespace lavix::data
