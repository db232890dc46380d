// The File Operations menu (`mfilops`): save, add a file, clipboard, clear.
#pragma once

namespace lavix::app {

class Session;

// Runs the nine-choice menu until Quit.
void runFileOperations(Session& session);

}  // namespace lavix::app
