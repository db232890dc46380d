// The generic dialogs, message box and file dialog set-up, driven offscreen with QTest.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "qtui/Dialogs.h"
#include "qtui/FileFilter.h"
#include "tests/gui/QtTestApp.h"

namespace lavix::qtui {
namespace {

using testing::qtApp;

template <typename T>
T* child(QWidget& parent, const char* name) {
  T* found = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

void click(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  QTest::mouseClick(widget, Qt::LeftButton);
}

// ---- file filters ----

struct FilterCase {
  const char* system;
  QStringList expected;
};

TEST(FileFilter, ConvertsSystemFilterTexts) {
  qtApp();
  const FilterCase cases[] = {
      {"Rock data (.roc; .txt)|*.roc;*.txt|Mineral data (*.min)|*.min|All Files (*.*)|*.*|",
       {"Rock data (.roc; .txt) (*.roc *.txt)", "Mineral data (*.min)", "All Files (*.*)"}},
      {"Text Files (*.txt)|*.txt|Rock Files (*.roc)|*.roc|Mineral Files (*.min)|*.min|",
       {"Text Files (*.txt)", "Rock Files (*.roc)", "Mineral Files (*.min)"}},
      {"Desc|*.roc;*.txt|Desc2|*.min|", {"Desc (*.roc *.txt)", "Desc2 (*.min)"}},
      {"lxpref.ini |*.ini|", {"lxpref.ini (*.ini)"}},
      {"norm. files (*.nrm.txt|*.txt|", {"norm. files (*.nrm.txt (*.txt)"}},
      {"Symbols (*.sym)|*.sym", {"Symbols (*.sym)"}},
      {"Odd|", {"Odd (*)"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(toQtFilters(c.system), c.expected) << c.system;
  EXPECT_EQ(toQtFilterString("Desc|*.roc;*.txt|Desc2|*.min|"), QString("Desc (*.roc *.txt);;Desc2 (*.min)"));
}

TEST(FileFilter, SelectsByOneBasedIndexAndFallsBackToTheFirst) {
  const QStringList filters{"A (*.a)", "B (*.b)"};
  EXPECT_EQ(selectedFilter(filters, 2), QString("B (*.b)"));
  EXPECT_EQ(selectedFilter(filters, 1), QString("A (*.a)"));
  EXPECT_EQ(selectedFilter(filters, 0), QString("A (*.a)"));
  EXPECT_EQ(selectedFilter(filters, 3), QString("A (*.a)"));
  EXPECT_TRUE(selectedFilter({}, 1).isEmpty());
}

TEST(FileDialog, OpenStartsInFolderWithFilterAndNeedsAnExistingFile) {
  qtApp();
  ui::FileRequest request;
  request.filter = "Rock data (.roc; .txt)|*.roc;*.txt|Mineral data (*.min)|*.min|All Files (*.*)|*.*|";
  request.filterIndex = 2;
  request.folder = QDir::tempPath().toStdString();
  request.mustExist = true;
  auto dialog = buildFileDialog(request, false);
  EXPECT_EQ(dialog->windowTitle(), QString("Lavix"));
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(dialog->nameFilters().size(), 3);
  EXPECT_EQ(dialog->selectedNameFilter(), QString("Mineral data (*.min)"));
  EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
}

TEST(FileDialog, SaveAsksBeforeReplacingOnlyWhenRequested) {
  qtApp();
  ui::FileRequest request;
  request.title = "Save";
  request.filter = "Text Files (*.txt)|*.txt|";
  request.confirmOverwrite = true;
  auto asking = buildFileDialog(request, true);
  EXPECT_EQ(asking->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(asking->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(asking->windowTitle(), QString("Save"));
  request.confirmOverwrite = false;
  EXPECT_TRUE(buildFileDialog(request, true)->testOption(QFileDialog::DontConfirmOverwrite));
}

// ---- inputfrm ----

ui::NumbersRequest threeNumbers() { return {"Axis limits", {"X start", "X end", "Step"}, {"0", "100", "10"}}; }

TEST(NumbersDialog, ShowsPromptsAndPresetsAndReturnsTheTextsAfterOk) {
  qtApp();
  NumbersDialog dialog(threeNumbers());
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QString("Axis limits"));
  EXPECT_EQ(child<QLabel>(dialog, "lab(1)")->text(), QString("X end"));
  EXPECT_EQ(child<QLineEdit>(dialog, "inpt(0)")->text(), QString("0"));
  EXPECT_EQ(child<QLineEdit>(dialog, "inpt(2)")->text(), QString("10"));
  EXPECT_FALSE(dialog.answer().has_value()) << "no answer while open";

  QLineEdit* end = child<QLineEdit>(dialog, "inpt(1)");
  end->clear();
  QTest::keyClicks(end, "250.5");
  click(child<QPushButton>(dialog, "okbut"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.answer(), (std::vector<std::string>{"0", "250.5", "10"}));
}

TEST(NumbersDialog, EnterInABoxIsOk) {
  qtApp();
  NumbersDialog dialog(threeNumbers());
  dialog.show();
  QTest::keyClick(child<QLineEdit>(dialog, "inpt(0)"), Qt::Key_Return);
  EXPECT_EQ(dialog.answer(), (std::vector<std::string>{"0", "100", "10"}));
}

TEST(NumbersDialog, CancelGivesNoAnswer) {
  qtApp();
  NumbersDialog dialog(threeNumbers());
  dialog.show();
  QTest::keyClicks(child<QLineEdit>(dialog, "inpt(0)"), "7");
  click(child<QPushButton>(dialog, "canbut"));
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.answer().has_value());
}

TEST(NumbersDialog, MissingPresetsLeaveEmptyBoxes) {
  qtApp();
  NumbersDialog dialog({"", {"a", "b"}, {"1"}});
  EXPECT_EQ(dialog.windowTitle(), QString("Lavix"));
  EXPECT_EQ(dialog.texts(), (std::vector<std::string>{"1", ""}));
}

// ---- butt ----

ui::ButtonsRequest fileOperations() {
  return {"Current file- rocks.txt",
          {"Print a table", "Modify data", "Enter data", "Clear all data", "Save file", "Add a file",
           "Read the clipbrd", "Copy file to clipbrd", "Quit"},
          "pmtcsarfq"};
}

TEST(ButtonMenuDialog, KeyLetterPicksItsChoice) {
  qtApp();
  for (const char* key : {"s", "S"}) {
    ButtonMenuDialog dialog(fileOperations());
    dialog.show();
    QTest::keyClicks(&dialog, key);
    EXPECT_EQ(dialog.choice(), 5) << key;
    EXPECT_EQ(dialog.result(), 5);
    EXPECT_FALSE(dialog.isVisible());
  }
}

TEST(ButtonMenuDialog, KeyLetterWorksWhileAButtonHasFocus) {
  qtApp();
  ButtonMenuDialog dialog(fileOperations());
  dialog.show();
  QPushButton* first = child<QPushButton>(dialog, "choice(1)");
  first->setFocus();
  QTest::keyClick(first, Qt::Key_Q);
  EXPECT_EQ(dialog.choice(), 9);
}

TEST(ButtonMenuDialog, OtherLettersDoNothing) {
  qtApp();
  ButtonMenuDialog dialog(fileOperations());
  dialog.show();
  QTest::keyClicks(&dialog, "z");
  EXPECT_EQ(dialog.choice(), 0);
  EXPECT_TRUE(dialog.isVisible());
}

TEST(ButtonMenuDialog, ClickPicksTheButton) {
  qtApp();
  ButtonMenuDialog dialog(fileOperations());
  dialog.show();
  EXPECT_EQ(child<QPushButton>(dialog, "choice(3)")->text(), QString("Enter data"));
  click(child<QPushButton>(dialog, "choice(3)"));
  EXPECT_EQ(dialog.choice(), 3);
}

TEST(ButtonMenuDialog, ClosingTheWindowPicksTheLastChoice) {
  qtApp();
  ButtonMenuDialog closed(fileOperations());
  closed.show();
  closed.close();
  EXPECT_EQ(closed.choice(), 9);

  ButtonMenuDialog escaped(fileOperations());
  escaped.show();
  QTest::keyClick(&escaped, Qt::Key_Escape);
  EXPECT_EQ(escaped.choice(), 9);
}

TEST(ButtonMenuDialog, WithoutKeyLettersThePlainMnemonicLetterPicks) {
  qtApp();
  ButtonMenuDialog dialog({"", {"&Yes", "N&o way", "&Quit"}, ""});
  dialog.show();
  QTest::keyClicks(&dialog, "o");
  EXPECT_EQ(dialog.choice(), 2);
}

// ---- menulst ----

void clickItem(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

std::vector<std::string> itemsOf(const ListPickerDialog& dialog) { return dialog.listResult().items; }

TEST(ListPickerDialog, ClickTogglesTheMarkAndSetsListChoice) {
  qtApp();
  ListPickerDialog dialog({"Select variables", {" SiO2", "*TiO2", " Al2O3"}, false});
  dialog.show();
  EXPECT_EQ(child<QLabel>(dialog, "listTitle")->text(), QString("Select variables"));
  EXPECT_EQ(child<QPushButton>(dialog, "okbutt")->text(), QString("OK"));
  EXPECT_EQ(child<QPushButton>(dialog, "quitbutt")->text(), QString("Quit"));

  clickItem(dialog.list(), 2);
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{" SiO2", "*TiO2", "*Al2O3"}));
  EXPECT_EQ(dialog.listResult().listChoice, 3);
  clickItem(dialog.list(), 1);
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{" SiO2", " TiO2", "*Al2O3"}));
  EXPECT_EQ(dialog.listResult().listChoice, 2);

  click(child<QPushButton>(dialog, "okbutt"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.listResult().listChoice, 2);
}

TEST(ListPickerDialog, ADoubleClickTogglesOnceAsAClickDoes) {
  qtApp();
  ListPickerDialog dialog({"", {" a", " b"}, false});
  dialog.show();
  const QPoint at = dialog.list()->visualItemRect(dialog.list()->item(1)).center();
  // A real double click: press, release, then the second press arrives as a double click.
  QWidget* viewport = dialog.list()->viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{" a", "*b"}));
  EXPECT_EQ(dialog.listResult().listChoice, 2);
}

TEST(ListPickerDialog, SpaceTogglesTheCurrentItem) {
  qtApp();
  ListPickerDialog dialog({"", {" a", " b"}, false});
  dialog.show();
  dialog.list()->setFocus();
  dialog.list()->setCurrentRow(0);
  QTest::keyClick(dialog.list(), Qt::Key_Space);
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{"*a", " b"}));
  EXPECT_EQ(dialog.listResult().listChoice, 1);
}

TEST(ListPickerDialog, AllAndClearMarkAndUnmarkEveryItem) {
  qtApp();
  ListPickerDialog dialog({"", {" a", "*b", "c"}, true});
  dialog.show();
  EXPECT_EQ(child<QPushButton>(dialog, "okbutt")->text(), QString("Done"));
  EXPECT_EQ(child<QPushButton>(dialog, "cmdselall")->text(), QString("All"));
  EXPECT_EQ(child<QPushButton>(dialog, "cmdClear")->text(), QString("Clear"));
  click(child<QPushButton>(dialog, "cmdselall"));
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{"*a", "*b", "*c"}));
  EXPECT_TRUE(dialog.isVisible());
  click(child<QPushButton>(dialog, "cmdClear"));
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{" a", " b", " c"}));
}

