// Ordinary least-squares line through the plotted points, with its errors, t, F, r, R² and
// Spearman's rank correlation, and the texts and file lines that report it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lavix::models {

struct XYPoint {
  double x = 0;
  double y = 0;
};

struct RegressionFit {
  int n = 0;
  double slope = 0;           // b
  double intercept = 0;       // a
  double slopeError = 0;      // sb
  double interceptError = 0;  // sa
  double r = 0;               // NaN when the Y values do not vary
  double rSquared = 0;
  std::optional<double> t;    // not computed when every point lies on the line
  std::optional<double> f;
  double spearman = 0;        // r'
  double xMin = 999999;       // of the points
  double xMax = -999999;
};

struct RegressionOutcome {
  std::optional<RegressionFit> fit;
  std::string refusal;  // the message when there is no fit
};

// The fit; fewer than three points, or points that all share one X, give a refusal.
RegressionOutcome fitLine(const std::vector<XYPoint>& points);

// Ranks 1..n in ascending order; tied values share the mean of their positions.
std::vector<double> tiedRanks(const std::vector<double>& values);

// r' = 1 − 6 Σd² / (n³ − n) over the ranks of X and of Y.
double spearmanCorrelation(const std::vector<XYPoint>& points);

enum class LineBounds { endpoints, xAxis };

// The plotted line's two ends in axis units: from the smallest to the largest X of the
// points, or from the X-axis minimum to its maximum with each end moved inwards in steps of
// a three-hundredth of the span while it lies outside the Y range. nullopt when the line
// never enters the Y range.
std::optional<std::pair<XYPoint, XYPoint>> regressionLineEnds(const RegressionFit& fit, LineBounds bounds,
                                                              double xStart, double xEnd, double yStart, double yEnd);

// The label written on the diagram: "Slope=... Int=... n=... t=... F=... r=...".
std::string regressionLabel(const RegressionFit& fit);
// The same followed by Spearman's r'.
std::string regressionDiagramLabel(const RegressionFit& fit);
// The report, its lines separated by "\n".
std::string regressionReport(const RegressionFit& fit, const std::string& xName, const std::string& yName);

// The regression data file (.lx.txt): its first line and one line per regression.
std::string regressionFileHeader();
std::string regressionFileLine(const RegressionFit& fit, const std::string& xName, const std::string& yName);

}  // namespace lavix::models
