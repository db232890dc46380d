// The rock data file reader, the clipboard reader and the dataset preparation.
#include <ostream>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include <sys/stat.h>

#include "common/text/TextFile.h"
#include "lavix/data/DataFileReader.h"
#include "tests/data/DataSession.h"

namespace lavix::data {
namespace {

using testing::DataSession;
using testing::FakeClipboard;
using Strings = std::vector<std::string>;

Strings columnNames(const DataStore& store) {
  Strings names;
  for (int c = 1; c <= store.columnCount; ++c) names.push_back(store.columnName[static_cast<std::size_t>(c)]);
  return names;
}

TEST(DataFileReader, HeaderFieldsAreClassifiedAndStandardNamesTakeTheirExactForm) {
  DataSession s;
  auto result = s.read("SAMPLE\tsio2\tJCODE\tKCODE\tTiO2\r\nA-1\t50.1\t3\t7\t1.2\r\n");
  EXPECT_EQ(result.outcome, ReadOutcome::Read);
  EXPECT_EQ(columnNames(s.store), (Strings{"SiO2", "TiO2"}));
  EXPECT_EQ(s.store.stdColumn[1], 1);
  EXPECT_EQ(s.store.stdColumn[2], 2);
  EXPECT_EQ(s.store.sampleName[1], "A-1");
  EXPECT_EQ(s.store.jcode[1], 3);
  EXPECT_EQ(s.store.kcode[1], 7);
  EXPECT_EQ(s.cell(1, 1), "50.1");
  EXPECT_EQ(s.cell(1, 2), "1.2");
  EXPECT_EQ(s.store.sampleTitle, "SAMPLE");
  EXPECT_EQ(s.store.fileColumnCount, 2);
  EXPECT_EQ(result.title, "Lavix in.txt   1 rows by 2 columns");
  EXPECT_TRUE(s.prompts.messages.empty());
}

TEST(DataFileReader, OnlyTheFirstJcodeIsACodeAndJintTakesTheRole) {
  DataSession s;
  s.read("Sample no.\tJCODE\tJCODE\tJINT\tDUM\tBa\tLINT\r\nA\t1\t2\t3\tjunk\t400\t-5\r\n");
  EXPECT_EQ(columnNames(s.store), (Strings{"JCODE", "Ba"}));
  EXPECT_EQ(s.store.jcode[1], 3);
  EXPECT_EQ(s.store.lcode[1], -5);
  EXPECT_EQ(s.cell(1, 1), "2");
  EXPECT_EQ(s.cell(1, 2), "400");
  EXPECT_EQ(s.store.sampleTitle, "Sample no.");
}

TEST(DataFileReader, EmptyFieldsTrailingTabsAndEndMarkers) {
  DataSession s;
  s.read("SAMPLE\tBa\tRb\tSr\tEnd\r\nA\t\t5\r\nB\t1\t2\t3\tend\r\nC\t\t\t\t\r\n");
  ASSERT_EQ(s.store.rowCount, 3);
  EXPECT_EQ(columnNames(s.store), (Strings{"Ba", "Rb", "Sr"}));
  EXPECT_EQ(s.cell(1, 1), "");
  EXPECT_EQ(s.cell(1, 2), "5");
  EXPECT_EQ(s.cell(1, 3), "");
  EXPECT_EQ(s.cell(2, 3), "3");
  EXPECT_EQ(s.cell(2, 4), "");  // the END field is not data
  EXPECT_EQ(s.cell(3, 3), "");
}

TEST(DataFileReader, CodesAreRoundedToTheNearestInteger) {
  DataSession s;
  s.read("SAMPLE\tKCODE\tBa\r\na\t1.5\t1\r\nb\t2.5\t1\r\nc\t-3.7\t1\r\nd\t\t1\r\ne\tabc\t1\r\nf\t1,5\t1\r\n");
  ASSERT_EQ(s.store.rowCount, 6);
  EXPECT_EQ(s.store.kcode[1], 2);
  EXPECT_EQ(s.store.kcode[2], 2);
  EXPECT_EQ(s.store.kcode[3], -4);
  EXPECT_EQ(s.store.kcode[4], 0);
  EXPECT_EQ(s.store.kcode[5], 0);
  EXPECT_EQ(s.store.kcode[6], 0);
  // The limits of 16 bits are read, and rounded up to them.
  s.read("SAMPLE\tKCODE\tLCODE\tSiO2\r\nB\t32767.4\t-32768.5\t1\r\n");
  EXPECT_EQ(s.store.kcode[1], 32767);
  EXPECT_EQ(s.store.lcode[1], -32768);
}

struct RefusedHeader {
  const char* file;
  const char* message;
};
// Readable test names (the default prints the bytes, pointers included).
void PrintTo(const RefusedHeader& c, std::ostream* os) { *os << c.message; }

class RefusedHeaders : public ::testing::TestWithParam<RefusedHeader> {};

TEST_P(RefusedHeaders, LeaveTheDataInMemoryAsTheyWere) {
  DataSession s;
  s.read("SAMPLE\tSiO2\tBa\r\nA\t50\t400\r\nB\t60\t500\r\n", "", "first.txt");
  s.prompts.messages.clear();
  const std::string before = s.store.currentFile;
  s.store.currentFile = s.folder.write("bad.txt", GetParam().file);
  const std::string badPath = s.store.currentFile;
  auto context = s.context();
  const ReadResult result = readDataFile(context, "");
  EXPECT_EQ(result.outcome, ReadOutcome::Refused);
  EXPECT_EQ(result.title, "");
  EXPECT_EQ(s.prompts.messageTexts(), (Strings{GetParam().message}));
  EXPECT_EQ(s.store.rowCount, 2);
  EXPECT_EQ(columnNames(s.store), (Strings{"SiO2", "Ba"}));
  EXPECT_EQ(s.cell(2, 2), "500");
  EXPECT_EQ(s.store.sampleTitle, "SAMPLE");
  EXPECT_EQ(s.store.currentFile, badPath);
}

INSTANTIATE_TEST_SUITE_P(
    DataFileReader, RefusedHeaders,
    ::testing::Values(
        RefusedHeader{"Sample\tFmt\tSiO2\r\nA\t1\t2\r\n", "Use translate.exe to convert this old file to a usable format"},
        RefusedHeader{"\r\n\r\nSAMPLE,SiO2,TiO2\tBa,Rb\r\nA,1,2\r\n",
                      "Use translate.exe to convert this old file to a usable format"},
        RefusedHeader{"SAMPLE SiO2 TiO2\r\nA 1 2\r\n", "A space delimited file is not readable by Lavix"},
        RefusedHeader{"", "No field names found: the file has no header line"},
        RefusedHeader{"\r\n\r\n", "No field names found: the file has no header line"},
        RefusedHeader{"END\r\nA\t1\r\n", "No field names found: the file has no header line"}));

TEST(DataFileReader, AFileThatCannotBeOpenedChangesOnlyCurrentFile) {
  DataSession s;
  s.read("SAMPLE\tSiO2\r\nA\t50\r\n");
  s.prompts.messages.clear();
  s.store.currentFile = s.folder.path() + "/missing.txt";
  auto context = s.context();
  EXPECT_EQ(readDataFile(context, "").outcome, ReadOutcome::OpenFailed);
  EXPECT_EQ(s.prompts.messageTexts(), (Strings{"File not found\nOpen a valid file"}));
  EXPECT_EQ(s.store.currentFile, "default");
  EXPECT_EQ(s.store.rowCount, 1);
  EXPECT_EQ(s.cell(1, 1), "50");

  s.prompts.messages.clear();
  s.store.currentFile = s.folder.path() + "/no/such/folder/x.txt";
  EXPECT_EQ(readDataFile(context, "").outcome, ReadOutcome::OpenFailed);
  EXPECT_EQ(s.prompts.messageTexts(), (Strings{"Path not found\nOpen a valid file"}));
}

TEST(DataFileReader, EachBlankDataLineIsReportedAndSkipped) {
  DataSession s;
  auto result = s.read("\r\nSAMPLE\tSiO2\r\nA\t50\r\n\r\n\r\nB\t51\r\n\r\n");
  EXPECT_EQ(result.outcome, ReadOutcome::Read);
  EXPECT_EQ(s.prompts.messageTexts(),
            (Strings{"blank line found in file", "blank line found in file", "blank line found in file"}));
  EXPECT_EQ(s.store.rowCount, 2);
  EXPECT_EQ(s.store.sampleName[2], "B");
}

// A read that stops keeps the rows before the bad line and still prepares them.
struct MidReadError {
  const char* badLine;
  const char* message;
};
void PrintTo(const MidReadError& c, std::ostream* os) { *os << c.message; }

class MidReadErrors : public ::testing::TestWithParam<MidReadError> {};

TEST_P(MidReadErrors, KeepTheRowsReadBefore) {
  DataSession s(4, 5);
  const std::string file = std::string("SAMPLE\tKCODE\tSiO2\tFe2O3\r\nA\t1\t50\t10\r\nB\t2\t45\t5\r\n") +
                           GetParam().badLine + "\r\nD\t4\t40\t1\r\n";
  auto result = s.read(file);
  EXPECT_EQ(result.outcome, ReadOutcome::Stopped);
  EXPECT_EQ(s.prompts.messageTexts(), (Strings{GetParam().message}));
  EXPECT_EQ(s.store.rowCount, 2);
  EXPECT_EQ(s.store.sampleName[3], "");
  EXPECT_EQ(s.cell(3, 1), "");
  EXPECT_EQ(s.store.kcode[3], 0);
  EXPECT_EQ(result.title, "Lavix in.txt   2 rows by 2 columns");
  EXPECT_EQ(s.store.symbolOf[2], 2);
  EXPECT_FLOAT_EQ(s.store.totalFactor[1], 100.0f / (50.0f + 8.998f));
}

INSTANTIATE_TEST_SUITE_P(DataFileReader, MidReadErrors,
                         ::testing::Values(MidReadError{"C\t40000\t50\t1", "Overflow Error# 6\nline 4, KCODE \"40000\": "
                                                                                  "a code is a whole number from "
                                                                                  "-32768 to 32767; the rows before "
                                                                                  "it were read."},
                                           MidReadError{"C\t-32769\t50\t1", "Overflow Error# 6\nline 4, KCODE "
                                                                                   "\"-32769\": a code is a whole "
                                                                                   "number from -32768 to 32767; the "
                                                                                   "rows before it were read."}));

TEST(DataFileReader, MoreRowsThanTheMatrixHoldsStopWithTheLimitAndWhatWasRead) {
  DataSession s(3, 10);
  auto result = s.read("SAMPLE\tSiO2\r\nA\t1\r\nB\t2\r\nC\t3\r\nD\t4\r\n\r\nE\t5\r\n");
  EXPECT_EQ(result.outcome, ReadOutcome::Stopped);
  EXPECT_EQ(s.prompts.messageTexts(),
            (Strings{"The data matrix is full (3 rows): 3 rows of the file were read and its last 2 lines were left "
                     "out.\nThe number of rows is set on line 7 of Controls/lxpref.ini, or by Reset data matrix for "
                     "this session."}));
  EXPECT_EQ(s.store.rowCount, 3);
  EXPECT_EQ(s.store.sampleName[3], "C");
  EXPECT_EQ(result.title, "Lavix in.txt   3 rows by 1 columns");

  s.read("SAMPLE\tSiO2\r\nA\t1\r\nB\t2\r\n");
  s.prompts.messages.clear();
  EXPECT_EQ(s.read("SAMPLE\tSiO2\r\nM\t1\r\nN\t2\r\n", "A").outcome, ReadOutcome::Stopped);
  EXPECT_EQ(s.prompts.messageTexts().at(0).rfind("The data matrix is full (3 rows): 1 row of the file was read and "
                                                 "its last 1 line was left out.", 0), 0u);
}

TEST(DataFileReader, ColumnsPastTheMatrixAreLeftOutAndTheCodesAfterThemStillRead) {
  DataSession s(5, 3);
  // Extra fields on a data line are not data either.
  auto result = s.read("SAMPLE\tc1\tc2\tc3\tc4\tc5\tKCODE\r\nA\t1\t2\t3\t4\t5\t7\t8\t9\t10\t11\t12\r\n");
  EXPECT_EQ(result.outcome, ReadOutcome::Read);
  EXPECT_EQ(s.prompts.messageTexts(),
            (Strings{"The data matrix holds 3 columns: the first 3 of the file's 5 columns were read (up to c3) and 2 "
                     "were left out.\nThe number of columns is set on line 8 of Controls/lxpref.ini, or by Reset "
                     "data matrix for this session."}));
  EXPECT_EQ(columnNames(s.store), (Strings{"c1", "c2", "c3"}));
  EXPECT_EQ(s.cell(1, 3), "3");
  EXPECT_EQ(s.cell(1, 4), "");
  EXPECT_EQ(s.store.kcode[1], 7);
}

TEST(DataFileReader, CellsThatAreNotNumbersAreKeptAndCountedOnce) {
  DataSession s;
  auto result = s.read(
      "SAMPLE\tKCODE\tSiO2\tBa\tRb\r\nA-1\tabc\t<0.5\t400\tn.d.\r\nA-2\t1\t50\t\t \r\n"
      "\tx\t1,23\tNaN\tinf\r\nA-4\t1\t1e400\t12345678901234567890123x\t3\r\n");
  EXPECT_EQ(result.outcome, ReadOutcome::Read);
  EXPECT_EQ(s.prompts.messageTexts(),
            (Strings{"7 cells are not numbers: they are kept as text and read as 0 where a value is needed.\n"
                     "row 1 (A-1), SiO2: <0.5\nrow 1 (A-1), Rb: n.d.\nrow 3, SiO2: 1,23\n..."}));
  EXPECT_EQ(s.cell(1, 1), "<0.5");
  EXPECT_EQ(s.cell(4, 2), "12345678901234567890123x");

  // A merge counts only its own rows; the clipboard reader counts too.
  s.prompts.messages.clear();
  s.read("SAMPLE\tBa\r\nM\tbdl\r\n", "A");
  EXPECT_EQ(s.prompts.messageTexts(),
            (Strings{"1 cell is not a number: it is kept as text and reads as 0 where a value is needed.\n"
                     "row 5 (M), Ba: bdl"}));
  s.prompts.messages.clear();
  FakeClipboard clipboard;
  clipboard.content = "SAMPLE\tBa\tRb\r\nc\t-\t12345678901234567890123x\r\n";
  auto context = s.context();
  readClipboard(context, clipboard);
  EXPECT_EQ(s.prompts.messageTexts(),
            (Strings{"2 cells are not numbers: they are kept as text and read as 0 where a value is needed.\n"
                     "row 1 (c), Ba: -\nrow 1 (c), Rb: 12345678901234567890..."}));
}

TEST(DataFileReader, AUtf16FileReadsAsText) {
  DataSession s;
  std::string bytes = "\xFF\xFE";
  for (char c : std::string("SAMPLE\tSiO2\r\nA\t50.1\r\n")) bytes += std::string{c, '\0'};
  EXPECT_EQ(s.read(bytes).outcome, ReadOutcome::Read);
  EXPECT_EQ(columnNames(s.store), (Strings{"SiO2"}));
  EXPECT_EQ(s.store.value(1, 1), 50.1f);
  EXPECT_TRUE(s.prompts.messages.empty());
}

TEST(DataFileReader, OnlyFilesTheMatrixCouldHoldAreOpened) {
  DataSession s;
  s.read("SAMPLE\tSiO2\r\nA\t50\r\n");
  s.prompts.messages.clear();
  const std::string fifo = s.folder.path() + "/pipe.txt";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string large = s.folder.write("large.txt", "SAMPLE\tSiO2\r\n");
  std::filesystem::resize_file(large, text::tableFileLimit(51, s.store.matrixColumns()) + 1);  // sparse
  for (const std::string& path : {fifo, std::string("/dev/zero"), large}) {
    s.store.currentFile = path;
    auto context = s.context();
    EXPECT_EQ(readDataFile(context, "").outcome, ReadOutcome::OpenFailed) << path;
    EXPECT_EQ(s.store.rowCount, 1);
  }
  const Strings shown = s.prompts.messageTexts();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], "Not a file (a pipe, device or socket)\nOpen a valid file");
  EXPECT_EQ(shown[1], shown[0]);
  EXPECT_EQ(shown[2],
            "File too large: 16 MB (at most 16 MB can be read)\nThat is more than a data matrix of 50 rows by 20 "
            "columns could hold. The matrix size is set on lines 7 and 8 of Controls/lxpref.ini, or by Reset data "
            "matrix for this session.");
}

