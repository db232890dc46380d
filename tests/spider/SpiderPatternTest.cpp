// Tests of the spider pattern file, the element matching and the normalised lines.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lavix/diagram/SpiderPattern.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::diagram {
namespace {

SpiderOxides standardOxides() {
  SpiderOxides oxides;
  oxides.oxideName = {"", "SiO2", "TiO2", "K2O", "P2O5", "FeO", "Fe2O3"};
  oxides.element = {"", "Si", "Ti", "K", "P", "Fe", "Fe"};
  oxides.elementFactor = {0, 4674.3f, 5995.0f, 8301.5f, 4364.0f, 7773.0f, 6994.0f};
  return oxides;
}

SpiderPattern readOne(const std::string& content) {
  std::vector<SpiderPattern> patterns;
  std::string failure;
  EXPECT_EQ(readSpiderText(content, patterns, failure), SpiderReadResult::complete) << failure;
  EXPECT_EQ(patterns.size(), 1u);
  return patterns.empty() ? SpiderPattern{} : patterns[0];
}

TEST(SpiderFile, ReadsARecordWithQuotedNamesAndMixedSeparators) {
  const SpiderPattern p = readOne("\"Rare earths\", \"CI chondrite (Sun & McDonough 1989)\"\r\n3 none 1,1000\r\n"
                                  "La\tCe Nd\r\n0.237, 0.612 0.467\r\n");
  EXPECT_EQ(p.name, "Rare earths");
  EXPECT_EQ(p.reference, "CI chondrite (Sun & McDonough 1989)");
  EXPECT_EQ(p.keyElement, "none");
  EXPECT_FLOAT_EQ(p.keyValue, 10.0f);
  EXPECT_FLOAT_EQ(p.yBegin, 1.0f);
  EXPECT_FLOAT_EQ(p.yEnd, 1000.0f);
  EXPECT_EQ(p.elements, (std::vector<std::string>{"La", "Ce", "Nd"}));
  EXPECT_EQ(p.normalisers, (std::vector<float>{0.237f, 0.612f, 0.467f}));
  // An unclosed quote ends at the line end.
  EXPECT_EQ(readOne("\"Open name\r\nRef 1 none 1 10 La 0.3").name, "Open name");
}

TEST(SpiderFile, KeyElementWithAndWithoutValue) {
  struct Case {
    const char* key;
    const char* element;
    float value;
  };
  for (const Case& c : {Case{"Yb", "Yb", 10}, Case{"Yb=5", "Yb", 5}, Case{"Yb = 5", "Yb", 5}, Case{"Yb= 5", "Yb", 5},
                        Case{"Yb =5", "Yb", 5}, Case{"Ce=2.5", "Ce", 2.5f}}) {
    const SpiderPattern p = readOne(std::string("REE C1 2 ") + c.key + " 1 100 Ce Yb 0.6 0.17");
    EXPECT_EQ(p.keyElement, c.element) << c.key;
    EXPECT_FLOAT_EQ(p.keyValue, c.value) << c.key;
    EXPECT_EQ(p.elements.size(), 2u) << c.key;
  }
}

TEST(SpiderFile, FaultsKeepTheRecordsBeforeThemAndSayWhy) {
  const std::string good = "A Ref 2 none 1 100 La Ce 0.3 0.8\r\n";
  struct Case {
    std::string content;
    std::size_t kept;
    std::string failure;
  };
  const std::vector<Case> cases = {
      {good + "B Ref 2 none 1 100 La Ce 0.3", 1, "Pattern 2 (B) ends before the normalising value of Ce."},
      {good + "B", 1, "Pattern 2 (B) ends before its reference name."},
      {"A Ref 46 none 1 100", 0, "Pattern 1 (A): the number of elements \"46\" is not a whole number from 1 to 45."},
      {"A Ref 2.5 none 1 100", 0, "Pattern 1 (A): the number of elements \"2.5\" is not a whole number from 1 to 45."},
      {"A Ref 2 none 1 100 La Ce 0.3 x", 0, "Pattern 1 (A): the normalising value of Ce \"x\" is not a number."},
      {"A Ref 2 none low 100 La Ce 0.3 0.8", 0, "Pattern 1 (A): its Y-axis begin \"low\" is not a number."},
      {"A Ref 2 La=0 1 100 La Ce 0.3 0.8", 0,
       "Pattern 1 (A): the key value \"0\" of key element La is not a number above 0."},
      {"A Ref 2 none 1 1e999 La Ce 0.3 0.8", 0, "Pattern 1 (A): its Y-axis end \"1e999\" is not a number."},
  };
  for (const Case& c : cases) {
    std::vector<SpiderPattern> patterns;
    std::string failure;
    EXPECT_EQ(readSpiderText(c.content, patterns, failure), SpiderReadResult::stopped) << c.content;
    EXPECT_EQ(patterns.size(), c.kept) << c.content;
    EXPECT_EQ(failure, c.failure) << c.content;
  }
}

TEST(SpiderFile, EmptyAndBlankFilesHoldNoPatterns) {
  for (const char* content : {"", "\r\n", " , ,\t\r\n\r\n"}) {
    std::vector<SpiderPattern> patterns{SpiderPattern{}};
    std::string failure = "old";
    EXPECT_EQ(readSpiderText(content, patterns, failure), SpiderReadResult::complete);
    EXPECT_TRUE(patterns.empty());
    EXPECT_TRUE(failure.empty());
  }
}

TEST(SpiderFile, LimitsOnPatternsAndEntries) {
  std::string many;
  for (int i = 0; i < 101; ++i) many += "P R 1 none 1 10 La 0.3\r\n";
  std::vector<SpiderPattern> patterns;
  std::string failure;
  EXPECT_EQ(readSpiderText(many, patterns, failure), SpiderReadResult::stopped);
  EXPECT_EQ(patterns.size(), 100u);
  EXPECT_EQ(failure, "The file holds more than 100 patterns; the first 100 were read.");

  // 60 records of 96 entries: the 53rd is cut by the entry limit.
  std::string big;
  for (int i = 0; i < 60; ++i) {
    big += "P R 45 none 1 10";
    for (int e = 0; e < 45; ++e) big += " E";
    for (int e = 0; e < 45; ++e) big += " 1";
    big += "\r\n";
  }
  EXPECT_EQ(readSpiderText(big, patterns, failure), SpiderReadResult::stopped);
  EXPECT_EQ(patterns.size(), 52u);
  EXPECT_EQ(failure, "The file holds more than 5000 entries; the patterns after entry 5000 were not read.");
}

TEST(SpiderFile, ShippedPatternsReadWhole) {
  testing::TempProgramFolder folder;
  std::vector<SpiderPattern> patterns;
  std::string failure;
  ASSERT_EQ(readSpiderFile(folder.controls("Spider.txt"), patterns, failure), SpiderReadResult::complete) << failure;
  ASSERT_EQ(patterns.size(), 13u);
  for (const auto& p : patterns) {
    EXPECT_EQ(p.elements.size(), p.normalisers.size()) << p.reference;
    EXPECT_EQ(p.keyElement, "none") << p.reference;
    EXPECT_LT(p.yBegin, p.yEnd) << p.reference;
    for (float v : p.normalisers) EXPECT_GT(v, 0.0f) << p.reference;
    // Every reference ends with its source in brackets: "(Author year)".
    ASSERT_GT(p.reference.size(), 7u) << p.reference;
    EXPECT_NE(p.reference.find(" ("), std::string::npos) << p.reference;
    EXPECT_EQ(p.reference.back(), ')') << p.reference;
    const std::string year = p.reference.substr(p.reference.size() - 5, 4);
    EXPECT_TRUE(year >= "1900" && year <= "2099") << p.reference;
  }
  EXPECT_EQ(patterns[0].reference, "Chondrite (Boynton 1984)");
  EXPECT_EQ(patterns[0].elements.front(), "La");
  EXPECT_EQ(patterns[0].elements.back(), "Lu");
  EXPECT_FLOAT_EQ(patterns[0].normalisers[0], 0.31f);
  EXPECT_EQ(patterns[4].reference, "Primitive mantle (Sun & McDonough 1989)");
  EXPECT_EQ(patterns[4].elements.size(), 22u);
  EXPECT_EQ(patterns[4].elements[6], "K");
  EXPECT_FLOAT_EQ(patterns[4].normalisers[6], 250.0f);
}

TEST(SpiderMatch, NamesWithoutMarkupAndOxidesUnderTheirElement) {
  const SpiderPattern p = readOne("T PM 5 ce=5 1 1000 Rb K La Ce Ti 0.6 250 0.69 1.78 1300");
  const std::vector<std::string> columns = {"", "SiO[2]", "K[2]O", "l a", "CE", "TiO2", "Ti"};
  const SpiderMatch m = matchSpiderColumns(p, columns, 6, standardOxides());
  EXPECT_EQ(m.column, (std::vector<int16_t>{0, 2, 3, 4, 6}));
  EXPECT_FLOAT_EQ(m.conversion[1], 8301.5f);  // K from K2O
  EXPECT_FLOAT_EQ(m.conversion[4], 1.0f);     // Ti itself wins over TiO2
  EXPECT_EQ(m.keyPosition, 4);
  EXPECT_EQ(m.matchedCount(), 4);

  // Columns past columnCount are not looked at; a key element outside the pattern gives 0.
  const SpiderPattern q = readOne("T PM 2 Yb 1 1000 K Ti 250 1300");
  const SpiderMatch n = matchSpiderColumns(q, columns, 5, standardOxides());
  EXPECT_EQ(n.column, (std::vector<int16_t>{2, 5}));
  EXPECT_FLOAT_EQ(n.conversion[1], 5995.0f);
  EXPECT_EQ(n.keyPosition, 0);
}

TEST(SpiderLines, KFromK2OIsPlottedAsTheElement) {
  const SpiderPattern p = readOne("T PM 2 none 1 1000 K La 250 0.687");
  const SpiderMatch m = matchSpiderColumns(p, {"", "K2O", "La"}, 2, standardOxides());
  const auto lines = spiderPatternLines(p, m, {1.5f, 6.87f}, false, true);
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].size(), 2u);
  EXPECT_FLOAT_EQ(lines[0][0].x, 1.0f);
  EXPECT_NEAR(lines[0][0].y, 1.5f * 8301.5f / 250.0f, 1e-3);
  EXPECT_NEAR(lines[0][1].y, 10.0f, 1e-5);
}

