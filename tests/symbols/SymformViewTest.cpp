// The symbol dialog view `symform` driven offscreen: its controls reach the model and mirror it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "lavix/qt/SymformView.h"
#include "qtui/QtPrompts.h"
#include "qtui/RecordingPlayer.h"
#include "tests/gui/QtTestApp.h"
#include "tests/support/LavixSessions.h"

namespace lavix::qt {
namespace {

using testing::SymbolSession;

TEST(SymformView, BoxesAndButtonsReachTheModelAndOkCloses) {
  qtui::QtPrompts prompts;
  registerSymformView(prompts);
  EXPECT_TRUE(prompts.hasForm("symform"));
  SymbolSession t;
  SymformView view(t.form);
  EXPECT_EQ(view.findChildren<QCheckBox*>(QRegularExpression("^symbox\\(\\d+\\)$")).size(), 37);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

  QTest::mouseClick(view.commandButton("cmdOdds"), Qt::LeftButton);
  EXPECT_FALSE(view.symbolBox(0)->isChecked());
  EXPECT_TRUE(view.symbolBox(1)->isChecked());
  QTest::mouseClick(view.symbolBox(1), Qt::LeftButton);
  EXPECT_FALSE(t.form.isChecked(1));
  QTest::mouseClick(view.lineOnlyBox(), Qt::LeftButton);
  EXPECT_TRUE(t.s.symbols.lineOnly);
  EXPECT_TRUE(view.tiesBox()->isChecked());

  QTest::mouseClick(view.commandButton("OKbut"), Qt::LeftButton);
  EXPECT_FALSE(t.form.isOpen());
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(t.s.symbols.selectedSymbol[1], diagram::hiddenSymbol);
  EXPECT_EQ(t.s.symbols.selectedSymbol[3], 3);
}

TEST(SymformView, AClickOnThePreviewPicksTheSymbolToColour) {
  SymbolSession t;
  SymformView view(t.form);
  view.resize(900, 600);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

  const QRect cell = view.symbolCell(13);
  const qtui::PageMapping mapping(view.previewRecording(), QRectF(view.preview()->rect()), qtui::Mapping::Isotropic);
  QTest::mouseClick(view.preview(), Qt::LeftButton, {}, mapping.toDevice(cell.center().x(), cell.center().y()).toPoint());
  EXPECT_EQ(t.form.editedSymbol(), 13);
}

}  // namespace
}  // namespace lavix::qt
