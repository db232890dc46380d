// The inverse model's preparation: the grid, then each record drawn and regressed in batch mode.
#include "lavix/app/InverseModelPreparation.h"

#include <optional>
#include <vector>

#include "common/text/Text.h"
#include "lavix/app/LibraryCommands.h"
#include "lavix/app/Session.h"
#include "lavix/app/StatisticsCommands.h"
#include "lavix/calc/FormulaEvaluator.h"
#include "lavix/diagram/AxisRange.h"
#include "lavix/models/Messages.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

// La and La/Yb normalised to CI chondrite (Sun & McDonough 1989: La 0.237, Yb 0.17 ppm).
constexpr const char* gridXFormula = "La*4.219";
constexpr const char* gridYFormula = "(La*4.219)/(Yb*5.882)";
// The grid reaches a little beyond the largest value, and down to (about) 0.
constexpr float gridXStretch = 1.1f;
constexpr float gridYStretch = 1.2f;
constexpr float gridLowest = 0.0001f;

// A linear axis over the formula's values times `stretch`, and 0.0001; nullopt when the
// formula is refused (the evaluator has said why).
std::optional<diagram::AxisSettings> gridAxis(Session& s, const char* formula, float stretch) {
  const int rows = s.data.rowCount;
  // A row without La or Yb has no ratio: its zero does not count.
  const calc::FormulaContext context{s.data, s.standard, s.prompts, false, "U", {}};
  std::vector<float> values(static_cast<std::size_t>(rows) + 2, 0.0f);
  if (!calc::evaluateFormula(context, formula, values)) return std::nullopt;
  for (int row = 1; row <= rows; ++row) values[static_cast<std::size_t>(row)] *= stretch;
  values[static_cast<std::size_t>(rows) + 1] = gridLowest;
  diagram::AxisSettings axis;
  int16_t linear = 0;
  diagram::automaticRange(axis, linear, values, rows + 1, false);
  return axis;
}

std::optional<GivenAxes> laGrid(Session& s) {
  const std::optional<diagram::AxisSettings> x = gridAxis(s, gridXFormula, gridXStretch);
  if (!x) return std::nullopt;
  const std::optional<diagram::AxisSettings> y = gridAxis(s, gridYFormula, gridYStretch);
  if (!y) return std::nullopt;
  return GivenAxes{*x, *y};
}

// The regression of the diagram shown, without questions.
void regressInBatch(Session& s) {
  s.statistics.batchRegression = true;
  regressXY(s);
  s.statistics.batchRegression = false;
}

}  // namespace

void prepareInverseModel(Session& s, const std::string& path) {
  const std::optional<OpenedLibrary> opened = readLibraryFile(s, path, diagram::LibraryFamily::diagrams);
  if (!opened) return;
  const int scheme = s.exchange.askButton(s.prompts, msg::selectScheme, {msg::gridFromRanges, msg::presetGrid}, "");
  if (scheme != 1 && scheme != 2) return;
  std::optional<GivenAxes> grid;
  if (scheme == 1 && !(grid = laGrid(s))) return;
  for (std::size_t k = 0; k < opened->file.records.size(); ++k) {
    const diagram::LibraryRecordEntry& record = opened->file.records[k];
    if (text::toUpper(opened->file.tokens[static_cast<std::size_t>(record.start)]).rfind("XY", 0) != 0) {
      ui::say(s.prompts, msg::notAnXyRecord + record.name);
      return;
    }
    if (!drawRecord(s, *opened, k, grid)) return;
    regressInBatch(s);
    // No regression data file was chosen: the records left would each ask again.
    if (s.statistics.regressionFile.empty()) return;
  }
}

}  // namespace lavix::app
