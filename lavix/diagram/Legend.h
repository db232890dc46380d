// The legend: a file of symbol numbers with their texts, drawn beside or inside the diagram
// with the entries whose symbol some plotted row uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/graphics/Recording.h"
#include "lavix/data/DataStore.h"
#include "lavix/diagram/DiagramSettings.h"
#include "lavix/diagram/SymbolTable.h"

namespace lavix::diagram {

inline constexpr int maxLegendEntries = 50;

// legendPosition: 1 Top Left, 2 Top Right, 3 Outside Right, 4 Separate Diagram.
enum LegendPlace : int16_t { legendTopLeft = 1, legendTopRight, legendOutsideRight, legendSeparate };

struct LegendEntry {
  int16_t symbol = 0;  // legendSymbol
  std::string text;    // legendText, with name markup
};

struct LegendTable {
  bool legendLoaded = false;
  std::string legendFile;
  std::vector<LegendEntry> entries;  // legendCount = entries.size(), at most 50
  int16_t legendPosition = legendTopLeft;

  bool separate() const { return legendLoaded && legendPosition == legendSeparate; }
};

// Reads a legend file's text: empty lines are skipped, each other line is split by the data
// file's line splitter; its first field is a whole symbol number, its second the text. False,
// with `error` naming the line, for a line without a symbol number or with more than 50 entries.
bool readLegendText(std::string_view content, std::vector<LegendEntry>& entries, std::string& error);

struct LegendPage {
  const DiagramSettings& settings;
  const SymbolTable& symbols;
  graphics::SelectFont font;
  int textYDirection = -1;
  int32_t rightSideWidth = 0;  // the Y numbers and title when they are written on the right
};

// The gap between the frame and the legend block.
double legendMargin(const DiagramSettings& s);

// The right edge, in page units, of an "Outside Right" legend that shows entries; 0 otherwise.
double outsideLegendRight(const LegendTable& legend, const std::vector<int>& plottedRows,
                          const data::DataStore& data, const LegendPage& page);

// The entries whose symbol number is that of a plotted row (|symbolOf|), each with its symbol
// and its text: entries 1..12 in the first column, 13..25 in the second, the rest in the third.
void recordLegend(graphics::Recording& recording, const LegendTable& legend, const std::vector<int>& plottedRows,
                  const data::DataStore& data, const LegendPage& page);

}  // namespace lavix::diagram
