// Reader of the standard oxide table Controls/lavix.data.txt.
//
// Layout: lines 1-8 TAB-separated (each line is cut at its first comma), then display
// names from line 9 on, one per comma-, TAB- or line-separated field, at most 100. Lines
// at the top of the file that begin with "#" are comments (the shipped file cites its
// sources there) and are skipped; a "#" further down is data.
#pragma once

#include <string>

#include "common/text/TextFile.h"
#include "lavix/data/StandardTable.h"

namespace lavix::app {

inline constexpr int maxDisplayNames = 100;

// Reads the table; numbers through parseNumber with `decimalSeparator` ("." is always
// accepted). A file that cannot be read, or whose lines 1-8 are missing or short of
// fields, gives false with `error` filled and leaves `table` as it was.
bool readStandardTable(const std::string& path, data::StandardTable& table, text::FileError& error,
                       char decimalSeparator);

}  // namespace lavix::app
