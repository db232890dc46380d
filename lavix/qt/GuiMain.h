// The entry points main() uses for the window program and for --screenshot.
#pragma once

#include <optional>
#include <string>

namespace lavix::app {
class MainWindow;
}

namespace lavix::qt {

// The window program: creates the application, the Qt prompts and clipboard, the session
// (started up from `baseFolder`) and the main window view; opens `file` when given; runs
// until the window closes, then shuts the session down. Returns the exit code.
int runGui(int argc, char** argv, const std::string& baseFolder, const std::optional<std::string>& file);

// Renders a view of `window` offscreen (1024 x 700) into a PNG file. Creates an offscreen
// application when none runs (batch mode has none). False with `error` set on failure.
bool saveScreenshot(app::MainWindow& window, const std::string& path, std::string& error);

}  // namespace lavix::qt
