// Reading rock data files into normwise: delimiters, sample column, name markup, limits.
#include <gtest/gtest.h>

#include "normwise/SampleFile.h"

namespace lavix::normwise {
namespace {

constexpr int kSiO2 = norm::index(norm::Oxide::SiO2);
constexpr int kFe2O3 = norm::index(norm::Oxide::Fe2O3);
constexpr int kFeO = norm::index(norm::Oxide::FeO);
constexpr int kNa2O = norm::index(norm::Oxide::Na2O);
constexpr int kH2Oplus = norm::index(norm::Oxide::H2Oplus);

struct DelimiterCase {
  const char* name;
  const char* content;
};

class DelimiterTest : public ::testing::TestWithParam<DelimiterCase> {};

TEST_P(DelimiterTest, FindsSampleAndOxidesWhateverTheDelimiter) {
  const SampleFile file = readSampleText(GetParam().content, '.');
  ASSERT_EQ(file.names.size(), 2u);
  EXPECT_EQ(file.names[0], "A-1");
  EXPECT_EQ(file.names[1], "A-2");
  EXPECT_EQ(file.sampleColumn, 1);
  EXPECT_EQ(file.oxideColumn[kSiO2], 2);
  EXPECT_EQ(file.oxideColumn[kNa2O], 3);
  EXPECT_FLOAT_EQ(file.oxides[0][kSiO2], 50.5f);
  EXPECT_FLOAT_EQ(file.oxides[1][kNa2O], 3.25f);
  EXPECT_FLOAT_EQ(file.oxides[1][kFe2O3], 0.0f);  // absent column reads 0
}

INSTANTIATE_TEST_SUITE_P(
    Delimiters, DelimiterTest,
    ::testing::Values(DelimiterCase{"tab", "SAMPLE\tSiO2\tNa2O\r\nA-1\t50.5\t3\r\nA-2\t51\t3.25\r\n"},
                      DelimiterCase{"comma", "SAMPLE,SiO2,Na2O\nA-1,50.5,3\nA-2,51,3.25\n"},
                      DelimiterCase{"blank", "SAMPLE SiO2 Na2O\nA-1 50.5 3\nA-2 51 3.25\n"},
                      DelimiterCase{"end marker", "SAMPLE\tSiO2\tNa2O\tEND\nA-1\t50.5\t3\tEND\n\nA-2\t51\t3.25\n"}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) if (c == ' ') c = '_';
      return name;
    });

TEST(SampleFileTest, SampleColumnIsTheFirstHoldingSamOrSDollar) {
  EXPECT_EQ(readSampleText("X\tNAME S$\tSAMPLE\nq\tfirst\tsecond\n", '.').names.front(), "first");
  EXPECT_EQ(readSampleText("X\tsam_no\nq\tthis\n", '.').names.front(), "this");
}

TEST(SampleFileTest, MarkupAroundOrInsideOxideNamesStillMatches) {
  const SampleFile file = readSampleText("SAMPLE\tSiO[2]\t{Fe[2]O[3]}\t Na 2 O \tH[2]O+\nA\t49\t2\t3\t0.5\n", '.');
  EXPECT_EQ(file.oxideColumn[kSiO2], 2);
  EXPECT_EQ(file.oxideColumn[kFe2O3], 3);
  EXPECT_EQ(file.oxideColumn[kNa2O], 4);
  EXPECT_EQ(file.oxideColumn[kH2Oplus], 5);
  EXPECT_FLOAT_EQ(file.oxides[0][kH2Oplus], 0.5f);
}

TEST(SampleFileTest, CommaDecimalSystemReadsBothNotations) {
  const SampleFile file = readSampleText("SAMPLE\tSiO2\tNa2O\nA\t1,5\t1.5\n", ',');
  EXPECT_FLOAT_EQ(file.oxides[0][kSiO2], 1.5f);
  EXPECT_FLOAT_EQ(file.oxides[0][kNa2O], 1.5f);
}

TEST(SampleFileTest, UnreadableNumbersAndShortLinesReadZero) {
  const SampleFile file = readSampleText("SAMPLE\tSiO2\tNa2O\nA\tn.d.\nB\n", '.');
  ASSERT_EQ(file.names.size(), 2u);
  EXPECT_FLOAT_EQ(file.oxides[0][kSiO2], 0.0f);
  EXPECT_FLOAT_EQ(file.oxides[0][kNa2O], 0.0f);
}

TEST(SampleFileTest, LavixWaterNamesAndTotalIron) {
  SampleFile file = readSampleText("SAMPLE\tH2OP\tH2OM\tFe2O3T\nA\t1.2\t0.3\t10\n", '.');
  EXPECT_FLOAT_EQ(file.oxides[0][kH2Oplus], 1.2f);
  EXPECT_FLOAT_EQ(file.oxides[0][norm::index(norm::Oxide::H2Ominus)], 0.3f);
  EXPECT_FLOAT_EQ(file.oxides[0][kFeO], 8.998f);
  EXPECT_EQ(file.totalIronName, "Fe2O3T");
  file = readSampleText("SAMPLE\tFeOT\tFeO\nA\t9\t7\n", '.');  // a real FeO wins
  EXPECT_FLOAT_EQ(file.oxides[0][kFeO], 7.0f);
  EXPECT_EQ(file.totalIronName, "");
}

TEST(SampleFileTest, KeepsTheFirstHundredSamplesAndSaysSo) {
  std::string content = "SAMPLE\tSiO2\n";
  for (int i = 1; i <= 101; ++i) content += "S" + std::to_string(i) + "\t50\n";
  SampleFile file = readSampleText(content, '.');
  EXPECT_EQ(file.names.size(), 100u);
  EXPECT_EQ(file.names.back(), "S100");
  EXPECT_TRUE(file.truncated);

  content.resize(content.rfind("S101"));
  file = readSampleText(content, '.');
  EXPECT_EQ(file.names.size(), 100u);
  EXPECT_FALSE(file.truncated);
}

TEST(SampleFileTest, ColumnsBeyondTheHundredthAreIgnored) {
  std::string header = "SAMPLE", line = "A";
  for (int i = 2; i <= 100; ++i) header += "\tX", line += "\t1";
  const SampleFile file = readSampleText(header + "\tSiO2\n" + line + "\t50\n", '.');
  EXPECT_EQ(file.oxideColumn[kSiO2], 0);
  EXPECT_FLOAT_EQ(file.oxides[0][kSiO2], 0.0f);
}

}  // namespace
}  // namespace lavix::normwise
