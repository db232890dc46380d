// The main() the three programs share: options, the batch run or the window, --screenshot.
#pragma once

#include <functional>
#include <string>

#include "common/batch/BatchRunner.h"
#include "common/batch/ProgramOptions.h"

namespace lavix::batch {

struct ProgramEntry {
  ProgramOptionsRules rules;
  // Runs the script, already read, and returns the exit code.
  std::function<int(const ScriptSource& source, const ProgramOptions& options)> runBatch;
  // Opens the window; empty in a build without Qt.
  std::function<int(int argc, char** argv, const ProgramOptions& options)> runGui;
};

int programMain(int argc, char** argv, const ProgramEntry& entry);

// The exit code once --screenshot is served: `save` writes the PNG (empty: no Qt in this build).
int takeScreenshot(int code, const ProgramOptions& options, const std::string& programName,
                   const std::function<bool(const std::string& path, std::string& error)>& save);

}  // namespace lavix::batch
