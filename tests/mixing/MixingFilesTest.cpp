// The readers of partition-coefficient, weight, rock and mineral files, and the shipped files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/text/TextFile.h"
#include "mixing/Messages.h"
#include "mixing/MixingData.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::mixing {
namespace {

TEST(PartitionFile, ReadsIdentifiersElementsAndCellsWithoutNumbersAsZeroNamingThem) {
  const auto r = readPartitionCoefficients(
      "ELEMENT\tOL\tCPX\tPLAG\r\nLa\t0.01\t\t0.2\r\nsr\t0.001\t0.1\t2.2\r\nBa\tn.a.\t0\r\n");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value.identifiers, (std::vector<std::string>{"OL", "CPX", "PLAG"}));
  EXPECT_EQ(r.value.elements, (std::vector<std::string>{"LA", "SR", "BA"}));
  EXPECT_FLOAT_EQ(r.value.k(1, 1), 0.01F);
  EXPECT_FLOAT_EQ(r.value.k(1, 2), 0.0F);
  EXPECT_FLOAT_EQ(r.value.k(2, 3), 2.2F);
  EXPECT_FLOAT_EQ(r.value.k(3, 1), 0.0F);  // n.a.
  EXPECT_FLOAT_EQ(r.value.k(3, 3), 0.0F);  // past the end of its line
  EXPECT_FLOAT_EQ(r.value.k(4, 1), 0.0F);  // outside the table
  EXPECT_EQ(r.notices, std::vector<std::string>{
                           "3 cells are empty or not numbers: they read as Kd = 0, the mineral taking none of the "
                           "element.\nLA in CPX: empty\nBA in OL: n.a.\nBA in PLAG: missing"});
  EXPECT_TRUE(readPartitionCoefficients("E\tOL\nLa\t0\n").notices.empty()) << "a written 0 is a number";
}

TEST(PartitionFile, CommaSeparatedFileYieldsOnlyTheFirstFieldOfEachLine) {
  const auto r = readPartitionCoefficients("ELEMENT,OL,CPX\nLa,0.01,0.2\n");
  // Line 1 is taken up to its first comma: a label without identifiers.
  EXPECT_EQ(r.error, messages::pcFileNoMinerals);
  const auto mixed = readPartitionCoefficients("ELEMENT OL CPX\nLa 0.01,0.2\n");
  ASSERT_TRUE(mixed.ok());
  EXPECT_FLOAT_EQ(mixed.value.k(1, 1), 0.01F);
  EXPECT_FLOAT_EQ(mixed.value.k(1, 2), 0.0F);
}

TEST(PartitionFile, BlankLineIsReportedAndSkipped) {
  const auto r = readPartitionCoefficients("E\tOL\nLa\t1\n\nCe\t2\n");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.notices, std::vector<std::string>{"blank line found in file"});
  EXPECT_EQ(r.value.elementCount(), 2);
}

TEST(PartitionFile, TablesTooLargeAreRefused) {
  std::string header = "E";
  for (int i = 0; i < 13; ++i) header += "\tM" + std::to_string(i);
  EXPECT_EQ(readPartitionCoefficients(header + "\n").error, "The partition-coefficient file names more than 12 minerals");
  std::string many = "E\tOL\n";
  for (int i = 0; i < 101; ++i) many += "X" + std::to_string(i) + "\t1\n";
  EXPECT_EQ(readPartitionCoefficients(many).error, "The partition-coefficient file has more than 100 elements");
  EXPECT_EQ(readPartitionCoefficients("").error, "The partition-coefficient file is empty");
}

TEST(WeightFile, AppendsHiddenFe2o3WhenAbsent) {
  const auto r = readWeights("\"SiO[2]\"\t\"FeO\"\tMgO\r\n1\t0.5\t2\r\n");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value.names, (std::vector<std::string>{"SiO[2]", "FeO", "MgO", "FE2O3"}));
  EXPECT_EQ(r.value.weights, (std::vector<float>{1, 0.5F, 2, 0}));
  EXPECT_EQ(r.value.feoPosition, 2);
  EXPECT_EQ(r.value.fe2o3Position, 4);
  EXPECT_EQ(r.value.hiddenFe2o3Row, 4);
}

