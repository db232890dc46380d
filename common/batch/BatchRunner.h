// Runs a batch script against a program's main window and turns the outcome into an exit code.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "common/batch/BatchScript.h"
#include "common/ui/Form.h"
#include "common/ui/ScriptedPrompts.h"

namespace lavix::batch {

// The process exit codes of batch mode.
inline constexpr int exitSuccess = 0;
inline constexpr int exitProgramFailure = 1;   // a command failed, an export could not be written
inline constexpr int exitUnreadableScript = 2; // unknown verb, control, item or dump
inline constexpr int exitUnanswered = 3;       // a prompt without (fitting) answer, an unused answer,
                                               // a failed @expect

// What the program supplies. Every hook may be empty.
struct BatchHooks {
  // Runs first, with the script's start-up answers queued (opening FILE, reading settings).
  std::function<void()> startUp;
  // The block for `@dump WHAT`: TAB-separated lines, without the closing "end" (the runner
  // adds it); nullopt: the program has no such dump. "fields" falls back to the main window's
  // fields() when the program does not answer it.
  std::function<std::optional<std::string>(const std::string& what)> dump;
  // Writes the current recording in `format` (svg, wmf, png, pdf) to `path` (already resolved
  // against the script's folder); returns the error text, or nullopt when written.
  std::function<std::optional<std::string>(const std::string& format, const std::string& path)> exportRecording;
};

// Runs every line in order and stops at the first failure, whose exit code it returns; the
// transcript (the port's) says what happened, with an "error: ..." line for the failure.
class BatchRunner {
 public:
  BatchRunner(ui::ScriptedPrompts& prompts, BatchHooks hooks);

  int run(const BatchScript& script, ui::FormModel& mainWindow);
  // Reads the script first; an unreadable one ends with "error: line N: ..." and exit 2.
  int run(std::string_view scriptText, ui::FormModel& mainWindow);

 private:
  template <typename Step>
  int guarded(Step&& step);
  int finishStep();
  int runEvent(const ScriptLine& line, ui::FormModel& mainWindow);
  int runDump(const ScriptLine& line, ui::FormModel& mainWindow);
  int runExport(const ScriptLine& line);

  ui::ScriptedPrompts& prompts_;
  BatchHooks hooks_;
  // The transcript lines of the last event (or of start-up), which @expect searches.
  std::size_t sectionStart_ = 0;
  std::size_t sectionEnd_ = 0;
};

struct ScriptSource {
  bool ok = false;
  std::string text;
  std::string folder;  // where the script's relative paths start
  std::string error;   // why it could not be read
};

// Reads SCRIPT of `--batch SCRIPT`; "-" reads `standardInput` and takes the current folder.
ScriptSource readScriptSource(const std::string& scriptPath, std::istream& standardInput);

}  // namespace lavix::batch
