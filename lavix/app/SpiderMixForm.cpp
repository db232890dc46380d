// The spider mixing window `spimix` as a core model.
#include "lavix/app/SpiderMixForm.h"

#include <algorithm>
#include <set>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "lavix/models/Messages.h"
#include "lavix/app/ModelRows.h"
#include "lavix/app/SamplePicker.h"
#include "lavix/app/Session.h"
#include "lavix/models/ComponentMixing.h"
#include "lavix/models/IsotopeAmounts.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

const std::vector<std::string> slotCaptions = {"1", "2", "3", "4", "5"};

struct IsotopeColumn {
  int16_t ratio;
  int16_t concentration;
  models::IsotopeSystem system;
};

// Each ratio of the data set that has its element's concentration beside it.
std::vector<IsotopeColumn> isotopeSystems(const data::IsotopeColumns& i) {
  using models::IsotopeSystem;
  const IsotopeColumn all[] = {{i.sr87Sr86, i.sr, IsotopeSystem::sr86},         {i.nd143Nd144, i.nd, IsotopeSystem::nd144},
                               {i.hf176Hf177, i.hf, IsotopeSystem::hf177},       {i.os187Os186, i.os, IsotopeSystem::os186},
                               {i.pb206Pb204, i.pb, IsotopeSystem::pb204},       {i.pb207Pb204, i.pb, IsotopeSystem::pb204},
                               {i.pb208Pb204, i.pb, IsotopeSystem::pb204}};
  std::vector<IsotopeColumn> present;
  for (const IsotopeColumn& c : all)
    if (c.ratio > 0 && c.concentration > 0) present.push_back(c);
  return present;
}

}  // namespace

SpiderMixForm::SpiderMixForm(Session& session) : session_(session), status_(msg::readyFirst) {}

std::string SpiderMixForm::componentName(int slot) const {
  const int row = row_[static_cast<std::size_t>(slot)];
  if (row < 1 || row > session_.data.rowCount) return {};
  return session_.data.sampleName[static_cast<std::size_t>(row)];
}

ui::EventResult SpiderMixForm::click(const std::string& control, const std::string& item) {
  if (!open_) return ui::EventResult::Disabled;
  if (control == "pickco") {
    const int position = ui::findItem(slotCaptions, item);
    if (position == 0) return ui::EventResult::UnknownItem;
    pickco(position - 1);
  } else if (control == "done") {
    done();
  } else if (control == "Quit") {
    quit();
  } else {
    return ui::EventResult::UnknownControl;
  }
  return ui::EventResult::Done;
}

ui::EventResult SpiderMixForm::type(const std::string& control, int index, const std::string& text) {
  if (control != "perco") return ui::EventResult::UnknownControl;
  if (index < 1 || index > mixSlots) return ui::EventResult::UnknownItem;
  if (!open_) return ui::EventResult::Disabled;
  setCoefficient(index - 1, text);
  return ui::EventResult::Done;
}

std::vector<std::pair<std::string, std::string>> SpiderMixForm::fields() const {
  std::vector<std::pair<std::string, std::string>> out;
  out.emplace_back("instruct", msg::spimixInstructions);
  for (int slot = 0; slot < mixSlots; ++slot) {
    const std::string index = "(" + std::to_string(slot) + ")";
    out.emplace_back("coname" + index, componentName(slot));
    out.emplace_back("perco" + index, coefficientText(slot));
  }
  out.emplace_back("rlabel", status_);
  return out;
}

void SpiderMixForm::pickco(int slot) {
  const int row = pickSample(session_, msg::selectComponent + std::to_string(slot + 1), plottedSamples(session_)).row;
  if (row > 0) row_[static_cast<std::size_t>(slot)] = row;
}

void SpiderMixForm::done() {
  Session& s = session_;
  status_ = msg::readyAnother;
  std::string name, label;
  float sum = 0.0f;
  std::array<float, mixSlots> coefficient{};
  for (int slot = 0; slot < mixSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    coefficient[i] = text::parseNumber(coefficient_[i], s.decimalSeparator);
    sum += coefficient[i];
    if (coefficient[i] > 0.0f) {
      name += coefficient_[i] + componentName(slot);
      label += (label.empty() ? "mix " : ":") + text::trim(coefficient_[i]);
    }
  }
  if (!(sum > 0.0f)) return;
  if (!haveRoomForRows(s, 1)) {
    ui::say(s.prompts, msg::noRoomForRows);
    return;
  }
  const int row = appendModelRow(s, name, 9, label);
  std::set<int16_t> columns(s.spider.match.column.begin(), s.spider.match.column.end());
  for (int16_t column : columns) {
    if (column <= 0) continue;
    std::vector<models::MixPart> parts;
    for (int slot = 0; slot < mixSlots; ++slot) {
      const int component = row_[static_cast<std::size_t>(slot)];
      if (component < 1) continue;
      parts.push_back({coefficient[static_cast<std::size_t>(slot)] / sum, s.data.value(component, column)});
    }
    setModelValue(s, row, column, models::mixedConcentration(parts));
  }
  std::array<float, mixSlots> weight{};
  for (std::size_t i = 0; i < weight.size(); ++i) weight[i] = coefficient[i] / sum;
  writeIsotopes(row, weight);
}

// Isotope ratios mix by the amounts of their reference isotope, not by weight.
void SpiderMixForm::writeIsotopes(int row, const std::array<float, mixSlots>& weight) {
  Session& s = session_;
  for (const IsotopeColumn& system : isotopeSystems(s.data.isotope)) {
    std::vector<models::IsotopePart> parts;
    for (int slot = 0; slot < mixSlots; ++slot) {
      const int component = row_[static_cast<std::size_t>(slot)];
      if (component < 1) continue;
      const float ratio = s.data.value(component, system.ratio);
      if (ratio == 0.0f) continue;
      const data::IsotopeColumns& i = s.data.isotope;
      float leadSum = 0.0f;
      if (system.system == models::IsotopeSystem::pb204)
        for (int16_t lead : {i.pb206Pb204, i.pb207Pb204, i.pb208Pb204})
          if (lead > 0) leadSum += s.data.value(component, lead);
      parts.push_back({weight[static_cast<std::size_t>(slot)], s.data.value(component, system.concentration), ratio,
                       static_cast<float>(models::referenceIsotopeSum(system.system, ratio, leadSum))});
    }
    if (const auto ratio = models::mixedIsotopeRatio(parts)) setModelValue(s, row, system.ratio, *ratio);
  }
}

}  // namespace lavix::app