TEST(SpiderLines, AZeroInTheMiddleBreaksTheLineOnlyInGapMode) {
  const SpiderPattern p = readOne("REE C1 4 none 1 1000 La Ce Nd Sm 0.25 0.5 0.5 0.2");
  const SpiderMatch m = matchSpiderColumns(p, {"", "La", "Ce", "Nd", "Sm"}, 4, standardOxides());
  const std::vector<float> values = {25, 0, 5, 20};

  const auto joined = spiderPatternLines(p, m, values, true, false);
  ASSERT_EQ(joined.size(), 1u);
  EXPECT_EQ(joined[0], (SpiderLine{{1, 2}, {3, 1}, {4, 2}}));

  const auto broken = spiderPatternLines(p, m, values, true, true);
  ASSERT_EQ(broken.size(), 2u);
  EXPECT_EQ(broken[0], (SpiderLine{{1, 2}}));
  EXPECT_EQ(broken[1], (SpiderLine{{3, 1}, {4, 2}}));

  // A missing column and a normaliser of 0 count as gaps too; a leading gap opens no empty line.
  const SpiderPattern q = readOne("REE C1 4 none 1 1000 Pm La Ce Nd 1 0.25 0 0.5");
  const SpiderMatch n = matchSpiderColumns(q, {"", "La", "Ce", "Nd"}, 3, standardOxides());
  const auto gaps = spiderPatternLines(q, n, {0, 25, 5, 5}, false, true);
  ASSERT_EQ(gaps.size(), 2u);
  EXPECT_EQ(gaps[0], (SpiderLine{{2, 100}}));
  EXPECT_EQ(gaps[1], (SpiderLine{{4, 10}}));
}