TEST(DataFileReader, AReplaceLoadLeavesNothingOfTheEarlierDataSet) {
  DataSession s;
  s.read("SAMPLE\tKCODE\tSiO2\tTiO2\tBa\r\nA\t1\t50\t1\t400\r\nB\t1\t51\t2\t500\r\nC\t1\t52\t3\t600\r\n");
  s.store.setCell(2, 19, "working");  // a calculator's spare column
  s.read("SAMPLE\tRb\r\n");
  EXPECT_EQ(s.store.rowCount, 0);
  EXPECT_EQ(s.store.columnCount, 1);
  s.read("SAMPLE\tRb\r\nX\t7\r\n");
  EXPECT_EQ(s.store.rowCount, 1);
  EXPECT_EQ(s.store.columnName[2], "");
  EXPECT_EQ(s.store.stdColumn[1], 0);
  for (int row = 1; row <= 3; ++row)
    for (int column = 2; column <= 19; ++column) EXPECT_EQ(s.cell(row, column), "") << row << "," << column;
  EXPECT_EQ(s.store.sampleName[2], "");
  EXPECT_EQ(s.store.kcode[2], 0);
}

TEST(DataFileReader, MergingASubsetFillsOnlyTheMatchingColumnsOfTheNewRows) {
  DataSession s;
  s.read("SAMPLE\tKCODE\tSiO2\tTiO2\tBa\r\nA\t1\t50\t1\t400\r\nB\t1\t51\t2\t500\r\nC\t1\t52\t3\t600\r\n");
  s.read("SAMPLE\tBa\r\nX\t1\r\n");  // leaves old text beyond row 1 in a naive store
  s.read("SAMPLE\tSiO2\tTiO2\tBa\r\nA\t50\t1\t400\r\n", "", "first.txt");
  auto result = s.read("Name SAMP\tba\tUnknown\tSI O2\tKCODE\r\nM1\t410\tu1\t60\t5\r\nM2\t\tu2\t61\t6\r\n", "A", "second.txt");
  EXPECT_EQ(result.outcome, ReadOutcome::Read);
  EXPECT_EQ(result.title, "Lavix merged files    3 rows by 3 columns");
  EXPECT_EQ(columnNames(s.store), (Strings{"SiO2", "TiO2", "Ba"}));
  EXPECT_EQ(s.store.sampleName[2], "M1");
  EXPECT_EQ(s.store.kcode[3], 6);
  EXPECT_EQ(s.cell(2, 1), "60");
  EXPECT_EQ(s.cell(2, 2), "");  // not in the added file: no stale text
  EXPECT_EQ(s.cell(3, 2), "");
  EXPECT_EQ(s.cell(2, 3), "410");
  EXPECT_EQ(s.cell(1, 3), "400");
  EXPECT_EQ(s.cell(3, 0), "6");  // unmatched fields land in column 0, the last one wins
  EXPECT_EQ(s.store.sampleTitle, "Name SAMP");
  EXPECT_FALSE(s.store.mergeMode);
  EXPECT_EQ(s.store.fileColumnCount, 3);
}

