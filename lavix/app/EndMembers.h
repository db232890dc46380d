// The components of the current XY diagram as the mixing lines and the XY models read them, and
// the end-member picker they share.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "lavix/models/Components.h"

namespace lavix::app {

class Session;

// The data every component value is read from: the one place where the columns recast to 100
// (normFlag) would enter.
models::ComponentData componentData(const Session& session);

// The components of the two axes; nullopt, with the message shown, when one has no data.
std::optional<models::AxisComponents> diagramComponents(Session& session);

enum class PickOutcome { picked, cancelled, newAnalysis, unreadable };

struct EndMemberPick {
  PickOutcome outcome = PickOutcome::cancelled;
  int row = 0;
  std::string name;
  std::array<double, models::componentCount> values{};  // components 1..4 at 0..3
};

// The list picker titled `prompt` over every sample and a last entry for a new analysis; the
// chosen sample's component values. An isotope ratio that cannot be read is reported.
EndMemberPick pickEndMember(Session& session, const models::AxisComponents& components, const std::string& prompt);

// "To Add a new analysis:" with its three steps.
void explainNewAnalysis(Session& session);

}  // namespace lavix::app