TEST(ListPickerDialog, AllMarkedAndOkReturnsAllMarked) {
  qtApp();
  ListPickerDialog dialog({"", {"*a", "*b"}, false});
  dialog.show();
  click(child<QPushButton>(dialog, "okbutt"));
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{"*a", "*b"}));
  EXPECT_EQ(dialog.listResult().listChoice, 0);
}

TEST(ListPickerDialog, QuitAndClosingGiveListChoiceZeroAndKeepTheMarks) {
  qtApp();
  ListPickerDialog quit({"", {" a", " b"}, false});
  quit.show();
  clickItem(quit.list(), 1);
  click(quit.findChild<QPushButton*>("quitbutt"));
  EXPECT_EQ(quit.result(), QDialog::Rejected);
  EXPECT_EQ(quit.listResult().listChoice, 0);
  EXPECT_EQ(itemsOf(quit), (std::vector<std::string>{" a", "*b"}));

  ListPickerDialog closed({"", {" a", " b"}, false});
  closed.show();
  clickItem(closed.list(), 0);
  closed.close();
  EXPECT_EQ(closed.listResult().listChoice, 0);
}

TEST(ListPickerDialog, ALongListScrollsToEveryItem) {
  qtApp();
  std::vector<std::string> items;
  for (int i = 1; i <= 160; ++i) items.push_back(" item " + std::to_string(i));
  ListPickerDialog dialog({"Many", items, false});
  dialog.resize(360, 480);
  dialog.show();
  QApplication::processEvents();
  QListWidget* list = dialog.list();
  EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
  list->scrollToItem(list->item(159));
  clickItem(list, 159);
  EXPECT_EQ(dialog.listResult().listChoice, 160);
  EXPECT_EQ(itemsOf(dialog)[159], "*item 160");
}

