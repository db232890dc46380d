// The selection window's view driven offscreen: widgets mirror the model, events reach it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/ui/ScriptedPrompts.h"
#include "common/ui/Transcript.h"
#include "lavix/app/SelectCommand.h"
#include "lavix/data/SubSelect.h"
#include "lavix/qt/SubSelectView.h"
#include "qtui/QtPrompts.h"
#include "tests/gui/QtTestApp.h"
#include "lavix/app/Session.h"
#include "tests/support/LavixSessions.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::qt {
namespace {

QStringList texts(const QListWidget* list) {
  QStringList result;
  for (int i = 0; i < list->count(); ++i) result << list->item(i)->text();
  return result;
}

void clickEntry(QListWidget* list, int row) {
  QListWidgetItem* item = list->item(row);
  ASSERT_NE(item, nullptr) << list->objectName().toStdString() << " " << row;
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

struct Window {
  data::DataStore store;
  data::SubsetCriteria criteria;
  ui::Transcript transcript;
  ui::ScriptedPrompts prompts{transcript};
  Window() { testing::fillSelectData(store); }
};

TEST(SubSelectView, ShowsTheWindowsTextsAndTheCriteriaInForce) {
  testing::qtApp();
  Window w;
  w.criteria.limits = {{1, 45.0f, 52.0f}};
  w.criteria.exclude = {{2, "basalt"}};
  data::SubSelect model(w.store, w.criteria, w.prompts);
  SubSelectView view(model);

  EXPECT_EQ(view.windowTitle(), QString("Selection window"));
  // Names show their sub- and superscripts, not their markup.
  EXPECT_EQ(texts(view.list(1)), (QStringList{"Jcode", "Kcode", "Lcode", "SiO2", "Type", QString::fromUtf8("Fe₂O₃")}));
  EXPECT_EQ(view.list(2)->count(), 0);
  EXPECT_EQ(texts(view.list(3)), QStringList{"        SiO2:45 to 52"});
  EXPECT_EQ(view.list(4)->count(), 0);
  EXPECT_EQ(texts(view.list(5)), QStringList{"        Type = basalt"});
  // SiO2 45 and 52 are within the limits; "Basalt" is not the excluded "basalt".
  EXPECT_EQ(view.countLabel()->text(), QString("2 of 6 samples selected"));
  EXPECT_EQ(view.hintLabel()->text(), QString("Click a value in the Values list to add it to the MATCH List"));
  EXPECT_TRUE(view.matchOption()->isChecked());
  EXPECT_FALSE(view.excludeOption()->isChecked());
  EXPECT_TRUE(view.activeBox()->isChecked());
  EXPECT_EQ(view.activeBox()->text(), QString("active"));
  EXPECT_EQ(view.findChild<QLabel*>("removeHint")->text(), QString("DoubleClick an item to remove it"));

  QStringList groups;
  for (const QGroupBox* box : view.findChildren<QGroupBox*>()) groups << box->title();
  EXPECT_TRUE(groups.contains("Set Numerical Limits"));
  const struct {
    const char* name;
    const char* caption;
  } buttons[] = {{"cmdAddLimits", "Add to limits"}, {"cmdEditLimit", "Edit Limit"}, {"cmdDeleteLimit", "Delete Limit"},
                 {"cmdClearAll", "Clear all"},      {"cmdDone", "Done"}};
  for (const auto& b : buttons) {
    QPushButton* button = view.commandButton(b.name);
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->text(), QString(b.caption));
    EXPECT_FALSE(button->autoDefault()) << b.name;  // Enter in a box does not close the window
  }
}

TEST(SubSelectView, ClicksAndTypingBuildTheListsAndDoneCommits) {
  testing::qtApp();
  Window w;
  w.criteria.exclude = {{2, "basalt"}};
  data::SubSelect model(w.store, w.criteria, w.prompts);
  SubSelectView view(model);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  EXPECT_EQ(texts(view.list(5)), QStringList{"        Type = basalt"});
  for (const char* name : {"cmdAddLimits", "cmdEditLimit", "cmdDeleteLimit", "cmdClearAll", "cmdDone"})
    EXPECT_FALSE(view.commandButton(name)->autoDefault()) << name;  // Enter in a box does not close the window

  // A variable lists its values and presets its range.
  clickEntry(view.list(1), 3);  // SiO2
  EXPECT_EQ(texts(view.list(2)), (QStringList{"9.5", "1E1", "45", "52", "100"}));
  EXPECT_EQ(view.minBox()->text(), QString("9.5"));
  EXPECT_EQ(view.maxBox()->text(), QString("100"));

  view.minBox()->selectAll();
  QTest::keyClicks(view.minBox(), "45");
  view.maxBox()->selectAll();
  QTest::keyClicks(view.maxBox(), "52");
  EXPECT_EQ(model.minText(), "45");
  EXPECT_EQ(model.maxText(), "52");
  QTest::mouseClick(view.commandButton("cmdAddLimits"), Qt::LeftButton);
  EXPECT_EQ(texts(view.list(3)), QStringList{"        SiO2:45 to 52"});

  // Values go to MATCH, or to EXCLUDE once that option is chosen.
  clickEntry(view.list(2), 2);  // 45
  EXPECT_EQ(texts(view.list(4)), QStringList{"        SiO2 = 45"});
  QTest::mouseClick(view.excludeOption(), Qt::LeftButton);
  EXPECT_TRUE(model.excludeChosen());
  EXPECT_EQ(view.hintLabel()->text(), QString("Click a value in the Values list to add  it to the EXCLUDE List"));
  clickEntry(view.list(1), 4);  // Type
  clickEntry(view.list(2), 0);  // "1"
  EXPECT_EQ(texts(view.list(5)), (QStringList{"        Type = basalt", "        Type = 1"}));

  // A double-click removes an entry (QTest sends only its second half, hence the click first).
  QListWidget* exclude = view.list(5);
  const QPoint first = exclude->visualItemRect(exclude->item(0)).center();
  QTest::mouseClick(exclude->viewport(), Qt::LeftButton, {}, first);
  QTest::mouseDClick(exclude->viewport(), Qt::LeftButton, {}, first);
  EXPECT_EQ(texts(exclude), QStringList{"        Type = 1"});
  EXPECT_EQ(model.excludeList(), std::vector<std::string>{"        Type = 1"});

  QTest::mouseClick(view.activeBox(), Qt::LeftButton);
  EXPECT_FALSE(model.active());

  QTest::mouseClick(view.commandButton("cmdDone"), Qt::LeftButton);
  EXPECT_FALSE(model.isOpen());
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);
  EXPECT_EQ(w.criteria.limits, (std::vector<data::LimitCriterion>{{1, 45.0f, 52.0f}}));
  EXPECT_EQ(w.criteria.match, (std::vector<data::ValueCriterion>{{1, "45"}}));
  EXPECT_EQ(w.criteria.exclude, (std::vector<data::ValueCriterion>{{2, "1"}}));
  EXPECT_FALSE(w.criteria.active);
}

