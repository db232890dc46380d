// The spider model rows: forward or inverse models of each partition-coefficient element for
// every F, isotope ratios copied from the source (or, for AFC, computed), residues by mass balance.
#include "lavix/app/SpiderModelCalculation.h"

#include <optional>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "lavix/models/Messages.h"
#include "lavix/app/ModelRows.h"
#include "lavix/app/Session.h"
#include "lavix/models/ModelInputs.h"
#include "lavix/models/TraceElementModels.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

using models::TraceModel;

bool isChosenRow(const Session& s, int row) { return row >= 1 && row <= s.data.rowCount; }

float modeSum(const std::vector<float>& modes, int minerals) {
  float sum = 0.0f;
  for (int m = 0; m < minerals && m < static_cast<int>(modes.size()); ++m) sum += modes[static_cast<std::size_t>(m)];
  return sum;
}

std::string coefficientList(const char* heading, const std::vector<std::string>& elements,
                            const std::vector<float>& values) {
  std::string text = std::string(heading) + "\n";
  for (std::size_t i = 0; i < elements.size(); ++i)
    text += format::formatText(elements[i], " @@  ") + format::formatNumber(values[i], "###0.000") + "\n";
  return text;
}

// Everything one calculation works with, worked out before any row is written.
struct Calculation {
  TraceModel model = TraceModel::batchMelt;
  models::ModelSettings settings;
  float r = 0;
  std::vector<float> fList;
  std::vector<int16_t> column;  // elementColumn
  std::vector<float> bulkD, bulkP;
  std::vector<std::string> leftEmpty;  // elements with a cell the equation gave no value

  void noteEmpty(const std::string& element) {
    for (const auto& e : leftEmpty)
      if (e == element) return;
    leftEmpty.push_back(element);
  }
};

std::string rowName(const Session& s, const Calculation& c, float f) {
  const SpiderModelState& m = s.spiderModels;
  std::string name = "<" + s.data.sampleName[static_cast<std::size_t>(m.sourceRow)] + ">" + "F0" +
                     format::generalFormat(f) + m.modelName + "D" + m.modeDText;
  if (m.modelMode != msg::modal) name += "P" + m.modePText;
  if (c.model == TraceModel::continuousMelt) name += format::generalFormat(m.porosity);
  if (c.model == TraceModel::afc)
    name += s.data.sampleName[static_cast<std::size_t>(m.contaminantRow)] + format::generalFormat(c.r);
  if (c.settings.inverse) name += "I";
  return name;
}

std::string rowLabel(const Calculation& c, float f) {
  return "F=" + format::shortestText(f * 100.0f) + "%" + (c.settings.inverse ? " I" : "");
}

void copySourceIsotopes(Session& s, int row) {
  for (int16_t column : isotopeRatioColumns(s))
    if (column > 0) s.data.setCell(row, column, s.data.cell(s.spiderModels.sourceRow, column));
}

// The ratio columns of an element whose isotopes AFC carries along; none for other elements.
std::vector<int16_t> afcRatioColumns(const Session& s, int16_t elementColumn) {
  const data::IsotopeColumns& i = s.data.isotope;
  const std::string name = text::normaliseName(s.data.columnName[static_cast<std::size_t>(elementColumn)]);
  if (name == "SR") return {i.sr87Sr86};
  if (name == "ND") return {i.nd143Nd144};
  if (name == "HF") return {i.hf176Hf177};
  if (name == "OS") return {i.os187Os186};
  if (name == "PB") return {i.pb206Pb204, i.pb207Pb204, i.pb208Pb204};
  return {};
}

void writeAfcElement(Session& s, Calculation& c, int row, std::size_t i, float f) {
  const int16_t column = c.column[i];
  const int source = s.spiderModels.sourceRow, contaminant = s.spiderModels.contaminantRow;
  const float cm0 = s.data.value(source, column), ca = s.data.value(contaminant, column);
  const auto step = models::afcConcentration(cm0, ca, c.bulkD[i], f, c.r);
  if (!step) {
    c.noteEmpty(s.spiderModels.pc.elements[i]);
    return;
  }
  setModelValue(s, row, column, step->cm);
  const float cm = s.data.value(row, column);
  for (int16_t ratio : afcRatioColumns(s, column)) {
    if (ratio <= 0) continue;
    const auto e = models::afcIsotopeRatio(cm, ca, cm0, s.data.value(source, ratio), s.data.value(contaminant, ratio),
                                           step->h);
    if (e) setModelValue(s, row, ratio, *e);
  }
}

void writeModelRow(Session& s, Calculation& c, int row, float f) {
  const auto& elements = s.spiderModels.pc.elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const int16_t column = c.column[i];
    if (column <= 0) continue;
    if (c.bulkD[i] == 0.0f) {
      s.data.setCell(row, column, "0");
      continue;
    }
    if (c.model == TraceModel::afc) {
      writeAfcElement(s, c, row, i, f);
      continue;
    }
    const float c0 = s.data.value(s.spiderModels.sourceRow, column);
    const auto value = models::traceModelConcentration(c.model, c0, c.bulkD[i], c.bulkP[i], f, c.settings);
    if (value) setModelValue(s, row, column, *value);
    else c.noteEmpty(elements[i]);
  }
  if (c.model != TraceModel::afc) copySourceIsotopes(s, row);
}