// ---- message box ----

struct MessageCase {
  ui::MessageButtons buttons;
  std::vector<std::pair<QMessageBox::StandardButton, ui::MessageResult>> clicks;
  ui::MessageResult escape;
};

TEST(MessageBox, ButtonsMapToResultsAndEscapeToTheSafeAnswer) {
  qtApp();
  using B = QMessageBox;
  using R = ui::MessageResult;
  const MessageCase cases[] = {
      {ui::MessageButtons::Ok, {{B::Ok, R::Ok}}, R::Ok},
      {ui::MessageButtons::OkCancel, {{B::Ok, R::Ok}, {B::Cancel, R::Cancel}}, R::Cancel},
      {ui::MessageButtons::YesNo, {{B::Yes, R::Yes}, {B::No, R::No}}, R::No},
      {ui::MessageButtons::YesNoCancel, {{B::Yes, R::Yes}, {B::No, R::No}, {B::Cancel, R::Cancel}}, R::Cancel},
  };
  for (const auto& c : cases) {
    const ui::MessageRequest request{"Save changes?", "", c.buttons, ui::MessageIcon::Question};
    {
      auto box = buildMessageBox(request);
      EXPECT_EQ(static_cast<std::size_t>(box->buttons().size()), c.clicks.size());
    }
    for (const auto& [button, expected] : c.clicks) {
      auto box = buildMessageBox(request);
      box->show();
      click(box->button(button));
      EXPECT_EQ(messageResultOf(*box, c.buttons), expected);
    }
    auto escaped = buildMessageBox(request);
    escaped->show();
    QTest::keyClick(escaped.get(), Qt::Key_Escape);
    EXPECT_EQ(messageResultOf(*escaped, c.buttons), c.escape);
    EXPECT_EQ(messageResultOf(*buildMessageBox(request), c.buttons), c.escape) << "closed without a button";
  }
}

