// Tests of the placeable metafile writer: header, record layout, object slots, and a real reader.
#include "common/graphics/WmfWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "common/graphics/Recording.h"
#include "tests/graphics/SampleRecording.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::graphics {
namespace {

std::uint16_t word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}
std::uint32_t dword(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return word(bytes, at) | (static_cast<std::uint32_t>(word(bytes, at + 2)) << 16);
}

struct WmfRecord {
  std::uint32_t size = 0;  // words
  std::uint16_t function = 0;
  std::vector<std::uint16_t> parameters;
};

// Walks the records of a metafile (without the placeable header); fails the test when the
// sizes do not lead exactly to the end of the bytes.
std::vector<WmfRecord> parseRecords(const std::vector<std::uint8_t>& metafile) {
  std::vector<WmfRecord> records;
  std::size_t at = 18;
  while (at < metafile.size()) {
    WmfRecord r;
    r.size = dword(metafile, at);
    r.function = word(metafile, at + 4);
    EXPECT_GE(r.size, 3u);
    EXPECT_LE(at + 2 * r.size, metafile.size());
    if (r.size < 3 || at + 2 * r.size > metafile.size()) return records;
    for (std::size_t k = 3; k < r.size; ++k) r.parameters.push_back(word(metafile, at + 2 * k));
    records.push_back(r);
    at += 2 * r.size;
  }
  EXPECT_EQ(at, metafile.size());
  return records;
}

std::size_t countFunction(const std::vector<WmfRecord>& records, std::uint16_t function) {
  std::size_t n = 0;
  for (const auto& r : records) n += r.function == function ? 1 : 0;
  return n;
}

// The program's full path from PATH, or "" when it is not there.
std::string findOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream folders(path != nullptr ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (folder.empty()) continue;
    std::filesystem::path candidate = std::filesystem::path(folder) / program;
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec)) return candidate.string();
  }
  return "";
}

TEST(PlaceableHeader, ChecksumIsTheXorOfTheTenWords) {
  EXPECT_EQ(placeableChecksum(0, 0, 6000, 4500), 0x521D);
  struct Case {
    std::int16_t right, bottom;
  };
  for (auto c : {Case{6000, 4500}, Case{11000, 8500}, Case{8500, 11000}, Case{0, 0}, Case{-1, 32767}}) {
    auto expected = static_cast<std::uint16_t>(0x5711 ^ static_cast<std::uint16_t>(c.right) ^
                                               static_cast<std::uint16_t>(c.bottom) ^ 1000);
    EXPECT_EQ(placeableChecksum(0, 0, c.right, c.bottom), expected) << c.right << " x " << c.bottom;

    auto header = placeableHeader(c.right, c.bottom);
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    std::uint16_t xorOfWords = 0;
    for (std::size_t at = 0; at < 20; at += 2) xorOfWords ^= word(bytes, at);
    EXPECT_EQ(word(bytes, 20), xorOfWords);
  }
}

TEST(PlaceableHeader, LayoutFollowsThePublishedFormat) {
  auto header = placeableHeader(6000, 4500);
  const std::array<std::uint8_t, 22> expected = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0,    0, 0, 0, 0, 0x70,
                                                 0x17, 0x94, 0x11, 0xE8, 0x03, 0, 0, 0, 0, 0x1D, 0x52};
  EXPECT_EQ(header, expected);
}

TEST(WmfWriter, HeaderAndRecordSizesAddUpToTheFile) {
  auto bytes = toPlaceableWmf(testing::sampleRecording(), 6000, 4500);
  ASSERT_GT(bytes.size(), 22u + 18u);
  std::vector<std::uint8_t> metafile(bytes.begin() + 22, bytes.end());
  EXPECT_EQ(word(metafile, 0), 1);       // file type
  EXPECT_EQ(word(metafile, 2), 9);       // header words
  EXPECT_EQ(word(metafile, 4), 0x0300);  // version
  EXPECT_EQ(dword(metafile, 6) * 2, metafile.size());
  EXPECT_EQ(word(metafile, 16), 0);

  auto records = parseRecords(metafile);
  ASSERT_FALSE(records.empty());
  std::uint32_t largest = 0;
  for (const auto& r : records) largest = std::max(largest, r.size);
  EXPECT_EQ(dword(metafile, 12), largest);
  EXPECT_EQ(records.back().function, 0x0000);
  EXPECT_EQ(records.back().size, 3u);
  EXPECT_EQ(countFunction(records, 0x0000), 1u);

  // Mapping set-up first: anisotropic, window origin (y, x) and extent (y, x), transparent text.
  ASSERT_GE(records.size(), 4u);
  EXPECT_EQ(records[0].function, 0x0103);
  EXPECT_EQ(records[0].parameters, std::vector<std::uint16_t>{8});
  EXPECT_EQ(records[1].function, 0x020B);
  EXPECT_EQ(records[1].parameters, (std::vector<std::uint16_t>{0, 0}));
  EXPECT_EQ(records[2].function, 0x020C);
  EXPECT_EQ(records[2].parameters, (std::vector<std::uint16_t>{4500, 6000}));
  EXPECT_EQ(records[3].function, 0x0102);
  EXPECT_EQ(records[3].parameters, std::vector<std::uint16_t>{1});

  EXPECT_EQ(countFunction(records, 0x0418), static_cast<std::size_t>(testing::sampleCircles));
  EXPECT_EQ(countFunction(records, 0x0324), static_cast<std::size_t>(testing::samplePolygons));
  EXPECT_EQ(countFunction(records, 0x0213), static_cast<std::size_t>(testing::sampleTicks));
  EXPECT_EQ(countFunction(records, 0x041B), 1u);
}

