// The shared command line of the three programs.
#include "common/batch/ProgramOptions.h"

#include <filesystem>

namespace lavix::batch {

namespace fs = std::filesystem;

namespace {

std::string absolutePath(const std::string& path) {
  std::error_code ec;
  fs::path absolute = fs::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

bool isQtOptionWithValue(const std::string& arg) {
  static const char* const withValue[] = {"-platform", "-style", "-stylesheet", "-session", "-display",
                                          "-geometry", "-qwindowgeometry", "-qwindowtitle",
                                          "-qwindowicon", "-platformpluginpath", "-platformtheme",
                                          "-plugin"};
  for (const char* option : withValue)
    if (arg == option) return true;
  return false;
}

}  // namespace

std::string executableFolder(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) self = fs::absolute(argv0, ec);
  return self.parent_path().string();
}

std::string programUsage(const ProgramOptionsRules& rules) {
  return "usage: " + rules.programName + " [--base DIR] [--batch SCRIPT | -] [--screenshot PNG]" +
         (rules.acceptsFile ? " [FILE]" : "") + "\n";
}

OptionsOutcome parseProgramOptions(int argc, char** argv, const ProgramOptionsRules& rules,
                                   ProgramOptions& options, std::string& error) {
  error.clear();
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](const char* name) -> std::optional<std::string> {
      if (i + 1 >= argc) {
        error = std::string(name) + " needs a value";
        return std::nullopt;
      }
      return std::string(argv[++i]);
    };
    if (arg == "--base" || arg == "--batch" || arg == "--screenshot") {
      auto v = value(arg.c_str());
      if (!v) return OptionsOutcome::Error;
      if (arg == "--base") options.base = *v;
      else if (arg == "--batch") options.batchScript = *v;
      else options.screenshot = *v;
    } else if (arg == "--help" || arg == "-h") {
      return OptionsOutcome::Help;
    } else if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-') {
      if (isQtOptionWithValue(arg) && i + 1 < argc) ++i;
    } else if (arg.size() > 1 && arg.rfind("--", 0) == 0) {
      error = "unknown option " + arg;
      return OptionsOutcome::Error;
    } else if (!rules.acceptsFile) {
      error = rules.programName + " opens no file at start";
      return OptionsOutcome::Error;
    } else if (!options.file) {
      options.file = arg;
    } else {
      error = "only one data file can be opened at start";
      return OptionsOutcome::Error;
    }
  }
  if (options.screenshot && !options.batchScript) {
    error = "--screenshot needs --batch";
    return OptionsOutcome::Error;
  }
  options.base = options.base.empty() ? executableFolder(argv[0]) : absolutePath(options.base);
  if (options.file) options.file = absolutePath(*options.file);
  if (options.screenshot) options.screenshot = absolutePath(*options.screenshot);
  if (options.batchScript && *options.batchScript != "-") options.batchScript = absolutePath(*options.batchScript);
  return OptionsOutcome::Run;
}

}  // namespace lavix::batch
