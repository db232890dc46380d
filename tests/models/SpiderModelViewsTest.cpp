// The views of `spimod` and `spimix` driven offscreen: widgets mirror the models, events reach them.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "lavix/app/MainWindow.h"
#include "lavix/app/SpiderMixForm.h"
#include "lavix/app/SpiderModelForm.h"
#include "lavix/app/Startup.h"
#include "lavix/qt/SpimixView.h"
#include "lavix/qt/SpimodView.h"
#include "qtui/QtPrompts.h"
#include "tests/gui/QtTestApp.h"
#include "tests/support/LavixSessions.h"

namespace lavix::qt {
namespace {

// Saves the window's picture where the environment variable says (for the documentation).
void keepPicture(QWidget& view, const char* variable) {
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  const QImage image = view.grab().toImage();
  ASSERT_FALSE(image.isNull());
  const QByteArray path = qgetenv(variable);
  if (!path.isEmpty()) {
    EXPECT_TRUE(image.save(QString::fromLocal8Bit(path), "PNG"));
  }
}

TEST(SpimodView, ShowsWhatTheModelShowsAndForwardsItsEvents) {
  testing::ModelSession f;
  f.s().spiderModels.modelName = "batch melt";
  f.s().spiderModels.modelMode = "Non Modal";
  app::SpiderModelForm model(f.s());
  SpimodView view(model);
  view.show();
  EXPECT_EQ(view.label("modlab")->text(), QString("batch melt Non Modal"));
  EXPECT_TRUE(view.label("eqnlab")->text().startsWith("C = C0 / (D + F(1 - P))"));
  EXPECT_EQ(view.box("melttxt")->text(), QString("1,5,10,15"));
  EXPECT_TRUE(view.box("insituf")->isHidden());
  EXPECT_FALSE(view.button("meltmode")->isHidden());
  EXPECT_TRUE(view.label("mdi")->isHidden());  // no file read yet

  f.prompts.queueAnswers({"PC/unit.PC.txt", "60,40", "SRC"});
  QTest::mouseClick(view.button("readpcs"), Qt::LeftButton);
  QTest::mouseClick(view.button("mantmode"), Qt::LeftButton);
  QTest::mouseClick(view.button("selsource"), Qt::LeftButton);
  EXPECT_EQ(view.label("mdi")->text(), QString(" 60ol  40cpx "));
  EXPECT_EQ(view.label("mpi")->text(), QString("SELECT"));
  EXPECT_EQ(view.label("sourcelab")->text(), QString("SRC"));
  EXPECT_TRUE(view.label("pcslab")->text().endsWith("unit.PC.txt"));

  QTest::keyClicks(view.box("melttxt"), ",20");
  EXPECT_EQ(model.text("melttxt"), "1,5,10,15,20");
  QTest::mouseClick(view.option(1), Qt::LeftButton);
  EXPECT_TRUE(model.inverse());
  EXPECT_TRUE(view.label("eqnlab")->text().contains("Inverse"));
  QTest::mouseClick(view.button("quit"), Qt::LeftButton);
  EXPECT_FALSE(model.isOpen());
  EXPECT_EQ(f.prompts.pendingAnswers(), 0U);
}

// Non-modal batch melting of a garnet lherzolite with the shipped peridotite coefficients.
TEST(SpimodView, RendersForTheDocumentation) {
  testing::ModelSession f;
  f.s().spiderModels.modelName = "batch melt";
  f.s().spiderModels.modelMode = "Non Modal";
  app::SpiderModelForm model(f.s());
  SpimodView view(model);
  f.prompts.queueAnswers({"PC/peridotite-melting.PC.txt", "55,25,12,8,0", "10,20,40,30,0", "SRC"});
  for (const char* button : {"readpcs", "mantmode", "meltmode", "selsource"}) view.button(button)->click();
  EXPECT_EQ(view.label("mpi")->text(), QString(" 10ol  20opx  40cpx  30gt "));
  keepPicture(view, "LAVIX_SPIMOD_SCREENSHOT");
}

TEST(SpimixView, ShowsTheSlotsAndForwardsItsEvents) {
  testing::ModelSession f;
  app::SpiderMixForm model(f.s());
  SpimixView view(model);
  EXPECT_EQ(view.statusLabel()->text(), QString("Ready for first mix"));
  f.prompts.queueAnswers({"SRC", "CON"});
  QTest::mouseClick(view.pickButton(0), Qt::LeftButton);
  QTest::mouseClick(view.pickButton(1), Qt::LeftButton);
  QTest::keyClicks(view.coefficientBox(0), "1");
  QTest::keyClicks(view.coefficientBox(1), "3");
  EXPECT_EQ(view.nameLabel(1)->text(), QString("CON"));
  QTest::mouseClick(view.doneButton(), Qt::LeftButton);
  EXPECT_EQ(f.rows(), 4);
  EXPECT_EQ(f.name(4), "1SRC3CON");
  EXPECT_EQ(view.statusLabel()->text(), QString("Ready for another mix"));
  keepPicture(view, "LAVIX_SPIMIX_SCREENSHOT");
  QTest::mouseClick(view.quitButton(), Qt::LeftButton);
  EXPECT_FALSE(model.isOpen());
}

// Every prompt answered from the queue, except the windows: their Qt views open, as in the program.
class QtWindows : public ui::ScriptedPrompts {
 public:
  using ScriptedPrompts::ScriptedPrompts;
  void runModal(ui::FormModel& form) override { qt.runModal(form); }
  qtui::QtPrompts qt;
};

// A dialog that should have been a window's view fails the test and is closed, so the run goes on.
void closeOther(QWidget* modal) {
  ADD_FAILURE() << "not the window's view: " << modal->metaObject()->className();
  if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
}

// The main window's one model and one mix command reach the spider views on a spider diagram.
TEST(SpiderModelViews, TheMainWindowsModelAndMixOpenThem) {
  lavix::testing::TempProgramFolder folder;
  folder.write("Controls/Spider.txt", testing::modelFile("Spider.txt"));
  folder.write("Data Files/models.txt", testing::modelFile("models.txt"));
  ui::Transcript transcript;
  QtWindows prompts(transcript, folder.path());
  registerSpimodView(prompts.qt);
  registerSpimixView(prompts.qt);
  ui::ScriptedClipboard clipboard;
  app::Session s(prompts, clipboard, folder.path(), '.');
  app::MainWindow window(s);
  app::startUp(s);
  prompts.queueAnswers({"Data Files/models.txt"});
  window.click("mOpen", "");
  prompts.queueAnswers({"#1", "[all]"});
  window.click("mspider", "");

  prompts.queueAnswers({"batch melt", "Modal"});
  std::string modelLabel;
  lavix::testing::whenModalShows([&modelLabel](QWidget* modal) {
    auto* view = dynamic_cast<SpimodView*>(modal);
    if (!view) return closeOther(modal);
    modelLabel = view->label("modlab")->text().toStdString();
    view->button("quit")->click();
  });
  EXPECT_EQ(window.click("model", ""), ui::EventResult::Done);
  EXPECT_EQ(modelLabel, "batch melt Modal");

  lavix::testing::whenModalShows([](QWidget* modal) {
    auto* view = dynamic_cast<SpimixView*>(modal);
    if (!view) return closeOther(modal);
    view->quitButton()->click();
  });
  EXPECT_EQ(window.click("mix", ""), ui::EventResult::Done);
  EXPECT_EQ(prompts.pendingAnswers(), 0U);
}

}  // namespace
}  // namespace lavix::qt
