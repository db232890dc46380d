// One window event written as a script line (`click CONTROL [ITEM]` ...), parsed and applied.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/ui/Form.h"

namespace lavix::ui {

enum class FormEventKind { Click, Type, Enter, Key };

struct FormEvent {
  FormEventKind kind = FormEventKind::Click;
  std::string control;
  // Type, Enter, Key: the position n of `#n` in an array of boxes (1 = first entry, whatever
  // the array's own first index); 0 when the line names no entry.
  int index = 0;
  // Click: the ITEM ("" none; "X Y" for a click on a picture); Type: the text; Key: the key name.
  std::string text;
};

struct FormEventParse {
  std::optional<FormEvent> event;
  std::string error;  // why the line is not an event, when `event` is empty
};

// Reads `click CONTROL [ITEM]`, `type CONTROL [#n] TEXT`, `enter CONTROL [#n]` and
// `key CONTROL [#n] KEY`. ITEM and TEXT are the rest of the line, blanks included; a
// trailing CR is dropped. A `type` text that itself reads "#n" must follow an explicit
// position, as the first "#n" after the control is taken as one.
FormEventParse parseFormEvent(std::string_view line);

// Sends the event to the window.
EventResult applyFormEvent(FormModel& form, const FormEvent& event);

// "unknown control X", "unknown item ITEM of X" (followed by " (it takes ITEMFORM)" when
// `itemForm` says what X takes; "X has no such entry" for a box position), "X is not
// available"; "" for Done.
std::string eventFailureText(EventResult result, const FormEvent& event, const std::string& itemForm = {});

}  // namespace lavix::ui