// Cells point into the file's text: a field past 64 KB into its line, a column written after
// the load and a merge into that column must all read back as their own text.
TEST(DataFileReader, LongLinesAndColumnsWrittenBeforeAMergeKeepTheirCells) {
  DataSession s;
  const std::string note(70000, 'n');
  s.read("SAMPLE\tNote\tBa\tRb\r\nA\t" + note + "\t400\t5\r\nB\t\t500\t6\r\n");
  EXPECT_EQ(s.cell(1, 1), note);
  EXPECT_EQ(s.cell(1, 2), "400");
  EXPECT_EQ(s.cell(1, 3), "5");
  ASSERT_TRUE(s.store.setColumn(2, 1, std::vector<std::string>{"4e2", ""}));
  s.read("SAMPLE\tRb\tBa\r\nC\t7\t700\r\n", "A", "more.txt");
  EXPECT_EQ(s.cell(1, 2), "4e2");
  EXPECT_EQ(s.cell(2, 2), "");
  EXPECT_EQ(s.cell(3, 2), "700");
  EXPECT_EQ(s.cell(3, 3), "7");
  EXPECT_EQ(s.cell(2, 3), "6");
}

TEST(DataFileReader, DatasetPreparationDerivesTheStandardColumnsAndFactors) {
  DataSession s;
  s.read(
      "SAMPLE\tKCODE\tSiO2\tTiO2\tFe2O3\tFeO\tRb\tZr\tK2O\tH2O+\th2o-\t87Sr/86Sr\tSr\tPb\t206Pb/204Pb\r\n"
      "A\t-99\t50\t1\t10\t2\t40\t100\t1\t0.5\t0.1\t0.7041\t400\t5\t18.9\r\n"
      "B\t60\t\t\t\t\t40\r\n"
      "C\t5\t-10\r\n");
  EXPECT_EQ(columnNames(s.store), (Strings{"SiO2", "TiO2", "Fe[2]O[3]", "FeO", "Rb", "Zr", "K2O", "H[2]O{+}", "H[2]O{-}",
                                           "{87}Sr/{86}Sr", "Sr", "Pb", "206Pb/204Pb"}));
  EXPECT_EQ(s.store.fe2o3Std, 4);
  EXPECT_EQ(s.store.feoStd, 5);
  EXPECT_EQ(s.store.stdColumn[12], 8);
  EXPECT_EQ(s.store.stdIndexOfColumn[3], 4);
  EXPECT_EQ(s.store.stdIndexOfColumn[5], 0);
  EXPECT_FLOAT_EQ(s.store.totalFactor[1], 100.0f / (50 + 1 + 10 * 0.8998f + 2 + 1 + 0.5f + 0.1f));
  EXPECT_EQ(s.store.totalFactor[2], 1.0f);
  EXPECT_EQ(s.store.totalFactor[3], 1.0f);  // a total below zero
  EXPECT_EQ(s.store.symbolOf[1], -99);
  EXPECT_EQ(s.store.symbolOf[2], 0);
  EXPECT_EQ(s.store.symbolOf[3], 5);
  EXPECT_EQ(s.store.isotope.sr87Sr86, 10);
  EXPECT_EQ(s.store.isotope.sr, 11);
  EXPECT_EQ(s.store.isotope.pb, 12);
  EXPECT_EQ(s.store.isotope.pb206Pb204, 13);
  EXPECT_EQ(s.store.isotope.nd, 0);
  EXPECT_EQ(s.store.normValue[2], 4500.0f);  // TiO2: its element Ti
  EXPECT_EQ(s.store.normValue[5], 0.35f);    // Rb: its own name
  EXPECT_EQ(s.store.normValue[6], 1.0f);     // Zr: none
  EXPECT_EQ(s.store.normValue[7], 120.0f);   // K2O: K
  EXPECT_EQ(s.store.normValue[11], 11.8f);
}

