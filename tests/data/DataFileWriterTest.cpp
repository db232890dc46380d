// The data file lines written from the matrix, and the bundled example read back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/text/TextFile.h"
#include "lavix/data/DataFileWriter.h"
#include "tests/data/DataSession.h"

namespace lavix::data {
namespace {

using testing::DataSession;
using Strings = std::vector<std::string>;

TEST(DataFileWriter, CodesAreWrittenOnlyWhenSomeRowHasOne) {
  DataSession s;
  s.read("Sample no\tJCODE\tKCODE\tLCODE\tSiO2\tBa\r\nA\t0\t0\t0\t50\t\r\nB\t\t0\t-2\t\t7\r\n");
  EXPECT_EQ(dataFileLines(s.store), (Strings{"Sample no\tLcode\tSiO2\tBa", "A\t0\t50\t", "B\t-2\t\t7"}));
  s.store.lcode[2] = 0;
  s.store.jcode[1] = 12;
  s.store.kcode[2] = -99;
  EXPECT_EQ(dataFileLines(s.store),
            (Strings{"Sample no\tJcode\tKcode\tSiO2\tBa", "A\t12\t0\t50\t", "B\t0\t-99\t\t7"}));
}

// Recast to 100 % volatile-free: the value times the row's factor, all iron as FeO, Fe2O3 0.
TEST(DataFileWriter, RecalculatedColumnsAndChosenRows) {
  DataSession s;
  s.read("SAMPLE\tKCODE\tSiO2\tFe2O3\tFeO\tRb\nA\t1\t50\t2\t8\t10\nB\t0\t60\t\t\t\n");
  s.store.totalFactor[1] = 2;
  s.store.totalFactor[2] = 0.5f;
  const std::vector<int16_t> flags = {0, 1, 1, 1, 0};
  const std::vector<int16_t> rows = {2, 1, 7};  // 7 is no row of the data
  EXPECT_EQ(recalculatedCount(s.store, &flags), 3);
  EXPECT_EQ(recalculatedCount(s.store, nullptr), 0);
  // (2 x 0.8998 + 8) x 2 = 19.5992; an empty cell stays a missing value.
  EXPECT_EQ(dataFileLines(s.store, {&rows, &flags}),
            (Strings{"SAMPLE\tKcode\tSiO2\tFe[2]O[3]\tFeO\tRb", "B\t0\t30\t0\t\t", "A\t1\t100\t0\t19.5992\t10"}));
  EXPECT_EQ(s.cell(1, 3), "8") << "the data in memory keep their text";
}

TEST(DataFileWriter, AnUntitledSampleColumnIsWrittenAsSample) {
  DataStore store;
  store.allocate(5, 5);
  store.rowCount = 1;
  store.columnCount = 1;
  store.columnName[1] = "Ba";
  store.sampleName[1] = "one\ttwo";
  store.setCell(1, 1, "3");
  EXPECT_EQ(dataFileLines(store), (Strings{"SAMPLE\tBa", "one two\t3"}));
}

TEST(DataFileWriter, TheBundledExampleReadsBackAsItWasRead) {
  DataSession first(200, 60);
  first.store.currentFile = std::string(LAVIX_PROGRAMFOLDER_DIR) + "/Data Files/atacazo-ninahuilca.txt";
  auto context = first.context();
  ASSERT_EQ(readDataFile(context, "").outcome, ReadOutcome::Read);
  ASSERT_EQ(first.store.rowCount, 109);
  ASSERT_EQ(first.store.columnCount, 34);
  EXPECT_NEAR(first.store.totalFactor[1], 1.0f, 0.05f);

  DataSession second(200, 60);
  auto result = second.read(text::joinLinesCrLf(dataFileLines(first.store)), "", "saved.txt");
  ASSERT_EQ(result.outcome, ReadOutcome::Read);
  EXPECT_TRUE(second.prompts.messages.empty());
  ASSERT_EQ(second.store.rowCount, first.store.rowCount);
  ASSERT_EQ(second.store.columnCount, first.store.columnCount);
  for (int c = 1; c <= first.store.columnCount; ++c)
    EXPECT_EQ(second.store.columnName[static_cast<std::size_t>(c)], first.store.columnName[static_cast<std::size_t>(c)]);
  for (int r = 1; r <= first.store.rowCount; ++r) {
    const auto i = static_cast<std::size_t>(r);
    EXPECT_EQ(second.store.sampleName[i], first.store.sampleName[i]);
    EXPECT_EQ(second.store.jcode[i], first.store.jcode[i]);
    EXPECT_EQ(second.store.kcode[i], first.store.kcode[i]);
    EXPECT_EQ(second.store.lcode[i], first.store.lcode[i]);
    for (int c = 1; c <= first.store.columnCount; ++c) ASSERT_EQ(second.cell(r, c), first.cell(r, c)) << r << "," << c;
  }
  EXPECT_EQ(second.store.sampleTitle, "SAMPLE");

  // Every data line of the original file is written back field for field (the all-zero
  // JCODE and LCODE fields excepted).
  Strings original;
  text::FileError error;
  ASSERT_TRUE(text::readLines(first.store.currentFile, original, error));
  const Strings written = dataFileLines(first.store);
  ASSERT_EQ(written.size(), original.size());
  for (std::size_t l = 1; l < original.size(); ++l) {
    std::string expected = original[l];
    const std::size_t j = expected.find('\t');
    expected.erase(j, 2);  // "0\t" of JCODE
    const std::size_t k = expected.find('\t', j + 1);
    expected.erase(k + 1, 2);  // "0\t" of LCODE
    std::string actual = written[l];
    while (!expected.empty() && expected.back() == '\t') expected.pop_back();
    while (!actual.empty() && actual.back() == '\t') actual.pop_back();
    EXPECT_EQ(actual, expected) << "line " << l;
  }
}

// Saving streams the lines out in blocks; the file must hold exactly those lines, CR LF ended,
// across block edges and with texts that the writer has to blank out.
TEST(DataFileWriter, TheSavedFileIsTheLinesWithCrLf) {
  DataSession s(3000, 10);
  std::string content = "SAMPLE\tKCODE\tNote\tBa\r\n";
  for (int row = 1; row <= 3000; ++row)
    content += "S" + std::to_string(row) + "\t" + std::to_string(row % 5) + "\t" + std::string(row % 300, 'x') + "\t" +
               std::to_string(row) + "\r\n";
  s.read(content);
  s.store.setCell(7, 1, "line\nbreak\tand tab");
  const std::string path = (std::filesystem::temp_directory_path() / "lavix_writer_test.txt").string();
  text::FileError error;
  ASSERT_TRUE(writeDataFile(s.store, path, error)) << error.text;
  std::string saved;
  ASSERT_TRUE(text::readFile(path, saved, error));
  std::filesystem::remove(path);
  EXPECT_GT(saved.size(), std::size_t{1} << 18);  // more than one block
  EXPECT_EQ(saved, text::joinLinesCrLf(dataFileLines(s.store)));
  EXPECT_NE(saved.find("S7\t2\tline break and tab\t7\r\n"), std::string::npos);
}

}  // namespace
}  // namespace lavix::data
