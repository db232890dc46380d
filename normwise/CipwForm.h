// The core model of the normwise main form `cipw`: one analysis, its norm, melt properties and report.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/norm/Cipw.h"
#include "common/norm/MeltProperties.h"
#include "common/ui/Form.h"
#include "common/ui/PrinterPort.h"
#include "common/ui/Prompts.h"
#include "normwise/NormReport.h"
#include "normwise/SampleFile.h"

namespace lavix::normwise {

inline constexpr int kInputFields = norm::kOxideCount + 1;  // inpt(0..23) oxides, inpt(24) total
inline constexpr int kOutputFields = 34;                     // outpt(0..31) minerals, 32 total, 33 An

// Where the keyboard focus is: a control name and, for arrays, its own index.
struct Focus {
  std::string control = "inpt";
  int index = 0;
  bool operator==(const Focus&) const = default;
};

class CipwForm : public ui::FormModel {
 public:
  // `programFolder`: where file dialogs start (the working folder of the program).
  CipwForm(ui::PromptPort& prompts, ui::PrinterPort& printer, std::string programFolder, char decimalSeparator);

  std::string formName() const override { return "cipw"; }
  bool isOpen() const override { return open_; }
  ui::EventResult click(const std::string& control, const std::string& item) override;
  ui::EventResult type(const std::string& control, int index, const std::string& text) override;
  ui::EventResult enter(const std::string& control, int index) override;
  ui::EventResult key(const std::string& control, int index, const std::string& keyName) override;
  std::vector<std::pair<std::string, std::string>> fields() const override;

  const ui::CommandTable& commands() const { return commands_; }

  // ---- events, one per control ----
  void fileread();
  void psam(int sample);  // 1-based
  void Clear();
  void Quitmenu();
  void calc();
  void cmdEVisc();
  void print();
  void menuPrint();
  void Option1();
  void Option2();
  void clickCheck(int which);  // Check1..Check4
  void CheckFe();

  // ---- control state ----
  // Text boxes by name and own index: inpt, outpt (arrays), sample, txtTempin, txtPress,
  // txtWater, txtMgratio, txtTemp, txtDensity, txtVisc, txtCP, txtDI, txtRkDen, txtEVisc.
  std::optional<std::string> text(const std::string& control, int index = 0) const;
  // False when there is no such box; typing moves the focus there.
  bool setText(const std::string& control, int index, const std::string& text);
  // Moves the focus as Enter, Up or Down pressed in that box would; false for another box.
  bool navigate(const std::string& control, int index, const std::string& keyName);
  const Focus& focus() const { return focus_; }

  norm::NormType normType() const { return normType_; }
  bool check(int which) const { return checks_[which - 1]; }  // 1..4
  bool checkFe() const { return checkFe_; }
  bool sampleMenuEnabled() const { return sampleMenuEnabled_; }
  const std::vector<std::string>& sampleNames() const { return samples_.names; }
  const PropertyList& properties() const { return properties_; }
  // The report block of the current analysis and norm.
  std::vector<std::string> reportLines() const;

 private:
  void buildCommands();
  void cleartextboxes();
  // Why the analysis or conditions on the form cannot be calculated; nullopt when they can.
  std::optional<std::string> refusal() const;
  std::array<float, norm::kOxideCount> oxideValues() const;
  // With writeBack an empty or zero temperature field is set to the 1200 used.
  norm::MeltConditions conditions(bool writeBack);
  // Sets a property and its field; an absent value empties the field and keeps why for the report.
  void show(int property, std::string& field, std::optional<float> value, std::string_view mask,
            std::string_view whyNot = {});
  std::string* box(const std::string& control, int index);
  const std::string* box(const std::string& control, int index) const;

  ui::PromptPort& prompts_;
  ui::PrinterPort& printer_;
  std::string programFolder_;
  char decimalSeparator_;
  ui::CommandTable commands_;
  bool open_ = true;

  std::array<std::string, kInputFields> inpt_;
  std::array<std::string, kOutputFields> outpt_;
  std::string sample_;
  std::string txtTempin_, txtPress_, txtWater_;
  std::string txtMgratio_, txtTemp_, txtDensity_, txtVisc_, txtCP_, txtDI_, txtRkDen_, txtEVisc_;
  norm::NormType normType_ = norm::NormType::Weight;
  std::array<bool, 4> checks_{};
  bool checkFe_ = false;
  std::string keptFeO_, keptFe2O3_;

  SampleFile samples_;
  bool sampleMenuEnabled_ = false;
  Focus focus_;

  std::optional<norm::CipwResult> result_;
  PropertyList properties_;
  struct ViscosityBasis {
    std::array<float, norm::kOxideCount> oxides;
    norm::MeltConditions conditions;
    bool operator==(const ViscosityBasis&) const = default;
  };
  std::optional<ViscosityBasis> effViscBasis_;  // what the shown effective viscosity was computed for
};

}  // namespace lavix::normwise
