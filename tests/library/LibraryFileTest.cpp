// The library file reader: the record scan, the record layouts, marker options and limits.
#include <gtest/gtest.h>

#include "lavix/diagram/LibraryFile.h"

namespace lavix::testing {
namespace {

using namespace lavix::diagram;

// A ternary record with one line of two points and one label.
const char* const ternaryBody = " A x B y C z 0 1 0 1 0 1 2 0.1 0.1 0 0.2 0.2 1 1 0.3 0.3 Lab_el ";
const std::vector<std::string> pageNames = {"Full page", "Left half", "Lower right quarter",
                                            "Above lower right quarter"};

LibraryFile read(const std::string& text, LibraryFamily family = LibraryFamily::diagrams) {
  LibraryFile file;
  std::string error;
  EXPECT_TRUE(readLibraryText(text, family, file, error)) << error;
  return file;
}

LibraryRecord decode(const std::string& text, std::size_t index = 0) {
  LibraryRecord record;
  std::string error;
  EXPECT_TRUE(decodeLibraryRecord(read(text), index, pageNames, record, error)) << error;
  return record;
}

std::string refusal(const std::string& text, LibraryFamily family = LibraryFamily::diagrams) {
  LibraryFile file;
  std::string error;
  if (!readLibraryText(text, family, file, error)) return error;
  LibraryRecord record;
  EXPECT_FALSE(decodeLibraryRecord(file, 0, pageNames, record, error));
  return error;
}

TEST(LibraryScan, TristaniteIsAFieldNameButAnyOtherTriStartsARecord) {
  const std::string text = "TRI one first note" + std::string(ternaryBody) + "Tristanite trix two second";
  const LibraryFile file = read(text);
  ASSERT_EQ(file.records.size(), 2u);
  EXPECT_EQ(file.records[0].name, "one");
  EXPECT_EQ(file.records[0].description, "first");
  EXPECT_EQ(file.records[1].start, static_cast<int>(file.tokens.size()) - 3);
  EXPECT_EQ(file.records[1].name, "two");
  // Blanks, commas, TABs and line ends all separate; empty tokens are dropped.
  EXPECT_EQ(read("a,,b\t c\r\n\r\nd").tokens, (std::vector<std::string>{"a", "b", "c", "d"}));
  // A comment line holds no tokens, whatever words its citation has.
  EXPECT_EQ(read("# Triangular plot, XY too\n  # trivalent\na #b").tokens, (std::vector<std::string>{"a", "#b"}));
}

TEST(LibraryScan, EachFamilyHasItsOwnMarkers) {
  const std::string text = "XY a b CTRI c d MTRIZEROSIN e f TRI g h";
  EXPECT_EQ(read(text, LibraryFamily::diagrams).records.size(), 2u);  // XY, TRI
  ASSERT_EQ(read(text, LibraryFamily::cmas).records.size(), 1u);
  EXPECT_EQ(read(text, LibraryFamily::cmas).records[0].name, "c");
  ASSERT_EQ(read(text, LibraryFamily::minerals).records.size(), 2u);  // XY, MTRI
  EXPECT_EQ(read(text, LibraryFamily::minerals).records[1].name, "e");
  EXPECT_STREQ(familyName(LibraryFamily::minerals), "MDIAGS");
}

TEST(LibraryScan, ChoiceLinePadsNamesTo20AndNeverCutsThem) {
  EXPECT_EQ(recordChoiceLine({0, "TAS_Cox", "Total_alkali"}), "TAS Cox             Total alkali");
  // 21 characters: two blanks keep the name apart, so that a script can pick it by name.
  EXPECT_EQ(recordChoiceLine({0, "ABCDEFGHIJKLMNOPQRSTU", "desc"}), "ABCDEFGHIJKLMNOPQRSTU  desc");
}

TEST(LibraryScan, LimitsOfTokensAndRecordsAreSaid) {
  std::string many;
  for (int i = 0; i < maxLibraryTokens + 1; ++i) many += "t ";
  EXPECT_EQ(refusal(many), "the file holds more than 5000 tokens");
  std::string records;
  for (int i = 0; i < maxLibraryRecords + 1; ++i) records += "XY n d ";
  EXPECT_EQ(refusal(records), "the file holds more than 30 diagrams");
}

TEST(LibraryRecord, XYLayoutWithItsAxesFieldsAndLabels) {
  const LibraryRecord r = decode(
      "XYZEROSIN TAS desc A_note SiO[2] SIO2 Alkalis NA2O+K2O 0 35 80 1 5 1 0.1 100 1 1 "
      "3 41 0 0 41 3 1 45 3 0 2 38.3 10.6 Foidite 53.9 2 Basaltic_andesite");
  EXPECT_EQ(r.layout, RecordLayout::xy);
  EXPECT_TRUE(r.zerosIn);
  EXPECT_EQ(r.note, "A note");
  EXPECT_EQ(r.axis[0].formula, "SIO2");
  EXPECT_EQ(r.axis[1].title, "Alkalis");
  EXPECT_EQ(r.axis[0].log, 0);
  EXPECT_EQ(r.axis[1].log, 1);
  EXPECT_FLOAT_EQ(r.axis[0].end, 80);
  EXPECT_FLOAT_EQ(r.axis[0].numberStep, 5);
  EXPECT_FLOAT_EQ(r.axis[1].start, 0.1f);
  ASSERT_EQ(r.points.size(), 3u);
  EXPECT_FLOAT_EQ(r.points[2].pen, 0);  // a pen 0 in the middle starts a second line
  ASSERT_EQ(r.labels.size(), 2u);
  EXPECT_EQ(r.labels[1].text, "Basaltic andesite");
}

TEST(LibraryRecord, TernaryLayouts) {
  const LibraryRecord tr = decode("TRI t d note" + std::string(ternaryBody));
  EXPECT_EQ(tr.layout, RecordLayout::tr);
  EXPECT_EQ(tr.note, "");  // "TR" records clear the note
  EXPECT_EQ(tr.axis[2].formula, "z");
  EXPECT_EQ(tr.labels[0].text, "Lab el");
  // "CT": a multiplier before each formula, then the clip limits.
  LibraryFile file = read("CTRI c d note A 140.71 x B 2 y C 1 z 0 1 0 0.5 0 1 0 0", LibraryFamily::cmas);
  LibraryRecord ct;
  std::string error;
  ASSERT_TRUE(decodeLibraryRecord(file, 0, pageNames, ct, error)) << error;
  EXPECT_EQ(ct.layout, RecordLayout::ct);
  EXPECT_FLOAT_EQ(ct.axis[0].multiplier, 140.71f);
  EXPECT_EQ(ct.axis[1].formula, "y");
  EXPECT_FLOAT_EQ(ct.clip[3], 0.5f);
  EXPECT_EQ(ct.note, "note");
}

TEST(LibraryRecord, MarkerOptions) {
  struct Case {
    const char* marker;
    bool zeros, nmx, nmy, small;
    int shape, position;
  };
  const Case cases[] = {
      {"XY", false, false, false, false, 1, 2},
      {"xyzerosin", true, false, false, false, 1, 2},
      {"XYNMXNMYSMALL", false, true, true, true, 1, 2},
      {"XYBOX", false, false, false, false, 2, 2},
      {"XYBOXSLIDE", false, false, false, false, 1, 2},
      {"XYFULL_PAGE", false, false, false, false, 1, 1},
      // Both names are in the marker: the later one in the table wins.
      {"XY-ABOVELOWERRIGHTQUARTER", false, false, false, false, 1, 4},
  };
  for (const Case& c : cases) {
    const LibraryRecord r = decode(std::string(c.marker) + " n d note x X y Y 0 0 1 1 1 0 0 1 1 1 0 0");
    EXPECT_EQ(r.zerosIn, c.zeros) << c.marker;
    EXPECT_EQ(r.normaliseX, c.nmx) << c.marker;
    EXPECT_EQ(r.normaliseY, c.nmy) << c.marker;
    EXPECT_EQ(r.smallText, c.small) << c.marker;
    EXPECT_EQ(r.shapeChoice, c.shape) << c.marker;
    EXPECT_EQ(r.pagePosition, c.position) << c.marker;
  }
}

TEST(LibraryRecord, BrokenRecordsSayWhatAndWhere) {
  EXPECT_EQ(refusal("XY n d note x X y Y 0 0 1"), "the record runs past the end of the file");
  EXPECT_EQ(refusal("TRI t d note" + std::string(ternaryBody).substr(0, 40)),
            "the record runs past the end of the file");
  EXPECT_EQ(refusal("XY n d note x X y Y 0 zero 1 1 1 0 0 1 1 1 0 0"), "line 1, token 10 (\"zero\") is not a number");
  // Lines as an editor counts them: comment lines and CR LF ends included.
  EXPECT_EQ(refusal("# a note\r\n\r\nXY n d note\r\n x X y Y\r\n0 zero 1 1 1 0 0 1 1 1 0 0"),
            "line 5, token 10 (\"zero\") is not a number");
  EXPECT_EQ(refusal("XY n d note x X y Y 0 0 1 1 1 0 0 1 1 1 2.5 0"),
            "the field point count 2.5 (line 1, token 19) is not a whole number from 0 to 300");
  std::string full = "XY n d note x X y Y 0 0 1 1 1 0 0 1 1 1 200";
  for (int i = 0; i < 200; ++i) full += " 0 0 1";
  full += " 101";
  EXPECT_EQ(refusal(full), "200 field points and 101 labels do not fit: a diagram holds at most 300");
}

}  // namespace
}  // namespace lavix::testing
