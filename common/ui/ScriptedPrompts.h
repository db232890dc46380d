// The prompt and clipboard ports of batch mode: answers come from the script's `>` lines.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/Prompts.h"
#include "common/ui/Transcript.h"

namespace lavix::ui {

// Why a scripted run cannot go on: exit code 3 for a missing or unfitting answer, 2 for an
// event a modal window does not know. exitCode 0: nothing failed.
struct PromptFailure {
  int exitCode = 0;
  std::string text;
};

// Thrown when the program keeps prompting long after a failure (a loop that re-asks until
// it gets an answer would never end otherwise). Deliberately not a std::exception, so that
// the program's own error handlers let it through to the batch runner.
struct PromptsAborted {};

// Answers, one `>` line each:
//   message box  its button: Yes, No, OK, Cancel (any case); a box with only OK takes none
//   input box    the text
//   numeric      the fields in order, comma separated; an empty or missing trailing field
//                keeps its preset
//   button menu  the caption (without '&' markers, any case) or #n
//   list         items by caption (without mark and surrounding blanks) or #n, several
//                separated by " | ", each click toggling its mark; [all] and [clear] press
//                those buttons; then OK, or [quit] (alone or last) to leave with Quit;
//                an empty answer just presses OK
//   file dialog  the path, relative to the script's folder unless absolute
//   colour       r,g,b (whole numbers 0..255)
//   font         name, size, bold, italic: "bold"/"italic", "regular" or true/false, yes/no,
//                1/0; an empty or missing trailing field keeps the dialog's value
//   window       its events: click CONTROL [ITEM], type CONTROL [#n] TEXT, enter ..., key ...;
//                "@dump fields" prints the window's controls
// [cancel] cancels what can be cancelled: input, numeric input, file, colour and font
// dialogs, a message box with a Cancel button, a button menu with a "Quit..." choice, a list
// (as Quit). An unanswered prompt, or an answer that does not fit, is a failure: the prompt
// then gets the cancel-like result above (a message box without Cancel: No, then OK; a
// button menu without Quit: its first choice) so the program comes to a safe stop.
class ScriptedPrompts : public PromptPort {
 public:
  // `scriptFolder`: where relative paths are taken from; empty: the current folder.
  explicit ScriptedPrompts(Transcript& transcript, std::string scriptFolder = {});

  void queueAnswers(const std::vector<std::string>& answers);
  std::size_t pendingAnswers() const { return answers_.size(); }
  // Removes and returns the answers no prompt took.
  std::vector<std::string> takeUnusedAnswers();

  bool failed() const { return failure_.exitCode != 0; }
  const PromptFailure& failure() const { return failure_; }

  Transcript& transcript() { return transcript_; }
  const std::string& scriptFolder() const { return scriptFolder_; }
  // The path as the script means it: relative to the script's folder unless absolute.
  std::string resolvePath(const std::string& path) const;

  MessageResult message(const MessageRequest& request) override;
  std::optional<std::string> input(const InputRequest& request) override;
  std::optional<std::vector<std::string>> numbers(const NumbersRequest& request) override;
  int buttons(const ButtonsRequest& request) override;
  ListResult pickList(const ListRequest& request) override;
  std::optional<std::string> openFile(const FileRequest& request) override;
  std::optional<std::string> saveFile(const FileRequest& request) override;
  std::optional<Rgb> colour(const std::string& title, Rgb initial) override;
  std::optional<FontChoice> font(const std::string& title, const FontChoice& initial) override;
  void runModal(FormModel& form) override;
  void showTitle(const std::string& title) override;
  void showStatus(const std::string& text) override;

  // Prompts allowed after a failure before the run is aborted.
  static constexpr int promptsAfterFailure = 100;

 private:
  // The next answer, echoed; nullopt (and a failure) when there is none or after a failure.
  std::optional<std::string> nextAnswer(const std::string& what);
  void fail(int exitCode, const std::string& text);
  std::optional<std::string> fileDialog(const char* mode, const FileRequest& request);

  Transcript& transcript_;
  std::string scriptFolder_;
  std::deque<std::string> answers_;
  PromptFailure failure_;
  int promptsSinceFailure_ = 0;
};

// A clipboard held in memory; tests and scripts preset it.
class ScriptedClipboard : public ClipboardPort {
 public:
  ScriptedClipboard() = default;
  explicit ScriptedClipboard(std::string text) : text_(std::move(text)) {}
  std::optional<std::string> text() override { return text_; }
  void setText(const std::string& text) override { text_ = text; }
  void clear() { text_.reset(); }

 private:
  std::optional<std::string> text_;
};

}  // namespace lavix::ui
