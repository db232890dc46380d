// Fuzzes the three readers of mixing: any bytes as a partition-coefficient, weight, rock and
// mineral file, then the analyses placed in the matrix, matched to minerals and solved.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "mixing/MixingData.h"
#include "mixing/Solver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lavix::mixing;
  const std::string_view content(reinterpret_cast<const char*>(data), size);

  const auto partition = readPartitionCoefficients(content);
  const auto weights = readWeights(content);
  const OxideTable oxides = weights.ok() ? weights.value : readWeights("SiO2\tFeO\tMgO\n1\t1\t1\n").value;
  const PartitionTable table = partition.ok() ? partition.value : PartitionTable{};
  const auto analyses = readAnalyses(content, oxides, table.elements);
  if (!analyses.ok()) return 0;

  // What the commands do next with a file that read: fill, match and run a model.
  // A small matrix keeps runs fast; the rows beyond it are dropped as the commands would refuse them.
  DataMatrix matrix(mineralRowCount + 20, defaultColumnCount);
  if (oxides.count() + table.elementCount() > matrix.columnCount()) return 0;
  matrix.replaceBlock(1, matrix.rockCapacity(), analyses.value);
  matrix.replaceBlock(matrix.firstMineralRow(), matrix.rowCount(), analyses.value);
  const int minerals = static_cast<int>(analyses.value.size() < 200 ? analyses.value.size() : 200);
  for (int row = matrix.firstMineralRow(); row < matrix.firstMineralRow() + minerals; ++row)
    matrix.mineralId(row) = matchMineral(matrix.name(row), table.identifiers);
  if (analyses.value.size() >= 2 && minerals >= 1) {
    const int first = matrix.firstMineralRow();
    runModel(matrix, oxides, table, {Model::Fractionation, {first}, {}, 1, 2});
    runModel(matrix, oxides, table, {Model::Mixing, {}, {1, 2}, 0, 1});
    runModel(matrix, oxides, table, {Model::MixingAndFractionation, {first}, {2}, 0, 1});
  }
  return 0;
}