// Names show their sub- and superscripts; what comes back is the caller's text with its mark.
TEST(ListPickerDialog, ShowsNamesWithoutMarkupAndReturnsThemAsGiven) {
  qtApp();
  ListPickerDialog dialog({"Pick", {" SiO[2]", "*H[2]O{+}"}, false});
  dialog.show();
  EXPECT_EQ(dialog.list()->item(0)->text(), QString::fromUtf8(" SiO₂"));
  EXPECT_EQ(dialog.list()->item(1)->text(), QString::fromUtf8("*H₂O⁺"));
  clickItem(dialog.list(), 0);
  EXPECT_EQ(dialog.list()->item(0)->text(), QString::fromUtf8("*SiO₂"));
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{"*SiO[2]", "*H[2]O{+}"}));
  EXPECT_TRUE(child<QPushButton>(dialog, "cmdselall")->isVisibleTo(&dialog));
  ui::ListRequest one{"Select Parent lava with doubleclick", {" A", " B"}, false};
  one.singleChoice = true;
  ListPickerDialog single(one);
  EXPECT_FALSE(child<QPushButton>(single, "cmdselall")->isVisibleTo(&single)) << "one choice: no All";
}

TEST(ButtonMenuAndNumbers, ShowNamesWithoutMarkup) {
  qtApp();
  ButtonMenuDialog menu({"Axis", {"&SiO[2]", "Quit"}, ""});
  EXPECT_EQ(child<QPushButton>(menu, "choice(1)")->text(), QString::fromUtf8("&SiO₂"));
  NumbersDialog numbers({"Limits", {"Min value of Fe[2]O[3]"}, {"1"}});
  EXPECT_EQ(child<QLabel>(numbers, "lab(0)")->text(), QString::fromUtf8("Min value of Fe₂O₃"));
}

TEST(MessageBox, ShowsTheTextPlainUnderTheProgramNameWhenUntitled) {
  qtApp();
  auto box = buildMessageBox({"No data to save\n<b>", "", ui::MessageButtons::Ok, ui::MessageIcon::Warning});
  EXPECT_EQ(box->windowTitle(), QString("Lavix"));
  EXPECT_EQ(box->text(), QString("No data to save\n<b>"));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_EQ(buildMessageBox({"x", "Save", ui::MessageButtons::Ok, ui::MessageIcon::None})->windowTitle(),
            QString("Save"));
}

}  // namespace
}  // namespace lavix::qtui
