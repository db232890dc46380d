// Reader of normalisation files (.nrm.txt): a title line, then element TAB value lines.
#pragma once

#include <string>

#include "common/text/TextFile.h"
#include "lavix/data/NormalisationTable.h"

namespace lavix::calc {

// Line 1 is the title; each further non-blank line is an element name and its normalising
// value (ppm), separated by a TAB (a line without a TAB is split at commas or blanks).
// Values go through parseNumber, so a value that is not a number reads 0. At most 70 entries
// are used. False with `error` filled, and `table` unchanged, when the file cannot be read.
bool readNormalisationTable(const std::string& path, data::NormalisationTable& table, text::FileError& error,
                            char decimalSeparator);

}  // namespace lavix::calc
