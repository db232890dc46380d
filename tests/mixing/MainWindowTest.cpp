// The commands of `Main` and `outpt` driven through scripted prompts over a program folder copy.
#include <gtest/gtest.h>

#include "common/text/TextFile.h"
#include "tests/mixing/MixingSession.h"

namespace lavix::mixing {
namespace {

struct MainFixture : testing::MixingSession {

  ui::EventResult click(const std::string& control, const std::vector<std::string>& answers = {}) {
    const std::size_t before = transcript.size();
    prompts.queueAnswers(answers);
    const ui::EventResult result = window.click(control, "");
    EXPECT_TRUE(prompts.takeUnusedAnswers().empty()) << control;
    EXPECT_FALSE(prompts.failed()) << prompts.failure().text;
    last.assign(transcript.lines().begin() + static_cast<std::ptrdiff_t>(before), transcript.lines().end());
    return result;
  }
  bool lastShows(const std::string& line) const { return std::find(last.begin(), last.end(), line) != last.end(); }
  void readAll() {
    click("readpc", {"PC/andesite.PC.txt", "PC/majors.wt.txt"});
    click("readrock", {"Data Files/mixing-atacazo-lavas.txt"});
    click("readmin", {"Data Files/mixing-atacazo-minerals.txt"});
  }
  void runFc() { click("FC", {"OPX_ATA | AMPH_ATA | PLAG_SAZ", "ATAC-58", "ATAC-4"}); }

