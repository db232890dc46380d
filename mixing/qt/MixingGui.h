// Starts the mixing windows, and renders the shown window offscreen for --screenshot.
#pragma once

#include <string>

namespace lavix::mixing {
class MainWindow;
}

namespace lavix::mixing::qt {

int runGui(int argc, char** argv, const std::string& baseFolder);

// Renders the window the model shows (`outpt` while it is open, else `Main`) to a PNG;
// false and `error` when that fails.
bool saveScreenshot(MainWindow& window, const std::string& path, std::string& error);

}  // namespace lavix::mixing::qt
