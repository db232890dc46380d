// The CMAS and mineral projection commands.
#include "lavix/app/ProjectionCommands.h"

#include "lavix/app/Interaction.h"
#include "lavix/app/LibraryCommands.h"
#include "lavix/app/Messages.h"
#include "lavix/app/RecalcCommands.h"
#include "lavix/app/Session.h"
#include "lavix/recalc/MolecularProportions.h"

namespace lavix::app {

namespace {

void project(Session& s, diagram::LibraryFamily family) {
  if (s.data.rowCount == 0 || s.data.columnCount == 0) {
    ui::say(s.prompts, messages::readAFileFirst);
    return;
  }
  identifyOff(s);
  const bool cmas = family == diagram::LibraryFamily::cmas;
  const std::optional<std::string> path =
      chooseLibraryFile(s, cmas ? "CMAS" : "MIN", cmas ? messages::cmasFilter : messages::mineralFilter);
  if (!path) return;
  const std::optional<OpenedLibrary> opened = readLibraryFile(s, *path, family);
  if (!opened) return;

  s.recalc.crNi = recalc::findCrNi(s.data);
  if (cmas) setFerricRatio(s);
  std::vector<diagram::MoleAmounts> moles =
      recalc::molecularProportions(s.data, s.standard, s.recalc.crNi, cmas ? &s.recalc.iron : nullptr);
  drawEveryRecord(s, *opened, std::move(moles), cmas ? s.recalc.iron.feLabel : std::string());
}

}  // namespace

void mcmas(Session& s) { project(s, diagram::LibraryFamily::cmas); }

void mmin(Session& s) { project(s, diagram::LibraryFamily::minerals); }

}  // namespace lavix::app