TEST(SpiderLines, KeyElementWrittenWithFivePlacesTheKeyAtFive) {
  const SpiderPattern p = readOne("REE C1 3 Ce=5 1 1000 La Ce Yb 0.25 0.5 0.2");
  const SpiderMatch m = matchSpiderColumns(p, {"", "La", "Ce", "Yb"}, 3, standardOxides());
  const std::vector<float> values = {50, 40, 4};  // Ce normalised 80: factor 5/80
  EXPECT_FLOAT_EQ(spiderKeyFactor(p, m, values), 5.0f / 80.0f);
  const auto lines = spiderPatternLines(p, m, values, true, false);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NEAR(lines[0][1].y, std::log10(5.0f), 1e-6);
  EXPECT_NEAR(lines[0][0].y, std::log10(200.0f * 5.0f / 80.0f), 1e-6);
  EXPECT_NEAR(lines[0][2].y, std::log10(20.0f * 5.0f / 80.0f), 1e-6);
}

TEST(SpiderLines, KeyFactorEdgeCases) {
  const std::vector<std::string> columns = {"", "K2O", "La"};
  // The key element's normaliser 0 is taken as 1; the key may come through an oxide column.
  const SpiderPattern zeroNorm = readOne("T R 2 K=10 1 1000 K La 0 0.5");
  const SpiderMatch m = matchSpiderColumns(zeroNorm, columns, 2, standardOxides());
  EXPECT_FLOAT_EQ(spiderKeyFactor(zeroNorm, m, {2.0f, 5.0f}), 10.0f / (2.0f * 8301.5f));
  // Without a value for the key the pattern is not scaled.
  EXPECT_FLOAT_EQ(spiderKeyFactor(zeroNorm, m, {0.0f, 5.0f}), 1.0f);
  // A key so small that the factor would overflow leaves the row unscaled rather than infinite.
  const SpiderPattern tiny = readOne("T R 2 La=1e30 1 1000 K La 250 1e30");
  const SpiderMatch t = matchSpiderColumns(tiny, columns, 2, standardOxides());
  EXPECT_FLOAT_EQ(spiderKeyFactor(tiny, t, {1.0f, 1e-30f}), 1.0f);
  for (const auto& line : spiderPatternLines(tiny, t, {1.0f, 1e-30f}, true, true))
    for (const auto& point : line) EXPECT_TRUE(std::isfinite(point.y));
}

