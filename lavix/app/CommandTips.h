// What each command of lavix's main window does, as its menu item and button show it.
#pragma once

#include "common/ui/Form.h"

namespace lavix::app {

// Gives the main window's commands their tips and the common ones their standard keys.
void describeCommands(ui::CommandTable& commands);

}  // namespace lavix::app
