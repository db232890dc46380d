// The data matrix as the lines of a rock data file (header, then one line per sample).
#pragma once

#include <string>
#include <vector>

#include "lavix/data/DataStore.h"

namespace lavix::data {

// The header: the sample column's title ("SAMPLE" when it has none, so the file reads
// back), "Jcode" / "Kcode" / "Lcode" only when some row has a non-zero value, then the
// column names 1..columnCount, TAB-separated with no TAB after the last. Then per row the
// sample name, the written codes as integers and the cells as stored. Lines carry no
// line ends; TABs and line breaks inside a text become blanks so the table stays a table.
std::vector<std::string> dataFileLines(const DataStore& store);

}  // namespace lavix::data