// menuSelect through the Qt port: the registered view opens modally and Done closes it.
TEST(SubSelectView, MenuSelectRunsTheRegisteredView) {
  testing::qtApp();
  qtui::QtPrompts prompts;
  registerSubSelectView(prompts);
  ASSERT_TRUE(prompts.hasForm("SubSelect"));
  testing::TempProgramFolder folder;
  ui::ScriptedClipboard clipboard;
  app::Session session(prompts, clipboard, folder.path(), '.');
  testing::fillSelectData(session.data);
  session.allocateRowArrays();
  session.diagram.diagramKind = "HIST";

  bool seen = false;
  testing::whenModalShows([&seen](QWidget* modal) {
    auto* view = qobject_cast<SubSelectView*>(modal);
    ASSERT_NE(view, nullptr);
    seen = true;
    clickEntry(view->list(1), 4);  // Type
    clickEntry(view->list(2), 1);  // Andesite
    QTest::mouseClick(view->commandButton("cmdDone"), Qt::LeftButton);
  });
  const app::SelectOutcome outcome = app::menuSelect(session);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(outcome.criteriaChanged);
  EXPECT_TRUE(outcome.rebuildHistogram);
  EXPECT_EQ(session.subset.match, (std::vector<data::ValueCriterion>{{2, "Andesite"}}));
}

}  // namespace
}  // namespace lavix::qt