  std::vector<std::string> last;
};

TEST(MainWindowTest, ModelCommandsCheckTheFilesInOrder) {
  struct Case {
    const char* control;
    int filesRead;  // 0 none, 1 PC, 2 PC and rocks
    const char* message;
  };
  const Case cases[] = {
      {"FC", 0, "message: Read a Partition Coeff. (PC) file"},
      {"FC", 1, "message: Read a Mineral file"},
      {"FC", 2, "message: Read a Mineral file"},
      {"both", 2, "message: Read a Mineral file"},
      {"magmix", 1, "message: Read a Rock file"},
      {"readrock", 0, "message: Read a Partition Coeff. (PC) file"},
      {"readmin", 0, "message: Read a Partition Coeff. (PC) file"},
      {"viewpc", 0, "message: Read a Partition Coeff. (PC) file"},
  };
  for (const Case& c : cases) {
    MainFixture f;
    if (c.filesRead >= 1) f.click("readpc", {"PC/andesite.PC.txt", "PC/majors.wt.txt"});
    if (c.filesRead >= 2) f.click("readrock", {"Data Files/mixing-atacazo-lavas.txt"});
    f.click(c.control);
    EXPECT_TRUE(f.lastShows(c.message)) << c.control << " " << c.filesRead;
  }
}

TEST(MainWindowTest, ReadsShowCountsAndCancellingTheWeightFileChangesNothing) {
  MainFixture f;
  f.click("readpc", {"PC/andesite.PC.txt", "[cancel]"});
  EXPECT_FALSE(f.session.pcRead);
  f.readAll();
  const auto fields = f.window.fields();
  EXPECT_EQ(fields[2].second, "mixing-atacazo-lavas.txt   N= 3");
  EXPECT_EQ(fields[3].second, "mixing-atacazo-minerals.txt   N= 4");
  EXPECT_EQ(fields[4].second, "Matrix is 500 by 120");
  // Reading partition coefficients again asks for both data files again.
  f.click("readpc", {"PC/basalt.PC.txt", "PC/majors.wt.txt"});
  f.click("FC");
  EXPECT_TRUE(f.lastShows("message: Read a Mineral file"));
}

TEST(MainWindowTest, UnmatchedMineralIsNamed) {
  MainFixture f;
  f.folder.write("Data Files/qz.txt", "SAMPLE\tSiO2\r\nQUARTZ\t100\r\nOPX 1\t50\r\n");
  f.click("readpc", {"PC/andesite.PC.txt", "PC/majors.wt.txt"});
  f.click("readmin", {"Data Files/qz.txt"});
  EXPECT_TRUE(f.lastShows("message: QUARTZ not matched with any mineral ID in PC file"));
  EXPECT_FALSE(f.lastShows("message: OPX 1 not matched with any mineral ID in PC file"));
}

TEST(MainWindowTest, FcRunsTheModelAndShowsTheOutputWindow) {
  MainFixture f;
  f.readAll();
  f.runFc();
  ASSERT_TRUE(f.window.output().visible);
  EXPECT_EQ(f.window.output().lines()[2], "  0.072   14.1     OPX_ATA");
  EXPECT_EQ(f.window.fields().front().first, "report");
  // `quit` closes the output window first, then the program.
  f.click("quit");
  EXPECT_FALSE(f.window.output().visible);
  EXPECT_TRUE(f.window.isOpen());
  f.click("quit");
  EXPECT_FALSE(f.window.isOpen());
}

TEST(MainWindowTest, RerunButtonsNeedAFractionationRun) {
  MainFixture f;
  f.click("newdt");
  EXPECT_TRUE(f.lastShows("message: Run Fract Xtl option first"));
  f.readAll();
  f.click("magmix", {"NINA-54", "ATAC-4 | ATAC-58"});
  EXPECT_TRUE(f.window.output().visible);
  f.click("newmins");
  EXPECT_TRUE(f.lastShows("message: This button is for Fract Xtl models only"));
  f.runFc();
  f.click("newpt", {"NINA-54"});
  EXPECT_TRUE(f.lastShows("status: parent is   NINA-54"));
  EXPECT_EQ(f.window.output().lines()[0], "  The Parent magma(P) is  NINA-54        ");
  // Reading minerals again ends the run that the buttons would repeat.
  f.click("quit");
  f.click("readmin", {"Data Files/mixing-atacazo-minerals.txt"});
  f.click("newmins");
  EXPECT_TRUE(f.lastShows("message: Run Fract Xtl option first"));
}

TEST(MainWindowTest, ASingularModelIsRefusedAndTheLastReportStays) {
  MainFixture f;
  f.readAll();
  f.runFc();
  const std::string report = f.window.output().text;
  auto& m = f.session.matrix;
  const int opx = m.firstMineralRow() + 1;  // AMPH_ATA follows it
  for (int c = 1; c <= f.session.oxides.count(); ++c) m.setValue(c, opx + 1, m.value(c, opx));
  f.click("newmins", {"OPX_ATA | AMPH_ATA"});
  EXPECT_TRUE(f.lastShows("message: OPX_ATA and AMPH_ATA have the same composition in the weighted oxides, so the "
                          "model cannot tell them apart: leave one of them out."));
  EXPECT_EQ(f.window.output().text, report);
  EXPECT_EQ(f.session.lastChoice.minerals.size(), 3U);
}

TEST(MainWindowTest, ListClosedWithoutChoiceEndsQuietly) {
  MainFixture f;
  f.readAll();
  f.click("FC", {"[quit]"});
  EXPECT_FALSE(f.window.output().visible);
  EXPECT_FALSE(f.session.fcRun);
  f.click("magmix", {"ATAC-4", "[quit]"});
  EXPECT_FALSE(f.window.output().visible);
}

TEST(MainWindowTest, CorrectedDataTwiceAppendsTwoRowsAndOneHeader) {
  MainFixture f;
  f.readAll();
  f.runFc();
  f.click("corr", {"Data Files/corrected.txt"});
  EXPECT_TRUE(f.lastShows("file: save Text Files (*.txt)|*.txt| | title: Select datafile | name: Correctedmixing-atacazo-lavas.txt"));
  EXPECT_TRUE(f.lastShows("status: Saved to file"));
  EXPECT_TRUE(f.lastShows("status: data saved"));
  f.click("corr");  // the name is kept: no dialog
  const auto lines = text::splitLines(lavix::testing::readWholeFile(f.folder.dataFiles("corrected.txt")));
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_TRUE(lines[0].starts_with("Sample\tJcode\tKcode\tLcode\tSiO2\tTiO2\tAl2O3\tFeO\tMgO\tCaO\tNa2O\tK2O\tdum\tLA\tCE"));
  // Pr was not analysed: its cell stays empty rather than claiming 0.
  EXPECT_TRUE(lines[1].starts_with("ATAC-4\t0\t1\t0\t57.92\t0.68\t16.68\t7.72\t5.48\t7.2\t3.56\t0.77\t0.0\t6.7\t15.2\t\t"));
  EXPECT_EQ(lines[1], lines[2]);
}

TEST(MainWindowTest, TextFileAndPrintTakeTheShownReport) {
  MainFixture f;
  f.readAll();
  f.runFc();
  f.click("txtfile", {"report.txt"});
  const std::string saved = lavix::testing::readWholeFile(f.folder.path() + "/report.txt");
  EXPECT_EQ(saved, f.window.output().text);
  EXPECT_NE(saved.find("\r\n Sum of squares of residuals= 0.295\r\n"), std::string::npos);
  f.click("Printr");
  EXPECT_TRUE(f.lastShows("print: mixing"));
  EXPECT_TRUE(f.lastShows(" Sum of squares of residuals= 0.295"));
}

TEST(MainWindowTest, ViewPcListsCoefficientsAndWeights) {
  MainFixture f;
  f.click("readpc", {"PC/andesite.PC.txt", "PC/majors.wt.txt"});
  f.click("viewpc");
  const auto lines = f.window.output().lines();
  EXPECT_EQ(lines[0], "Partition Coefficients");
  EXPECT_EQ(lines[1].substr(0, 18), "         OL    OPX");
  EXPECT_EQ(lines[2].substr(0, 18), "LA    0.02   0.09 ");
  EXPECT_TRUE(std::find(lines.begin(), lines.end(), "  Weights for each oxide") != lines.end());
  EXPECT_EQ(lines.back(), "  K2O    1.00");
}

TEST(MainWindowTest, RedimensionAsksThenEmptiesTheMatrix) {
  MainFixture f;
  f.readAll();
  f.click("redimen", {"No"});
  EXPECT_TRUE(f.lastShows(
      "message: The data matrix has 500 analyses (rows) and 120 elements (columns) .  Redimensioning removes all existing "
      "rock or mineral data. Do you wish to proceed? | title: Redimension"));
  EXPECT_TRUE(f.session.rocksRead);
  f.click("redimen", {"Yes", "100"});
  EXPECT_TRUE(f.lastShows("message: The number of rows must be a whole number from 201 to 32767"));
  EXPECT_EQ(f.session.matrix.rowCount(), 500);
  f.click("redimen", {"Yes", "1000", "80"});
  EXPECT_TRUE(f.lastShows("input: Number of rows (analyses) = 500 | title: Redim"));
  EXPECT_TRUE(f.lastShows("status: Matrix is 1000 by 80"));
  EXPECT_FALSE(f.session.rocksRead);
  EXPECT_FALSE(f.session.mineralsRead);
  f.click("FC");
  EXPECT_TRUE(f.lastShows("message: Read a Mineral file"));
}

}  // namespace
}  // namespace lavix::mixing
