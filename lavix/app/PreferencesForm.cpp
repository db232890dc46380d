// The preferences window `pref`: edits the values of lxpref.ini in memory and writes them
// only through "Save new preferences".
#include "lavix/app/PreferencesForm.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <type_traits>

#include "common/format/NumberFormat.h"
#include "common/graphics/Recording.h"
#include "common/text/Text.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/app/SymbolForm.h"
#include "lavix/calc/Normalisation.h"

namespace lavix::app {

namespace {

// The option pairs: control, caption, and the value each stands for.
struct Option {
  const char* control;
  const char* caption;
};
constexpr Option options[] = {{"ffo1", "File Filter "}, {"ffo2", "OFF"},           {"yax1", "90 Degrees"},
                              {"yax2", "270 Degrees"},  {"Optionv", "Vertical"},   {"Optionh", "Horizontal"},
                              {"OptionHRon", "Label on"}, {"OptionHRoff", "Label off"}};

int16_t wholeNumber(float value, long low, long high) {
  if (!std::isfinite(value)) return static_cast<int16_t>(low);
  return static_cast<int16_t>(std::clamp(std::lround(std::clamp(value, -1e9f, 1e9f)), low, high));
}

}  // namespace

float limitedWindowScale(float scale) {
  if (!(scale >= 0.5f)) return 0.5f;
  return std::min(scale, 1.0f);
}

PreferencesForm::PreferencesForm(Session& session)
    : session_(session), winscale_(format::shortestText(session.preferences.windowScale)),
      acceptedWinscale_(winscale_) {
  for (const Option& option : options) {
    const std::string control = option.control;
    commands_.add({control, option.caption, [this, control](const std::string&) { choose(control); }, {}});
  }
  auto add = [this](const char* name, const char* caption, void (PreferencesForm::*event)()) {
    commands_.add({name, caption, [this, event](const std::string&) { (this->*event)(); }, {}});
  };
  add("cmdFont", "Set deflt. Font", &PreferencesForm::cmdFont);
  add("datadir", "Set data path", &PreferencesForm::datadir);
  add("symdir", "Set symbol file", &PreferencesForm::symdir);
  add("setnrm", "Set nrm. file", &PreferencesForm::setnrm);
  add("miscp", "Miscellaneous", &PreferencesForm::miscp);
  add("saveini", "Save new preferences", &PreferencesForm::saveini);
  add("qebut", "Exit", &PreferencesForm::qebut);
}

ui::EventResult PreferencesForm::click(const std::string& control, const std::string& item) {
  if (!open_ && commands_.find(control)) return ui::EventResult::Disabled;
  return commands_.run(control, item);
}

ui::EventResult PreferencesForm::type(const std::string& control, int index, const std::string& text) {
  if (control != "winscale") return ui::EventResult::UnknownControl;
  if (index != 0) return ui::EventResult::UnknownItem;
  if (!open_) return ui::EventResult::Disabled;
  setWinscaleText(text);
  return ui::EventResult::Done;
}

ui::EventResult PreferencesForm::enter(const std::string& control, int index) {
  if (control != "winscale") return ui::EventResult::UnknownControl;
  if (index != 0) return ui::EventResult::UnknownItem;
  if (!open_) return ui::EventResult::Disabled;
  winscaleEntered();
  return ui::EventResult::Done;
}

bool PreferencesForm::isChosen(const std::string& option) const {
  const Preferences& p = session_.preferences;
  if (option == "ffo1") return p.readFilterOn != 0;
  if (option == "ffo2") return p.readFilterOn == 0;
  if (option == "yax1") return p.printerYAxisAngle == 900;
  if (option == "yax2") return p.printerYAxisAngle != 900;
  if (option == "Optionv") return p.yLabelOrientation != -1;
  if (option == "Optionh") return p.yLabelOrientation == -1;
  if (option == "OptionHRon") return p.histRegLabelsOn != 0;
  if (option == "OptionHRoff") return p.histRegLabelsOn == 0;
  return false;
}

void PreferencesForm::choose(const std::string& option) {
  Preferences& p = session_.preferences;
  if (option == "ffo1" || option == "ffo2") p.readFilterOn = option == "ffo1" ? 1 : 0;
  if (option == "yax1" || option == "yax2") p.printerYAxisAngle = option == "yax1" ? 900 : 2700;
  if (option == "OptionHRon" || option == "OptionHRoff") p.histRegLabelsOn = option == "OptionHRon" ? 1 : 0;
  if (option == "Optionv" || option == "Optionh") {
    // The main window's Vertical and Horizontal Y label marks follow.
    p.yLabelOrientation = option == "Optionv" ? 1 : -1;
    session_.diagram.yLabelOrientation = p.yLabelOrientation;
  }
}

std::string PreferencesForm::dataFolderLabel() const { return session_.dataFolder; }
std::string PreferencesForm::symbolFileLabel() const { return currentSymbolPath(session_); }

std::string PreferencesForm::normalisationLabel() const {
  const std::string& file = session_.preferences.normalisationFile;
  return text::equalsIgnoreCase(file, "DEFAULT") ? session_.controlsPath("default.nrm.txt") : file;
}

std::string PreferencesForm::fontLabel() const {
  const Preferences& p = session_.preferences;
  return format::shortestText(p.labelFontSize) + "Pt " + (p.labelFontBold ? "Bold " : "") +
         (p.labelFontItalic ? "Italic " : "") + p.labelFontName;
}

std::vector<std::pair<std::string, std::string>> PreferencesForm::fields() const {
  std::vector<std::pair<std::string, std::string>> out;
  for (const Option& option : options) out.emplace_back(option.control, isChosen(option.control) ? "1" : "0");
  out.emplace_back("winscale", winscale_);
  out.emplace_back("dirlab", dataFolderLabel());
  out.emplace_back("symlab", symbolFileLabel());
  out.emplace_back("nrmname", normalisationLabel());
  out.emplace_back("Labfont", fontLabel());
  return out;
}

bool PreferencesForm::winscaleIsNumber() {
  double typed = 0;
  if (text::tryParseNumber(winscale_, session_.decimalSeparator, typed) && std::isfinite(typed)) return true;
  ui::say(session_.prompts, windowScaleRange.refusal(winscale_) + messages::itStays + acceptedWinscale_ + ".");
  winscale_ = acceptedWinscale_;
  return false;
}

void PreferencesForm::winscaleEntered() {
  if (!winscaleIsNumber()) return;
  const float typed = text::parseNumber(winscale_, session_.decimalSeparator);
  if (typed > 1.0f) winscale_ = "1";
  if (!(typed >= 0.5f)) winscale_ = "0.5";
  acceptedWinscale_ = winscale_;
  ui::say(session_.prompts, std::string(prefText::winscaleNextStart) + "\n" + prefText::winscaleSaveFirst);
}

void PreferencesForm::cmdFont() {
  Preferences& p = session_.preferences;
  const auto font = session_.prompts.font(prefText::fontTitle, {p.labelFontName, static_cast<double>(p.labelFontSize),
                                                               p.labelFontBold != 0, p.labelFontItalic != 0});
  if (!font) return;
  if (!text::trim(font->name).empty()) p.labelFontName = text::trim(font->name);
  p.labelFontSize = wholeNumber(static_cast<float>(font->size), 1, 32767);
  p.labelFontBold = font->bold ? 1 : 0;
  p.labelFontItalic = font->italic ? 1 : 0;
  // The label colour goes with the font, as the platform's font dialog has it.
  const graphics::Colour current = session_.symbols.textColour;
  const auto colour = session_.prompts.colour(
      prefText::labelColourTitle, {graphics::redOf(current), graphics::greenOf(current), graphics::blueOf(current)});
  if (colour)
    session_.symbols.textColour = std::clamp(colour->red, 0, 255) + 256 * std::clamp(colour->green, 0, 255) +
                                  65536 * std::clamp(colour->blue, 0, 255);
}

void PreferencesForm::datadir() {
  ui::say(session_.prompts, prefText::selectDataFile);
  ui::FileRequest request;
  request.filter = messages::openFilter;
  request.folder = session_.dataFolder;
  request.mustExist = true;
  const auto chosen = session_.prompts.openFile(request);
  if (!chosen || chosen->empty()) return;
  std::string folder = std::filesystem::path(*chosen).parent_path().string();
  if (folder.empty()) folder = ".";
  session_.dataFolder = folder;
  session_.preferences.dataFolder = folder;
}

void PreferencesForm::symdir() {
  ui::FileRequest request;
  request.filter = prefText::symbolFilter;
  request.folder = session_.baseFolder;
  request.defaultName = currentSymbolPath(session_);
  request.mustExist = true;
  const auto chosen = session_.prompts.openFile(request);
  if (!chosen || chosen->empty()) return;
  loadSymbolFile(session_, *chosen);
}

void PreferencesForm::setnrm() {
  calc::NormalisationContext context{session_.prompts, session_.baseFolder, session_.preferences.normalisationFile,
                                     session_.normalisation, session_.data, session_.standard};
  calc::setNormalisation(context);
}

void PreferencesForm::miscp() {
  Preferences& p = session_.preferences;
  const std::vector<std::string> prompts(std::begin(prefText::miscPrompts), std::end(prefText::miscPrompts));
  const std::vector<float> presets = {p.tickHeight,         static_cast<float>(p.largeXTickEvery),
                                      static_cast<float>(p.largeYTickEvery), p.feRatioTemperature,
                                      p.feRatioLogFO2,      static_cast<float>(p.maxColumns),
                                      static_cast<float>(p.maxRows)};
  if (!session_.exchange.askNumbers(session_.prompts, prefText::miscTitle, prompts, presets)) return;
  // A value outside its range keeps the old one and is named in one message; the others are taken.
  std::string refused;
  const auto take = [&](int field, const PreferenceRange& range, auto& target) {
    const float entered = session_.exchange.fieldValue[static_cast<std::size_t>(field)];
    if (range.contains(entered)) {
      target = static_cast<std::remove_reference_t<decltype(target)>>(entered);
      return;
    }
    refused += (refused.empty() ? "" : "\n") + range.refusal(format::shortestText(entered)) + messages::itStays +
               format::shortestText(target) + ".";
  };
  take(1, tickHeightRange, p.tickHeight);
  take(2, largeXTickRange, p.largeXTickEvery);
  take(3, largeYTickRange, p.largeYTickEvery);
  take(4, feTemperatureRange, p.feRatioTemperature);
  take(5, feLogFO2Range, p.feRatioLogFO2);
  // The sizes take effect when the matrix is next allocated.
  take(6, matrixColumnsRange, p.maxColumns);
  take(7, matrixRowsRange, p.maxRows);
  if (!refused.empty()) ui::say(session_.prompts, refused);
  session_.diagram.x.largeTickEvery = p.largeXTickEvery;
  session_.diagram.y.largeTickEvery = p.largeYTickEvery;
  session_.feRatio = feRatioTerm(p.feRatioTemperature, p.feRatioLogFO2);
}

void PreferencesForm::saveini() {
  if (!winscaleIsNumber()) return;
  Preferences& p = session_.preferences;
  p.windowScale = limitedWindowScale(text::parseNumber(winscale_, session_.decimalSeparator));
  text::FileError error;
  // Written whole beside the old file and renamed over it: a failed write keeps the old one.
  if (!writePreferences(session_.controlsPath("lxpref.ini"), p, error)) {
    ui::say(session_.prompts, error.text + messages::errorNumber + std::to_string(error.number));
    return;
  }
  open_ = false;
}

void mview(Session& session) {
  PreferencesForm form(session);
  session.prompts.runModal(form);
  redrawDiagram(session);
}

}  // namespace lavix::app