TEST(WmfWriter, CoordinatesGoInTheRecordsOrder) {
  Recording r;
  r.lineTo(11, 22);
  r.rectangle(1, 2, 3, 4);
  r.ellipse(5, 6, 7, 8);
  r.polyline({{1, 2}, {3, 4}});
  r.text(100, 200, "abc", HAlign::Right, VAlign::Top);
  auto records = parseRecords(toWindowsMetafile(r));
  ASSERT_EQ(records.size(), 4u + 5u + 3u + 1u);  // set-up, lineto, rect, ellipse, polyline, font, create, select, align, text, eof
  EXPECT_EQ(records[4].function, 0x0213);
  EXPECT_EQ(records[4].parameters, (std::vector<std::uint16_t>{22, 11}));
  EXPECT_EQ(records[5].function, 0x041B);
  EXPECT_EQ(records[5].parameters, (std::vector<std::uint16_t>{4, 3, 2, 1}));
  EXPECT_EQ(records[6].function, 0x0418);
  EXPECT_EQ(records[6].parameters, (std::vector<std::uint16_t>{8, 7, 6, 5}));
  EXPECT_EQ(records[7].function, 0x0325);
  EXPECT_EQ(records[7].parameters, (std::vector<std::uint16_t>{2, 1, 2, 3, 4}));
  // A text without a font gets the default font first.
  EXPECT_EQ(records[8].function, 0x02FB);
  EXPECT_EQ(records[9].function, 0x012D);
  EXPECT_EQ(records[10].function, 0x012E);
  EXPECT_EQ(records[10].parameters, std::vector<std::uint16_t>{2});
  EXPECT_EQ(records[11].function, 0x0521);
  EXPECT_EQ(records[11].size, 3u + 1u + 2u + 2u);
  EXPECT_EQ(records[11].parameters[0], 3);
  EXPECT_EQ(records[11].parameters[3], 200);
  EXPECT_EQ(records[11].parameters[4], 100);
}

TEST(WmfWriter, ObjectsTakeTheLowestFreeSlotAndAreFreed) {
  Recording r;
  r.selectPen(rgb(1, 2, 3), 10);   // slot 0
  r.selectBrush(rgb(4, 5, 6));     // slot 1
  r.selectPen(rgb(1, 2, 3), 10);   // the same pen: nothing
  r.selectPen(rgb(9, 9, 9), 10);   // slot 2, frees 0
  r.selectHollowBrush();           // slot 0, frees 1
  r.selectFont(SelectFont{});      // slot 1
  r.selectPen(rgb(0, 0, 0), 0, PenStyle::Null);  // slot 3 (0..2 busy), frees 2
  auto metafile = toWindowsMetafile(r);
  auto records = parseRecords(metafile);
  std::vector<std::pair<std::uint16_t, std::uint16_t>> objectCalls;
  for (const auto& rec : records) {
    if (rec.function == 0x012D || rec.function == 0x01F0) objectCalls.emplace_back(rec.function, rec.parameters[0]);
  }
  const std::vector<std::pair<std::uint16_t, std::uint16_t>> expected = {
      {0x012D, 0}, {0x012D, 1}, {0x012D, 2}, {0x01F0, 0}, {0x012D, 0},
      {0x01F0, 1}, {0x012D, 1}, {0x012D, 3}, {0x01F0, 2}};
  EXPECT_EQ(objectCalls, expected);
  EXPECT_EQ(word(metafile, 10), 4);  // the object table needs four slots
  EXPECT_EQ(countFunction(records, 0x02FA), 3u);

  // Pen and brush layouts: style, width (x, y), colour / style, colour, hatch.
  EXPECT_EQ(records[4].function, 0x02FA);
  EXPECT_EQ(records[4].parameters, (std::vector<std::uint16_t>{0, 10, 0, 0x0201, 0x0003}));
  EXPECT_EQ(records[6].function, 0x02FC);
  EXPECT_EQ(records[6].parameters, (std::vector<std::uint16_t>{0, 0x0504, 0x0006, 0}));
}