bool residuesOffered(const Calculation& c) {
  if (c.settings.inverse) return false;
  return c.model == TraceModel::aggregatedFractionalMelt || c.model == TraceModel::batchMelt ||
         c.model == TraceModel::equilibriumCrystallisation || c.model == TraceModel::rayleighCrystallisation;
}

void addResidues(Session& s, const Calculation& c, int firstMeltRow) {
  const int count = static_cast<int>(c.fList.size());
  if (!haveRoomForRows(s, count)) {
    ui::say(s.prompts, msg::noRoomForRows);
    return;
  }
  for (int k = 0; k < count; ++k) {
    const int melt = firstMeltRow + k;
    const float f = c.fList[static_cast<std::size_t>(k)];
    const std::string label = s.spiderModels.rowLabels[melt] + " R";
    const int row = appendModelRow(s, s.data.sampleName[static_cast<std::size_t>(melt)] + "R",
                                   static_cast<int16_t>(k == 0 ? 25 : -25), label);
    for (int16_t column : c.column) {
      if (column <= 0) continue;
      const std::string_view meltCell = s.data.cell(melt, column);
      // A melt without a value leaves its residue without one too.
      if (meltCell.empty()) continue;
      if (f == 1.0f || meltCell == "0") {
        s.data.setCell(row, column, "0");
        continue;
      }
      const float c0 = s.data.value(s.spiderModels.sourceRow, column);
      setModelValue(s, row, column, models::residueConcentration(c0, s.data.value(melt, column), f));
    }
    copySourceIsotopes(s, row);
  }
}

// Step 1 of the calculation: the message of the first check that fails, or nothing.
std::optional<const char*> refusal(const Session& s, TraceModel model) {
  const SpiderModelState& m = s.spiderModels;
  if (m.pc.elementCount() == 0 || m.pc.identifierCount() == 0) return msg::readParCoeffFirst;
  if (!isChosenRow(s, m.sourceRow)) return msg::selectSourceFirst;
  if (model == TraceModel::afc && !isChosenRow(s, m.contaminantRow)) return msg::selectContaminantFirst;
  if (modeSum(m.modeD, m.pc.identifierCount()) == 0.0f) return msg::mustSelectD;
  if (m.modelMode != msg::modal && modeSum(m.modeP, m.pc.identifierCount()) == 0.0f) return msg::mustSelectP;
  return std::nullopt;
}

}  // namespace

bool makeSpiderModelRows(Session& s, const SpiderModelRequest& request) {
  SpiderModelState& m = s.spiderModels;
  const auto model = models::traceModelNamed(m.modelName);
  if (!model) return false;
  if (const auto message = refusal(s, *model)) {
    ui::say(s.prompts, *message);
    return false;
  }

  Calculation c;
  c.model = *model;
  const float typed = text::parseNumber(request.insituText, s.decimalSeparator);
  m.insituFraction = typed / 100.0f;
  c.r = typed;
  c.settings = {m.insituFraction, m.solidDensity, m.liquidDensity, m.porosity, request.inverse};

  c.fList = models::parseMeltFractions(request.meltText, s.decimalSeparator);
  if (c.fList.empty()) {
    ui::say(s.prompts, msg::noValidF);
    return false;
  }
  if (static_cast<int>(c.fList.size()) > models::maxMeltFractions) {
    ui::say(s.prompts, msg::tooManyF);
    return false;
  }
  if (!haveRoomForRows(s, static_cast<int>(c.fList.size()))) {
    ui::say(s.prompts, msg::noRoomForRows);
    return false;
  }
  m.fList = c.fList;

  const auto& elements = m.pc.elements;
  c.column = elementColumns(s, elements);
  const bool modal = m.modelMode == msg::modal;
  for (const auto& kd : m.pc.values) {
    c.bulkD.push_back(models::bulkCoefficient(kd, m.modeD));
    c.bulkP.push_back(models::bulkCoefficient(kd, modal ? m.modeD : m.modeP));
  }
  ui::say(s.prompts, coefficientList("D's", elements, c.bulkD));
  if (!modal) ui::say(s.prompts, coefficientList("P's", elements, c.bulkP));

  const int firstRow = s.data.rowCount + 1;
  for (std::size_t k = 0; k < c.fList.size(); ++k) {
    const float f = c.fList[k];
    const int row = appendModelRow(s, rowName(s, c, f), static_cast<int16_t>(k == 0 ? 9 : -9), rowLabel(c, f));
    writeModelRow(s, c, row, f);
  }
  if (!c.leftEmpty.empty()) {
    std::string list;
    for (const auto& e : c.leftEmpty) list += (list.empty() ? "" : " ") + e;
    ui::say(s.prompts, msg::leftEmpty + list);
  }

  if (residuesOffered(c) &&
      s.exchange.askButton(s.prompts, msg::residuesTitle, {msg::addResidues, msg::skipResidues}, "") == 1)
    addResidues(s, c, firstRow);
  return true;
}

}  // namespace lavix::app
