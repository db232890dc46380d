// The inversion: regression lines and melt modes into the rows of P, D and the source.
#include "lavix/app/InverseModelCommands.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "lavix/app/ModelRows.h"
#include "lavix/app/PartitionModes.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/models/InverseModel.h"
#include "lavix/models/Messages.h"
#include "lavix/models/ModelInputs.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

struct InverseRow {
  const char* name;
  int16_t symbol;  // also the Kcode
  const char* label;
};

// The seven rows in the order they are appended (the P row's name goes on with modePText).
constexpr std::array<InverseRow, inverseRowCount> inverseRows = {{{msg::pRowName, 14, "P"},
                                                                  {msg::dRowName, 6, "~D"},
                                                                  {msg::sourceRowName, 4, "~source"},
                                                                  {msg::lowBoundName, 0, ""},
                                                                  {msg::highBoundName, 0, ""},
                                                                  {msg::lowBoundName, 0, ""},
                                                                  {msg::highBoundName, 0, ""}}};

// Where one element of the regression file goes on the spider diagram.
struct Placement {
  int16_t column = 0;     // the data column the spider pattern reads it from
  float normaliser = 0;   // the pattern's normalising value
  float conversion = 1;   // from the column's unit to ppm element
};

std::optional<Placement> placementOf(const Session& s, const std::string& element) {
  const diagram::SpiderPattern& pattern = s.spider.pattern;
  const diagram::SpiderMatch& match = s.spider.match;
  for (std::size_t k = 0; k < pattern.elements.size() && k < match.column.size(); ++k) {
    if (text::normaliseName(pattern.elements[k]) != element || match.column[k] <= 0) continue;
    const float conversion = k < match.conversion.size() && match.conversion[k] > 0 ? match.conversion[k] : 1.0f;
    return Placement{match.column[k], pattern.normalisers[k], conversion};
  }
  return std::nullopt;
}

std::optional<std::size_t> coefficientsOf(const Session& s, const std::string& element) {
  const auto& elements = s.spiderModels.pc.elements;
  for (std::size_t i = 0; i < elements.size(); ++i)
    if (text::normaliseName(elements[i]) == element) return i;
  return std::nullopt;
}

// The last inversion's rows, while they are still the last rows of the matrix.
bool lastRowsPresent(const Session& s) {
  const int first = s.inverseModel.lastFirstRow;
  if (first <= s.data.dataRowCount || first + inverseRowCount - 1 != s.data.rowCount) return false;
  for (int k = 0; k < inverseRowCount; ++k)
    if (s.data.sampleName[static_cast<std::size_t>(first + k)].rfind(inverseRows[static_cast<std::size_t>(k)].name, 0) != 0)
      return false;
  return true;
}

void keepOrReject(Session& s) {
  const int choice = s.exchange.askButton(s.prompts, msg::keepOrReject, {msg::keepModel, msg::rejectModel}, "");
  if (choice != 2) return;
  if (lastRowsPresent(s)) removeRowsAfter(s, s.inverseModel.lastFirstRow - 1);
  s.inverseModel.lastFirstRow = 0;
  redrawDiagram(s);
}

std::optional<std::string> chooseRegressionData(Session& s) {
  if (!s.inverseModel.regressionDataFile.empty()) return s.inverseModel.regressionDataFile;
  ui::FileRequest request;
  request.title = msg::regressionDataTitle;
  request.filter = msg::regressionDataFilter;
  request.folder = s.dataFolder;
  request.defaultName = s.statistics.regressionFile;
  request.mustExist = true;
  const std::optional<std::string> chosen = s.prompts.openFile(request);
  if (!chosen || text::trim(*chosen).empty()) return std::nullopt;
  return chosen;
}

// The file's regression lines; nullopt, said, when it cannot be read or holds none.
std::optional<models::RegressionData> readRegressionLines(Session& s, const std::string& path) {
  std::string content;
  text::FileError error;
  if (!text::readFile(path, content, error)) {
    ui::say(s.prompts, error.text + "\n" + path);
    return std::nullopt;
  }
  models::RegressionData data = models::readRegressionData(content);
  if (!data.leftOut.empty()) {
    std::string list = msg::linesLeftOut;
    for (const std::string& line : data.leftOut) list += "\n" + line;
    ui::say(s.prompts, list);
  }
  if (data.beyondLimit > 0) ui::say(s.prompts, std::to_string(data.beyondLimit) + msg::linesBeyondLimit);
  if (data.lines.empty()) {
    ui::say(s.prompts, msg::noRegressionLines + path);
    return std::nullopt;
  }
  return data;
}

