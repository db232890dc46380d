// The prompt and clipboard ports of batch mode: answers come from the script's `>` lines.
#include "common/ui/ScriptedPrompts.h"

#include <cmath>
#include <filesystem>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "common/ui/FormEvent.h"

namespace lavix::ui {

namespace {

bool isToken(const std::string& answer, std::string_view token) {
  return text::equalsIgnoreCase(text::trim(answer), token);
}

bool isCancel(const std::string& answer) { return isToken(answer, "[cancel]"); }

std::string quoted(const std::string& answer) { return "\"" + answer + "\""; }

// Splits at `separator`, keeping empty parts.
std::vector<std::string> split(const std::string& textToSplit, std::string_view separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t at = textToSplit.find(separator, start);
    if (at == std::string::npos) {
      parts.push_back(textToSplit.substr(start));
      return parts;
    }
    parts.push_back(textToSplit.substr(start, at - start));
    start = at + separator.size();
  }
}

// A caption as the user reads it: "&Quit=No" is "Quit=No", "&&" a literal "&".
std::string withoutAccelerators(const std::string& caption) {
  std::string result;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') result += '&', ++i;
      continue;
    }
    result += caption[i];
  }
  return text::trim(result);
}

std::string titled(const std::string& title) { return title.empty() ? std::string() : " | title: " + title; }

struct BoxButton {
  const char* caption;
  MessageResult result;
};

std::vector<BoxButton> boxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return {{"OK", MessageResult::Ok}};
    case MessageButtons::OkCancel:
      return {{"OK", MessageResult::Ok}, {"Cancel", MessageResult::Cancel}};
    case MessageButtons::YesNo:
      return {{"Yes", MessageResult::Yes}, {"No", MessageResult::No}};
    case MessageButtons::YesNoCancel:
      return {{"Yes", MessageResult::Yes}, {"No", MessageResult::No}, {"Cancel", MessageResult::Cancel}};
  }
  return {{"OK", MessageResult::Ok}};
}

// What a box gives when left without a proper answer: Cancel, else No, else OK.
MessageResult cancelLike(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      return MessageResult::Cancel;
    case MessageButtons::YesNo:
      return MessageResult::No;
    case MessageButtons::Ok:
      break;
  }
  return MessageResult::Ok;
}

// The number (1..n) of a "Quit..." choice, or 0.
int quitChoice(const std::vector<std::string>& choices) {
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const std::string caption = text::toUpper(withoutAccelerators(choices[i]));
    if (caption.rfind("QUIT", 0) == 0) return static_cast<int>(i) + 1;
  }
  return 0;
}

void setMark(std::string& item, bool marked) {
  const char mark = marked ? '*' : ' ';
  if (!item.empty() && (item[0] == '*' || item[0] == ' '))
    item[0] = mark;
  else
    item.insert(item.begin(), mark);
}

bool isMarked(const std::string& item) { return !item.empty() && item[0] == '*'; }

std::optional<bool> readSwitch(const std::string& field, std::string_view onWord) {
  const std::string word = text::trim(field);
  for (std::string_view yes : {onWord, std::string_view("true"), std::string_view("yes"), std::string_view("1")})
    if (text::equalsIgnoreCase(word, yes)) return true;
  for (std::string_view no : {"regular", "normal", "false", "no", "0"})
    if (text::equalsIgnoreCase(word, no)) return false;
  return std::nullopt;
}

}  // namespace

ScriptedPrompts::ScriptedPrompts(Transcript& transcript, std::string scriptFolder)
    : transcript_(transcript), scriptFolder_(std::move(scriptFolder)) {}

