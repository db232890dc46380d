// normwise: the CIPW norm window program, or with --batch a headless run of a script.
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
#include "normwise/CipwForm.h"

#ifdef LAVIX_HAVE_GUI
#include "normwise/qt/NormwiseGui.h"
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
  normwise::CipwForm form(prompts, printer, options.base, text::systemDecimalSeparator());

  batch::BatchHooks hooks;
  hooks.dump = [](const std::string&) -> std::optional<std::string> { return std::nullopt; };
  hooks.exportRecording = [](const std::string&, const std::string&) -> std::optional<std::string> {
    return std::string("normwise draws no diagram to export");
  };
  batch::BatchRunner runner(prompts, hooks);
  int code = runner.run(source.text, form);

  if (options.screenshot) {
#ifdef LAVIX_HAVE_GUI
    std::string error;
    if (!normwise::qt::saveScreenshot(form, *options.screenshot, error)) {
      std::cout << "error: " << error << std::endl;
      if (code == batch::exitSuccess) code = batch::exitProgramFailure;
    }
#else
    std::cout << "error: this normwise was built without Qt and cannot take screenshots" << std::endl;
    if (code == batch::exitSuccess) code = batch::exitProgramFailure;
#endif
  }
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lavix::batch;
  const ProgramOptionsRules rules{"normwise", false};
  ProgramOptions options;
  std::string error;
  switch (parseProgramOptions(argc, argv, rules, options, error)) {
    case OptionsOutcome::Help: std::cout << programUsage(rules); return 0;
    case OptionsOutcome::Error: std::cerr << "normwise: " << error << "\n" << programUsage(rules); return 2;
    case OptionsOutcome::Run: break;
  }
  try {
    if (options.batchScript) return runBatch(options);
#ifdef LAVIX_HAVE_GUI
    return lavix::normwise::qt::runGui(argc, argv, options.base);
#else
    std::cerr << "normwise: this build has no window (Qt was not found); run a script with --batch\n";
    return 1;
#endif
  } catch (const std::exception& failure) {
    std::cerr << "normwise: " << failure.what() << "\n";
    return 1;
  }
}
