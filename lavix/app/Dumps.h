// The state dumps of batch mode (`@dump WHAT`): TAB-separated blocks for checking.
#pragma once

#include <optional>
#include <string>

namespace lavix::app {

class Session;

// The block for WHAT without its closing "end"; nullopt when lavix has no such dump.
std::optional<std::string> dump(const Session& session, const std::string& what);

}  // namespace lavix::app
