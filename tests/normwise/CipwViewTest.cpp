// The normwise window offscreen: built from the model, forwarding typing, keys and buttons to it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/ui/PrinterPort.h"
#include "common/ui/ScriptedPrompts.h"
#include "normwise/qt/CipwView.h"
#include "normwise/qt/InputNormwiseView.h"

namespace lavix::normwise::qt {
namespace {

class CipwViewTest : public ::testing::Test {
 protected:
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts{transcript};
  ui::ScriptedPrinter printer{transcript};
  CipwForm form{prompts, printer, ".", '.'};
};

TEST_F(CipwViewTest, TypingAndCalculateGoThroughTheModel) {
  CipwView view(form);
  const char* values[] = {"49.2", "1.8", "15.1", "2.5", "8.1", "0.17", "7.6", "10.9", "2.6", "0.45", "0.22"};
  for (int i = 0; i < 11; ++i) QTest::keyClicks(view.box("inpt", i), values[i]);
  EXPECT_EQ(form.text("inpt", 2).value(), "15.1");
  QTest::mouseClick(view.button("calc"), Qt::LeftButton);
  EXPECT_EQ(view.box("inpt", 24)->text(), QStringLiteral("98.64"));
  EXPECT_EQ(view.box("txtTempin")->text(), QStringLiteral("1200"));
  EXPECT_FALSE(view.box("txtDensity")->text().isEmpty());
}

TEST_F(CipwViewTest, EnterAndArrowsMoveTheFocusAsTheModelSays) {
  CipwView view(form);
  view.show();
  view.activateWindow();
  if (!QTest::qWaitForWindowActive(&view)) GTEST_SKIP() << "no window activation on this platform";
  view.box("inpt", 23)->setFocus();
  QTest::keyClick(view.box("inpt", 23), Qt::Key_Return);
  EXPECT_EQ(form.focus(), (Focus{"inpt", 0}));
  EXPECT_TRUE(view.box("inpt", 0)->hasFocus());
  QTest::keyClick(view.box("txtPress"), Qt::Key_Up);
  EXPECT_TRUE(view.box("txtTempin")->hasFocus());
}

TEST_F(CipwViewTest, InputDialogViewParsesOnOk) {
  InputNormwise dialog("Enter data%", {"a", "b"}, '.');
  InputNormwiseView view(dialog);
  QTest::keyClicks(view.entry(0), "2.5");
  QTest::keyClick(view.entry(0), Qt::Key_Return);  // moves on, does not press OK
  EXPECT_TRUE(dialog.isOpen());
  EXPECT_EQ(dialog.focusedEntry(), 1);
  QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("okbut")), Qt::LeftButton);
  EXPECT_TRUE(dialog.accepted());
  EXPECT_FLOAT_EQ(dialog.answers()[0], 2.5f);
}

}  // namespace
}  // namespace lavix::normwise::qt
