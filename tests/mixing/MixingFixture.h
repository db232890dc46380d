// The mixing tests' ground: small matrices built by hand, so solver tests state their data in a
// few lines, and a session over a fresh copy of the program folder answered by scripted prompts.
#pragma once

#include <string>
#include <vector>

#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "mixing/MainWindow.h"
#include "mixing/MixingData.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::mixing::testing {

struct Fixture {
  OxideTable oxides;
  PartitionTable partition;
  DataMatrix matrix;
  int nextRock = 1;
  int nextMineral = 0;

  // Weight file text, then the partition table from its text ("" for none).
  Fixture(const std::string& weightText, const std::string& pcText) {
    oxides = readWeights(weightText).value;
    if (!pcText.empty()) partition = readPartitionCoefficients(pcText).value;
    nextMineral = matrix.firstMineralRow();
  }

  int put(int row, const std::string& name, const std::vector<float>& majors, const std::vector<float>& traces) {
    matrix.name(row) = name;
    for (std::size_t i = 0; i < majors.size(); ++i) matrix.setValue(static_cast<int>(i + 1), row, majors[i]);
    for (std::size_t t = 0; t < traces.size(); ++t) matrix.setValue(oxides.count() + static_cast<int>(t + 1), row, traces[t]);
    return row;
  }
  int rock(const std::string& name, const std::vector<float>& majors, const std::vector<float>& traces = {}) {
    return put(nextRock++, name, majors, traces);
  }
  // Trace element t (1-based) of a rock row becomes "not analysed", as an empty cell of its file.
  void notAnalysed(int row, int t) {
    Analysis analysis{matrix.name(row), 0, 0, 0, {}, {}};
    for (int c = 1; c <= oxides.count() + partition.elementCount(); ++c) analysis.values.push_back(matrix.value(c, row));
    analysis.missing.assign(analysis.values.size(), false);
    analysis.missing[static_cast<std::size_t>(oxides.count() + t - 1)] = true;
    matrix.replaceBlock(row, row, {analysis});
  }
  int mineral(const std::string& name, const std::vector<float>& majors) {
    const int row = put(nextMineral++, name, majors, {});
    matrix.mineralId(row) = matchMineral(name, partition.identifiers);
    return row;
  }
};

// a*x + b*y, element by element.
inline std::vector<float> combine(double a, const std::vector<float>& x, double b, const std::vector<float>& y) {
  std::vector<float> out;
  for (std::size_t i = 0; i < x.size(); ++i) out.push_back(static_cast<float>(a * x[i] + b * y[i]));
  return out;
}

// A mixing session over a fresh copy of the program folder.
struct MixingSession {
  lavix::testing::TempProgramFolder folder;
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts{transcript, folder.path()};
  ui::ScriptedPrinter printer{transcript};
  Session session{prompts, printer, folder.path()};
  MainWindow window{session};
};

}  // namespace lavix::mixing::testing
