// The state dumps of batch mode (`@dump WHAT`): TAB-separated blocks for checking.
#include "lavix/app/Dumps.h"

#include "lavix/app/Session.h"
#include "lavix/data/DataFileWriter.h"

namespace lavix::app {

namespace {

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += '\n';
    out += lines[i];
  }
  return out;
}

}  // namespace

std::optional<std::string> dump(const Session& session, const std::string& what) {
  // The data in memory exactly as Save writes them.
  if (what == "matrix") return joinLines(data::dataFileLines(session.data));
  return std::nullopt;
}

}  // namespace lavix::app
