// The cipw form model where a batch run cannot look: the focus that keys move, a failing printer.
// What the form shows is checked by the batch runs of tests/normwise/scripts.
#include <gtest/gtest.h>

#include "common/ui/PrinterPort.h"
#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "normwise/CipwForm.h"

namespace lavix::normwise {
namespace {

class FailingPrinter : public ui::PrinterPort {
 public:
  std::optional<std::string> printText(const ui::TextPrintJob&) override { return "No printer is installed"; }
};

struct FormFixture {
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts{transcript};
  FailingPrinter printer;
  CipwForm form{prompts, printer, ".", '.'};
};

TEST(CipwForm, KeysMoveTheFocusAndScriptPositionsCountFromOne) {
  struct Case {
    const char* control;
    int index;
    const char* key;
    Focus to;
  };
  const Case cases[] = {{"inpt", 0, "Enter", {"inpt", 1}},          {"inpt", 5, "Down", {"inpt", 6}},
                        {"inpt", 5, "Up", {"inpt", 4}},             {"inpt", 23, "Down", {"inpt", 0}},
                        {"inpt", 0, "Up", {"inpt", 23}},            {"txtTempin", 0, "Enter", {"txtPress", 0}},
                        {"txtPress", 0, "Down", {"txtWater", 0}},   {"txtPress", 0, "Up", {"txtTempin", 0}},
                        {"txtWater", 0, "Enter", {"txtTempin", 0}}, {"txtTempin", 0, "Up", {"txtWater", 0}},
                        {"sample", 0, "Enter", {"inpt", 0}},        {"inpt", 3, "Left", {"inpt", 3}}};
  FormFixture f;
  for (const Case& c : cases) {
    ASSERT_TRUE(f.form.navigate(c.control, c.index, c.key)) << c.control << c.index << c.key;
    EXPECT_EQ(f.form.focus(), c.to) << c.control << c.index << c.key;
  }
  EXPECT_EQ(f.form.key("inpt", 24, "Down"), ui::EventResult::Done);  // position 24 is inpt(23)
  EXPECT_EQ(f.form.focus(), (Focus{"inpt", 0}));
  EXPECT_EQ(f.form.key("inpt", 25, "Up"), ui::EventResult::Done);
  EXPECT_EQ(f.form.focus(), (Focus{"inpt", 23}));
  EXPECT_EQ(f.form.enter("inpt", 25), ui::EventResult::Done);
  EXPECT_EQ(f.form.focus(), (Focus{"inpt", 0}));  // from the total field back to the first oxide
}

TEST(CipwForm, PrinterFailureIsShown) {
  FormFixture f;
  EXPECT_EQ(f.form.click("menuPrint", ""), ui::EventResult::Done);
  EXPECT_EQ(f.transcript.lines().back(), "message: No printer is installed");
}

}  // namespace
}  // namespace lavix::normwise
