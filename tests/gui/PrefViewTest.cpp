// The preferences window driven offscreen: options, the WinScale box, Save and Exit.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "lavix/app/PreferencesForm.h"
#include "lavix/qt/PrefView.h"
#include "tests/gui/QtTestApp.h"
#include "tests/gui/Screenshots.h"
#include "tests/support/LavixSessions.h"

namespace lavix::qt {
namespace {

using testing::qtApp;

TEST(PrefView, ControlsForwardToTheModelAndSaveCloses) {
  qtApp();
  testing::SessionFixture f;
  ASSERT_EQ(f.start(), app::StartupOutcome::Ready);
  app::PreferencesForm model(*f.session);
  PrefView view(model);
  view.show();
  EXPECT_TRUE(view.option("ffo2")->isChecked());
  EXPECT_EQ(view.label("Labfont")->text(), QString("10Pt DejaVu Sans"));
  EXPECT_EQ(view.label("dirlab")->text(), QString::fromStdString(f.session->dataFolder));
  testing::saveScreenshot(view, "preferences.png");

  view.option("Optionh")->click();
  EXPECT_EQ(f.session->preferences.yLabelOrientation, -1);
  EXPECT_TRUE(view.option("Optionh")->isChecked());
  view.winscaleBox()->clear();
  QTest::keyClicks(view.winscaleBox(), "3");
  QTest::keyClick(view.winscaleBox(), Qt::Key_Return);
  EXPECT_EQ(view.winscaleBox()->text(), QString("1"));
  QTest::mouseClick(view.button("saveini"), Qt::LeftButton);
  EXPECT_FALSE(model.isOpen());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(f.session->preferences.windowScale, 1.0f);
  EXPECT_NE(testing::readWholeFile(f.folder.controls("lxpref.ini")).find("\r\n-1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace lavix::qt
