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
