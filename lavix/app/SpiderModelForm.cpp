// The spider model window `spimod` as a core model.
#include "lavix/app/SpiderModelForm.h"

#include <algorithm>

#include "common/text/Text.h"
#include "lavix/models/Messages.h"
#include "lavix/app/ModelRows.h"
#include "lavix/app/PartitionModes.h"
#include "lavix/app/SamplePicker.h"
#include "lavix/app/Session.h"
#include "lavix/app/SpiderModelCalculation.h"
#include "lavix/models/ModelInputs.h"
#include "lavix/models/TraceElementModels.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

const char* const buttonCaptions[][2] = {
    {"readpcs", "Read PCs file"},   {"mantmode", "Min. Mode-D"},      {"meltmode", "Melt Mode-P"},
    {"selsource", "Select Source"}, {"selcontam", "Select Contam."}, {"calcs", "Make Calculations"},
    {"clnup", "Remove all models"}, {"quit", "Plot/Quit"},           {"liqdens", "Density of Liquid"},
    {"soldens", "Density of Solid"}, {"porosity", "Porosity of mantle"}};

const char* const boxes[] = {"melttxt", "insituf", "liqdens", "soldens", "porosity"};

std::string orSelect(const std::string& text) { return text.empty() ? msg::selectLabel : text; }

}  // namespace

SpiderModelForm::SpiderModelForm(Session& session) : session_(session) {
  SpiderModelState& m = session_.spiderModels;
  const auto model = models::traceModelNamed(m.modelName);
  using models::TraceModel;
  if (model == TraceModel::batchMelt || model == TraceModel::aggregatedFractionalMelt) meltText_ = "1,5,10,15";
  else if (model == TraceModel::fractionalMelt || model == TraceModel::continuousMelt) meltText_ = ".1,.5,1,5";
  else if (model == TraceModel::afc) m.insituText.clear();
  else meltText_ = "90,70,50";
  // The densities and the porosity start from the boxes' defaults at every opening.
  m.liquidDensity = text::parseNumber(liquidText_, session_.decimalSeparator);
  m.solidDensity = text::parseNumber(solidText_, session_.decimalSeparator);
  m.porosity = text::parseNumber(porosityText_, session_.decimalSeparator);
}

bool SpiderModelForm::isAfc() const { return session_.spiderModels.modelName == "AFC"; }

bool SpiderModelForm::isVisible(const std::string& control) const {
  const SpiderModelState& m = session_.spiderModels;
  const std::string& name = m.modelName;
  const bool continuous = name == "continuous melt";
  if (control == "insituf" || control == "insitu2") return name == "in situ xtal" || isAfc();
  if (control == "liqdens" || control == "soldens" || control == "porosity") return continuous;
  if (control == "selcontam" || control == "contamlab") return isAfc();
  if (control == "meltmode" || control == "mpi") {
    if (m.modelMode == msg::modal || continuous) return false;
    return control == "meltmode" || m.pc.identifierCount() > 0;
  }
  if (control == "mdi") return m.pc.identifierCount() > 0;
  static const char* const always[] = {"modlab", "eqnlab", "readpcs", "pcslab",  "mantmode", "selsource", "sourcelab",
                                       "melttxt", "fslab", "Option1", "calcs",  "clnup",    "quit"};
  return std::find_if(std::begin(always), std::end(always), [&](const char* c) { return control == c; }) !=
         std::end(always);
}

std::string SpiderModelForm::rowLabel(int row) const {
  if (row < 1 || row > session_.data.rowCount) return msg::selectLabel;
  return orSelect(session_.data.sampleName[static_cast<std::size_t>(row)]);
}

std::string SpiderModelForm::text(const std::string& control) const {
  const SpiderModelState& m = session_.spiderModels;
  if (control == "modlab") return m.modelName + " " + m.modelMode;
  if (control == "eqnlab") {
    const auto model = models::traceModelNamed(m.modelName);
    std::string equation = model ? models::traceModelEquation(*model) : "";
    if (inverse_) equation += std::string("   ") + msg::inverseNote;
    return equation;
  }
  if (control == "pcslab") return orSelect(m.pcFileName);
  if (control == "mdi") return orSelect(m.modeDText);
  if (control == "mpi") return orSelect(m.modePText);
  if (control == "sourcelab") return rowLabel(m.sourceRow);
  if (control == "contamlab") return rowLabel(m.contaminantRow);
  if (control == "melttxt") return meltText_;
  if (control == "insituf") return m.insituText;
  if (control == "liqdens") return liquidText_;
  if (control == "soldens") return solidText_;
  if (control == "porosity") return porosityText_;
  if (control == "fslab") return msg::meltList;
  if (control == "insitu2") return isAfc() ? msg::afcRatioCaption : msg::insituCaption;
  return {};
}