TEST(WeightFile, FindsWrittenFe2o3AndRefusesBadFiles) {
  const auto r = readWeights("SiO2 Fe[2]O[3] FeO\n1 1 0\n");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value.fe2o3Position, 2);
  EXPECT_EQ(r.value.hiddenFe2o3Row, 0);
  EXPECT_EQ(r.value.weights[2], 0.0F);
  // Weights that are missing, no number or all 0 would fit nothing, or fewer oxides than named.
  EXPECT_EQ(readWeights("SiO2\tFeO\tMgO\tK2O\n1\tx\t\t\n", '.', "my.wt.txt").error,
            "The weight file my.wt.txt has no usable weight for FeO (\"x\"), MgO (empty), K2O (missing): give every "
            "oxide a number on the second line.");
  EXPECT_EQ(readWeights("SiO2\tFeO\n0\t0\n").error,
            "The weight file gives every oxide a weight of 0, so nothing would be fitted.");
  EXPECT_EQ(readWeights("SiO2\n").error, "The weight file needs a line of oxide names and a line of weights");
  std::string names, weights;
  for (int i = 0; i < 16; ++i) names += "OX" + std::to_string(i) + "\t", weights += "1\t";
  EXPECT_EQ(readWeights(names + "\n" + weights + "\n").error, "The weight file names more than 15 oxides");
}

TEST(AnalysisFile, RecastsIronToFeoAndOxidesTo100) {
  const auto oxides = readWeights("SiO2\tFeO\tMgO\n1\t1\t1\n").value;
  const std::vector<std::string> traces{"LA"};
  const auto r = readAnalyses(
      "SAMPLE\tJCODE\tKCODE\tLCODE\tSiO2\tFe2O3\tMgO\tLa\tCr\r\n"
      "A\t1\t2\t3\t50\t10\t20\t7.5\t99\r\n"
      "Empty\t0\t0\t0\t\t\t\t3\r\n"
      "\r\n",
      oxides, traces);
  ASSERT_TRUE(r.ok());
  ASSERT_EQ(r.value.size(), 2U);
  const Analysis& a = r.value[0];
  EXPECT_EQ(a.name, "A");
  EXPECT_EQ(a.jcode, 1);
  EXPECT_EQ(a.kcode, 2);
  EXPECT_EQ(a.lcode, 3);
  const float sum = 50 + 8.998F + 20;
  EXPECT_NEAR(a.values[0], 50 * 100 / sum, 1e-4);
  EXPECT_NEAR(a.values[1], 8.998 * 100 / sum, 1e-4);  // ferric iron ends up in FeO
  EXPECT_EQ(a.values[3], 0.0F);                          // hidden Fe2O3 emptied
  EXPECT_FLOAT_EQ(a.values[4], 7.5F);                    // traces unchanged
  for (int i = 0; i < 4; ++i) EXPECT_EQ(r.value[1].values[static_cast<std::size_t>(i)], 0.0F);
  EXPECT_FLOAT_EQ(r.value[1].values[4], 3.0F);
}

// Sazava-suite minerals as published with total iron (Janousek et al. 2000, J. Petrol. 41, 511-543;
// /work/shared/reference/minerals/sazava-suite.tsv), an empty La of the plagioclase.
TEST(AnalysisFile, TotalIronColumnIsTheFeoAndEmptyCellsAreNotAnalysed) {
  const auto oxides = readWeights("SiO2\tTiO2\tAl2O3\tFeO\tMgO\tCaO\tNa2O\tK2O\n1\t1\t1\t1\t1\t1\t1\t1\n").value;
  const auto r = readAnalyses(
      "SAMPLE\tSiO2\tTiO2\tAl2O3\tFeOT\tMgO\tCaO\tNa2O\tK2O\tLa\r\n"
      "PLAG_SAZ\t53.41\t0\t29.48\t0.09\t0\t11.27\t5.05\t0.12\t\r\n"
      "BIOT_SAZ\t35.32\t2.11\t15.31\t23.56\t9.05\t0.01\t0.1\t9.81\t0\r\n",
      oxides, {"LA"});
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.notices, std::vector<std::string>{"The column FeOT holds total iron and is read as FeO."});
  EXPECT_NEAR(r.value[1].values[3], 23.56 * 100 / 95.27, 1e-3);  // the eight oxides sum to 95.27
  EXPECT_EQ(r.value[0].missing[9], true);
  EXPECT_EQ(r.value[1].missing[9], false);  // a written 0 is a measured 0
}

