// The XY models: end members, coefficients, F range, the curve and the "Select Option" loop.
#include "lavix/app/XyModelCommands.h"

#include <string>
#include <vector>

#include "common/text/Text.h"
#include "lavix/app/CurveDrawing.h"
#include "lavix/app/EndMembers.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/models/Messages.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

const std::vector<std::string> modelChoices = {"AFC",      "FC",    "EC",          "Zone Ref.",
                                               "Recharge", "Mixing", "Equi. Melt.", "Quit"};

enum class Step { quit, newCoefficients, newEndMembers };

struct EndMembers {
  EndMemberPick parent, assimilant;
};

// Parent and, where the process takes one, assimilant; nullopt after a cancel or a failure.
std::optional<EndMembers> pickEndMembers(Session& s, const models::AxisComponents& components, models::Process p) {
  EndMembers members;
  members.parent = pickEndMember(s, components, msg::selectParent);
  if (members.parent.outcome == PickOutcome::picked && models::needsAssimilant(p))
    members.assimilant = pickEndMember(s, components, msg::selectAssimilant);
  else
    members.assimilant = members.parent;  // recharge: the magma that comes in is the parent
  for (const EndMemberPick* pick : {&members.parent, &members.assimilant}) {
    if (pick->outcome == PickOutcome::newAnalysis) explainNewAnalysis(s);
    if (pick->outcome != PickOutcome::picked) return std::nullopt;
  }
  return members;
}

// The coefficient dialog; false when cancelled. A repeated component takes the coefficient of
// the first one with its name.
bool askCoefficients(Session& s, const models::AxisComponents& components, models::Process p,
                     const std::string& title) {
  XyModelState& state = s.xyModel;
  std::vector<std::string> fields;
  std::vector<float> presets;
  std::array<int, models::componentCount> sameAs{};
  for (std::size_t k = 0; k < components.parts.size(); ++k) {
    const models::Component& c = components.parts[k];
    sameAs[k] = static_cast<int>(k);
    for (std::size_t j = 0; j < k; ++j)
      if (components.parts[j].exists() && text::normaliseName(components.parts[j].name) == text::normaliseName(c.name))
        sameAs[k] = static_cast<int>(j);
    const bool shown = sameAs[k] == static_cast<int>(k) &&
                       (c.kind != models::ComponentKind::absent && c.kind != models::ComponentKind::constant);
    fields.push_back(!shown ? msg::noComponent : c.oxygen ? msg::oxygenField : msg::dFor + c.name);
    presets.push_back(shown ? state.d[k] : 0.0f);
  }
  if (models::asksRatio(p)) {
    fields.push_back(msg::ratioField);
    presets.push_back(state.r);
  }
  if (!s.exchange.askNumbers(s.prompts, title, fields, presets)) return false;
  for (std::size_t k = 0; k < state.d.size(); ++k)
    state.d[k] = sameAs[k] == static_cast<int>(k) ? s.exchange.fieldValue[k + 1]
                                                   : state.d[static_cast<std::size_t>(sameAs[k])];
  state.r = models::ratioAfterCoefficients(p, models::asksRatio(p) ? s.exchange.fieldValue[5] : 0.0f);
  return true;
}

// The F range, its curve and the keep-or-delete question; false when the dialog was cancelled.
bool drawModel(Session& s, const models::AxisComponents& components, models::Process p, const EndMembers& members) {
  XyModelState& state = s.xyModel;
  const models::FRange preset = models::fRangePreset(p, state.r);
  if (!s.exchange.askNumbers(s.prompts, preset.title, {msg::fStart, msg::fEnd, msg::fStep},
                             {preset.start, preset.end, preset.step}))
    return false;
  const models::FSteps steps =
      models::fSteps(s.exchange.fieldValue[1], s.exchange.fieldValue[2], s.exchange.fieldValue[3]);
  if (!steps.refusal.empty()) {
    ui::say(s.prompts, steps.refusal);
    return true;
  }
  std::array<models::ModelComponent, models::componentCount> parts;
  for (std::size_t k = 0; k < parts.size(); ++k)
    parts[k] = {components.parts[k].kind, components.parts[k].oxygen, members.parent.values[k],
                members.assimilant.values[k], state.d[k]};
  const models::ModelCurve curve = models::modelCurve(p, steps.values, parts, state.r);
  if (curve.limitFormUsed) ui::say(s.prompts, msg::limitForm);
  offerCurve(s, curve.points, {}, {});
  return true;
}

Step selectOption(Session& s) {
  const int choice =
      s.exchange.askButton(s.prompts, msg::selectOption, {msg::newCoefficients, msg::changeEndMembers, msg::quit}, "ncq");
  redrawDiagram(s);
  if (choice == 1) return Step::newCoefficients;
  if (choice == 2) return Step::newEndMembers;
  return Step::quit;
}

}  // namespace

bool modelledAxisName(const std::string& name) {
  if (text::toUpper(name) == "FEO*") return true;
  return name.find_first_of(msg::notModelled) == std::string::npos;
}

void runXyModel(Session& s, models::Process p) {
  const std::optional<models::AxisComponents> components = diagramComponents(s);
  if (!components) {
    redrawDiagram(s);
    return;
  }
  while (true) {
    const std::optional<EndMembers> members = pickEndMembers(s, *components, p);
    if (!members) {
      redrawDiagram(s);
      return;
    }
    std::string title = "Co=" + members->parent.name;
    if (models::needsAssimilant(p)) title += "  Ca=" + members->assimilant.name;
    Step next = Step::newCoefficients;
    while (next == Step::newCoefficients) {
      // Mixing needs no coefficients; its F range is the parent's fraction.
      if (p == models::Process::mixing) s.xyModel.r = 0;
      else if (!askCoefficients(s, *components, p, title)) {
        redrawDiagram(s);
        return;
      }
      if (!drawModel(s, *components, p, *members)) {
        redrawDiagram(s);
        return;
      }
      next = selectOption(s);
    }
    if (next == Step::quit) return;
  }
}

void xyModel(Session& s) {
  if (!modelledAxisName(s.diagram.plot.xTitle)) {
    ui::say(s.prompts, msg::xNotSuitable);
    return;
  }
  if (!modelledAxisName(s.diagram.plot.yTitle)) {
    ui::say(s.prompts, msg::yNotSuitable);
    return;
  }
  const int choice = s.exchange.askButton(s.prompts, msg::selectModel, modelChoices, msg::modelKeys);
  if (choice < 1 || choice >= static_cast<int>(modelChoices.size())) {
    redrawDiagram(s);
    return;
  }
  static constexpr char letters[] = "AFEZRMB";
  runXyModel(s, static_cast<models::Process>(letters[choice - 1]));
}

}  // namespace lavix::app
