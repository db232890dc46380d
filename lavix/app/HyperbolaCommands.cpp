// Mixing hyperbolas between two end members or fitted to the plotted points.
#include "lavix/app/HyperbolaCommands.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "lavix/app/CurveDrawing.h"
#include "lavix/app/EndMembers.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/models/Hyperbola.h"
#include "lavix/models/Messages.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

// The X axis limits as raw values, low to high.
std::pair<double, double> xAxisLimits(const Session& s) {
  const diagram::DiagramSettings& d = s.diagram;
  double from = d.x.start, to = d.x.end;
  if (d.plot.xLog == 1) {
    from = std::pow(10.0, from);
    to = std::pow(10.0, to);
  }
  return {std::min(from, to), std::max(from, to)};
}

std::vector<float> chooseTicks(Session& s, const std::string& endMember) {
  std::vector<std::string> schemes(std::begin(msg::tickSchemes), std::end(msg::tickSchemes));
  const int choice = s.exchange.askButton(s.prompts, msg::tickSchemeTitle + endMember, schemes, "estno");
  if (choice != 5) return models::tickScheme(choice);
  const std::optional<std::string> typed = s.prompts.input({msg::enterTicks + endMember, msg::separateTicks, {}});
  return typed ? models::parseTicks(*typed, s.decimalSeparator) : std::vector<float>{};
}

models::EndMember endMemberOf(const EndMemberPick& pick) {
  return {pick.values[0], pick.values[1], pick.values[2], pick.values[3]};
}

void twoEndpoints(Session& s) {
  const std::optional<models::AxisComponents> components = diagramComponents(s);
  if (!components) return;
  const EndMemberPick first = pickEndMember(s, *components, msg::selectFirst);
  const EndMemberPick second =
      first.outcome == PickOutcome::picked ? pickEndMember(s, *components, msg::selectSecond) : first;
  if (first.outcome == PickOutcome::newAnalysis || second.outcome == PickOutcome::newAnalysis) explainNewAnalysis(s);
  if (first.outcome != PickOutcome::picked || second.outcome != PickOutcome::picked) return;
  // An end member without a denominator has no place on the diagram.
  for (std::size_t k : {1u, 3u})
    if (first.values[k] == 0 || second.values[k] == 0) {
      ui::say(s.prompts, msg::notFoundFor + components->parts[k].name);
      return;
    }
  const models::EndMember m1 = endMemberOf(first), m2 = endMemberOf(second);
  const models::Hyperbola h = models::mixingHyperbola(m1, m2);
  const std::vector<float> ticks = chooseTicks(s, second.name);
  const double x1 = m1.a / m1.b, x2 = m2.a / m2.b;
  if (x1 == x2) {
    ui::say(s.prompts, msg::equalX);
    return;
  }
  const int bounds =
      s.exchange.askButton(s.prompts, msg::mixBoundsTitle, {msg::boundsEndpoints, msg::boundsXAxis}, "ex");
  const auto [from, to] = bounds == 1 ? std::pair{std::min(x1, x2), std::max(x1, x2)} : xAxisLimits(s);
  std::vector<models::CurvePoint> points =
      models::hyperbolaCurve(h, models::axisSteps(from, to, 100, s.diagram.plot.xLog == 1));
  const std::vector<models::CurvePoint> tickMarks = models::tickPoints(h, m1, m2, ticks);
  points.insert(points.end(), tickMarks.begin(), tickMarks.end());
  offerCurve(s, points, tickMarks.empty() ? std::string() : models::tickListText(ticks), second.name);
}

void leastSquaresFit(Session& s) {
  const std::optional<models::AxisComponents> components = diagramComponents(s);
  if (!components) return;
  const models::ComponentData data = componentData(s);
  std::vector<models::XYPoint> points;
  for (int row : s.plottedRows) {
    std::array<double, models::componentCount> v{};
    bool readable = true;
    for (std::size_t k = 0; k < v.size() && readable; ++k) {
      const std::optional<double> value = models::componentValue(data, components->parts[k], row);
      readable = value.has_value();
      if (value) v[k] = *value;
    }
    if (readable && v[1] != 0 && v[3] != 0) points.push_back({v[0] / v[1], v[2] / v[3]});
  }
  if (points.size() < 3) {
    ui::say(s.prompts, msg::needThreeForHyperbola);
    return;
  }
  const std::optional<models::HyperbolaFit> fit = models::fitHyperbola(points);
  if (!fit) {
    ui::say(s.prompts, msg::noHyperbola);
    return;
  }
  ui::say(s.prompts, models::hyperbolaReport(*fit));
  const std::string caption = s.statsCaption;
  s.statsCaption = models::hyperbolaLabel(*fit);
  const auto [from, to] = xAxisLimits(s);
  const std::vector<models::CurvePoint> curve =
      models::fittedCurve(*fit, models::axisSteps(from, to, 100, s.diagram.plot.xLog == 1));
  if (offerCurve(s, curve, {}, {}) != CurveOutcome::kept) {
    s.statsCaption = caption;
    redrawDiagram(s);
  }
}

}  // namespace

void xyMix(Session& s) {
  const int choice =
      s.exchange.askButton(s.prompts, msg::hyperbolaFrom, {msg::twoEndpoints, msg::leastSquares, msg::quitChoice}, "tlq");
  if (choice == 1) twoEndpoints(s);
  else if (choice == 2) leastSquaresFit(s);
  redrawDiagram(s);
}

}  // namespace lavix::app
