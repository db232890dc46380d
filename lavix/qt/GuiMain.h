// The entry points main() uses for the window program and for --screenshot.
#pragma once

#include <optional>
#include <string>

#include "common/graphics/Recording.h"

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

// Writes a recording as PNG (1600 pixels wide, the page's proportions) or one-page PDF;
// creates an offscreen application when none runs. False with `error` set on failure.
bool exportPicture(const graphics::Recording& recording, const std::string& format, const std::string& path,
                   std::string& error);

}  // namespace lavix::qt
