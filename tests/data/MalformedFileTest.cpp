// Malformed files and the inputs the fuzzer once crashed on: a message, never a crash.
#include <gtest/gtest.h>

#include <filesystem>

#include "lavix/data/DataFileReader.h"
#include "lavix/data/DataFileWriter.h"
#include "tests/data/DataSession.h"

namespace lavix::data {
namespace {

using testing::DataSession;
using testing::FakeClipboard;

// Reads the bytes in every mode the program has; the data must stay consistent.
void readEveryWay(const std::string& bytes) {
  DataSession s(200, 40);
  s.readFilterOn = true;
  s.prompts.listAnswers = {ui::ListResult{{}, 2}, ui::ListResult{{}, 5}};
  for (const char* mode : {"", "A"}) {
    s.store.currentFile = s.folder.write("junk.txt", bytes);
    auto context = s.context();
    readDataFile(context, mode);
    ASSERT_GE(s.store.rowCount, 0);
    ASSERT_LE(s.store.rowCount, s.store.maxRows);
    ASSERT_LE(s.store.columnCount, s.store.maxColumns);
  }
  FakeClipboard clipboard;
  clipboard.content = bytes;
  auto context = s.context();
  readClipboard(context, clipboard);
  const auto lines = dataFileLines(s.store);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(s.store.rowCount) + 1);
}

TEST(MalformedFiles, GiveAMessageAndLeaveAConsistentStore) {
  const std::string nuls("SAMPLE\tSi\0O2\tBa\r\nA\0\t1\t\0\r\n", 24);
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
  std::string hugeLine = "SAMPLE\tBa\r\nA\t" + std::string(3'000'000, '9') + "\r\n";
  std::string manyFields = "SAMPLE\tBa\r\n";
  for (int i = 0; i < 100000; ++i) manyFields += "\t1";
  std::string manyRows = "SAMPLE\tKCODE\tBa\r\n";
  for (int i = 0; i < 1000; ++i) manyRows += "r\t" + std::to_string(i * 40) + "\t1\r\n";
  for (const std::string& bytes : {nuls, binary, hugeLine, manyFields, manyRows, std::string("END"),
                                   std::string("\t\t\t"), std::string("SAMPLE"), std::string("\r\r\n\n"),
                                   std::string("S$\tS$\tSAMP\tKINT\tKINT\n1\t2\t3\t4\t5")}) {
    SCOPED_TRACE(bytes.substr(0, 40));
    readEveryWay(bytes);
  }
}

TEST(MalformedFiles, AHugeCellIsKeptWhole) {
  DataSession s;
  const std::string big(3'000'000, '9');
  s.read("SAMPLE\tBa\r\nA\t" + big + "\r\n");
  EXPECT_EQ(s.store.cell(1, 1).size(), big.size());
  EXPECT_EQ(s.store.value(1, 1), 0.0f);  // overflows single precision: reads 0
}

TEST(MalformedFiles, FuzzRegressionInputs) {
  const std::filesystem::path folder = testing::testDataPath("fuzz-regressions");
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file() || entry.path().filename() == "README.md") continue;
    SCOPED_TRACE(entry.path().string());
    readEveryWay(testing::readWholeFile(entry.path().string()));
    ++count;
  }
  SUCCEED() << count << " inputs";
}

}  // namespace
}  // namespace lavix::data
