// The legend command.
#include "lavix/app/LegendCommand.h"

#include "common/text/TextFile.h"
#include "lavix/app/DiagramCommands.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"

namespace lavix::app {

namespace {

bool loadLegend(Session& s) {
  ui::FileRequest request;
  request.filter = messages::legendFilter;
  request.filterIndex = 1;
  request.folder = s.dataFolder;
  request.mustExist = true;
  const std::optional<std::string> path = s.prompts.openFile(request);
  if (!path || path->empty()) return false;
  const std::size_t slash = path->find_last_of("/\\");
  const std::string shown = messages::legendFile + (slash == std::string::npos ? *path : path->substr(slash + 1));
  std::string content;
  text::FileError error;
  if (!text::readFile(*path, content, error)) {
    ui::say(s.prompts, shown + ": " + error.text);
    return false;
  }
  diagram::LegendTable loaded;
  std::string problem;
  if (!diagram::readLegendText(content, loaded.entries, problem)) {
    ui::say(s.prompts, shown + ", " + problem);
    return false;
  }
  loaded.legendLoaded = true;
  loaded.legendFile = *path;
  s.legend = std::move(loaded);
  return true;
}

}  // namespace

void legend(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  if (!s.legend.legendLoaded) {
    if (!loadLegend(s)) return;
  } else {
    const int choice = s.exchange.askButton(
        s.prompts, messages::legendPositionTitle,
        {"Top Left", "Top Right", "Outside Right", "Separate Diagram", "Remove legend"}, "TROSM");
    if (choice < 1 || choice > 5) return;
    if (choice == 5) s.legend = diagram::LegendTable{};
    else s.legend.legendPosition = static_cast<int16_t>(choice);
  }
  s.output.outputDevice = diagram::OutputDevice::Screen;
  redrawDiagram(s);
}

}  // namespace lavix::app