TEST(WmfWriter, FontCarriesEscapementWeightAndFaceName) {
  Recording r;
  SelectFont font;
  font.name = "Arial";
  font.height = -150;
  font.bold = true;
  font.italic = true;
  font.escapement = -900;  // the same turn as 2700
  r.selectFont(font);
  auto records = parseRecords(toWindowsMetafile(r));
  ASSERT_GE(records.size(), 5u);
  const auto& f = records[4];
  ASSERT_EQ(f.function, 0x02FB);
  ASSERT_EQ(f.parameters.size(), 9u + 16u);
  EXPECT_EQ(static_cast<std::int16_t>(f.parameters[0]), -150);
  EXPECT_EQ(f.parameters[2], 2700);
  EXPECT_EQ(f.parameters[3], 2700);
  EXPECT_EQ(f.parameters[4], 700);
  EXPECT_EQ(f.parameters[5] & 0xFF, 1);  // italic
  std::string face;
  for (std::size_t k = 9; k < f.parameters.size(); ++k) {
    face += static_cast<char>(f.parameters[k] & 0xFF);
    face += static_cast<char>(f.parameters[k] >> 8);
  }
  EXPECT_EQ(face.substr(0, 6), std::string("Arial\0", 6));
}

TEST(WmfWriter, OutOfRangeCoordinatesAreClampedAndLongPolylinesSplit) {
  Recording r;
  r.lineTo(100000, -100000);
  std::vector<Point> many(40000, Point{1, 1});
  r.polyline(many);
  auto records = parseRecords(toWindowsMetafile(r));
  ASSERT_GE(records.size(), 7u);
  EXPECT_EQ(records[4].parameters, (std::vector<std::uint16_t>{0x8000, 0x7FFF}));
  EXPECT_EQ(records[5].parameters[0], 32767);
  EXPECT_EQ(records[6].parameters[0], 40000 - 32766);
}

TEST(WmfWriter, WritesTheFileWholeOrReportsFailure) {
  lavix::testing::TempFolder folder;
  auto bytes = toPlaceableWmf(testing::sampleRecording(), 6000, 4500);
  std::string path = folder.path() + "/diagram.wmf";
  ASSERT_TRUE(writePlaceableWmf(path, bytes));
  std::string written = lavix::testing::readWholeFile(path);
  EXPECT_EQ(written, std::string(bytes.begin(), bytes.end()));

  text::FileError error;
  EXPECT_FALSE(writePlaceableWmf(folder.path() + "/no such folder/diagram.wmf", bytes, error));
  EXPECT_FALSE(error.text.empty());
}

// The sample converted by an independent metafile reader, when the machine has one.
TEST(WmfWriter, ConvertsWithoutWarningsInAnIndependentReader) {
  std::string tool = findOnPath("wmf2svg");
  if (tool.empty()) GTEST_SKIP() << "wmf2svg is not installed";

  // Upright page units, and the flipped window of the metafile output (y grows upwards).
  for (bool flipped : {false, true}) {
    SCOPED_TRACE(flipped ? "flipped window" : "page window");
    Recording recording = testing::sampleRecording();
    if (flipped) recording.setWindow({0, 4500}, {6000, -4500});
    lavix::testing::TempFolder folder;
    std::string wmf = folder.path() + "/sample.wmf";
    std::string svg = folder.path() + "/sample.svg";
    std::string err = folder.path() + "/stderr.txt";
    ASSERT_TRUE(writePlaceableWmf(wmf, toPlaceableWmf(recording, 6000, 4500)));
    std::string command = "'" + tool + "' -o '" + svg + "' '" + wmf + "' 2> '" + err + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(lavix::testing::readWholeFile(err), "");

    std::string out = lavix::testing::readWholeFile(svg);
    auto count = [&](const std::string& pattern) {
      std::regex re(pattern);
      return std::distance(std::sregex_iterator(out.begin(), out.end(), re), std::sregex_iterator());
    };
    EXPECT_EQ(count("<ellipse"), testing::sampleCircles);
    EXPECT_EQ(count("<polygon"), testing::samplePolygons);
    EXPECT_EQ(count("<rect"), 1);
    EXPECT_EQ(count("<line"), testing::sampleTicks);
    EXPECT_EQ(count("<text"), 5);  // "Fe", "2", "O", "3" and the Y title
    EXPECT_EQ(count(">SiO2 wt%<"), 1);
  }
}

}  // namespace
}  // namespace lavix::graphics