void ScriptedPrompts::queueAnswers(const std::vector<std::string>& answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

std::vector<std::string> ScriptedPrompts::takeUnusedAnswers() {
  std::vector<std::string> unused(answers_.begin(), answers_.end());
  answers_.clear();
  return unused;
}

std::string ScriptedPrompts::resolvePath(const std::string& path) const {
  const std::filesystem::path given(path);
  if (given.is_absolute() || scriptFolder_.empty()) return path;
  return (std::filesystem::path(scriptFolder_) / given).lexically_normal().string();
}

void ScriptedPrompts::fail(int exitCode, const std::string& errorText) {
  if (failed()) return;
  failure_ = {exitCode, errorText};
  transcript_.error(errorText);
}

std::optional<std::string> ScriptedPrompts::nextAnswer(const std::string& what) {
  if (failed()) {
    // Answers are no longer matched to prompts once one went wrong: the run ends after this event.
    if (++promptsSinceFailure_ > promptsAfterFailure) throw PromptsAborted{};
    return std::nullopt;
  }
  if (answers_.empty()) {
    fail(3, "no answer for the " + what);
    return std::nullopt;
  }
  std::string answer = std::move(answers_.front());
  answers_.pop_front();
  transcript_.answer(answer);
  return answer;
}

MessageResult ScriptedPrompts::message(const MessageRequest& request) {
  transcript_.shown("message", request.text + titled(request.title));
  const auto buttons = boxButtons(request.buttons);
  if (buttons.size() == 1) return MessageResult::Ok;
  const auto answer = nextAnswer("message box");
  if (!answer) return cancelLike(request.buttons);
  const std::string wanted = isCancel(*answer) ? "Cancel" : text::trim(*answer);
  for (const auto& button : buttons)
    if (text::equalsIgnoreCase(wanted, button.caption)) return button.result;
  std::string captions;
  for (const auto& button : buttons) captions += (captions.empty() ? "" : ", ") + std::string(button.caption);
  fail(3, quoted(*answer) + " is not a button of the message box (" + captions + ")");
  return cancelLike(request.buttons);
}

std::optional<std::string> ScriptedPrompts::input(const InputRequest& request) {
  std::string line = request.prompt;
  if (!request.preset.empty()) line += " = " + request.preset;
  transcript_.shown("input", line + titled(request.title));
  auto answer = nextAnswer("input box");
  if (!answer || isCancel(*answer)) return std::nullopt;
  return answer;
}

std::optional<std::vector<std::string>> ScriptedPrompts::numbers(const NumbersRequest& request) {
  std::string line = request.title;
  for (std::size_t i = 0; i < request.prompts.size(); ++i)
    line += " | " + request.prompts[i] + " = " + (i < request.presets.size() ? request.presets[i] : std::string());
  transcript_.shown("numbers", line);
  const auto answer = nextAnswer("numeric input");
  if (!answer || isCancel(*answer)) return std::nullopt;

  std::vector<std::string> fields(request.prompts.size());
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (i < request.presets.size()) fields[i] = request.presets[i];
  if (text::trim(*answer).empty()) return fields;
  const auto given = split(*answer, ",");
  if (given.size() > fields.size()) {
    fail(3, quoted(*answer) + " has more values than the numeric input has fields");
    return std::nullopt;
  }
  for (std::size_t i = 0; i < given.size(); ++i) {
    std::string value = text::trim(given[i]);
    if (!value.empty()) fields[i] = std::move(value);
  }
  return fields;
}

int ScriptedPrompts::buttons(const ButtonsRequest& request) {
  std::string line = request.title;
  for (const auto& choice : request.choices) line += " | " + choice;
  transcript_.shown("buttons", line);
  const int quit = quitChoice(request.choices);
  const int safe = quit ? quit : 1;
  const auto answer = nextAnswer("button menu");
  if (!answer) return safe;
  if (isCancel(*answer)) {
    if (quit) return quit;
    fail(3, "the button menu has no Quit choice to cancel with");
    return safe;
  }
  const int count = static_cast<int>(request.choices.size());
  if (auto position = itemPosition(text::trim(*answer))) {
    if (*position <= count) return *position;
  } else {
    const std::string wanted = withoutAccelerators(*answer);
    for (int i = 0; i < count; ++i)
      if (text::equalsIgnoreCase(withoutAccelerators(request.choices[i]), wanted)) return i + 1;
  }
  fail(3, quoted(*answer) + " is not a choice of the button menu");
  return safe;
}

ListResult ScriptedPrompts::pickList(const ListRequest& request) {
  std::string line = request.title;
  for (const auto& item : request.items) line += " | " + item;
  transcript_.shown("list", line);
  const ListResult quit{request.items, 0};
  const auto answer = nextAnswer("list");
  if (!answer) return quit;

  ListResult result{request.items, 0};
  const auto tokens = text::trim(*answer).empty() ? std::vector<std::string>() : split(*answer, " | ");
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const std::string token = text::trim(tokens[i]);
    if (isToken(token, "[quit]") || isCancel(token)) {
      if (i + 1 == tokens.size()) {
        result.listChoice = 0;
        return result;
      }
      fail(3, quoted(*answer) + ": [quit] closes the list, so it comes last");
      return quit;
    }
    if (isToken(token, "[all]") || isToken(token, "[clear]")) {
      const bool marked = isToken(token, "[all]");
      for (auto& item : result.items) setMark(item, marked);
      continue;
    }
    const int position = findItem(result.items, token);
    if (position == 0) {
      fail(3, quoted(token) + " is not an item of the list");
      return quit;
    }
    std::string& item = result.items[position - 1];
    setMark(item, !isMarked(item));
    result.listChoice = position;
  }
  return result;
}

