// What the REE inverse model keeps while the program runs: the regression data file it reads
// and where the rows of its last inversion begin.
#pragma once

#include <cstdint>
#include <string>

namespace lavix::app {

// The inversion appends this many rows: P, ~D, ~source and the four bounds.
inline constexpr int inverseRowCount = 7;

struct InverseModelState {
  std::string regressionDataFile;  // asked once, then kept; empty until an inversion read one
  int16_t lastFirstRow = 0;        // the first of the last inversion's rows; 0: none
};

}  // namespace lavix::app
