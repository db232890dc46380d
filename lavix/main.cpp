// lavix: the window program, or with --batch a headless run of a script.
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "common/batch/BatchRunner.h"
#include "common/text/Text.h"
#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "lavix/app/DataLoading.h"
#include "lavix/app/Dumps.h"
#include "lavix/app/MainWindow.h"
#include "lavix/app/Session.h"
#include "lavix/app/Startup.h"

#ifdef LAVIX_HAVE_GUI
#include "lavix/qt/GuiMain.h"
#endif

namespace {

namespace fs = std::filesystem;

struct Options {
  std::string base;
  std::optional<std::string> batchScript;
  std::optional<std::string> screenshot;
  std::optional<std::string> file;
};

constexpr const char* usage =
    "usage: lavix [--base DIR] [--batch SCRIPT | -] [--screenshot PNG] [FILE]\n";

// The folder of the running executable: the program folder unless --base says otherwise.
std::string executableFolder(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) self = fs::absolute(argv0, ec);
  return self.parent_path().string();
}

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](const char* name) -> std::optional<std::string> {
      if (i + 1 >= argc) {
        error = std::string(name) + " needs a value";
        return std::nullopt;
      }
      return std::string(argv[++i]);
    };
    if (arg == "--base") {
      auto v = value("--base");
      if (!v) return false;
      options.base = *v;
    } else if (arg == "--batch") {
      auto v = value("--batch");
      if (!v) return false;
      options.batchScript = *v;
    } else if (arg == "--screenshot") {
      auto v = value("--screenshot");
      if (!v) return false;
      options.screenshot = *v;
    } else if (arg == "--help" || arg == "-h") {
      error.clear();
      return false;
    } else if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-') {
      // A Qt option ("-platform offscreen", "-style Fusion"): QApplication reads it.
      static const char* const withValue[] = {"-platform", "-style", "-stylesheet", "-session", "-display",
                                              "-geometry", "-qwindowgeometry", "-qwindowtitle",
                                              "-qwindowicon", "-platformpluginpath", "-platformtheme",
                                              "-plugin"};
      for (const char* option : withValue)
        if (arg == option && i + 1 < argc) ++i;
    } else if (arg.size() > 1 && arg.rfind("--", 0) == 0) {
      error = "unknown option " + arg;
      return false;
    } else if (!options.file) {
      options.file = arg;
    } else {
      error = "only one data file can be opened at start";
      return false;
    }
  }
  if (options.screenshot && !options.batchScript) {
    error = "--screenshot needs --batch";
    return false;
  }
  return true;
}

// Paths given on the command line are taken from the folder lavix was started in, which
// start-up changes.
std::string absolutePath(const std::string& path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

int runBatch(const Options& options) {
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
  app::MainWindow window(session);

  batch::BatchHooks hooks;
  hooks.startUp = [&] {
    if (app::startUp(session) == app::StartupOutcome::Fatal) throw std::runtime_error("start-up failed");
    if (options.file) window.openAtStart(*options.file);
  };
  hooks.dump = [&](const std::string& what) { return app::dump(session, what); };
  hooks.exportRecording = [](const std::string&, const std::string&) -> std::optional<std::string> {
    return std::string("there is no diagram to export");
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
  Options options;
  std::string error;
  if (!parseOptions(argc, argv, options, error)) {
    if (!error.empty()) std::cerr << "lavix: " << error << "\n";
    std::cerr << usage;
    return error.empty() ? 0 : 2;
  }
  options.base = options.base.empty() ? executableFolder(argv[0]) : absolutePath(options.base);
  if (options.file) options.file = absolutePath(*options.file);
  if (options.screenshot) options.screenshot = absolutePath(*options.screenshot);
  try {
    if (options.batchScript) {
      if (*options.batchScript != "-") options.batchScript = absolutePath(*options.batchScript);
      return runBatch(options);
    }
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
