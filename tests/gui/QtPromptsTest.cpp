// The Qt prompt port end to end: each call runs its modal dialog, answered from a timer.
#include <gtest/gtest.h>

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "qtui/Dialogs.h"
#include "qtui/QtClipboard.h"
#include "qtui/QtPrompts.h"
#include "tests/gui/QtTestApp.h"

namespace lavix::qtui {
namespace {

using testing::qtApp;
using testing::whenModalShows;

class FakeForm : public ui::FormModel {
 public:
  explicit FakeForm(std::string name) : name_(std::move(name)) {}
  std::string formName() const override { return name_; }
  bool isOpen() const override { return open_; }
  ui::EventResult click(const std::string& control, const std::string&) override {
    clicks.push_back(control);
    if (control == "qebut") open_ = false;
    return ui::EventResult::Done;
  }
  std::vector<std::string> clicks;

 private:
  std::string name_;
  bool open_ = true;
};

TEST(QtPrompts, EachPromptRunsItsDialogAndReturnsItsAnswer) {
  qtApp();
  QtPrompts prompts;
  whenModalShows([](QWidget* modal) {
    auto* box = modal->findChild<QLineEdit*>("inpt(1)");
    box->selectAll();
    QTest::keyClicks(box, "3.5");
    QTest::mouseClick(modal->findChild<QPushButton*>("okbut"), Qt::LeftButton);
  });
  EXPECT_EQ(prompts.numbers({"T", {"a", "b"}, {"1", "2"}}), (std::vector<std::string>{"1", "3.5"}));
  whenModalShows([](QWidget* modal) { QTest::mouseClick(modal->findChild<QPushButton*>("canbut"), Qt::LeftButton); });
  EXPECT_FALSE(prompts.numbers({"T", {"a"}, {"1"}}).has_value());

  whenModalShows([](QWidget* modal) { QTest::keyClicks(modal, "s"); });
  EXPECT_EQ(prompts.buttons({"Current file- ", {"p", "m", "t", "c", "s", "a", "r", "f", "q"}, "pmtcsarfq"}), 5);

  whenModalShows([](QWidget* modal) {
    auto* list = modal->findChild<QListWidget*>("lst");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTest::mouseClick(modal->findChild<QPushButton*>("okbutt"), Qt::LeftButton);
  });
  const ui::ListResult result = prompts.pickList({"Pick", {" a", " b"}, false});
  EXPECT_EQ(result.items, (std::vector<std::string>{"*a", " b"}));
  EXPECT_EQ(result.listChoice, 1);

  whenModalShows([](QWidget* modal) {
    QTest::mouseClick(qobject_cast<QMessageBox*>(modal)->button(QMessageBox::No), Qt::LeftButton);
  });
  EXPECT_EQ(prompts.message({"Apply a filter while reading this data file?", "", ui::MessageButtons::YesNo,
                             ui::MessageIcon::Question}),
            ui::MessageResult::No);

}
// normwise's and mixing's boxes carry their own program's name, not Lavix's.
TEST(QtPrompts, UntitledBoxesCarryTheProgramsName) {
  qtApp();
  QtPrompts prompts;
  prompts.setProgramTitle("NormWise");
  QString caption;
  whenModalShows([&caption](QWidget* modal) {
    caption = modal->windowTitle();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  prompts.message({"Check file!", "", ui::MessageButtons::Ok, ui::MessageIcon::None});
  EXPECT_EQ(caption, QString("NormWise"));
}

TEST(QtPrompts, InputReturnsTheTextOrNothingWhenCancelled) {
  qtApp();
  QtPrompts prompts;
  whenModalShows([](QWidget* modal) {
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    EXPECT_EQ(dialog->textValue(), QString("8"));
    dialog->setTextValue("11");
    dialog->accept();
  });
  EXPECT_EQ(prompts.input({"Columns?", "Specify # of columns", "8"}), std::optional<std::string>("11"));
  whenModalShows([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  EXPECT_FALSE(prompts.input({"Columns?", "", ""}).has_value());
}

TEST(QtPrompts, RunModalShowsTheRegisteredView) {
  qtApp();
  QtPrompts prompts;
  prompts.registerForm("pref", [](ui::FormModel& form, QWidget* parent) {
    auto dialog = std::make_unique<QDialog>(parent);
    auto* exit = new QPushButton("Exit", dialog.get());
    exit->setObjectName("qebut");
    QObject::connect(exit, &QPushButton::clicked, dialog.get(), [&form, raw = dialog.get()] {
      form.click("qebut", "");
      if (!form.isOpen()) raw->accept();
    });
    return dialog;
  });
  EXPECT_TRUE(prompts.hasForm("pref"));
  FakeForm form("pref");
  whenModalShows([](QWidget* modal) { QTest::mouseClick(modal->findChild<QPushButton*>("qebut"), Qt::LeftButton); });
  prompts.runModal(form);
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"qebut"}));
  EXPECT_FALSE(form.isOpen());
}

TEST(QtPrompts, RunModalOfAnUnknownWindowSaysItIsNotAvailable) {
  qtApp();
  QtPrompts prompts;
  FakeForm form("grid");
  QString shown;
  whenModalShows([&shown](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    shown = box->text();
    box->accept();
  });
  prompts.runModal(form);
  EXPECT_EQ(shown, QString("The window grid is not available in this version."));
  EXPECT_TRUE(form.clicks.empty());
}

TEST(QtClipboard, RoundTripsText) {
  qtApp();
  QtClipboard clipboard;
  clipboard.setText("SAMPLE\tSiO2\r\nA\t50.1\r\n");
  EXPECT_EQ(clipboard.text(), std::optional<std::string>("SAMPLE\tSiO2\r\nA\t50.1\r\n"));
}

}  // namespace
}  // namespace lavix::qtui
