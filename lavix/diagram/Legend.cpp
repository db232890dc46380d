// The legend file and its drawing.
#include "lavix/diagram/Legend.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <set>

#include "common/graphics/TextMetrics.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "lavix/diagram/DrawSymbol.h"

namespace lavix::diagram {

namespace gr = lavix::graphics;

namespace {

// Half the width a symbol takes on the page.
int32_t symbolHalfWidth(const SymbolTable& table, int symbol) {
  if (symbol < 0 || symbol >= symbolSlots) return 0;
  const auto s = static_cast<std::size_t>(symbol);
  if (table.isCircle(symbol)) return std::abs(table.symbolVertex[s][0].x);
  int32_t widest = 0;
  const int count = std::clamp(table.symbolVertexCount[s], 0, maxSymbolVertices);
  for (int v = 0; v < count; ++v) widest = std::max(widest, std::abs(table.symbolVertex[s][static_cast<std::size_t>(v)].x));
  return widest;
}

int columnOf(int n) { return n <= 12 ? 0 : n <= 25 ? 1 : 2; }
int rowInColumn(int n) { return n <= 12 ? n : n <= 25 ? n - 12 : n - 25; }

}  // namespace

bool readLegendText(std::string_view content, std::vector<LegendEntry>& entries, std::string& error) {
  std::vector<LegendEntry> read;
  const std::vector<std::string> lines = text::splitLines(content);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (text::trim(lines[i]).empty()) continue;
    const std::string where = "line " + std::to_string(i + 1);
    if (static_cast<int>(read.size()) == maxLegendEntries) {
      error = where + ": a legend holds at most " + std::to_string(maxLegendEntries) + " entries";
      return false;
    }
    char delimiter = 0;
    std::vector<std::string> fields;
    text::tokenizeLine(lines[i], delimiter, fields);
    double symbol = 0;
    if (fields.empty() || !text::tryParseNumber(fields[0], '.', symbol) || symbol != std::floor(symbol) ||
        std::fabs(symbol) > 32767) {
      error = where + ": \"" + (fields.empty() ? std::string() : fields[0]) + "\" is not a symbol number";
      return false;
    }
    std::string entryText;
    if (delimiter == ' ') {
      // Blanks part the number from the text; those inside the text ("Ninahuilca dome
      // complex") are part of it.
      const std::string line = text::trim(lines[i]);
      const std::size_t gap = line.find(' ');
      if (gap != std::string::npos) entryText = text::trim(line.substr(gap));
    } else {
      // Two delimiters in a row leave an empty field: the text is the next field that holds one.
      for (std::size_t f = 1; f < fields.size() && entryText.empty(); ++f) entryText = text::trim(fields[f]);
    }
    read.push_back({static_cast<int16_t>(symbol), entryText});
  }
  entries = std::move(read);
  return true;
}

namespace {

// Where the shown entries go: the block's left edge and the widths of its three columns.
struct LegendBlock {
  std::vector<const LegendEntry*> shown;
  std::array<double, 3> columnWidth{};
  int32_t half = 0;  // the widest symbol's half width
  double textOffset = 0;
  double left = 0;
  double right() const { return left + columnWidth[0] + columnWidth[1] + columnWidth[2]; }
};

LegendBlock layOut(const LegendTable& legend, const std::vector<int>& plottedRows, const data::DataStore& data,
                   const LegendPage& page) {
  LegendBlock block;
  if (!legend.legendLoaded) return block;
  std::set<int> used;
  for (int row : plottedRows)
    if (row >= 0 && static_cast<std::size_t>(row) < data.symbolOf.size()) {
      const int symbol = data.symbolOf[static_cast<std::size_t>(row)];
      if (symbol != noSymbol) used.insert(std::abs(symbol));
    }
  for (const LegendEntry& e : legend.entries)
    if (used.count(std::abs(static_cast<int>(e.symbol)))) block.shown.push_back(&e);
  if (block.shown.empty()) return block;

  const DiagramSettings& s = page.settings;
  const double h = std::abs(page.font.height);
  block.half = static_cast<int32_t>(0.4 * h);
  for (const LegendEntry* e : block.shown)
    block.half = std::max(block.half, symbolHalfWidth(page.symbols, std::abs(e->symbol)));
  block.textOffset = 2.0 * block.half + 0.6 * h;
  for (std::size_t i = 0; i < block.shown.size(); ++i) {
    const auto column = static_cast<std::size_t>(columnOf(static_cast<int>(i) + 1));
    const double width =
        block.textOffset + gr::markupWidth(block.shown[i]->text, page.font.height, page.font.bold) + 1.5 * h;
    block.columnWidth[column] = std::max(block.columnWidth[column], width);
  }
  const double blockWidth = block.columnWidth[0] + block.columnWidth[1] + block.columnWidth[2];
  const double margin = legendMargin(s);
  block.left = s.frameLeft + margin;
  if (legend.legendPosition == legendTopRight) block.left = s.frameRight - margin - blockWidth;
  if (legend.legendPosition == legendOutsideRight) block.left = s.frameRight + margin + page.rightSideWidth;
  return block;
}

}  // namespace

double legendMargin(const DiagramSettings& s) { return std::abs(s.frameHeight) / 25.0; }

double outsideLegendRight(const LegendTable& legend, const std::vector<int>& plottedRows,
                          const data::DataStore& data, const LegendPage& page) {
  if (legend.legendPosition != legendOutsideRight) return 0;
  const LegendBlock block = layOut(legend, plottedRows, data, page);
  return block.shown.empty() ? 0 : block.right();
}

void recordLegend(gr::Recording& rec, const LegendTable& legend, const std::vector<int>& plottedRows,
                  const data::DataStore& data, const LegendPage& page) {
  const LegendBlock block = layOut(legend, plottedRows, data, page);
  if (block.shown.empty()) return;
  const DiagramSettings& s = page.settings;
  const double h = std::abs(page.font.height);
  rec.selectFont(page.font);
  for (std::size_t i = 0; i < block.shown.size(); ++i) {
    const LegendEntry& entry = *block.shown[i];
    const int n = static_cast<int>(i) + 1;
    const int column = columnOf(n);
    double x = block.left;
    for (int c = 0; c < column; ++c) x += block.columnWidth[static_cast<std::size_t>(c)];
    const double y = s.frameTop - s.pageYSign * 1.8 * h * rowInColumn(n);
    const auto px = static_cast<int32_t>(std::lround(x + block.half));
    const auto py = static_cast<int32_t>(std::lround(y));
    drawSymbol(rec, page.symbols, std::abs(entry.symbol), px, py, s.pageYSign);
    const gr::Point at{static_cast<int32_t>(std::lround(x + block.textOffset)),
                       static_cast<int32_t>(std::lround(y - s.pageYSign * 0.35 * h))};
    gr::recordMarkupText(rec, at, entry.text, page.font, gr::HAlign::Left, gr::VAlign::Baseline,
                         page.textYDirection);
  }
}

}  // namespace lavix::diagram
