// Tests of the normalisation file reader (.nrm.txt) and the table look-up.
#include <gtest/gtest.h>

#include <string>

#include "lavix/calc/NormalisationFile.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::calc {
namespace {

using testing::TempFolder;

TEST(NormalisationFile, TitleThenElementValuePairs) {
  TempFolder folder;
  std::string path = folder.write("x.nrm.txt", "Chondrite, ppm\r\nLa\t0.237\r\n\r\nCe\tn.d.\r\nNd 0.467\nSm,0.153\nEu\n");
  data::NormalisationTable table;
  text::FileError error;
  ASSERT_TRUE(readNormalisationTable(path, table, error, '.'));
  EXPECT_EQ(table.title, "Chondrite, ppm");
  ASSERT_EQ(table.element.size(), 5u);
  ASSERT_EQ(table.value.size(), 5u);
  EXPECT_EQ(table.element[0], "La");
  EXPECT_FLOAT_EQ(table.value[0], 0.237f);
  EXPECT_EQ(table.element[1], "Ce");
  EXPECT_FLOAT_EQ(table.value[1], 0.0f);  // not a number reads 0
  EXPECT_EQ(table.element[2], "Nd");
  EXPECT_FLOAT_EQ(table.value[2], 0.467f);
  EXPECT_FLOAT_EQ(table.value[3], 0.153f);
  EXPECT_EQ(table.element[4], "Eu");
  EXPECT_FLOAT_EQ(table.value[4], 0.0f);
}

TEST(NormalisationFile, AtMostSeventyEntriesAndLocaleSeparator) {
  std::string text = "title\n";
  for (int k = 1; k <= 80; ++k) text += "E" + std::to_string(k) + "\t" + std::to_string(k) + ";5\n";
  TempFolder folder;
  data::NormalisationTable table;
  text::FileError error;
  ASSERT_TRUE(readNormalisationTable(folder.write("x.nrm.txt", text), table, error, ';'));
  ASSERT_EQ(table.element.size(), 70u);
  EXPECT_EQ(table.element[69], "E70");
  EXPECT_FLOAT_EQ(table.value[69], 70.5f);
}

}  // namespace
}  // namespace lavix::calc
