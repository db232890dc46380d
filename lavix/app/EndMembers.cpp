// Component values of the current diagram and the end-member picker.
#include "lavix/app/EndMembers.h"

#include "lavix/app/SamplePicker.h"
#include "lavix/app/Session.h"
#include "lavix/models/Messages.h"

namespace lavix::app {

namespace msg = models::messages;

models::ComponentData componentData(const Session& s) {
  // The models work on the values the diagram shows: recast to 100 after Normalize.
  return models::ComponentData{s.data, s.recalc.recast.recastFlags()};
}

std::optional<models::AxisComponents> diagramComponents(Session& s) {
  models::AxisComponents components =
      models::findComponents(s.diagram.plot.xTitle, s.diagram.plot.yTitle, s.data, s.standard);
  if (!components.error.empty()) {
    ui::say(s.prompts, components.error);
    return std::nullopt;
  }
  return components;
}

EndMemberPick pickEndMember(Session& s, const models::AxisComponents& components, const std::string& prompt) {
  std::vector<int> rows;
  for (int row = 1; row <= s.data.rowCount; ++row) rows.push_back(row);
  const SamplePick chosen = pickSample(s, prompt, rows, msg::newAnalysisItem);
  EndMemberPick pick;
  if (chosen.extra) pick.outcome = PickOutcome::newAnalysis;
  if (chosen.row == 0) return pick;
  pick.row = chosen.row;
  pick.name = s.data.sampleName[static_cast<std::size_t>(chosen.row)];
  const models::ComponentData data = componentData(s);
  for (std::size_t k = 0; k < components.parts.size(); ++k) {
    const std::optional<double> value = models::componentValue(data, components.parts[k], chosen.row);
    if (!value) {
      ui::say(s.prompts, msg::isotopeUnreadable);
      pick.outcome = PickOutcome::unreadable;
      return pick;
    }
    pick.values[k] = *value;
  }
  pick.outcome = PickOutcome::picked;
  return pick;
}

void explainNewAnalysis(Session& s) { ui::say(s.prompts, msg::toAddAnalysis); }

}  // namespace lavix::app
