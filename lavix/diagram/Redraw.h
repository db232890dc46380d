// redrawDiagram: records the whole current diagram in page units for the screen, the printer
// or a metafile. It never paints; players replay the recording.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/graphics/Recording.h"
#include "lavix/data/DataStore.h"
#include "lavix/data/SubsetCriteria.h"
#include "lavix/diagram/DiagramSettings.h"
#include "lavix/diagram/FrameLayout.h"
#include "lavix/diagram/Histogram.h"
#include "lavix/diagram/Legend.h"
#include "lavix/diagram/OutputState.h"
#include "lavix/diagram/Overlays.h"
#include "lavix/diagram/SpiderPattern.h"
#include "lavix/diagram/SymbolTable.h"

namespace lavix::diagram {

// The preferences the picture depends on.
struct RedrawStyle {
  std::string fontName = "DejaVu Sans";
  int fontPoints = 10;
  bool bold = false;
  bool italic = false;
  float tickHeight = 0.025f;         // fraction of the frame height
  int16_t printerYAxisAngle = 900;   // tenths of a degree, on the printer only
  bool histRegLabelsOn = true;
};

// The page the diagram sits on and the position chosen on it.
struct PageFrame {
  std::string positionName;
  std::string axesCode;     // "XYL", "XYR", "-YR" ...
  bool portrait = false;
  int32_t pageLength = 11000;  // the long side
  int32_t pageWidth = 8500;    // the short side
  PositionArea area;           // the current position
  PositionArea wmfArea;        // position 2: the frame of a metafile without its page
};

struct RedrawInput {
  RedrawInput(DiagramSettings& settings, const data::DataStore& data, const SymbolTable& symbols,
              const data::SubsetCriteria& subset)
      : settings(settings), data(data), symbols(symbols), subset(subset) {}

  DiagramSettings& settings;  // the frame is laid out, the spider and histogram Y axes are set
  const data::DataStore& data;
  const SymbolTable& symbols;
  const data::SubsetCriteria& subset;
  bool zerosIn = false;
  OutputState output;
  RedrawStyle style;
  PageFrame page;
  std::string statsCaption;       // the histogram or regression caption, empty for none
  bool normalised = false;        // the data are recast to 100
  std::string normalisedColumns;  // which, for the status line: "(SiO2 ... recast to 100)"
  const std::vector<int16_t>* normFlag = nullptr;  // per column, for the subset limits
  bool continuesPage = false;     // a diagram added to a page that holds others: no page fill
  // "SPI": the selected samples, and how one of them is drawn (the spider subsystem's part).
  std::vector<int> spiderRows;
  std::vector<std::string> spiderElements;  // written under their places 1..n along X
  // Returns the pattern's points that it drew, in data coordinates.
  std::function<std::vector<SpiderPoint>(graphics::Recording&, int row)> drawSpiderRow;
  // Overlays drawn before the samples: stored labels, then what other subsystems add.
  const OverlayTable* overlays = nullptr;
  std::function<void(graphics::Recording&)> drawOverlays;
  // The text written beside each plotted point (names, values, a field); empty: none.
  std::function<std::string(int row)> pointText;
  // A library diagram: the note above its frame, and its field labels in the small size.
  std::string diagramNote;
  bool smallFieldLabels = false;
  // Drawn when loaded; "Separate Diagram" draws the legend alone.
  const LegendTable* legend = nullptr;
};

// One point of a spider pattern as drawn: x the element's position, y the value as plotted.
struct DrawnSpiderPoint {
  int row = 0;
  SpiderPoint point;
};

// What a redraw drew of the plotted values, for checking it from a batch script.
struct DrawnPlot {
  // Entries of the plotted-value arrays: the data rows drawn ("HIST": counted into the bars)
  // in list order, then the curve entries beyond the data rows that were drawn.
  std::vector<int> entries;
  std::vector<DrawnSpiderPoint> spiderPoints;  // "SPI": rows in list order, points along X
};

struct RedrawResult {
  std::vector<int> plottedRows;         // the rows drawn, in list order (identify walks it)
  std::vector<std::string> plottedNames;
  std::string statusLine;               // position name and flags
  HistogramCounts histogram;            // "HIST"
  DrawnPlot drawn;
  int32_t labelFontHeight = 0;          // negative: character height in page units
};

// The label font's character height for a frame: s = |frameHeight|, below 3500 half-way to
// 3500; then s / 3500 × points, rounded, in page units.
int32_t labelFontHeight(int frameHeight, int fontPoints);

// The whole diagram into `recording` (cleared first).
RedrawResult redrawDiagram(RedrawInput& input, graphics::Recording& recording);

// Page x/y of an XY (or histogram, spider) value pair.
graphics::Point projectXY(const DiagramSettings& settings, float x, float y);

// The page point of a position in data coordinates (raw values on log axes; fx, fy on a ternary).
graphics::Point projectData(const DiagramSettings& settings, float x, float y);

// The inverse: a page point in data coordinates, as labels store them.
std::pair<float, float> pageToData(const DiagramSettings& settings, graphics::Point page);

// Draws one plotted row again on top (identify's highlight): its symbol and a ring around it.
void recordHighlight(graphics::Recording& recording, const DiagramSettings& settings, const data::DataStore& data,
                     const SymbolTable& symbols, int row, int32_t labelFontHeight);

// The status line: position name, a blank, then "/nm100 ", "/limits ", "/symbols ", "/page open".
std::string statusLine(const RedrawInput& input);

}  // namespace lavix::diagram
