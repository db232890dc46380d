// The generic input dialog `inputNormwise`: a title and up to 50 prompts, each with a number entry.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/ui/Form.h"

namespace lavix::normwise {

class InputNormwise : public ui::FormModel {
 public:
  static constexpr int maxPrompts = 50;

  // Prompts beyond maxPrompts are dropped.
  InputNormwise(std::string title, std::vector<std::string> prompts, char decimalSeparator);

  std::string formName() const override { return "inputNormwise"; }
  bool isOpen() const override { return open_; }

  ui::EventResult click(const std::string& control, const std::string& item) override;
  ui::EventResult type(const std::string& control, int index, const std::string& text) override;
  ui::EventResult enter(const std::string& control, int index) override;
  ui::EventResult key(const std::string& control, int index, const std::string& keyName) override;
  std::vector<std::pair<std::string, std::string>> fields() const override;

  const std::string& title() const { return title_; }
  const std::vector<std::string>& prompts() const { return prompts_; }
  const std::vector<std::string>& entries() const { return entries_; }
  // 0-based entry position.
  void setEntry(int position, const std::string& text);
  int focusedEntry() const { return focus_; }

  void okbut();
  void canbut();

  bool accepted() const { return accepted_; }
  // answers()[i] belongs to prompt i (0-based); all 0 unless OK was pressed.
  const std::vector<float>& answers() const { return answers_; }

 private:
  std::string title_;
  std::vector<std::string> prompts_;
  std::vector<std::string> entries_;
  std::vector<float> answers_;
  char decimalSeparator_;
  int focus_ = 0;
  bool open_ = true;
  bool accepted_ = false;
};

}  // namespace lavix::normwise