TEST(DataFileReader, CellsKeepTheirTextAndReadWithTheLocaleSeparator) {
  DataSession s;
  s.store.decimalSeparator = ',';
  s.read("SAMPLE\tSiO2\tBa\r\nA\t1,5\t<5\r\n");
  EXPECT_EQ(s.cell(1, 1), "1,5");
  EXPECT_EQ(s.store.value(1, 1), 1.5f);
  EXPECT_EQ(s.store.value(1, 2), 0.0f);
}

TEST(ClipboardReader, EmptyOrIncorrectClipboardsLeaveTheData) {
  DataSession s;
  s.read("SAMPLE\tSiO2\tBa\r\nA\t50\t400\r\n");
  s.prompts.messages.clear();
  FakeClipboard clipboard;
  auto context = s.context();
  EXPECT_EQ(readClipboard(context, clipboard).outcome, ReadOutcome::Refused);
  clipboard.content = "";
  EXPECT_EQ(readClipboard(context, clipboard).outcome, ReadOutcome::Refused);
  clipboard.content = "SAMPLE\tSiO2\r\nA\t1\r\n";
  EXPECT_EQ(readClipboard(context, clipboard).outcome, ReadOutcome::Refused);
  EXPECT_EQ(s.prompts.messageTexts(), (Strings{"Clipboard empty", "Clipboard empty", "incorrect data in clipbrd"}));
  EXPECT_EQ(s.store.rowCount, 1);
  EXPECT_EQ(s.store.columnCount, 2);
  EXPECT_EQ(s.cell(1, 2), "400");
}

