// The CMAS and mineral projection commands.
#include "lavix/app/ProjectionCommands.h"

#include "lavix/app/Interaction.h"
#include "lavix/app/LibraryCommands.h"
#include "lavix/app/Messages.h"
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

  const recalc::CrNiColumns crNi = recalc::findCrNi(s.data);
  recalc::FerricRatio ratio = s.ferricRatio;
  if (cmas) {
    ratio.feTempC = s.preferences.feRatioTemperature;
    ratio.feLogFO2 = s.preferences.feRatioLogFO2;
    recalc::setFerricRatio(ratio, s.exchange, s.prompts);
  }
  std::vector<diagram::MoleAmounts> moles =
      recalc::molecularProportions(s.data, s.standard, crNi, cmas ? &ratio : nullptr);
  if (!drawEveryRecord(s, *opened, std::move(moles), cmas ? ratio.feLabel : std::string())) return;
  if (!cmas) return;
  s.ferricRatio = ratio;
  s.preferences.feRatioTemperature = ratio.feTempC;
  s.preferences.feRatioLogFO2 = ratio.feLogFO2;
  s.feRatio = feRatioTerm(ratio.feTempC, ratio.feLogFO2);
}

}  // namespace

void mcmas(Session& s) { project(s, diagram::LibraryFamily::cmas); }

void mmin(Session& s) { project(s, diagram::LibraryFamily::minerals); }

}  // namespace lavix::app
