// mixing: the window program, or with --batch a headless run of a script.
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "common/batch/BatchRunner.h"
#include "common/batch/ProgramMain.h"
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

int runBatch(const lavix::batch::ScriptSource& source, const ProgramOptions& options) {
  using namespace lavix;
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

  std::function<bool(const std::string&, std::string&)> save;
#ifdef LAVIX_HAVE_GUI
  save = [&](const std::string& path, std::string& error) {
    return mixing::qt::saveScreenshot(window, path, error);
  };
#endif
  return batch::takeScreenshot(code, options, "mixing", save);
}

}  // namespace

int main(int argc, char** argv) {
  lavix::batch::ProgramEntry entry{{"mixing", false}, runBatch, {}};
#ifdef LAVIX_HAVE_GUI
  entry.runGui = [](int argc, char** argv, const ProgramOptions& options) {
    return lavix::mixing::qt::runGui(argc, argv, options.base);
  };
#endif
  return lavix::batch::programMain(argc, argv, entry);
}
