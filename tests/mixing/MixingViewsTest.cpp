// Offscreen checks that the mixing views mirror their models and forward their events.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "mixing/qt/MixingViews.h"
#include "tests/mixing/MixingFixture.h"

namespace lavix::mixing {
namespace {

struct ViewFixture : testing::MixingSession {
  qt::MainView view{window};
};

TEST(MixingViews, MenuActionsRunTheModelAndLabelsFollowIt) {
  ViewFixture f;
  EXPECT_EQ(f.view.label("matrixSize"), nullptr) << "the capacity is no user's concern";
  EXPECT_EQ(f.view.label("loaded")->text(), QStringLiteral("Read a Partition Coeff. (PC) file"));
  f.prompts.queueAnswers({"PC/andesite.PC.txt", "PC/majors.wt.txt"});
  f.view.findChild<QAction*>(QStringLiteral("readpc"))->trigger();
  EXPECT_EQ(f.view.label("pcFile")->text(), QStringLiteral("andesite.PC.txt"));
  EXPECT_TRUE(f.view.label("loaded")->text().startsWith(QStringLiteral("0 rocks, 0 minerals; ")));
  f.view.findChild<QPushButton*>(QStringLiteral("viewpc"))->click();
  ASSERT_TRUE(f.window.output().visible);
  EXPECT_TRUE(f.view.outputView()->textBox()->toPlainText().startsWith(QStringLiteral("Partition Coefficients\n")));
}

TEST(MixingViews, OutputButtonsForwardAndQuitHidesTheWindow) {
  ViewFixture f;
  f.view.show();
  f.window.output().show({"  line one", "  line two"});
  f.view.refresh();
  qt::OutputView* output = f.view.outputView();
  EXPECT_TRUE(output->isVisible());
  EXPECT_EQ(output->textBox()->toPlainText(), QStringLiteral("  line one\n  line two\n"));
  QTest::mouseClick(output->button("Printr"), Qt::LeftButton);
  EXPECT_TRUE(f.transcript.contains(0, f.transcript.size(), "print: mixing"));
  QTest::mouseClick(output->button("quit"), Qt::LeftButton);
  EXPECT_FALSE(f.window.output().visible);
  EXPECT_FALSE(output->isVisible());
  EXPECT_TRUE(f.window.isOpen());
  // showop brings it back; the title bar's close is quit too.
  f.view.findChild<QAction*>(QStringLiteral("showop"))->trigger();
  EXPECT_TRUE(output->isVisible());
  output->close();
  EXPECT_FALSE(f.window.output().visible);
}

}  // namespace
}  // namespace lavix::mixing