std::optional<std::string> ScriptedPrompts::fileDialog(const char* mode, const FileRequest& request) {
  std::string line = std::string(mode) + " " + request.filter + titled(request.title);
  if (!request.defaultName.empty()) line += " | name: " + request.defaultName;
  transcript_.shown("file", line);
  const auto answer = nextAnswer("file dialog");
  if (!answer || isCancel(*answer)) return std::nullopt;
  const std::string given = text::trim(*answer);
  if (given.empty()) {
    fail(3, "the file dialog needs a path or [cancel]");
    return std::nullopt;
  }
  // A file that is not there goes to the program as typed, so scripts can check how the
  // program reports it (a window's dialog would not let it through).
  return resolvePath(given);
}

std::optional<std::string> ScriptedPrompts::openFile(const FileRequest& request) {
  return fileDialog("open", request);
}

std::optional<std::string> ScriptedPrompts::saveFile(const FileRequest& request) {
  return fileDialog("save", request);
}

std::optional<Rgb> ScriptedPrompts::colour(const std::string& title, Rgb initial) {
  transcript_.shown("colour", title + " | " + format::shortestText(initial.red) + "," +
                                  format::shortestText(initial.green) + "," + format::shortestText(initial.blue));
  const auto answer = nextAnswer("colour dialog");
  if (!answer || isCancel(*answer)) return std::nullopt;
  const auto parts = split(*answer, ",");
  int values[3] = {0, 0, 0};
  bool fits = parts.size() == 3;
  for (std::size_t i = 0; fits && i < 3; ++i) {
    double value = 0;
    fits = text::tryParseNumber(text::trim(parts[i]), '.', value) && value >= 0 && value <= 255 &&
           value == std::floor(value);
    if (fits) values[i] = static_cast<int>(value);
  }
  if (!fits) {
    fail(3, quoted(*answer) + " is not a colour: r,g,b from 0 to 255");
    return std::nullopt;
  }
  return Rgb{values[0], values[1], values[2]};
}

std::optional<FontChoice> ScriptedPrompts::font(const std::string& title, const FontChoice& initial) {
  transcript_.shown("font", title + " | " + initial.name + ", " + format::shortestText(initial.size) + ", " +
                                (initial.bold ? "bold" : "regular") + ", " + (initial.italic ? "italic" : "regular"));
  const auto answer = nextAnswer("font dialog");
  if (!answer || isCancel(*answer)) return std::nullopt;
  const auto parts = split(*answer, ",");
  FontChoice chosen = initial;
  bool fits = parts.size() <= 4;
  if (fits && !text::trim(parts[0]).empty()) chosen.name = text::trim(parts[0]);
  if (fits && parts.size() > 1 && !text::trim(parts[1]).empty()) {
    double size = 0;
    fits = text::tryParseNumber(text::trim(parts[1]), '.', size) && size > 0 && std::isfinite(size);
    chosen.size = size;
  }
  const std::string_view switchWords[2] = {"bold", "italic"};
  for (std::size_t i = 2; fits && i < parts.size(); ++i) {
    if (text::trim(parts[i]).empty()) continue;
    const auto on = readSwitch(parts[i], switchWords[i - 2]);
    fits = on.has_value();
    if (fits) (i == 2 ? chosen.bold : chosen.italic) = *on;
  }
  if (!fits) {
    fail(3, quoted(*answer) + " is not a font: name, size, bold, italic");
    return std::nullopt;
  }
  return chosen;
}

void ScriptedPrompts::runModal(FormModel& form) {
  transcript_.shown("window", form.formName());
  while (form.isOpen()) {
    const auto answer = nextAnswer("window " + form.formName());
    if (!answer) return;
    // The window's controls as they stand, like `@dump fields` for the main window.
    if (*answer == "@dump fields") {
      std::vector<std::string> block;
      for (const auto& [control, value] : form.fields()) block.push_back(control + "\t" + value);
      block.emplace_back("end");
      transcript_.block(block);
      continue;
    }
    const auto parsed = parseFormEvent(*answer);
    if (!parsed.event) {
      fail(3, quoted(*answer) + " is not an event of window " + form.formName() + ": " + parsed.error);
      return;
    }
    const EventResult result = applyFormEvent(form, *parsed.event);
    if (result != EventResult::Done) {
      fail(2, eventFailureText(result, *parsed.event));
      return;
    }
    // A prompt raised inside the window failed: the window stays as it is.
    if (failed()) return;
  }
}

void ScriptedPrompts::showTitle(const std::string& title) { transcript_.shown("title", title); }

void ScriptedPrompts::showStatus(const std::string& text) { transcript_.shown("status", text); }

}  // namespace lavix::ui
