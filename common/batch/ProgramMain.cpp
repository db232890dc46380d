// The shared main() of the three programs.
#include "common/batch/ProgramMain.h"

#include <exception>
#include <iostream>

namespace lavix::batch {

int programMain(int argc, char** argv, const ProgramEntry& entry) {
  const ProgramOptionsRules& rules = entry.rules;
  const std::string& name = rules.programName;
  ProgramOptions options;
  std::string error;
  switch (parseProgramOptions(argc, argv, rules, options, error)) {
    case OptionsOutcome::Help: std::cout << programUsage(rules); return 0;
    case OptionsOutcome::Error: std::cerr << name << ": " << error << "\n" << programUsage(rules); return 2;
    case OptionsOutcome::Run: break;
  }
  try {
    if (options.batchScript) {
      const ScriptSource source = readScriptSource(*options.batchScript, std::cin);
      if (!source.ok) {
        std::cout << "error: " << source.error << std::endl;
        return exitUnreadableScript;
      }
      return entry.runBatch(source, options);
    }
    if (!entry.runGui) {
      std::cerr << name << ": this build has no window (Qt was not found); run a script with --batch\n";
      return 1;
    }
    return entry.runGui(argc, argv, options);
  } catch (const std::exception& failure) {
    std::cerr << name << ": " << failure.what() << "\n";
    return 1;
  }
}

int takeScreenshot(int code, const ProgramOptions& options, const std::string& programName,
                   const std::function<bool(const std::string& path, std::string& error)>& save) {
  if (!options.screenshot) return code;
  std::string error;
  if (!save) error = "this " + programName + " was built without Qt and cannot take screenshots";
  else if (save(*options.screenshot, error)) return code;
  std::cout << "error: " << error << std::endl;
  return code == exitSuccess ? exitProgramFailure : code;
}

}  // namespace lavix::batch
