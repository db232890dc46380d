// The statistics of the current diagram: the regression line of an XY diagram, the normal and
// Poisson curves of a histogram, and a spider diagram renormalised to one of its samples.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lavix/models/Regression.h"

namespace lavix::app {

class Session;

struct StatisticsState {
  // The last regression, kept for the inverse model.
  std::optional<models::RegressionFit> regression;
  // The regression data file (.lx.txt) chosen while the program runs; empty until the first write.
  std::string regressionFile;
  // Set by the inverse model while it regresses without dialogs.
  bool batchRegression = false;
  float poissonLambda = 0;
  // Regression lines and distribution curves drawn over the diagram, in axis units.
  std::vector<std::vector<models::XYPoint>> keptLines;
};

// linRegress: the regression (XY), the normal curve (HIST), the renormalisation (SPI).
void linRegress(Session& session);
// poisson: a Poisson curve on a histogram.
void poisson(Session& session);

// The regression of the plotted XY points with its questions. With batchRegression set it asks
// nothing: the line runs between the X-axis limits, stays, and the parameters are appended to
// the regression data file (which is asked for once if none is chosen yet). Returns the fit;
// nullopt when there was none (too few points) or the report was cancelled.
std::optional<models::RegressionFit> regressXY(Session& session);

// What an axis-variable change leaves behind: the kept lines, and on an XY diagram its caption.
void forgetStatistics(Session& session);

}  // namespace lavix::app