TEST(SpiderProjection, PointsOutsideTheWindowAreDroppedAndLongLinesSplit) {
  const std::vector<SpiderPagePoint> points = {{100, 500}, {200, 50}, {300, 700}, {400, 9000}, {500, 600}};
  const auto pieces = splitProjectedSpiderLine(points, 100, 5000);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0], (std::vector<SpiderPagePoint>{{100, 500}, {300, 700}, {500, 600}}));
  // The window may be given far edge first.
  EXPECT_EQ(splitProjectedSpiderLine(points, 5000, 100), pieces);

  std::vector<SpiderPagePoint> long45;
  for (int i = 1; i <= 45; ++i) long45.push_back({i * 100, 1000});
  const auto split = splitProjectedSpiderLine(long45, 100, 5000);
  ASSERT_EQ(split.size(), 2u);
  EXPECT_EQ(split[0].size(), 33u);
  EXPECT_EQ(split[1].size(), 13u);
  EXPECT_EQ(split[1].front(), split[0].back());

  std::vector<SpiderPagePoint> exactly33(long45.begin(), long45.begin() + 33);
  EXPECT_EQ(splitProjectedSpiderLine(exactly33, 100, 5000).size(), 1u);
  EXPECT_TRUE(splitProjectedSpiderLine({{1, 10}}, 100, 5000).empty());
}

}  // namespace
}  // namespace lavix::diagram
