// `menuSelect`: runs the selection window `SubSelect` and tells the caller what follows.
#include "lavix/app/SelectCommand.h"

#include "lavix/app/DiagramCommands.h"
#include "lavix/app/Session.h"
#include "lavix/data/SubSelect.h"

namespace lavix::app {

SelectOutcome menuSelect(Session& session) {
  SelectOutcome outcome;
  if (!diagramCommandAllowed(session)) return outcome;  // also turns identify off
  const data::SubsetCriteria before = session.subset;
  {
    data::SubSelect window(session.data, session.subset, session.prompts, session.recalc.recast.recastFlags());
    session.prompts.runModal(window);
  }
  outcome.shown = true;
  outcome.criteriaChanged = session.subset != before;
  outcome.redraw = outcome.criteriaChanged;
  outcome.continueSpider = outcome.redraw && session.diagram.diagramKind == "SPI";
  outcome.rebuildHistogram = outcome.redraw && session.diagram.diagramKind == "HIST";
  return outcome;
}

}  // namespace lavix::app
