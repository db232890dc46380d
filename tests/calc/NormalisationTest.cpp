// Normalising values of the columns and the choice of the normalisation file.
#include <gtest/gtest.h>

#include "common/format/NumberFormat.h"
#include "common/ui/ScriptedPrompts.h"
#include "lavix/calc/Normalisation.h"
#include "tests/calc/VariableCalculatorFixture.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::calc {
namespace {

using testing::CalculatorSession;

data::NormalisationTable tableOf(std::vector<std::string> elements, std::vector<float> values) {
  data::NormalisationTable table;
  table.element = std::move(elements);
  table.value = std::move(values);
  return table;
}

TEST(Normalisation, OxideColumnsTakeTheirElementOthersTheirOwnName) {
  CalculatorSession s;  // SiO2, TiO2, Zr, Rb
  s.store.columnName[4] = "R[b]";  // markup does not hide the name
  // "TiO2" in the file is no element: the TiO2 column takes Ti's value.
  const auto table = tableOf({"TiO2", "Ti", "zr", "RB"}, {9.0f, 4500.0f, 5.5f, 0.35f});
  recomputeNormValues(s.store, s.standard, table);
  EXPECT_FLOAT_EQ(s.store.normValue[1], 1.0f);  // no Si in the file
  EXPECT_FLOAT_EQ(s.store.normValue[2], 4500.0f);
  EXPECT_FLOAT_EQ(s.store.normValue[3], 5.5f);
  EXPECT_FLOAT_EQ(s.store.normValue[4], 0.35f);
}

struct NormalisationSession : CalculatorSession {
  testing::TempFolder folder;
  std::string normFile = "DEFAULT";
  data::NormalisationTable table = tableOf({"Zr"}, {2.0f});
  NormalisationContext normContext{prompts, folder.path() + "/", normFile, table, store, standard};

  NormalisationSession() { recomputeNormValues(store, standard, table); }
};

TEST(Normalisation, ChosenFileIsReadAndEveryColumnRecomputed) {
  NormalisationSession s;
  const std::string path = s.folder.write("Controls/pm.nrm.txt", "Primitive mantle\r\nZr\t10.5\r\nTi\t1300\r\n");
  s.prompts.queueAnswers({path});
  EXPECT_TRUE(setNormalisation(s.normContext));
  const auto& lines = s.transcript.lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "message: Select the normalization you want in the calculator (variable) window.");
  EXPECT_EQ(lines[1], "file: open Normalization (.nrm.txt)|*.txt|");
  EXPECT_EQ(s.normFile, path);
  EXPECT_EQ(s.table.title, "Primitive mantle");
  EXPECT_FLOAT_EQ(s.store.normValue[3], 10.5f);
  EXPECT_FLOAT_EQ(s.store.normValue[2], 1300.0f);

  // S-norm then divides by the new value.
  VariableCalculator calculator(s.context, "New Variable");
  testing::clickAll(calculator, {"S-norm", "Zr"});
  EXPECT_EQ(s.cell(2, 3), format::shortestText(200.0f / 10.5f));
}

TEST(Normalisation, CancelOrUnreadableFileChangesNothing) {
  for (const bool cancel : {true, false}) {
    NormalisationSession s;
    const std::string missing = s.folder.path() + "/Controls/none.nrm.txt";
    s.prompts.queueAnswers({cancel ? "[cancel]" : missing});
    EXPECT_FALSE(setNormalisation(s.normContext));
    EXPECT_EQ(s.normFile, "DEFAULT");
    ASSERT_EQ(s.table.element.size(), 1u);
    EXPECT_FLOAT_EQ(s.store.normValue[3], 2.0f);
    const std::string said = "message: The normalization file " + missing + " cannot be read: ";
    bool reported = false;
    for (const auto& line : s.transcript.lines()) reported = reported || line.rfind(said, 0) == 0;
    EXPECT_EQ(reported, !cancel);
  }
}

}  // namespace
}  // namespace lavix::calc
