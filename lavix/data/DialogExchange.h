// The exchange area through which the generic dialogs (numeric input, button menu, list
// picker) receive their prompts and return their answers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/ui/Prompts.h"

namespace lavix::data {

class DialogExchange {
 public:
  // Entry 0 is the window title; 1..n the prompts, choices or list items.
  std::vector<std::string> fieldText;
  std::vector<float> fieldValue;  // 1..n: the numeric input's values
  int16_t fieldCount = 0;
  // "QUIT" after a cancelled numeric input; the key letters while a button menu is open.
  std::string answer;
  int16_t choice = 0;      // 1..n: the button chosen in the button menu
  int16_t listChoice = 0;  // last item clicked in the list picker; 0 after its Quit button
  std::string listTitle;
  bool listDoneCaption = false;  // the list picker's OK button reads "Done"
  char decimalSeparator = '.';

  // maxRows entries (plus the title slot), all empty.
  void allocate(int16_t maxRows);

  // The numeric input `inputfrm`. OK stores each field read with parseNumber into
  // fieldValue[i] and clears `answer`; Cancel sets `answer` to "QUIT" and leaves the
  // presets in fieldValue. Returns false after Cancel.
  bool askNumbers(ui::PromptPort& prompts, const std::string& title, const std::vector<std::string>& fieldPrompts,
                  const std::vector<float>& presets);

  // The button menu `butt`; returns `choice` (1..n).
  int askButton(ui::PromptPort& prompts, const std::string& title, const std::vector<std::string>& choices,
                const std::string& keyLetters);

  // The list picker `menulst`. Items carry their mark as first character ("*" or " ");
  // the marks come back in fieldText[1..n]. Returns `listChoice`.
  int pickFromList(ui::PromptPort& prompts, const std::string& title, const std::vector<std::string>& items);

 private:
  void fill(const std::string& title, const std::vector<std::string>& entries);
};

}  // namespace lavix::data
