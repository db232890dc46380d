// The exchange area through which the generic dialogs receive prompts and return answers.
#include "lavix/data/DialogExchange.h"

#include <algorithm>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"

namespace lavix::data {

void DialogExchange::allocate(int16_t maxRows) {
  const auto entries = static_cast<std::size_t>(std::max<int>(maxRows, 1)) + 1;
  fieldText.assign(entries, {});
  fieldValue.assign(entries, 0.0f);
  fieldCount = 0;
  answer.clear();
  choice = listChoice = 0;
  listTitle.clear();
  listDoneCaption = false;
}

// A dialog never fails for want of room: the arrays grow to the number of entries.
void DialogExchange::fill(const std::string& title, const std::vector<std::string>& entries) {
  const std::size_t needed = entries.size() + 1;
  if (fieldText.size() < needed) fieldText.resize(needed);
  if (fieldValue.size() < needed) fieldValue.resize(needed, 0.0f);
  fieldText[0] = title;
  std::copy(entries.begin(), entries.end(), fieldText.begin() + 1);
  fieldCount = static_cast<int16_t>(std::min<std::size_t>(entries.size(), INT16_MAX));
}

bool DialogExchange::askNumbers(ui::PromptPort& prompts, const std::string& title,
                                const std::vector<std::string>& fieldPrompts, const std::vector<float>& presets) {
  fill(title, fieldPrompts);
  ui::NumbersRequest request{title, fieldPrompts, {}};
  for (std::size_t i = 0; i < fieldPrompts.size(); ++i) {
    const float preset = i < presets.size() ? presets[i] : 0.0f;
    fieldValue[i + 1] = preset;
    request.presets.push_back(format::shortestText(preset));
  }
  auto entered = prompts.numbers(request);
  if (!entered) {
    answer = "QUIT";
    return false;
  }
  answer.clear();
  for (std::size_t i = 0; i < fieldPrompts.size(); ++i)
    fieldValue[i + 1] = i < entered->size() ? text::parseNumber((*entered)[i], decimalSeparator) : 0.0f;
  return true;
}

int DialogExchange::askButton(ui::PromptPort& prompts, const std::string& title,
                              const std::vector<std::string>& choices, const std::string& keyLetters) {
  fill(title, choices);
  answer = keyLetters;
  const int chosen = prompts.buttons({title, choices, keyLetters});
  choice = static_cast<int16_t>(chosen >= 1 && chosen <= static_cast<int>(choices.size()) ? chosen : 0);
  return choice;
}

int DialogExchange::pickFromList(ui::PromptPort& prompts, const std::string& title,
                                 const std::vector<std::string>& items) {
  fill(title, items);
  listTitle = title;
  ui::ListResult result = prompts.pickList({title, items, listDoneCaption});
  const std::size_t n = std::min(result.items.size(), items.size());
  for (std::size_t i = 0; i < n; ++i) fieldText[i + 1] = result.items[i];
  listChoice = static_cast<int16_t>(
      result.listChoice >= 1 && result.listChoice <= static_cast<int>(items.size()) ? result.listChoice : 0);
  return listChoice;
}

}  // namespace lavix::data
