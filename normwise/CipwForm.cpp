// The normwise main form: reading samples, the norm and melt-property commands, the report.
#include "normwise/CipwForm.h"

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "normwise/InputNormwise.h"
#include "normwise/NormwiseTexts.h"

namespace lavix::normwise {

namespace {

constexpr int kFeO = norm::index(norm::Oxide::FeO);
constexpr int kFe2O3 = norm::index(norm::Oxide::Fe2O3);
constexpr int kTiO2 = norm::index(norm::Oxide::TiO2);
constexpr int kTotalField = norm::kOxideCount;

std::string flag(bool on) { return on ? "1" : "0"; }
std::string indexed(const char* name, int index) { return std::string(name) + "(" + format::shortestText(index) + ")"; }

// The condition fields form one ring, the oxide fields another.
constexpr std::array<const char*, 3> conditionChain = {"txtTempin", "txtPress", "txtWater"};

}  // namespace

CipwForm::CipwForm(ui::PromptPort& prompts, ui::PrinterPort& printer, std::string programFolder,
                   char decimalSeparator)
    : prompts_(prompts), printer_(printer), programFolder_(std::move(programFolder)),
      decimalSeparator_(decimalSeparator) {
  for (int p = 1; p <= 8; ++p) properties_[p].label = std::string(norm::kPropertyLabels[p]);
  buildCommands();
}

void CipwForm::buildCommands() {
  auto add = [this](std::string_view name, std::string_view caption, std::function<void()> run) {
    commands_.add({std::string(name), std::string(caption), [run](const std::string&) { run(); }, {}});
  };
  add("fileread", texts::openCaption, [this] { fileread(); });
  add("Clear", texts::clearCaption, [this] { Clear(); });
  add("Quitmenu", texts::quitCaption, [this] { Quitmenu(); });
  add("calc", texts::calcCaption, [this] { calc(); });
  add("cmdEVisc", texts::evisCaption, [this] { cmdEVisc(); });
  add("print", texts::printCaption, [this] { print(); });
  add("menuPrint", texts::menuPrintCaption, [this] { menuPrint(); });
  add("Option1", texts::option1Caption, [this] { Option1(); });
  add("Option2", texts::option2Caption, [this] { Option2(); });
  for (int c = 1; c <= 4; ++c)
    add("Check" + format::shortestText(c), texts::checkCaptions[c - 1], [this, c] { clickCheck(c); });
  add("CheckFe", texts::checkFeCaption, [this] { CheckFe(); });
  commands_.add({"psam", "", [this](const std::string& item) { psam(ui::findItem(samples_.names, item)); },
                 [this] { return sampleMenuEnabled_; }});
}

// ---- events ----

ui::EventResult CipwForm::click(const std::string& control, const std::string& item) {
  const ui::Command* command = commands_.find(control);
  if (!command) return ui::EventResult::UnknownControl;
  if (!commands_.isEnabled(control)) return ui::EventResult::Disabled;
  if (control == "psam") {
    if (ui::findItem(samples_.names, item) == 0) return ui::EventResult::UnknownItem;
  } else if (!item.empty()) {
    return ui::EventResult::UnknownItem;
  }
  return commands_.run(control, item);
}

ui::EventResult CipwForm::type(const std::string& control, int index, const std::string& text) {
  if (!box(control, 0) && !box(control, 1)) return ui::EventResult::UnknownControl;
  const bool isArray = control == "inpt" || control == "outpt";
  const int own = isArray ? index - 1 : 0;
  if ((isArray && index < 1) || (!isArray && index > 1) || !setText(control, own, text))
    return ui::EventResult::UnknownItem;
  return ui::EventResult::Done;
}

ui::EventResult CipwForm::enter(const std::string& control, int index) { return key(control, index, "Enter"); }

ui::EventResult CipwForm::key(const std::string& control, int index, const std::string& keyName) {
  if (!box(control, 0) && !box(control, 1)) return ui::EventResult::UnknownControl;
  const bool isArray = control == "inpt" || control == "outpt";
  const int own = isArray ? index - 1 : 0;
  if ((isArray && index < 1) || (!isArray && index > 1) || !box(control, own)) return ui::EventResult::UnknownItem;
  navigate(control, own, keyName);
  return ui::EventResult::Done;
}

bool CipwForm::navigate(const std::string& control, int index, const std::string& keyName) {
  if (!box(control, index)) return false;
  const bool forward = keyName == "Enter" || keyName == "Down";
  const bool back = keyName == "Up";
  focus_ = {control, index};
  if (!forward && !back) return true;
  constexpr int oxides = norm::kOxideCount;
  if (control == "inpt") {
    const int at = index < oxides ? index : (forward ? oxides - 1 : 0);
    focus_ = {"inpt", forward ? (at + 1) % oxides : (at + oxides - 1) % oxides};
  } else if (control == "sample") {
    focus_ = {"inpt", forward ? 0 : oxides - 1};
  } else {
    for (std::size_t c = 0; c < conditionChain.size(); ++c) {
      if (control != conditionChain[c]) continue;
      const std::size_t next = forward ? (c + 1) % conditionChain.size() : (c + conditionChain.size() - 1) % conditionChain.size();
      focus_ = {conditionChain[next], 0};
    }
  }
  return true;
}

void CipwForm::fileread() {
  ui::FileRequest request;
  request.filter = std::string(texts::openFilter);
  request.folder = programFolder_;
  request.mustExist = true;
  const auto path = prompts_.openFile(request);
  if (!path) return;
  std::string content;
  text::FileError error;
  text::ReadLimits limits;
  limits.maxBytes = text::tableFileLimit(kMaxSamples + 1, kMaxColumns);
  if (!text::readFile(*path, content, error, limits)) {
    ui::say(prompts_, error.text + std::string(texts::checkFile));
    return;
  }
  SampleFile read = readSampleText(content, decimalSeparator_);
  if (!read.hasOxideColumns()) {
    ui::say(prompts_, std::string(texts::noOxideColumns) + std::string(texts::checkFile));
    return;
  }
  if (read.names.empty()) {
    ui::say(prompts_, std::string(texts::noSamples) + std::string(texts::checkFile));
    return;
  }
  cleartextboxes();
  samples_ = std::move(read);
  sampleMenuEnabled_ = true;
  if (samples_.truncated) ui::say(prompts_, std::string(texts::tooManySamples) + std::string(texts::checkFile));
  if (!samples_.totalIronName.empty())
    ui::say(prompts_, std::string(texts::theColumn) + samples_.totalIronName + std::string(texts::totalIronRead) +
                          std::string(samples_.totalIronToFeO != 1 ? texts::totalIronConverted : "") +
                          std::string(texts::totalIronSplit));
}

void CipwForm::psam(int sample) {
  if (sample < 1 || sample > static_cast<int>(samples_.names.size())) return;
  if (const UnreadableOxide& bad = samples_.unreadable[sample - 1]; bad.oxide >= 0) {
    ui::say(prompts_, std::string(texts::samplePrefix) + samples_.names[sample - 1] + ": " +
                          std::string(norm::kOxideNames[bad.oxide]) + " \"" + bad.text + "\"" +
                          std::string(texts::fileValueNotNumber));
    return;
  }
  const OxideValues& values = samples_.oxides[sample - 1];
  for (int o = 0; o < norm::kOxideCount; ++o) inpt_[o] = format::formatNumber(values[o], "#0.00");
  sample_ = samples_.names[sample - 1];
}

void CipwForm::Clear() { cleartextboxes(); }

void CipwForm::cleartextboxes() {
  for (auto& field : inpt_) field.clear();
  for (auto& field : outpt_) field.clear();
  for (std::string* field : {&txtMgratio_, &txtTemp_, &txtDensity_, &txtVisc_, &txtCP_, &txtDI_, &txtRkDen_, &txtEVisc_})
    field->clear();
  for (int p = 1; p <= 8; ++p) properties_[p] = {properties_[p].label, std::nullopt, {}};
  result_.reset();
  effViscBasis_.reset();
}

void CipwForm::Quitmenu() { open_ = false; }

void CipwForm::Option1() { normType_ = norm::NormType::Weight; }
void CipwForm::Option2() { normType_ = norm::NormType::Mole; }
void CipwForm::clickCheck(int which) { checks_[which - 1] = !checks_[which - 1]; }

void CipwForm::CheckFe() {
  inpt_[kTotalField].clear();
  if (checkFe_) {
    checkFe_ = false;
    inpt_[kFeO] = keptFeO_;
    inpt_[kFe2O3] = keptFe2O3_;
    return;
  }
  checkFe_ = true;
  keptFeO_ = inpt_[kFeO];
  keptFe2O3_ = inpt_[kFe2O3];
  const auto adjusted = norm::adjustIron(text::parseNumber(inpt_[kFeO], decimalSeparator_),
                                         text::parseNumber(inpt_[kFe2O3], decimalSeparator_),
                                         text::parseNumber(inpt_[kTiO2], decimalSeparator_));
  if (!adjusted) return;
  inpt_[kFeO] = norm::formatAdjustedIron(adjusted->feO);
  inpt_[kFe2O3] = norm::formatAdjustedIron(adjusted->fe2O3);
}

void CipwForm::show(int property, std::string& field, std::optional<float> value, std::string_view mask,
                    std::string_view whyNot) {
  field = value ? format::formatNumber(*value, mask) : std::string();
  properties_[property].value = value;
  properties_[property].whyNot = value ? std::string() : std::string(whyNot);
}

std::array<float, norm::kOxideCount> CipwForm::oxideValues() const {
  std::array<float, norm::kOxideCount> values{};
  for (int o = 0; o < norm::kOxideCount; ++o) values[o] = text::parseNumber(inpt_[o], decimalSeparator_);
  return values;
}

norm::MeltConditions CipwForm::conditions(bool writeBack) {
  norm::MeltConditions c;
  const float entered = text::parseNumber(txtTempin_, decimalSeparator_);
  c.temperatureC = norm::effectiveTemperature(entered);
  if (writeBack && entered == 0) txtTempin_ = format::shortestText(c.temperatureC);
  c.pressureKbar = text::parseNumber(txtPress_, decimalSeparator_);
  c.waterWtPercent = text::parseNumber(txtWater_, decimalSeparator_);
  return c;
}

std::optional<std::string> CipwForm::refusal() const {
  const std::string who = sample_.empty() ? std::string() : std::string(texts::samplePrefix) + sample_ + ": ";
  for (int o = 0; o < norm::kOxideCount; ++o) {
    const std::string typed = text::trim(inpt_[o]);
    const std::string name(norm::kOxideNames[o]);
    double value = 0;
    if (typed.empty()) continue;
    if (!text::tryParseNumber(typed, decimalSeparator_, value)) {
      if (o < kMajorOxides) return who + name + " \"" + typed + "\"" + std::string(texts::fieldNotNumber);
      continue;  // a minor oxide written "n.d." or "<0.01" is none
    }
    if (value < 0) return who + name + " (" + typed + ")" + std::string(texts::negativeOxide);
  }
  // The density rules hold from the surface down into the mantle; far outside they go negative.
  const float pressure = text::parseNumber(txtPress_, decimalSeparator_);
  if (pressure < 0 || pressure > 100) return std::string(texts::pressureOutOfRange);
  return std::nullopt;
}

void CipwForm::calc() {
  if (const auto refused = refusal()) {
    ui::say(prompts_, *refused);
    return;
  }
  norm::CipwInput input;
  input.oxides = oxideValues();
  input.options.type = normType_;
  input.options.hauynePresent = checks_[0];
  input.options.cancrinitePresent = checks_[1];
  input.options.calcitePresent = checks_[2];
  input.options.calcitePrimary = checks_[3];
  const norm::CipwResult result = norm::computeCipwNorm(input);
  if (!result.computed) return;  // a sum below 10 leaves the form as it was, without a word

  inpt_[kTotalField] = norm::formatNormTotal(result.oxideTotal);
  const norm::NormVector& shown = result.shown(normType_);
  for (int m = 1; m <= norm::kMineralCount; ++m) outpt_[m - 1] = norm::formatNormEntry(shown[m]);
  outpt_[32] = norm::formatNormTotal(result.shownTotal(normType_));
  outpt_[33] = norm::formatNormTotal(shown[0]);
  txtMgratio_ = norm::formatMgNumber(result.mgNumber);
  properties_[4].value = result.mgNumber;

  // Every property shown after a calculation is this analysis's: one not computed now is emptied.
  const norm::MeltConditions meltConditions = conditions(true);
  const norm::MeltProperties melt = norm::computeMeltProperties(input.oxides, result, meltConditions);
  show(6, txtTemp_, melt.liquidusTemperature, norm::kLiquidusMask, texts::liquidusOutOfRange);
  show(1, txtDensity_, melt.liquidDensity, norm::kLiquidDensityMask);
  show(7, txtVisc_, melt.hasViscosity ? std::optional(melt.logViscosity) : std::nullopt, norm::kLogViscosityMask);
  show(5, txtCP_, melt.heatCapacity, norm::kHeatCapacityMask);
  show(3, txtDI_, melt.differentiationIndex, norm::kDifferentiationIndexMask);
  show(2, txtRkDen_, melt.rockDensity, norm::kRockDensityMask);
  // The effective viscosity stays only while the analysis and conditions it was computed for do.
  if (effViscBasis_ != ViscosityBasis{input.oxides, meltConditions}) show(8, txtEVisc_, std::nullopt, {});
  result_ = result;
}

void CipwForm::cmdEVisc() {
  std::vector<std::string> prompts(norm::kCrystalPrompts.begin(), norm::kCrystalPrompts.end());
  for (int entry = 0; entry < 2; ++entry) {
    InputNormwise dialog(std::string(norm::kCrystalDialogTitle), prompts, decimalSeparator_);
    prompts_.runModal(dialog);
    if (!dialog.accepted()) return;
    norm::CrystalLoad load;
    load.sizeMm = dialog.answers()[0];
    for (int k = 0; k < 7; ++k) load.percent[k] = dialog.answers()[k + 1];
    const norm::EffectiveViscosity viscosity =
        norm::computeEffectiveViscosity(oxideValues(), conditions(false), load, entry == 1);
    switch (viscosity.status) {
      case norm::EffectiveViscosityStatus::Ended: return;
      case norm::EffectiveViscosityStatus::Failed: ui::say(prompts_, std::string(norm::kViscosityCalcError)); return;
      case norm::EffectiveViscosityStatus::FractionTooLarge:
        ui::say(prompts_, std::string(norm::kFractionTooLarge));
        continue;
      case norm::EffectiveViscosityStatus::Done:
        show(7, txtVisc_, viscosity.residualLogViscosity, norm::kResidualViscosityMask);
        show(8, txtEVisc_, viscosity.effectiveLogViscosity, norm::kEffectiveViscosityMask);
        effViscBasis_ = ViscosityBasis{oxideValues(), conditions(false)};
        return;
    }
  }
}

std::vector<std::string> CipwForm::reportLines() const {
  ReportInput in;
  in.sampleName = sample_;
  in.oxides = oxideValues();
  for (float value : in.oxides) in.oxideTotal += value;
  in.type = normType_;
  if (result_) {
    in.normVector = result_->shown(normType_);
    in.normTotal = result_->shownTotal(normType_);
  }
  in.properties = properties_;
  return buildReport(in);
}

void CipwForm::print() {
  ui::FileRequest request;
  request.filter = std::string(texts::reportFilter);
  request.folder = programFolder_;
  const auto path = prompts_.saveFile(request);
  if (!path) return;
  std::string content;
  text::FileError error;
  if (text::fileExists(*path) && !text::readFile(*path, content, error)) {
    ui::say(prompts_, error.text + std::string(texts::checkFile));
    return;
  }
  if (!content.empty() && content.back() != '\n') content += "\r\n";
  content += text::joinLinesCrLf(reportLines());
  if (!text::writeFileAtomically(*path, content, error)) ui::say(prompts_, error.text + std::string(texts::checkFile));
}

void CipwForm::menuPrint() {
  if (const auto failure = printer_.printText({std::string(texts::printJobTitle), reportLines()}))
    ui::say(prompts_, *failure);
}

// ---- control state ----

std::string* CipwForm::box(const std::string& control, int index) {
  return const_cast<std::string*>(static_cast<const CipwForm*>(this)->box(control, index));
}

const std::string* CipwForm::box(const std::string& control, int index) const {
  if (control == "inpt") return index >= 0 && index < kInputFields ? &inpt_[index] : nullptr;
  if (control == "outpt") return index >= 0 && index < kOutputFields ? &outpt_[index] : nullptr;
  if (index != 0) return nullptr;
  static constexpr std::pair<const char*, std::string CipwForm::*> singles[] = {
      {"sample", &CipwForm::sample_},         {"txtTempin", &CipwForm::txtTempin_},
      {"txtPress", &CipwForm::txtPress_},     {"txtWater", &CipwForm::txtWater_},
      {"txtMgratio", &CipwForm::txtMgratio_}, {"txtTemp", &CipwForm::txtTemp_},
      {"txtDensity", &CipwForm::txtDensity_}, {"txtVisc", &CipwForm::txtVisc_},
      {"txtCP", &CipwForm::txtCP_},           {"txtDI", &CipwForm::txtDI_},
      {"txtRkDen", &CipwForm::txtRkDen_},     {"txtEVisc", &CipwForm::txtEVisc_}};
  for (const auto& [name, member] : singles)
    if (control == name) return &(this->*member);
  return nullptr;
}

std::optional<std::string> CipwForm::text(const std::string& control, int index) const {
  const std::string* field = box(control, index);
  if (!field) return std::nullopt;
  return *field;
}

bool CipwForm::setText(const std::string& control, int index, const std::string& text) {
  std::string* field = box(control, index);
  if (!field) return false;
  *field = text;
  focus_ = {control, index};
  return true;
}

std::vector<std::pair<std::string, std::string>> CipwForm::fields() const {
  std::vector<std::pair<std::string, std::string>> out;
  out.emplace_back("sample", sample_);
  for (int i = 0; i < kInputFields; ++i) out.emplace_back(indexed("inpt", i), inpt_[i]);
  out.emplace_back("Option1", flag(normType_ == norm::NormType::Weight));
  out.emplace_back("Option2", flag(normType_ == norm::NormType::Mole));
  for (int c = 1; c <= 4; ++c) out.emplace_back("Check" + format::shortestText(c), flag(checks_[c - 1]));
  out.emplace_back("CheckFe", flag(checkFe_));
  out.emplace_back("txtTempin", txtTempin_);
  out.emplace_back("txtPress", txtPress_);
  out.emplace_back("txtWater", txtWater_);
  for (int i = 0; i < kOutputFields; ++i) out.emplace_back(indexed("outpt", i), outpt_[i]);
  out.emplace_back("txtMgratio", txtMgratio_);
  out.emplace_back("txtTemp", txtTemp_);
  out.emplace_back("txtDensity", txtDensity_);
  out.emplace_back("txtVisc", txtVisc_);
  out.emplace_back("txtCP", txtCP_);
  out.emplace_back("txtDI", txtDI_);
  out.emplace_back("txtRkDen", txtRkDen_);
  out.emplace_back("txtEVisc", txtEVisc_);
  out.emplace_back("menuSample", flag(sampleMenuEnabled_));
  for (std::size_t s = 0; s < samples_.names.size(); ++s)
    out.emplace_back(indexed("psam", static_cast<int>(s) + 1), samples_.names[s]);
  return out;
}

}  // namespace lavix::normwise