// " CE ND": each element whose line fits `test`, after a blank; empty when none.
template <typename Test>
std::string elementsWhere(const std::vector<models::RatioRegression>& lines, Test test) {
  std::string list;
  for (const models::RatioRegression& line : lines)
    if (test(line)) list += " " + line.element;
  return list;
}

void writeEstimate(Session& s, int firstRow, const Placement& place, const models::InverseEstimate& e) {
  const std::array<std::optional<float>, inverseRowCount> values = {
      e.p, e.d, e.source, e.sourceLow, e.sourceHigh, e.dLow, e.dHigh};
  for (int k = 0; k < inverseRowCount; ++k) {
    const std::optional<float>& value = values[static_cast<std::size_t>(k)];
    // Stored times the normaliser, so that the pattern, which divides by it, shows the estimate.
    if (value) setModelValue(s, firstRow + k, place.column, *value * place.normaliser / place.conversion);
  }
}

// Appends the seven rows; elements the diagram or the coefficients lack are listed, not written.
void appendInverseRows(Session& s, const std::vector<models::RatioRegression>& lines) {
  const SpiderModelState& m = s.spiderModels;
  const int first = s.data.rowCount + 1;
  for (std::size_t k = 0; k < inverseRows.size(); ++k) {
    const InverseRow& row = inverseRows[k];
    appendModelRow(s, k == 0 ? row.name + m.modePText : std::string(row.name), row.symbol, row.label);
  }
  std::string noCoefficients, notShown;
  for (const models::RatioRegression& line : lines) {
    const std::optional<std::size_t> kd = coefficientsOf(s, line.element);
    const std::optional<Placement> place = placementOf(s, line.element);
    if (!kd) noCoefficients += " " + line.element;
    else if (!place) notShown += " " + line.element;
    if (!kd || !place) continue;
    const float p = models::bulkCoefficient(m.pc.values[*kd], m.modeP);
    writeEstimate(s, first, *place, models::invertRegression(line, p));
  }
  s.inverseModel.lastFirstRow = static_cast<int16_t>(first);
  std::string missing;
  if (!noCoefficients.empty()) missing += msg::notInCoefficients + noCoefficients;
  if (!notShown.empty()) missing += (missing.empty() ? "" : "\n") + std::string(msg::notOnDiagram) + notShown;
  if (!missing.empty()) ui::say(s.prompts, missing);
}

}  // namespace

void inverseModel(Session& s) {
  if (!s.inverseModel.regressionDataFile.empty()) keepOrReject(s);
  const std::optional<std::string> path = chooseRegressionData(s);
  if (!path) return;
  const std::optional<models::RegressionData> data = readRegressionLines(s, *path);
  // A kept file that no longer reads would refuse every later inversion: the next one asks again.
  s.inverseModel.regressionDataFile = data ? *path : std::string();
  if (!data) return;

  const std::string negative =
      elementsWhere(data->lines, [](const models::RatioRegression& r) { return r.intercept < 0; });
  if (!negative.empty()) ui::say(s.prompts, negative + msg::interceptsBelowZero);
  const std::string zero =
      elementsWhere(data->lines, [](const models::RatioRegression& r) { return r.intercept == 0; });
  if (!zero.empty()) ui::say(s.prompts, zero + msg::interceptsZero);

  if (!loadPartitionTable(s, s.baseFolder + msg::inverseCoefficientFile)) {
    ui::say(s.prompts, msg::readPcsFile);
    return;
  }
  if (!enterMineralModes(s, true)) return;
  if (!haveRoomForRows(s, inverseRowCount)) {
    ui::say(s.prompts, msg::noRoomForRows);
    return;
  }
  appendInverseRows(s, data->lines);
  s.diagram.spiderYBegin = 0.0001f;
  s.diagram.spiderYEnd = 100;
  redrawDiagram(s);
  s.setStatus(msg::inverseFormNote);
}

}  // namespace lavix::app
