// Runs a batch script against a program's main window and turns the outcome into an exit code.
#include "common/batch/BatchRunner.h"

#include <exception>
#include <filesystem>
#include <iterator>

#include "common/text/TextFile.h"
#include "common/ui/FormEvent.h"

namespace lavix::batch {

BatchRunner::BatchRunner(ui::ScriptedPrompts& prompts, BatchHooks hooks)
    : prompts_(prompts), hooks_(std::move(hooks)) {}

template <typename Step>
int BatchRunner::guarded(Step&& step) {
  ui::Transcript& transcript = prompts_.transcript();
  try {
    return step();
  } catch (const ui::PromptsAborted&) {
    transcript.error("the program kept asking after the failure above; stopped");
    return prompts_.failure().exitCode;
  } catch (const std::exception& failure) {
    const std::string what = failure.what();
    transcript.error(what.empty() ? "unexpected failure" : what);
  } catch (...) {
    transcript.error("unexpected failure");
  }
  // A failed prompt that came first is the cause the script writer must see.
  return prompts_.failed() ? prompts_.failure().exitCode : exitProgramFailure;
}

int BatchRunner::finishStep() {
  if (prompts_.failed()) {
    prompts_.takeUnusedAnswers();
    return prompts_.failure().exitCode;
  }
  const auto unused = prompts_.takeUnusedAnswers();
  for (const auto& answer : unused) prompts_.transcript().error("unused answer: " + answer);
  return unused.empty() ? exitSuccess : exitUnanswered;
}

int BatchRunner::runEvent(const ScriptLine& line, ui::FormModel& mainWindow) {
  ui::Transcript& transcript = prompts_.transcript();
  transcript.plain(line.source);
  sectionStart_ = sectionEnd_ = transcript.size();
  if (!mainWindow.isOpen()) {
    transcript.error("window " + mainWindow.formName() + " is closed");
    return exitUnreadableScript;
  }
  prompts_.queueAnswers(line.answers);
  int code = guarded([&] {
    const ui::EventResult result = ui::applyFormEvent(mainWindow, line.event);
    if (result == ui::EventResult::Done) return exitSuccess;
    transcript.error(ui::eventFailureText(result, line.event, mainWindow.itemForm(line.event.control)));
    return exitUnreadableScript;
  });
  if (code == exitSuccess) code = finishStep();
  prompts_.takeUnusedAnswers();
  sectionEnd_ = transcript.size();
  return code;
}

int BatchRunner::runDump(const ScriptLine& line, ui::FormModel& mainWindow) {
  ui::Transcript& transcript = prompts_.transcript();
  transcript.plain(line.source);
  return guarded([&] {
    std::vector<std::string> block;
    std::optional<std::string> text;
    if (hooks_.dump) text = hooks_.dump(line.text);
    if (text) {
      block = text::splitLines(*text);
    } else if (line.text == "fields") {
      for (const auto& [control, value] : mainWindow.fields()) block.push_back(control + "\t" + value);
    } else {
      transcript.error("unknown dump " + line.text);
      return exitUnreadableScript;
    }
    block.emplace_back("end");
    transcript.block(block);
    return exitSuccess;
  });
}

int BatchRunner::runExport(const ScriptLine& line) {
  ui::Transcript& transcript = prompts_.transcript();
  transcript.plain(line.source);
  if (!hooks_.exportRecording) {
    transcript.error("this program has nothing to export");
    return exitUnreadableScript;
  }
  return guarded([&] {
    const auto error = hooks_.exportRecording(line.format, prompts_.resolvePath(line.text));
    if (!error) return exitSuccess;
    transcript.error(*error);
    return exitProgramFailure;
  });
}

int BatchRunner::run(const BatchScript& script, ui::FormModel& mainWindow) {
  ui::Transcript& transcript = prompts_.transcript();
  sectionStart_ = transcript.size();
  prompts_.queueAnswers(script.startUpAnswers);
  int code = guarded([&] {
    if (hooks_.startUp) hooks_.startUp();
    return exitSuccess;
  });
  if (code == exitSuccess) code = finishStep();
  prompts_.takeUnusedAnswers();
  sectionEnd_ = transcript.size();

  for (std::size_t i = 0; code == exitSuccess && i < script.lines.size(); ++i) {
    const ScriptLine& line = script.lines[i];
    switch (line.kind) {
      case ScriptLineKind::Event:
        code = runEvent(line, mainWindow);
        break;
      case ScriptLineKind::Expect:
        if (!transcript.contains(sectionStart_, sectionEnd_, line.text)) {
          transcript.error("expected " + line.text);
          code = exitUnanswered;
        }
        break;
      case ScriptLineKind::Echo:
        transcript.plain(line.text);
        break;
      case ScriptLineKind::Dump:
        code = runDump(line, mainWindow);
        break;
      case ScriptLineKind::Export:
        code = runExport(line);
        break;
    }
  }
  return code;
}

int BatchRunner::run(std::string_view scriptText, ui::FormModel& mainWindow) {
  const ScriptParse parsed = parseBatchScript(scriptText);
  if (!parsed.script) {
    prompts_.transcript().error(parsed.error);
    return exitUnreadableScript;
  }
  return run(*parsed.script, mainWindow);
}

ScriptSource readScriptSource(const std::string& scriptPath, std::istream& standardInput) {
  ScriptSource source;
  std::error_code ignored;
  if (scriptPath == "-") {
    source.text.assign(std::istreambuf_iterator<char>(standardInput), std::istreambuf_iterator<char>());
    source.folder = std::filesystem::current_path(ignored).string();
    source.ok = !standardInput.bad();
    if (!source.ok) source.error = "cannot read the script from standard input";
    return source;
  }
  text::FileError error;
  if (!text::readFile(scriptPath, source.text, error)) {
    source.error = "cannot read the script " + scriptPath + ": " + error.text;
    return source;
  }
  const std::filesystem::path absolute = std::filesystem::absolute(scriptPath, ignored);
  source.folder = absolute.parent_path().lexically_normal().string();
  source.ok = true;
  return source;
}

}  // namespace lavix::batch
