// Starts the normwise window, and renders it offscreen for --screenshot.
#pragma once

#include <string>

#include "normwise/CipwForm.h"

namespace lavix::normwise::qt {

int runGui(int argc, char** argv, const std::string& baseFolder);

// Renders the form's window offscreen to a PNG; false and `error` when that fails.
bool saveScreenshot(CipwForm& form, const std::string& path, std::string& error);

}  // namespace lavix::normwise::qt
