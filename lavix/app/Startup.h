// Start-up and shut-down of lavix: configuration files in order, recovery prompts.
#pragma once

namespace lavix::app {

class Session;

enum class StartupOutcome { Ready, Fatal };

// Runs the start-up sequence on a fresh session: reads the Controls files (asking for a
// replacement when one cannot be opened), allocates the matrix and sets the defaults.
StartupOutcome startUp(Session& session);

// Writes the recent-file list back; a failure is reported.
void shutDown(Session& session);

// Writes Controls/lxpref.ini from the preferences in memory; a failure is reported and false.
bool savePreferences(Session& session);

}  // namespace lavix::app