TEST(AnalysisFile, OutOfRangeCodesReadZeroAndEmptyFileIsRefused) {
  const auto oxides = readWeights("SiO2\n1\n").value;
  const auto r = readAnalyses("SAMPLE,KCODE,SiO2\nX,99999,abc\n", oxides, {});
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value[0].kcode, 0);
  EXPECT_EQ(r.value[0].values[0], 0.0F);
  EXPECT_EQ(readAnalyses("", oxides, {}).error, "The file has no header line");
}

TEST(MineralMatch, LaterIdentifierWinsAndMarkupIsIgnored) {
  const std::vector<std::string> ids{"SP", "OL", "KSPAR"};
  EXPECT_EQ(matchMineral("kspar 3", ids), 3);  // SP matches too; KSPAR comes later
  EXPECT_EQ(matchMineral("O{L}_1", ids), 2);
  EXPECT_EQ(matchMineral("quartz", ids), 0);
  EXPECT_EQ(matchMineral("SPINEL", {"KSPAR", "SP"}), 2);
}

TEST(DataMatrixTest, AllocateKeepsRoomForMineralsAndReplaceClearsTheBlock) {
  DataMatrix m;
  EXPECT_EQ(m.rowCount(), 500);
  EXPECT_EQ(m.columnCount(), 120);
  EXPECT_EQ(m.firstMineralRow(), 301);
  m.replaceBlock(1, 300, {Analysis{"A", 0, 0, 0, {1, 2}}, Analysis{"B", 0, 0, 0, {3}}});
  m.replaceBlock(1, 300, {Analysis{"C", 0, 0, 0, {5}}});
  EXPECT_EQ(m.name(1), "C");
  EXPECT_EQ(m.value(2, 1), 0.0F);
  EXPECT_EQ(m.name(2), "");
  EXPECT_EQ(m.value(0, 1), 0.0F);
  EXPECT_EQ(m.value(1, 9999), 0.0F);
}

// Every shipped partition-coefficient, weight and example file reads without complaint.
TEST(ShippedFiles, AllRead) {
  namespace fs = std::filesystem;
  const fs::path folder(LAVIX_PROGRAMFOLDER_DIR);
  int pcFiles = 0;
  OxideTable oxides;
  PartitionTable andesite;
  for (const auto& entry : fs::directory_iterator(folder / "PC")) {
    const std::string name = entry.path().filename().string();
    std::string content;
    text::FileError error;
    ASSERT_TRUE(text::readFile(entry.path().string(), content, error)) << name;
    if (name.ends_with(".PC.txt")) {
      const auto r = readPartitionCoefficients(content);
      // Gaps in a table read as 0 and are reported; a blank line would be a fault of the file.
      EXPECT_TRUE(r.ok() && std::ranges::find(r.notices, messages::blankLine) == r.notices.end()) << name << r.error;
      EXPECT_GE(r.value.elementCount(), 25) << name;
      if (name == "andesite.PC.txt") andesite = r.value;
      ++pcFiles;
    } else if (name.ends_with(".wt.txt")) {
      const auto r = readWeights(content);
      EXPECT_TRUE(r.ok()) << name;
      if (name == "majors.wt.txt") oxides = r.value;
    }
  }
  EXPECT_EQ(pcFiles, 6);
  ASSERT_EQ(oxides.count(), 9);
  std::string rocks, minerals;
  text::FileError error;
  ASSERT_TRUE(text::readFile((folder / "Data Files" / "mixing-atacazo-lavas.txt").string(), rocks, error));
  ASSERT_TRUE(text::readFile((folder / "Data Files" / "mixing-atacazo-minerals.txt").string(), minerals, error));
  const auto lavas = readAnalyses(rocks, oxides, andesite.elements);
  ASSERT_EQ(lavas.value.size(), 3U);
  EXPECT_EQ(lavas.value[0].name, "ATAC-4");
  // FeO from total Fe2O3, over the eight oxides of the weight file (sum 98.90).
  EXPECT_NEAR(lavas.value[0].values[3], 8.48 * 0.8998 * 100 / 98.9, 0.01);
  const auto mins = readAnalyses(minerals, oxides, andesite.elements);
  ASSERT_EQ(mins.value.size(), 4U);
  for (const auto& m : mins.value) EXPECT_NE(matchMineral(m.name, andesite.identifiers), 0) << m.name;
}

}  // namespace
}  // namespace lavix::mixing