TEST(ClipboardReader, ReadsASpreadsheetTable) {
  DataSession s;
  s.read("SAMPLE\tSiO2\tBa\tRb\r\nA\t50\t400\t1\r\nB\t1\t1\t1\r\n");
  FakeClipboard clipboard;
  clipboard.content = "NAME S$\tKCODE\tsio2\tZr\r\nc1\t3\t55.5\t120\r\n\r\nc2\t4\t\t130\r\n";
  auto context = s.context();
  auto result = readClipboard(context, clipboard);
  EXPECT_EQ(result.outcome, ReadOutcome::Read);
  EXPECT_TRUE(s.prompts.messages.size() == 0);
  EXPECT_EQ(s.store.currentFile, "clipboard");
  EXPECT_EQ(s.store.sampleTitle, "Sample");
  EXPECT_EQ(columnNames(s.store), (Strings{"SiO2", "Zr"}));
  EXPECT_EQ(s.store.rowCount, 2);
  EXPECT_EQ(s.store.sampleName[2], "c2");
  EXPECT_EQ(s.store.kcode[2], 4);
  EXPECT_EQ(s.cell(1, 1), "55.5");
  EXPECT_EQ(s.cell(2, 2), "130");
  EXPECT_EQ(s.cell(1, 3), "");
  EXPECT_EQ(result.title, "Lavix clipboard   2 rows by 2 columns");

  clipboard.content = "Sample ID\tBa\tRb\nx\t1\t2\ny\t3\t4";  // LF line ends, no last line end
  EXPECT_EQ(readClipboard(context, clipboard).outcome, ReadOutcome::Read);
  EXPECT_EQ(s.store.sampleTitle, "Sample ID");
  EXPECT_EQ(s.store.rowCount, 2);
  EXPECT_EQ(s.cell(2, 2), "4");
}

}  // namespace
}  // namespace lavix::data
