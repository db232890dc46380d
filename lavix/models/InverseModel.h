// The REE inverse model: the regression data file it reads and the source and bulk D it
// estimates from each ratio's regression line.
//
// Batch melting (C_L = C0 / (D + F (1 - P)), Shaw 1970) with a reference element so
// incompatible (La) that C_L(La) = C0(La) / F makes La/i of a suite of melts a straight line in
// La: slope D(i) / C0(i), intercept C0(La) (1 - P(i)) / C0(i) (Treuil & Joron 1975; Minster &
// Allegre 1978; Hofmann & Feigenson 1983). The preparation regresses chondrite-normalised La/i
// against normalised La, one line per element, into the regression data file (.lx.txt).
//
// The estimates take C0(La) = 1: the source and D come out relative to the source's normalised
// La (source = C0(i) / C0(La), D = D(i) / C0(La)); with a source of chondritic La they are the
// published ones.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lavix::models {

inline constexpr int maxRegressionDataLines = 30;

// One data line of the regression data file: the element of its ratio and its line.
struct RatioRegression {
  int line = 0;         // in the file, 1 = the header
  std::string element;  // "CE": the two characters after the Y name's first "/", markup removed, upper-cased
  float slope = 0, slopeError = 0, intercept = 0, interceptError = 0;
};

struct RegressionData {
  std::vector<RatioRegression> lines;  // the data lines used, in file order, at most 30
  // Data lines left out, each as "line N (Y name)": no element after a "/" or fewer than six
  // fields of which the four numbers are not all numbers.
  std::vector<std::string> leftOut;
  int beyondLimit = 0;  // data lines after the 30th, not used
};

// The file's text: a header line (skipped), then per line X name, Y name, slope, its error,
// intercept, its error, r, n, t, separated by commas or TABs. Empty lines are skipped.
RegressionData readRegressionData(std::string_view content);

// The element of a ratio's name: the two characters after its first "/" with markup and
// blanks removed, upper-cased ("La[N]/Ce[N]" gives "CE", "La/Y" gives "Y"); empty without "/".
std::string ratioElement(std::string_view ratioName);

// The estimates of one element for a bulk melting coefficient P, in the order of the rows the
// inversion appends. Without a value where the intercept is exactly 0: the source is then
// unbounded, and so is each D, which is the slope times the source.
struct InverseEstimate {
  float p = 0;                        // bulk P: sum of Kd x melt mode / 100
  std::optional<float> d;             // s x Co (~D)
  std::optional<float> source;        // Co = (1 - P) / I (~source)
  float sourceLow = 0;                // (1 - P) / (I - sigma I), written "-"
  float sourceHigh = 0;               // (1 - P) / (I + sigma I), written "+"
  std::optional<float> dLow;          // (s - sigma s) x Co, written "-"
  std::optional<float> dHigh;         // (s + sigma s) x Co, written "+"
};

// A bound's denominator of exactly 0 is taken as 0.00001.
InverseEstimate invertRegression(const RatioRegression& line, float p);

}  // namespace lavix::models
