// The generic number input dialog of normwise.
#include "normwise/InputNormwise.h"

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::normwise {

InputNormwise::InputNormwise(std::string title, std::vector<std::string> prompts, char decimalSeparator)
    : title_(std::move(title)), prompts_(std::move(prompts)), decimalSeparator_(decimalSeparator) {
  if (prompts_.size() > static_cast<std::size_t>(maxPrompts)) prompts_.resize(maxPrompts);
  entries_.assign(prompts_.size(), std::string());
  answers_.assign(prompts_.size(), 0.0f);
}

void InputNormwise::setEntry(int position, const std::string& text) {
  if (position < 0 || position >= static_cast<int>(entries_.size())) return;
  entries_[position] = text;
  focus_ = position;
}

void InputNormwise::okbut() {
  answers_.assign(prompts_.size(), 0.0f);
  for (std::size_t i = 0; i < entries_.size(); ++i) answers_[i] = text::parseNumber(entries_[i], decimalSeparator_);
  accepted_ = true;
  open_ = false;
}

void InputNormwise::canbut() {
  accepted_ = false;
  open_ = false;
}

ui::EventResult InputNormwise::click(const std::string& control, const std::string& item) {
  if (!item.empty()) return ui::EventResult::UnknownItem;
  if (control == "okbut") {
    okbut();
  } else if (control == "canbut") {
    canbut();
  } else {
    return ui::EventResult::UnknownControl;
  }
  return ui::EventResult::Done;
}

ui::EventResult InputNormwise::type(const std::string& control, int index, const std::string& text) {
  if (control != "entry") return ui::EventResult::UnknownControl;
  if (index < 1 || index > static_cast<int>(entries_.size())) return ui::EventResult::UnknownItem;
  setEntry(index - 1, text);
  return ui::EventResult::Done;
}

ui::EventResult InputNormwise::enter(const std::string& control, int index) { return key(control, index, "Enter"); }

ui::EventResult InputNormwise::key(const std::string& control, int index, const std::string& keyName) {
  if (control != "entry") return ui::EventResult::UnknownControl;
  const int count = static_cast<int>(entries_.size());
  if (index < 1 || index > count) return ui::EventResult::UnknownItem;
  const int at = index - 1;
  if (keyName == "Enter" || keyName == "Down") {
    focus_ = (at + 1) % count;
  } else if (keyName == "Up") {
    focus_ = (at + count - 1) % count;
  } else {
    focus_ = at;  // other keys only type into the field
  }
  return ui::EventResult::Done;
}

std::vector<std::pair<std::string, std::string>> InputNormwise::fields() const {
  std::vector<std::pair<std::string, std::string>> out;
  out.emplace_back("title", title_);
  for (std::size_t i = 0; i < prompts_.size(); ++i) {
    out.emplace_back("prompt(" + format::shortestText(static_cast<int>(i + 1)) + ")", prompts_[i]);
    out.emplace_back("entry(" + format::shortestText(static_cast<int>(i + 1)) + ")", entries_[i]);
  }
  return out;
}

}  // namespace lavix::normwise
