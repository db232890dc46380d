// lavix: the window program, or with --batch a headless run of a script.
#include <functional>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/batch/BatchRunner.h"
#include "common/batch/ProgramMain.h"
#include "common/text/Text.h"
#include "common/ui/PrinterPort.h"
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

int runBatch(const lavix::batch::ScriptSource& source, const ProgramOptions& options) {
  using namespace lavix;
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
  ui::ScriptedPrinter tableWindow(transcript);
  session.tableWindow = &tableWindow;
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

  std::function<bool(const std::string&, std::string&)> save;
#ifdef LAVIX_HAVE_GUI
  save = [&](const std::string& path, std::string& error) {
    return qt::saveScreenshot(window, path, error);
  };
#endif
  return batch::takeScreenshot(code, options, "lavix", save);
}

}  // namespace

int main(int argc, char** argv) {
  lavix::batch::ProgramEntry entry{{"lavix", true}, runBatch, {}};
#ifdef LAVIX_HAVE_GUI
  entry.runGui = [](int argc, char** argv, const ProgramOptions& options) {
    return lavix::qt::runGui(argc, argv, options.base, options.file);
  };
#endif
  return lavix::batch::programMain(argc, argv, entry);
}
