// Spider patterns: the pattern file, matching a pattern's elements to data columns, and the normalised line of one sample.
//
// The pattern file (Controls/Spider.txt) is one stream of tokens separated by commas, blanks,
// TABs and line ends; a token in double quotes may hold blanks and commas. Each record is:
// name, reference name, element count n (1..45), key element ("Yb" or "Yb=5"; the key value
// defaults to 10), default Y begin, default Y end, n element names, n normalising values.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text/TextFile.h"
#include "lavix/diagram/SymbolTable.h"

namespace lavix::diagram {

inline constexpr int maxSpiderTokens = 5000;
inline constexpr int maxSpiderPatterns = 100;
inline constexpr int maxSpiderElements = 45;
inline constexpr float defaultSpiderKeyValue = 10.0f;
// Points one polyline of a pattern holds before it is drawn and a new one begins.
inline constexpr std::size_t spiderPointBuffer = 33;
// Projected points above this page y (towards the page edge) are accepted.
inline constexpr int32_t spiderLowestPageY = 100;

struct SpiderPattern {
  std::string name;       // also the X-axis title
  std::string reference;  // the Y-axis title is "Rock/" + reference
  std::string keyElement; // the part of field 4 before "="
  float keyValue = defaultSpiderKeyValue;
  float yBegin = 0;       // default Y range, raw (not log) units
  float yEnd = 0;
  std::vector<std::string> elements;
  std::vector<float> normalisers;  // same order and length as elements

  int16_t elementCount() const { return static_cast<int16_t>(elements.size()); }
};

enum class SpiderReadResult {
  complete,    // every token was used by whole records
  openFailed,  // the file could not be read; nothing was read
  stopped,     // a record was bad or cut short, or a limit was reached: the records before it are kept
};

// Reads the text of a pattern file. Whole records read before a fault are kept in
// `patterns`; `failure` says what stopped the read (empty after a complete read).
SpiderReadResult readSpiderText(std::string_view content, std::vector<SpiderPattern>& patterns, std::string& failure,
                                char decimalSeparator = '.');

// The same from a file; an unreadable file gives openFailed with the system's report in `failure`.
SpiderReadResult readSpiderFile(const std::string& path, std::vector<SpiderPattern>& patterns, std::string& failure,
                                char decimalSeparator = '.');

// The standard oxides as the matching needs them, entries 1..17 (entry 0 unused), copied
// from the standard table so that this library does not depend on the data store.
struct SpiderOxides {
  std::vector<std::string> oxideName;  // "SiO2", "K2O" ...
  std::vector<std::string> element;    // "Si", "K" ...
  std::vector<float> elementFactor;    // ppm element per wt% oxide
};

// Where each element of the chosen pattern is found in the data.
struct SpiderMatch {
  std::vector<int16_t> column;     // per element: data column 1..columnCount, 0 = not in the data
  std::vector<float> conversion;   // per element: the factor from the column's unit to ppm element (1 when direct)
  int16_t keyPosition = 0;         // 1..n, 0 when the key element is not in the pattern

  int matchedCount() const;
};

// Matches the pattern's elements to columns 1..columnCount of `columnNames` (entry 0 unused),
// comparing names without markup and upper-cased. A column named like a standard oxide is
// also tried under that oxide's element and is then converted to ppm element. A column named
// exactly like the element is preferred to an oxide; among equals the last column wins.
SpiderMatch matchSpiderColumns(const SpiderPattern& pattern, const std::vector<std::string>& columnNames,
                               int columnCount, const SpiderOxides& oxides);

struct SpiderPoint {
  float x = 0;  // element position 1..n
  float y = 0;  // normalised value, log10 of it on a log scale
  friend bool operator==(const SpiderPoint&, const SpiderPoint&) = default;
};

using SpiderLine = std::vector<SpiderPoint>;

// The factor that puts the key element at the pattern's key value; 1 without a usable key.
// `values` holds the row's parsed value of each element's column (0 where the column is 0).
float spiderKeyFactor(const SpiderPattern& pattern, const SpiderMatch& match, const std::vector<float>& values);

// One sample's pattern in data coordinates (x = element position, y normalised and, when
// `logScale`, its log10), split into the lines to draw. An element without a usable value
// (no column, value <= 0, normaliser <= 0) breaks the line in gap mode and is stepped over
// otherwise. Lines of a single point are kept: the symbols still mark them.
std::vector<SpiderLine> spiderPatternLines(const SpiderPattern& pattern, const SpiderMatch& match,
                                           const std::vector<float>& values, bool logScale, bool gapMode);

struct SpiderPagePoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const SpiderPagePoint&, const SpiderPagePoint&) = default;
};

// Splits one projected line for drawing: points whose page y lies outside lowY..highY are
// dropped (not clipped) and the line goes on from the last kept point; a line longer than
// the point buffer continues in the next one from its last point, so no segment is lost.
std::vector<std::vector<SpiderPagePoint>> splitProjectedSpiderLine(const std::vector<SpiderPagePoint>& points,
                                                                   int32_t lowY, int32_t highY,
                                                                   std::size_t buffer = spiderPointBuffer);

// A whole row for drawing: its lines projected with `project` (data x, y to page units) and
// split as above. Each piece is one polyline of the row's pattern.
std::vector<std::vector<SpiderPagePoint>> projectSpiderLines(
    const std::vector<SpiderLine>& lines, const std::function<SpiderPagePoint(float x, float y)>& project,
    int32_t lowY, int32_t highY);

// The points of `lines` that projectSpiderLines keeps, in data coordinates and line order.
std::vector<SpiderPoint> keptSpiderPoints(const std::vector<SpiderLine>& lines,
                                          const std::function<SpiderPagePoint(float x, float y)>& project,
                                          int32_t lowY, int32_t highY);

// The symbol whose pen draws a row's pattern, and the sign the line drawing receives as its
// line style. oneSymbol (when set) replaces the symbol of data rows; a number whose size
// exceeds the highest symbol becomes 0.
struct SpiderPen {
  int16_t symbol = 0;
  bool negative = false;
};
SpiderPen spiderPenOf(const SymbolTable& symbols, int16_t symbolOf, bool dataRow);

}  // namespace lavix::diagram
