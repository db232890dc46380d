// Weighted least-squares mixing and fractionation: the three models and their report text.
#pragma once

#include <string>
#include <vector>

#include "mixing/MixingData.h"

namespace lavix::mixing {

enum class Model { Fractionation = 1, Mixing = 2, MixingAndFractionation = 3 };

// Rows of the data matrix taking part in a model.
struct ModelChoice {
  Model model = Model::Fractionation;
  std::vector<int> minerals;  // models 1 and 3
  std::vector<int> lavas;     // models 2 and 3
  int daughter = 0;           // model 1
  int target = 0;             // the parent (model 1) or the hybrid
};

// How the normal matrix is summed. Double keeps near-collinear mineral sets solvable; the
// report digits of the test cases are the same either way.
enum class NormalPrecision { Single, Double };

struct TraceRow {
  std::string element;
  float d = 0;          // bulk distribution coefficient (models 1 and 3)
  float observed = 0;   // parent or hybrid
  float calculated = 0;
  float difference = 0;
  float source = 0;     // daughter (1) or mixed magma (3)
  std::vector<float> lavas;  // model 2: the lavas' values
  std::string missingIn;     // the analyses that lack the element, left out of the comparison
};

struct ModelResult {
  Model model = Model::Fractionation;
  int nmin = 0;
  int nph = 0;
  std::vector<std::string> phaseNames;  // 1..nph+1 at index 0..nph
  std::vector<double> coefficients;     // x1..xnph at index 0..nph-1
  std::vector<float> proportions;       // p, same indexes
  std::vector<std::vector<double>> composition;  // [phase][oxide], unweighted, phase nph = target
  std::vector<float> calculated;        // per oxide, unweighted
  std::vector<float> residuals;         // per oxide, weighted
  float sumOfSquares = 0;
  int skippedPivots = 0;
  bool mineralSignsMixed = false;
  bool lavaSignsMixed = false;
  float meltFraction = 0;               // after the f / (2f - 1) rule
  bool traceTable = false;
  std::vector<TraceRow> trace;
  std::vector<std::string> report;      // lines without line ends
  // Why the phases cannot be solved for (two the same, or one a mixture of others); nothing
  // else is filled then.
  std::string refusal;
};

// Builds, solves and reports one model, or refuses a singular one. Rows must lie inside the matrix.
ModelResult runModel(const DataMatrix& matrix, const OxideTable& oxides, const PartitionTable& partition,
                     const ModelChoice& choice, NormalPrecision precision = NormalPrecision::Double);

}  // namespace lavix::mixing
