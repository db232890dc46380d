// The spider diagram's choices: the pattern, the samples, the Y scale, and each sample's normalised line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lavix/data/DataStore.h"
#include "lavix/data/StandardTable.h"
#include "lavix/data/SubsetCriteria.h"
#include "lavix/diagram/SpiderPattern.h"
#include "lavix/diagram/SymbolTable.h"

namespace lavix::app {

class Session;

namespace spider {
inline constexpr const char* selectPatternTitle = "Select Spider diagram";
inline constexpr const char* selectSamplesTitle = "Select samples (*) with doubleclick";
inline constexpr const char* noTracesNeeded = "None of the traces needed are in this file";
inline constexpr const char* patternFileName = "Spider.txt";
inline constexpr const char* scaleTypeTitle = "Select scale type";
inline constexpr const char* yRangeTitle = "New Y-Axis range";
inline constexpr const char* beginPrompt = "Begin (must be >0)";
inline constexpr const char* endPrompt = "End  (must be >0)";
}  // namespace spider

// What the spider choices keep between commands; the session holds one.
struct SpiderState {
  // "NEW" after mspider, "NEWSPI" for a new pattern only, "CONTINUE" for new samples only;
  // empty after a colour, orientation or frame-shape change (the next choice is a full one).
  std::string state;
  bool patternChosen = false;
  diagram::SpiderPattern pattern;  // the chosen pattern (spiderElement, spiderNormaliser, spiderKeyValue ...)
  diagram::SpiderMatch match;      // spiderColumn per element and spiderKeyElement
  std::vector<int16_t> selectedRows;  // the selected samples, in list order
  bool gapMode = false;               // spiderGapMode: on = a missing element breaks the line

  // The caption of `wrname` in spider mode.
  const char* lineStyleCaption() const { return gapMode ? "full line" : "dash line"; }
};

// The standard oxides in the form the element matching takes.
diagram::SpiderOxides spiderOxides(const data::StandardTable& standard);

// The row filter of the redraw for a kind that is none of "XY", "TRI", "HIST": the symbol
// selection (|symbolOf| among the shown symbols, or -99) and the subset criteria.
bool spiderRowAccepted(const diagram::SymbolTable& symbols, const data::DataStore& store,
                       const data::SubsetCriteria* criteria, int row, const std::vector<int16_t>* normFlag = nullptr);

// The lines of the pattern chooser: name and reference padded to common widths, then "QUIT".
std::vector<std::string> spiderChooserLines(const std::vector<diagram::SpiderPattern>& patterns);

// mspider's resets before the choice: selected samples emptied, family "SPI", state "NEW",
// Y log, pageYSign 1, scale "LOG", Slide shape, Y numbers and ticks to be recomputed.
void startSpiderDiagram(Session& session, SpiderState& spider);

// Reads Controls/Spider.txt, lets the user pick a pattern and matches it to the columns. On
// success the pattern, titles, X axis (0..n+1) and default Y range are set; a cancelled choice,
// an unreadable file or a pattern without any matching column changes nothing.
bool chooseSpiderPattern(Session& session, SpiderState& spider);

// The marking list of candidate samples; the rows marked when it closes become the selection.
// No candidate: the selection is emptied and false is returned.
bool chooseSpiderSamples(Session& session, SpiderState& spider, const data::SubsetCriteria* criteria = nullptr);

// The pattern choice unless the state is "CONTINUE", then the sample choice unless it is
// "NEWSPI". False when the pattern choice ended without a pattern.
bool runSpiderChoice(Session& session, SpiderState& spider, const data::SubsetCriteria* criteria = nullptr);

// newz in spider mode ("Y-scale"): log or linear Y axis and its range. False when cancelled
// (nothing changed then).
bool spiderYScale(Session& session);

// The row's parsed value in each element's column (0 where the element has no column), times
// the row's totalFactor for columns whose normFlag is 1 (null: none are recast to 100).
std::vector<float> spiderRowValues(const data::DataStore& store, const diagram::SpiderMatch& match, int row,
                                   const std::vector<int16_t>* normFlag = nullptr);

// drawSpiderPattern's data: the lines of one row in data coordinates (x = element position).
std::vector<diagram::SpiderLine> spiderRowLines(const Session& session, const SpiderState& spider, int row,
                                                const std::vector<int16_t>* normFlag = nullptr);

}  // namespace lavix::app
