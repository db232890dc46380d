// One window event written as a script line (`click CONTROL [ITEM]` ...), parsed and applied.
#include "common/ui/FormEvent.h"

namespace lavix::ui {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Takes the next blank-delimited word off the front of `rest`; `rest` then starts after
// the single run of blanks that follows the word.
std::string_view nextWord(std::string_view& rest) {
  std::size_t start = 0;
  while (start < rest.size() && isBlank(rest[start])) ++start;
  std::size_t end = start;
  while (end < rest.size() && !isBlank(rest[end])) ++end;
  std::string_view word = rest.substr(start, end - start);
  std::size_t next = end;
  while (next < rest.size() && isBlank(rest[next])) ++next;
  rest.remove_prefix(next);
  return word;
}

// Takes a leading "#n" off `rest` when there is one.
int takePosition(std::string_view& rest) {
  std::string_view copy = rest;
  const std::string_view word = nextWord(copy);
  if (auto position = itemPosition(std::string(word))) {
    rest = copy;
    return *position;
  }
  return 0;
}

FormEventParse failed(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

FormEventParse parseFormEvent(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::string_view rest = line;
  const std::string verb(nextWord(rest));
  FormEvent event;
  if (verb == "click") {
    event.kind = FormEventKind::Click;
  } else if (verb == "type") {
    event.kind = FormEventKind::Type;
  } else if (verb == "enter") {
    event.kind = FormEventKind::Enter;
  } else if (verb == "key") {
    event.kind = FormEventKind::Key;
  } else {
    return failed("unknown verb \"" + verb + "\"");
  }
  event.control = std::string(nextWord(rest));
  if (event.control.empty()) return failed(verb + " needs a control");

  switch (event.kind) {
    case FormEventKind::Click:
      event.text = std::string(rest);
      break;
    case FormEventKind::Type:
      event.index = takePosition(rest);
      event.text = std::string(rest);
      break;
    case FormEventKind::Enter:
      event.index = takePosition(rest);
      if (!rest.empty()) return failed("enter takes a control and an optional #n only");
      break;
    case FormEventKind::Key:
      event.index = takePosition(rest);
      event.text = std::string(nextWord(rest));
      if (event.text.empty()) return failed("key needs a key name");
      if (!rest.empty()) return failed("key takes one key name");
      break;
  }
  return {std::move(event), {}};
}

EventResult applyFormEvent(FormModel& form, const FormEvent& event) {
  switch (event.kind) {
    case FormEventKind::Click:
      return form.click(event.control, event.text);
    case FormEventKind::Type:
      return form.type(event.control, event.index, event.text);
    case FormEventKind::Enter:
      return form.enter(event.control, event.index);
    case FormEventKind::Key:
      return form.key(event.control, event.index, event.text);
  }
  return EventResult::UnknownControl;
}

std::string eventFailureText(EventResult result, const FormEvent& event, const std::string& itemForm) {
  switch (result) {
    case EventResult::Done:
      return {};
    case EventResult::UnknownControl:
      return "unknown control " + event.control;
    case EventResult::UnknownItem:
      if (event.kind == FormEventKind::Click)
        return "unknown item " + event.text + " of " + event.control +
               (itemForm.empty() ? std::string() : " (it takes " + itemForm + ")");
      return event.control + " has no such entry";
    case EventResult::Disabled:
      return event.control + " is not available";
  }
  return {};
}

}  // namespace lavix::ui
