// Reader of symbol files (.sym) into the symbol table.
//
// The file is a sequence of values separated by commas, blanks or line ends, texts
// optionally in double quotes: scale and pen width; N; for each symbol 0..N its line
// RGB, fill RGB, shape name, vertex count n (0..33) and n vertex pairs; then five entries
// of RGB, a number and a text (frame colour and width, curve colour and width, page,
// box, text colours).
#pragma once

#include <string>
#include <string_view>

#include "common/text/TextFile.h"
#include "lavix/diagram/SymbolTable.h"

namespace lavix::diagram {

enum class SymbolReadResult {
  complete,    // the whole file was read
  openFailed,  // the file could not be read; the table is unchanged
  stopped,     // the file ended early or held a non-number: what was read so far is kept
  refused,     // N outside 0..46 or a vertex count outside 0..33; the table is unchanged
};

// Reads `path` in `mode`: "default" (a newly opened file) and "symbol" (the black/colour
// switch) take the colours from the file; any other mode keeps the present colours and line
// widths and re-reads shapes and sizes. Vertices are multiplied by the scale and truncated
// towards zero. True only for a complete read; otherwise `error` says why and, when asked,
// `result` tells whether the table was partly replaced.
bool readSymbolFile(const std::string& path, std::string_view mode, SymbolTable& table, text::FileError& error,
                    char decimalSeparator = '.', SymbolReadResult* result = nullptr);

// The same from the text of a symbol file.
SymbolReadResult readSymbolText(std::string_view content, std::string_view mode, SymbolTable& table,
                                text::FileError& error, char decimalSeparator = '.');

}  // namespace lavix::diagram
