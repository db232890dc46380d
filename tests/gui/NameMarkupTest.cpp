// Names with markup as widgets show them: rich text for labels, Unicode forms for lists.
#include <gtest/gtest.h>

#include "qtui/NameMarkup.h"

namespace lavix::qtui {
namespace {

TEST(NameMarkup, RichTextHasSubAndSuperscripts) {
  EXPECT_EQ(markupToRichText("Fe[2]O[3]"), QString("Fe<sub>2</sub>O<sub>3</sub>"));
  EXPECT_EQ(markupToRichText("(SiO2){2}"), QString("(SiO2)<sup>2</sup>"));
  EXPECT_EQ(markupToRichText("A<B & {x"), QString("A&lt;B &amp; <sup>x</sup>"));
  EXPECT_EQ(markupToRichText("a]b}"), QString("a]b}"));
}

TEST(NameMarkup, DisplayTextDropsTheBracketsEverywhere) {
  const std::pair<const char*, const char*> cases[] = {
      {"SiO[2]", "SiO₂"},          {"H[2]O{+}", "H₂O⁺"},      {"Fe[2]O[3]", "Fe₂O₃"},
      {"{87}Sr/{86}Sr", "⁸⁷Sr/⁸⁶Sr"}, {"Rb[N]", "RbN"},         {"(Rb/Sr){.5}", "(Rb/Sr).⁵"},
      {"a]b}", "a]b}"},            {"Zr", "Zr"}};
  for (const auto& [name, shown] : cases) EXPECT_EQ(markupToDisplayText(name), QString::fromUtf8(shown)) << name;
}

}  // namespace
}  // namespace lavix::qtui
