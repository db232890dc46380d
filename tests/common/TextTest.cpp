// Unit tests of the line splitter, number parsing, name markup and text files.
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "common/text/TotalIron.h"

#include "tests/support/TempProgramFolder.h"

#include <ostream>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cfloat>
#include <charconv>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace lavix::text {
namespace {

struct TokenCase {
  const char* line;
  char expectedDelimiter;
  std::vector<std::string> fields;
};
// Readable test names (the default prints the bytes, pointers included).
void PrintTo(const TokenCase& c, std::ostream* os) { *os << std::string(c.line).size() << " characters"; }

class Tokenize : public ::testing::TestWithParam<TokenCase> {};

TEST_P(Tokenize, DetectsDelimiterAndSplits) {
  const TokenCase& c = GetParam();
  char delimiter = 0;
  std::vector<std::string> fields{"stale"};
  int count = tokenizeLine(c.line, delimiter, fields);
  EXPECT_EQ(delimiter, c.expectedDelimiter);
  EXPECT_EQ(fields, c.fields);
  EXPECT_EQ(count, static_cast<int>(c.fields.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Tokenize,
    ::testing::Values(
        TokenCase{"SAMPLE\tJCODE\tSiO2", '\t', {"SAMPLE", "JCODE", "SiO2"}},
        // One TAB wins over more blanks and commas unless commas outnumber both.
        TokenCase{"a b c\td", '\t', {"a b c", "d"}},
        TokenCase{"a,b,c\td e", ',', {"a", "b", "c\td e"}},
        TokenCase{"1,5 2,5 3,5 4", '\t', {"1,5 2,5 3,5 4"}},
        TokenCase{"1,5 2,5 3 4", ' ', {"1,5", "2,5", "3", "4"}},
        TokenCase{"x,y,z", ',', {"x", "y", "z"}},
        TokenCase{"a  b", ' ', {"a", "", "b"}},
        TokenCase{"a\t\tb", '\t', {"a", "", "b"}},
        TokenCase{"a\tb\t", '\t', {"a", "b"}},
        TokenCase{"a\tb\t\t", '\t', {"a", "b", ""}},
        TokenCase{"a,b,end", ',', {"a", "b"}},
        TokenCase{"a\tEnd\t", '\t', {"a"}},
        TokenCase{"ENDING\tx", '\t', {"ENDING", "x"}},
        TokenCase{"END", '\t', {}},
        TokenCase{"", '\t', {}}));

TEST(TokenizeTest, GivenDelimiterIsKept) {
  char delimiter = ',';
  std::vector<std::string> fields;
  EXPECT_EQ(tokenizeLine("a\tb,c", delimiter, fields), 2);
  EXPECT_EQ(delimiter, ',');
  EXPECT_EQ(fields, (std::vector<std::string>{"a\tb", "c"}));
}

struct NumberCase {
  const char* text;
  char separator;
  bool ok;
  float value;
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.text; }

class ParseNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumber, Reads) {
  const NumberCase& c = GetParam();
  double parsed = -999;
  EXPECT_EQ(tryParseNumber(c.text, c.separator, parsed), c.ok) << "\"" << c.text << "\"";
  EXPECT_EQ(parseNumber(c.text, c.separator), c.value) << "\"" << c.text << "\"";
  if (c.ok) {
    EXPECT_EQ(static_cast<float>(parsed), c.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumber,
    ::testing::Values(NumberCase{"", '.', false, 0}, NumberCase{"   ", '.', false, 0},
                      NumberCase{"abc", '.', false, 0}, NumberCase{"<5", '.', false, 0},
                      NumberCase{"5a", '.', false, 0}, NumberCase{"1e39", '.', false, 0},
                      NumberCase{"-1e39", '.', false, 0}, NumberCase{"1e400", '.', false, 0},
                      NumberCase{"1.5", '.', true, 1.5f}, NumberCase{"1.5", ',', true, 1.5f},
                      NumberCase{"1,5", ',', true, 1.5f}, NumberCase{"1,5", '.', false, 0},
                      NumberCase{"1.234,5", ',', false, 0}, NumberCase{".5", '.', true, 0.5f},
                      NumberCase{"5.", '.', true, 5.0f}, NumberCase{"-.5", '.', true, -0.5f},
                      NumberCase{"-3e2", '.', true, -300.0f}, NumberCase{"+2E-1", '.', true, 0.2f},
                      NumberCase{" 42 ", '.', true, 42.0f}, NumberCase{"\t7\t", '.', true, 7.0f},
                      NumberCase{"1e-400", '.', true, 0.0f}, NumberCase{"3e", '.', false, 0},
                      NumberCase{".", '.', false, 0}, NumberCase{"-", '.', false, 0},
                      NumberCase{"1 2", '.', false, 0}, NumberCase{"inf", '.', false, 0},
                      NumberCase{"nan", '.', false, 0}, NumberCase{"0x10", '.', false, 0},
                      NumberCase{"0.1", '.', true, 0.1f}, NumberCase{"3.4e38", '.', true, 3.4e38f}));

TEST(ParseNumberTest, ResultIsSinglePrecision) {
  float value = parseNumber("0.123456789");
  EXPECT_EQ(value, 0.123456789f);
  EXPECT_NE(static_cast<double>(value), 0.123456789);
}

// Plain decimals take a short cut; they must read to the very float that the full, correctly
// rounded parse gives, in "." and in "," locales, with leading zeros and up to 24 decimals.
TEST(ParseNumberTest, PlainDecimalsReadAsCorrectlyRoundedFloats) {
  std::mt19937 random(3);
  auto digits = [&](std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += static_cast<char>('0' + random() % 10);
    return out;
  };
  for (int i = 0; i < 100000; ++i) {
    const std::string sign = random() % 4 == 0 ? "-" : random() % 8 == 0 ? "+" : "";
    const std::string whole = digits(random() % 18), decimals = digits(random() % 25);
    const bool point = random() % 5 != 0;
    const std::string text = sign + whole + (point ? "." : "") + (point ? decimals : "");
    if (whole.empty() && (!point || decimals.empty())) continue;
    // from_chars takes neither a leading "+" nor a bare point at either end.
    std::string plain = whole.empty() ? "0" : whole;
    if (point && !decimals.empty()) plain += "." + decimals;
    double exact = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), exact);
    const float expected = static_cast<float>(sign == "-" ? -exact : exact);
    std::string comma = text;
    if (point) comma[comma.find('.')] = ',';
    ASSERT_EQ(parseNumber(text), expected) << text;
    ASSERT_EQ(parseNumber(comma, ','), expected) << comma;
  }
}

TEST(NameTest, MarkupAndCaseDoNotMatter) {
  EXPECT_EQ(stripMarkup("Fe[2]O[3]"), "Fe2O3");
  EXPECT_EQ(stripMarkup("km{3}, x"), "km3x");
  EXPECT_EQ(normaliseName("Fe[2]O[3]"), "FE2O3");
  EXPECT_EQ(normaliseName("FE2O3"), "FE2O3");
  EXPECT_EQ(normaliseName("fe2 o3"), "FE2O3");
  EXPECT_TRUE(equalsIgnoreCase("End", "END"));
  EXPECT_FALSE(equalsIgnoreCase("EN", "END"));
}

struct LinesCase {
  const char* content;
  std::vector<std::string> lines;
};
void PrintTo(const LinesCase& c, std::ostream* os) { *os << std::string(c.content).size() << " characters"; }

class SplitLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(SplitLines, Splits) { EXPECT_EQ(splitLines(GetParam().content), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(Endings, SplitLines,
                         ::testing::Values(LinesCase{"a\r\nb\r\n", {"a", "b"}}, LinesCase{"a\nb\n", {"a", "b"}},
                                           LinesCase{"a\rb\r", {"a", "b"}}, LinesCase{"a\r\nb", {"a", "b"}},
                                           LinesCase{"a\n\r\nb", {"a", "", "b"}},
                                           LinesCase{"a\r\rb", {"a", "", "b"}}, LinesCase{"", {}},
                                           LinesCase{"\r\n", {""}}, LinesCase{"a\r\r\nb", {"a", "", "b"}},
                                           LinesCase{"\n\rx\ry\n", {"", "", "x", "y"}}));

TEST(TextFileTest, WritesAtomicallyWithCrLf) {
  lavix::testing::TempFolder folder;
  const std::string path = folder.path() + "/out.txt";
  FileError error;
  ASSERT_TRUE(writeFileAtomically(path, "old", error));
  ASSERT_TRUE(writeFileAtomically(path, joinLinesCrLf({"a", "b"}), error));
  EXPECT_EQ(lavix::testing::readWholeFile(path), "a\r\nb\r\n");
  std::vector<std::string> lines;
  ASSERT_TRUE(readLines(path, lines, error));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b"}));
  // Only the target remains: no temporary file beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(TextFileTest, WriteToMissingFolderLeavesNoFile) {
  lavix::testing::TempFolder folder;
  const std::string path = folder.path() + "/missing/out.txt";
  FileError error;
  EXPECT_FALSE(writeFileAtomically(path, "data", error));
  EXPECT_EQ(error.number, 76);
  EXPECT_EQ(error.text, "Path not found");
  EXPECT_FALSE(std::filesystem::exists(folder.path() + "/missing"));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(TextFileTest, ReadingMissingFileReportsIt) {
  lavix::testing::TempFolder folder;
  std::string content = "kept";
  FileError error;
  EXPECT_FALSE(readFile(folder.path() + "/none.txt", content, error));
  EXPECT_EQ(error.number, 53);
  EXPECT_EQ(error.text, "File not found");
  EXPECT_EQ(content, "kept");
  EXPECT_FALSE(readFile(folder.path() + "/no/none.txt", content, error));
  EXPECT_EQ(error.text, "Path not found");
  EXPECT_FALSE(readFile(folder.path(), content, error));
  EXPECT_EQ(error.text, "Path/File access error");
}

TEST(TotalIronTest, NamesOfATotalIronColumn) {
  for (const char* name : {"FeOT", "FeO*", "FeO(t)", "FeO{t}", "feotot", "FeO total", "FeO_T", "TFeO"})
    EXPECT_EQ(totalIronKind(name), TotalIron::AsFeO) << name;
  for (const char* name : {"Fe2O3T", "Fe2O3*", "Fe[2]O[3](t)", "Fe2O3tot", "TFe2O3", "fe2o3 (TOTAL)"})
    EXPECT_EQ(totalIronKind(name), TotalIron::AsFe2O3) << name;
  for (const char* name : {"FeO", "Fe2O3", "Fe", "FeOT/MgO", "*FeO", "FeOTT", "MgO"})
    EXPECT_EQ(totalIronKind(name), TotalIron::None) << name;
}

TEST(TextFileTest, UnicodeTextBecomesUtf8) {
  EXPECT_EQ(toUtf8("\xEF\xBB\xBF" "a\tb"), "a\tb");
  EXPECT_EQ(toUtf8(std::string("\xFF\xFE" "a\0\xE9\0", 6)), "a\xC3\xA9");
  EXPECT_EQ(toUtf8(std::string("\xFE\xFF\0a\xD8\x3D\xDE\x00", 8)), "a\xF0\x9F\x98\x80");  // a surrogate pair
  EXPECT_EQ(toUtf8(std::string("\xFF\xFE\x00\xD8" "b", 5)), "\xEF\xBF\xBD\xEF\xBF\xBD");  // lone half, odd byte
  EXPECT_EQ(toUtf8("plain \xE9"), "plain \xE9");
  lavix::testing::TempFolder folder;
  std::string content;
  FileError error;
  ASSERT_TRUE(readFile(folder.write("u.txt", std::string("\xFF\xFEx\0\r\0\n\0", 8)), content, error));
  EXPECT_EQ(content, "x\r\n");
}

TEST(TextFileTest, OnlyRegularFilesWithinTheLimitAreRead) {
  lavix::testing::TempFolder folder;
  const std::string fifo = folder.path() + "/pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string content = "kept";
  FileError error;
  for (const std::string& path : {fifo, std::string("/dev/zero")}) {
    EXPECT_FALSE(readFile(path, content, error)) << path;
    EXPECT_EQ(error.text, "Not a file (a pipe, device or socket)");
  }
  const std::string file = folder.write("f.txt", std::string(2000, 'x'));
  EXPECT_FALSE(readFile(file, content, error, {1024, true}));
  EXPECT_EQ(error.number, fileTooLargeError);
  EXPECT_EQ(error.text, "File too large: 2.0 KB (at most 1.0 KB can be read)");
  EXPECT_FALSE(readFile("/dev/zero", content, error, {1024, false}));  // a stream is held to the limit too
  EXPECT_EQ(error.text, "File too large: more than 1.0 KB (at most 1.0 KB can be read)");
  EXPECT_EQ(content, "kept");
  EXPECT_TRUE(readFile(file, content, error, {2000, true}));
}

TEST(TextFileTest, SavingKeepsPermissionsLinksAndOtherFiles) {
  namespace fs = std::filesystem;
  using lavix::testing::readWholeFile;
  lavix::testing::TempFolder folder;
  const std::string path = folder.write("data.txt", "old");
  const std::string link = folder.path() + "/link.txt";
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  folder.write("data.txt.tmp-lavix", "another file");
  fs::create_symlink("data.txt", link);
  FileError error;
  ASSERT_TRUE(writeFileAtomically(path, "new", error));
  ASSERT_TRUE(writeFileAtomically(link, "through the link", error));
  EXPECT_EQ(readWholeFile(path), "through the link");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(readWholeFile(folder.path() + "/data.txt.tmp-lavix"), "another file");

  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(writeFileAtomically(path, "lost", error));
  EXPECT_EQ(error.number, readOnlyFileError);
  EXPECT_EQ(error.text, "Permission denied: the file is read-only");
  EXPECT_EQ(readWholeFile(path), "through the link");

  // A write that fails half-way (here: past the process's file size limit) leaves no temporary file.
  fs::permissions(path, fs::perms::owner_all);
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 8;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool written = writeFileAtomically(path, std::string(100, 'y'), error);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(readWholeFile(path), "through the link");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 3);
}

}  // namespace
}  // namespace lavix::text
