// The corrected-data file, appended to row by row: what a batch transcript cannot count.
// The other commands of `Main` and `outpt` are checked by the batch runs of tests/mixing/scripts.
#include <gtest/gtest.h>

#include "common/text/TextFile.h"
#include "tests/mixing/MixingFixture.h"

namespace lavix::mixing {
namespace {

TEST(MainWindowTest, CorrectedDataTwiceAppendsTwoRowsAndOneHeader) {
  testing::MixingSession f;
  f.prompts.queueAnswers({"PC/andesite.PC.txt", "PC/majors.wt.txt", "Data Files/mixing-atacazo-lavas.txt",
                          "Data Files/mixing-atacazo-minerals.txt", "OPX_ATA | AMPH_ATA | PLAG_SAZ", "ATAC-58",
                          "ATAC-4", "Data Files/corrected.txt"});
  for (const char* control : {"readpc", "readrock", "readmin", "FC", "corr", "corr"}) f.window.click(control, "");
  EXPECT_FALSE(f.prompts.failed()) << f.prompts.failure().text;
  EXPECT_TRUE(f.prompts.takeUnusedAnswers().empty());
  const auto lines = text::splitLines(lavix::testing::readWholeFile(f.folder.dataFiles("corrected.txt")));
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_TRUE(lines[0].starts_with("Sample\tJcode\tKcode\tLcode\tSiO2"));
  EXPECT_TRUE(lines[1].starts_with("ATAC-4\t0\t1\t0\t57.92\t"));
  EXPECT_EQ(lines[1], lines[2]);
}

}  // namespace
}  // namespace lavix::mixing
