// The spider mixing window `spimix`: up to five plotted samples mixed in typed proportions,
// each mixture appended as a new row and plotted with the others.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"

namespace lavix::app {

class Session;

inline constexpr int mixSlots = 5;

// Controls (script names; slots are #1..#5, entries 0..4 of the arrays):
//   click pickco #n        choose the component of slot n from the plotted samples
//   type perco #n TEXT     its coefficient
//   click done             "Calculate/Add": append the mixture
//   click Quit
// Labels: instruct, coname(0..4), rlabel.
class SpiderMixForm : public ui::FormModel {
 public:
  explicit SpiderMixForm(Session& session);

  std::string formName() const override { return "spimix"; }
  bool isOpen() const override { return open_; }

  ui::EventResult click(const std::string& control, const std::string& item) override;
  ui::EventResult type(const std::string& control, int index, const std::string& text) override;
  // instruct, coname(i), perco(i), rlabel.
  std::vector<std::pair<std::string, std::string>> fields() const override;

  // What the view shows; slots 0..4.
  std::string componentName(int slot) const;
  const std::string& coefficientText(int slot) const { return coefficient_[static_cast<std::size_t>(slot)]; }
  const std::string& status() const { return status_; }

  // The events.
  void pickco(int slot);
  void setCoefficient(int slot, const std::string& text) { coefficient_[static_cast<std::size_t>(slot)] = text; }
  void done();
  void quit() { open_ = false; }

 private:
  void writeIsotopes(int row, const std::array<float, mixSlots>& weight);

  Session& session_;
  std::array<int, mixSlots> row_{};  // 0: empty
  std::array<std::string, mixSlots> coefficient_;
  std::string status_;
  bool open_ = true;
};

}  // namespace lavix::app
