// The prompt and clipboard ports: the only way the cores reach the user.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/ui/Form.h"

namespace lavix::ui {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageResult { Ok, Cancel, Yes, No };

struct MessageRequest {
  std::string text;    // may hold "\n" line breaks
  std::string title;   // empty: the program's name
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

struct InputRequest {
  std::string prompt;
  std::string title;
  std::string preset;
};

// The multi-field numeric input `inputfrm`: one prompt and one preset text per field.
struct NumbersRequest {
  std::string title;
  std::vector<std::string> prompts;
  std::vector<std::string> presets;
};

// The button menu `butt`: one button per choice; keyLetters[i] (when given) picks choice i+1.
struct ButtonsRequest {
  std::string title;
  std::vector<std::string> choices;
  std::string keyLetters;
};

// The list picker `menulst`. Items carry their mark as first character: "*" marked, " " not.
struct ListRequest {
  std::string title;
  std::vector<std::string> items;
  bool okCaptionDone = false;  // the OK button reads "Done" instead of "OK"
  bool singleChoice = false;   // one item is chosen (listChoice): the list offers no "All"
};

struct ListResult {
  std::vector<std::string> items;  // with their marks as left by the user
  int listChoice = 0;              // 1-based number of the last item clicked; 0 after Quit
};

// File dialogs. `filter` is the system's own text: "Description|pattern|Description|pattern|".
struct FileRequest {
  std::string title;
  std::string filter;
  int filterIndex = 1;
  std::string folder;        // initial folder; empty: current folder
  std::string defaultName;
  bool mustExist = false;          // open: the file must exist
  bool confirmOverwrite = false;   // save: ask before replacing
};

struct Rgb {
  int red = 0, green = 0, blue = 0;
};

struct FontChoice {
  std::string name;
  double size = 10;
  bool bold = false;
  bool italic = false;
};

class PromptPort {
 public:
  virtual ~PromptPort() = default;

  virtual MessageResult message(const MessageRequest& request) = 0;
  // nullopt when cancelled.
  virtual std::optional<std::string> input(const InputRequest& request) = 0;
  // The texts of the fields after OK; nullopt after Cancel (`canbut`).
  virtual std::optional<std::vector<std::string>> numbers(const NumbersRequest& request) = 0;
  // The number (1..n) of the chosen button.
  virtual int buttons(const ButtonsRequest& request) = 0;
  virtual ListResult pickList(const ListRequest& request) = 0;
  // The chosen path; nullopt when cancelled.
  virtual std::optional<std::string> openFile(const FileRequest& request) = 0;
  virtual std::optional<std::string> saveFile(const FileRequest& request) = 0;
  virtual std::optional<Rgb> colour(const std::string& title, Rgb initial) = 0;
  virtual std::optional<FontChoice> font(const std::string& title, const FontChoice& initial) = 0;

  // Shows a window of the program modally; returns when the model is no longer open.
  virtual void runModal(FormModel& form) = 0;

  // Status and title changes the user sees without answering them.
  virtual void showTitle(const std::string& title) = 0;
  virtual void showStatus(const std::string& text) = 0;
};

class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  // nullopt when the clipboard holds no text.
  virtual std::optional<std::string> text() = 0;
  virtual void setText(const std::string& text) = 0;
};

// Convenience wrappers used throughout the cores.
inline void say(PromptPort& prompts, const std::string& text, const std::string& title = {}) {
  prompts.message({text, title, MessageButtons::Ok, MessageIcon::None});
}

inline bool askYesNo(PromptPort& prompts, const std::string& text, const std::string& title = {}) {
  return prompts.message({text, title, MessageButtons::YesNo, MessageIcon::Question}) == MessageResult::Yes;
}

}  // namespace lavix::ui
