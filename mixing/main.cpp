// mixing: the window program, or with --batch a headless run of a script.
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/batch/BatchRunner.h"
#include "common/batch/ProgramOptions.h"
#include "common/text/Text.h"
#include "common/ui/PrinterPort.h"
#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "mixing/MainWindow.h"

#ifdef LAVIX_HAVE_GUI
#include "mixing/qt/MixingGui.h"
#endif

namespace {

using lavix::batch::ProgramOptions;

int runBatch(const ProgramOptions& options) {
  using namespace lavix;
  batch::ScriptSource source = batch::readScriptSource(*options.batchScript, std::cin);
  if (!source.ok) {
    std::cout << "error: " << source.error << std::endl;
    return batch::exitUnreadableScript;
  }
  ui::Transcript transcript(std::cout);
  ui::ScriptedPrompts prompts(transcript, source.folder);
  ui::ScriptedPrinter printer(transcript);
  mixing::Session session(prompts, printer, options.base, text::systemDecimalSeparator());
  mixing::MainWindow window(session);

  batch::BatchHooks hooks;
  hooks.dump = [&window](const std::string& what) { return window.dump(what); };
  hooks.exportRecording = [](const std::string&, const std::string&) -> std::optional<std::string> {
    return std::string("mixing draws no diagram to export");
  };
  batch::BatchRunner runner(prompts, hooks);
  int code = runner.run(source.text, window);

  if (options.screenshot) {
#ifdef LAVIX_HAVE_GUI
    std::string error;
    if (!mixing::qt::saveScreenshot(window, *options.screenshot, error)) {
      std::cout << "error: " << error << std::endl;
      if (code == batch::exitSuccess) code = batch::exitProgramFailure;
    }
#else
    std::cout << "error: this mixing was built without Qt and cannot take screenshots" << std::endl;
    if (code == batch::exitSuccess) code = batch::exitProgramFailure;
#endif
  }
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lavix::batch;
  const ProgramOptionsRules rules{"mixing", false};
  ProgramOptions options;
  std::string error;
  switch (parseProgramOptions(argc, argv, rules, options, error)) {
    case OptionsOutcome::Help: std::cout << programUsage(rules); return 0;
    case OptionsOutcome::Error: std::cerr << "mixing: " << error << "\n" << programUsage(rules); return 2;
    case OptionsOutcome::Run: break;
  }
  try {
    if (options.batchScript) return runBatch(options);
#ifdef LAVIX_HAVE_GUI
    return lavix::mixing::qt::runGui(argc, argv, options.base);
#else
    std::cerr << "mixing: this build has no window (Qt was not found); run a script with --batch\n";
    return 1;
#endif
  } catch (const std::exception& failure) {
    std::cerr << "mixing: " << failure.what() << "\n";
    return 1;
  }
}