std::string SpiderModelForm::caption(const std::string& control) const {
  for (const auto& [name, caption] : buttonCaptions)
    if (control == name) return caption;
  return text(control);
}

ui::EventResult SpiderModelForm::click(const std::string& control, const std::string& item) {
  if (!open_) return ui::EventResult::Disabled;
  if (control == "Option1") {
    const int position = ui::findItem({"Normal", "Inverse"}, item);
    if (position == 0) return ui::EventResult::UnknownItem;
    setInverse(position == 2);
    return ui::EventResult::Done;
  }
  struct Event {
    const char* name;
    void (SpiderModelForm::*run)();
  };
  static constexpr Event events[] = {
      {"readpcs", &SpiderModelForm::readpcs},     {"mantmode", &SpiderModelForm::mantmode},
      {"meltmode", &SpiderModelForm::meltmode},   {"selsource", &SpiderModelForm::selsource},
      {"selcontam", &SpiderModelForm::selcontam}, {"calcs", &SpiderModelForm::calcs},
      {"clnup", &SpiderModelForm::clnup},         {"quit", &SpiderModelForm::quit}};
  for (const Event& e : events) {
    if (control != e.name) continue;
    if (!isVisible(control)) return ui::EventResult::Disabled;
    (this->*e.run)();
    return ui::EventResult::Done;
  }
  return ui::EventResult::UnknownControl;
}

ui::EventResult SpiderModelForm::type(const std::string& control, int index, const std::string& typed) {
  if (std::find_if(std::begin(boxes), std::end(boxes), [&](const char* b) { return control == b; }) == std::end(boxes))
    return ui::EventResult::UnknownControl;
  if (index > 1) return ui::EventResult::UnknownItem;
  if (!open_ || !isVisible(control)) return ui::EventResult::Disabled;
  setText(control, typed);
  return ui::EventResult::Done;
}

void SpiderModelForm::setText(const std::string& control, const std::string& typed) {
  SpiderModelState& m = session_.spiderModels;
  const float value = text::parseNumber(typed, session_.decimalSeparator);
  if (control == "melttxt") {
    meltText_ = typed;
  } else if (control == "insituf") {
    m.insituText = typed;
    if (isAfc()) meltText_ = models::afcMeltFractions(value);
  } else if (control == "liqdens") {
    liquidText_ = typed;
    m.liquidDensity = value;
  } else if (control == "soldens") {
    solidText_ = typed;
    m.solidDensity = value;
  } else if (control == "porosity") {
    porosityText_ = typed;
    m.porosity = value;
  }
}

std::vector<std::pair<std::string, std::string>> SpiderModelForm::fields() const {
  static const char* const shown[] = {"modlab",   "eqnlab",  "pcslab",  "mdi",     "mpi",     "sourcelab",
                                      "contamlab", "fslab",  "melttxt", "insitu2", "insituf", "liqdens",
                                      "soldens",  "porosity"};
  std::vector<std::pair<std::string, std::string>> out;
  for (const char* control : shown)
    if (isVisible(control)) out.emplace_back(control, text(control));
  out.emplace_back("Option1(0)", inverse_ ? "0" : "1");
  out.emplace_back("Option1(1)", inverse_ ? "1" : "0");
  return out;
}

void SpiderModelForm::readpcs() {
  Session& s = session_;
  ui::FileRequest request;
  request.title = msg::pcOpenTitle;
  request.filter = msg::pcFilter;
  request.folder = s.baseFolder + "PC";
  request.defaultName = s.spiderModels.pcFileName;
  request.mustExist = true;
  const auto chosen = s.prompts.openFile(request);
  if (!chosen || chosen->empty()) return;
  loadPartitionTable(s, *chosen);
}

void SpiderModelForm::enterModes(bool melt) { enterMineralModes(session_, melt); }

void SpiderModelForm::chooseRow(bool contaminant) {
  const int row =
      pickSample(session_, contaminant ? msg::selectContaminantTitle : msg::selectSourceTitle, plottedSamples(session_)).row;
  if (row > 0) (contaminant ? session_.spiderModels.contaminantRow : session_.spiderModels.sourceRow) = static_cast<int16_t>(row);
}

void SpiderModelForm::calcs() {
  if (makeSpiderModelRows(session_, {meltText_, session_.spiderModels.insituText, inverse_})) open_ = false;
}

void SpiderModelForm::clnup() {
  removeModelRows(session_);
  open_ = false;
}

}  // namespace lavix::app
