// The preferences window `pref`: edits the values of lxpref.ini in memory and writes them
// only through "Save new preferences".
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"

namespace lavix::app {

class Session;

// The user texts of the preferences window, in one place.
namespace prefText {
inline constexpr const char* caption = "Preferences";
inline constexpr const char* fileFilterFrame = "File Filter";
inline constexpr const char* yAxisFrame = "Printer's Y-axis";
inline constexpr const char* yLabelFrame = "Y-Label";
inline constexpr const char* histRegFrame = "Hist-Reg Labels";
inline constexpr const char* winscaleNextStart = "This change will occur next time you start Lavix";
inline constexpr const char* winscaleSaveFirst = "if you click 'Save new preferences' after closing this message!";
inline constexpr const char* selectDataFile = "Select a data file from the directory you want to make the default";
inline constexpr const char* symbolFilter = "Symbols (.sym)|*.sym|";
inline constexpr const char* fontTitle = "Set deflt. Font";
inline constexpr const char* labelColourTitle = "Label colour";
inline constexpr const char* miscTitle = "Misc. Controls";
inline constexpr const char* miscPrompts[] = {
    "Tick Height, .025 = 2.5% of axis",       "large X ticks every __ tick, 0 for none",
    "large Y ticks every __ tick, 0 for none", "Temp used adjust fe2/fe3 ratio",
    "fO2 used adjust fe2/fe3 ratio",          "# of Columns in data matrix",
    "# of Rows in data matrix"};
}  // namespace prefText

// Controls (script names): the option pairs ffo1/ffo2, yax1/yax2, Optionv/Optionh,
// OptionHRon/OptionHRoff; the buttons cmdFont, datadir, symdir, setnrm, miscp, saveini, qebut;
// the box winscale (type, enter). The values change in memory as the controls are used.
class PreferencesForm : public ui::FormModel {
 public:
  explicit PreferencesForm(Session& session);

  std::string formName() const override { return "pref"; }
  bool isOpen() const override { return open_; }
  ui::EventResult click(const std::string& control, const std::string& item) override;
  ui::EventResult type(const std::string& control, int index, const std::string& text) override;
  ui::EventResult enter(const std::string& control, int index) override;
  // The options as 1 or 0, winscale, and the labels dirlab, symlab, nrmname, Labfont.
  std::vector<std::pair<std::string, std::string>> fields() const override;

  const ui::CommandTable& commands() const { return commands_; }
  // Whether an option of a pair is the chosen one.
  bool isChosen(const std::string& option) const;
  const std::string& winscaleText() const { return winscale_; }
  std::string dataFolderLabel() const;
  std::string symbolFileLabel() const;
  std::string normalisationLabel() const;
  std::string fontLabel() const;

  // The events, for the views.
  void choose(const std::string& option);
  void setWinscaleText(const std::string& text) { winscale_ = text; }
  void winscaleEntered();
  void cmdFont();
  void datadir();
  void symdir();
  void setnrm();
  void miscp();
  void saveini();
  void qebut() { open_ = false; }

 private:
  // False, with a message and the last accepted text back in the box, when the box holds no number.
  bool winscaleIsNumber();

  Session& session_;
  ui::CommandTable commands_;
  std::string winscale_;
  std::string acceptedWinscale_;  // the box's text when opened or last entered
  bool open_ = true;
};

// `mview`: the preferences window, modally; the diagram is drawn again after it.
void mview(Session& session);

// A window scale as the box keeps it: above 1 is 1, below 0.5 (or no number) is 0.5.
float limitedWindowScale(float scale);

}  // namespace lavix::app
