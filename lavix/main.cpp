// lavix: the window program, or with --batch a headless run of a script.
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/batch/BatchRunner.h"
#include "common/batch/ProgramOptions.h"
#include "common/text/Text.h"
#include "common/ui/ScriptedPicture.h"
#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Dumps.h"
#include "lavix/app/MainWindow.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/app/Startup.h"

#ifdef LAVIX_HAVE_GUI
#include "lavix/qt/GuiMain.h"
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
  ui::ScriptedClipboard clipboard;
  app::Session session(prompts, clipboard, options.base, text::systemDecimalSeparator());
  ui::ScriptedPicture::RasterWriter rasterWriter;
#ifdef LAVIX_HAVE_GUI
  rasterWriter = [](const graphics::Recording& recording, const std::string& format,
                    const std::string& path) -> std::optional<std::string> {
    std::string error;
    if (!qt::exportPicture(recording, format, path, error)) return error;
    return std::nullopt;
  };
#endif
  ui::ScriptedPicture picture(transcript, rasterWriter);
  session.picture = &picture;
  app::MainWindow window(session);

  batch::BatchHooks hooks;
  hooks.startUp = [&] {
    if (app::startUp(session) == app::StartupOutcome::Fatal) throw std::runtime_error("start-up failed");
    if (options.file) window.openAtStart(*options.file);
  };
  hooks.dump = [&](const std::string& what) { return app::dump(session, what); };
  hooks.exportRecording = [&](const std::string& format, const std::string& path) -> std::optional<std::string> {
    if (format == "svg" || format == "wmf") return app::exportRecording(session, format, path);
    if (session.recording.empty()) return std::string("there is no diagram to export");
    if (!rasterWriter) return "this lavix was built without Qt and cannot write " + format;
    return rasterWriter(session.recording, format, path);
  };
  batch::BatchRunner runner(prompts, hooks);
  int code = runner.run(source.text, window);
  app::shutDown(session);

  if (options.screenshot) {
#ifdef LAVIX_HAVE_GUI
    std::string error;
    if (!qt::saveScreenshot(window, *options.screenshot, error)) {
      std::cout << "error: " << error << std::endl;
      if (code == batch::exitSuccess) code = batch::exitProgramFailure;
    }
#else
    std::cout << "error: this lavix was built without Qt and cannot take screenshots" << std::endl;
    if (code == batch::exitSuccess) code = batch::exitProgramFailure;
#endif
  }
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lavix::batch;
  const ProgramOptionsRules rules{"lavix", true};
  ProgramOptions options;
  std::string error;
  switch (parseProgramOptions(argc, argv, rules, options, error)) {
    case OptionsOutcome::Help: std::cout << programUsage(rules); return 0;
    case OptionsOutcome::Error: std::cerr << "lavix: " << error << "\n" << programUsage(rules); return 2;
    case OptionsOutcome::Run: break;
  }
  try {
    if (options.batchScript) return runBatch(options);
#ifdef LAVIX_HAVE_GUI
    return lavix::qt::runGui(argc, argv, options.base, options.file);
#else
    std::cerr << "lavix: this build has no window (Qt was not found); run a script with --batch\n";
    return 1;
#endif
  } catch (const std::exception& failure) {
    std::cerr << "lavix: " << failure.what() << "\n";
    return 1;
  }
}
