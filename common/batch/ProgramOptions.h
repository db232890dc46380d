// The command line every program of the toolkit shares: --base, --batch, --screenshot, FILE.
#pragma once

#include <optional>
#include <string>

namespace lavix::batch {

struct ProgramOptions {
  std::string base;                       // the program folder, absolute once parsed
  std::optional<std::string> batchScript; // "-" for standard input
  std::optional<std::string> screenshot;  // PNG path, with --batch only
  std::optional<std::string> file;        // a data file to open at start
};

struct ProgramOptionsRules {
  std::string programName;
  bool acceptsFile = true;
};

enum class OptionsOutcome { Run, Help, Error };

// Parses argv; Qt's own single-dash options are skipped so QApplication can read them.
// Relative paths are made absolute against the current folder, which start-up may change;
// an empty --base becomes the executable's folder.
OptionsOutcome parseProgramOptions(int argc, char** argv, const ProgramOptionsRules& rules,
                                   ProgramOptions& options, std::string& error);

std::string programUsage(const ProgramOptionsRules& rules);

// The folder of the running executable.
std::string executableFolder(const char* argv0);

}  // namespace lavix::batch
