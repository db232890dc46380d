// The spider model window `spimod`: partition coefficients, mineral modes, source and
// contaminant, the F list and the model's settings; Make Calculations appends the model rows.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"

namespace lavix::app {

class Session;

// Controls (script names):
//   click readpcs, mantmode, meltmode, selsource, selcontam, calcs, clnup, quit
//   click Option1 Normal|Inverse (or #1, #2)
//   type melttxt, insituf, liqdens, soldens, porosity TEXT
// Labels: modlab (model and mode), eqnlab (the equation and its source), pcslab, mdi, mpi,
// sourcelab, contamlab, fslab, insitu2. Hidden controls take no events.
class SpiderModelForm : public ui::FormModel {
 public:
  // Opens the window on the session's model state (the model and mode chosen before).
  explicit SpiderModelForm(Session& session);

  std::string formName() const override { return "spimod"; }
  bool isOpen() const override { return open_; }

  ui::EventResult click(const std::string& control, const std::string& item) override;
  ui::EventResult type(const std::string& control, int index, const std::string& text) override;
  // The visible controls with their texts; Option1(0) and Option1(1) as 1 or 0.
  std::vector<std::pair<std::string, std::string>> fields() const override;

  // What the view shows.
  bool isVisible(const std::string& control) const;
  std::string text(const std::string& control) const;  // a label's or a box's text
  std::string caption(const std::string& control) const;  // a button's or a label's caption
  bool inverse() const { return inverse_; }

  // The events.
  void readpcs();
  void mantmode() { enterModes(false); }
  void meltmode() { enterModes(true); }
  void selsource() { chooseRow(false); }
  void selcontam() { chooseRow(true); }
  void setInverse(bool inverse) { inverse_ = inverse; }
  void setText(const std::string& control, const std::string& text);
  void calcs();
  void clnup();
  void quit() { open_ = false; }

 private:
  bool isAfc() const;
  void enterModes(bool melt);
  void chooseRow(bool contaminant);
  std::string rowLabel(int row) const;

  Session& session_;
  std::string meltText_;
  std::string liquidText_ = "2.7", solidText_ = "3.0", porosityText_ = ".05";
  bool inverse_ = false;
  bool open_ = true;
};

}  // namespace lavix::app
