// The generic dialogs, message box and file dialog set-up, driven offscreen with QTest.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>

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

TEST(FileFilter, ConvertsSystemFilterTextsAndSelectsByOneBasedIndex) {
  qtApp();
  struct Case {
    const char* system;
    QStringList expected;
  };
  const Case cases[] = {
      {"Rock data (.roc; .txt)|*.roc;*.txt|Mineral data (*.min)|*.min|All Files (*.*)|*.*|",
       {"Rock data (.roc; .txt) (*.roc *.txt)", "Mineral data (*.min)", "All Files (*.*)"}},
      {"lxpref.ini |*.ini|", {"lxpref.ini (*.ini)"}},
      {"norm. files (*.nrm.txt|*.txt|", {"norm. files (*.nrm.txt (*.txt)"}},
      {"Symbols (*.sym)|*.sym", {"Symbols (*.sym)"}},
      {"Odd|", {"Odd (*)"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(toQtFilters(c.system), c.expected) << c.system;
  EXPECT_EQ(toQtFilterString("Desc|*.roc;*.txt|Desc2|*.min|"), QString("Desc (*.roc *.txt);;Desc2 (*.min)"));
  const QStringList filters{"A (*.a)", "B (*.b)"};
  EXPECT_EQ(selectedFilter(filters, 2), QString("B (*.b)"));
  EXPECT_EQ(selectedFilter(filters, 3), QString("A (*.a)"));
  EXPECT_TRUE(selectedFilter({}, 1).isEmpty());
}

TEST(FileDialog, OpenNeedsAnExistingFileAndSaveAsksBeforeReplacingOnlyWhenRequested) {
  qtApp();
  ui::FileRequest request;
  request.filter = "Rock data (.roc; .txt)|*.roc;*.txt|Mineral data (*.min)|*.min|All Files (*.*)|*.*|";
  request.filterIndex = 2;
  request.folder = QDir::tempPath().toStdString();
  request.mustExist = true;
  auto open = buildFileDialog(request, false);
  EXPECT_EQ(open->windowTitle(), QString("Lavix"));
  EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);
  EXPECT_EQ(open->selectedNameFilter(), QString("Mineral data (*.min)"));
  EXPECT_EQ(QDir(open->directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());

  request.title = "Save";
  request.confirmOverwrite = true;
  auto asking = buildFileDialog(request, true);
  EXPECT_EQ(asking->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(asking->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(asking->windowTitle(), QString("Save"));
  request.confirmOverwrite = false;
  EXPECT_TRUE(buildFileDialog(request, true)->testOption(QFileDialog::DontConfirmOverwrite));
}

// ---- inputfrm ----

TEST(NumbersDialog, OkOrEnterReturnTheTextsAndCancelNothing) {
  qtApp();
  const ui::NumbersRequest request{"Axis limits", {"X start", "X end", "Step"}, {"0", "100", "10"}};
  NumbersDialog dialog(request);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QString("Axis limits"));
  EXPECT_EQ(child<QLabel>(dialog, "lab(1)")->text(), QString("X end"));
  EXPECT_EQ(child<QLineEdit>(dialog, "inpt(2)")->text(), QString("10"));
  EXPECT_FALSE(dialog.answer().has_value()) << "no answer while open";
  QLineEdit* end = child<QLineEdit>(dialog, "inpt(1)");
  end->clear();
  QTest::keyClicks(end, "250.5");
  click(child<QPushButton>(dialog, "okbut"));
  EXPECT_EQ(dialog.answer(), (std::vector<std::string>{"0", "250.5", "10"}));

  NumbersDialog entered(request);
  entered.show();
  QTest::keyClick(child<QLineEdit>(entered, "inpt(0)"), Qt::Key_Return);
  EXPECT_EQ(entered.answer(), (std::vector<std::string>{"0", "100", "10"}));

  NumbersDialog cancelled(request);
  cancelled.show();
  click(child<QPushButton>(cancelled, "canbut"));
  EXPECT_EQ(cancelled.result(), QDialog::Rejected);
  EXPECT_FALSE(cancelled.answer().has_value());

  EXPECT_EQ(NumbersDialog({"", {"a", "b"}, {"1"}}).texts(), (std::vector<std::string>{"1", ""}));
}

// ---- butt ----

TEST(ButtonMenuDialog, KeyLetterClickOrClosingPickAChoice) {
  qtApp();
  const ui::ButtonsRequest fileOperations{
      "Current file- rocks.txt",
      {"Print a table", "Modify data", "Enter data", "Clear all data", "Save file", "Add a file", "Read the clipbrd",
       "Copy file to clipbrd", "Quit"},
      "pmtcsarfq"};
  // Each action, and the choice it leaves; 0: the dialog stays open.
  const std::vector<std::pair<std::function<void(ButtonMenuDialog&)>, int>> cases = {
      {[](ButtonMenuDialog& d) { QTest::keyClicks(&d, "S"); }, 5},
      {[](ButtonMenuDialog& d) { QTest::keyClicks(&d, "z"); }, 0},
      {[](ButtonMenuDialog& d) {
         QPushButton* first = child<QPushButton>(d, "choice(1)");
         first->setFocus();
         QTest::keyClick(first, Qt::Key_Q);
       },
       9},
      {[](ButtonMenuDialog& d) { click(child<QPushButton>(d, "choice(3)")); }, 3},
      {[](ButtonMenuDialog& d) { d.close(); }, 9},
      {[](ButtonMenuDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 9},
  };
  for (const auto& [act, choice] : cases) {
    ButtonMenuDialog dialog(fileOperations);
    dialog.show();
    act(dialog);
    EXPECT_EQ(dialog.choice(), choice);
    EXPECT_EQ(dialog.isVisible(), choice == 0);
  }
  ButtonMenuDialog mnemonic({"", {"&Yes", "N&o way", "&Quit"}, ""});
  mnemonic.show();
  QTest::keyClicks(&mnemonic, "o");
  EXPECT_EQ(mnemonic.choice(), 2);
}

// ---- menulst ----

void clickItem(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

std::vector<std::string> itemsOf(const ListPickerDialog& dialog) { return dialog.listResult().items; }

TEST(ListPickerDialog, ClickOrSpaceTogglesTheMarkAndSetsListChoice) {
  qtApp();
  ListPickerDialog dialog({"Select variables", {" SiO2", "*TiO2", " Al2O3"}, false});
  dialog.show();
  EXPECT_EQ(child<QLabel>(dialog, "listTitle")->text(), QString("Select variables"));
  clickItem(dialog.list(), 2);
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{" SiO2", "*TiO2", "*Al2O3"}));
  EXPECT_EQ(dialog.listResult().listChoice, 3);
  dialog.list()->setFocus();
  dialog.list()->setCurrentRow(1);
  QTest::keyClick(dialog.list(), Qt::Key_Space);
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

TEST(ListPickerDialog, AllClearAndQuitKeepTheDialogsMarks) {
  qtApp();
  ListPickerDialog dialog({"", {" a", "*b", "c"}, true});
  dialog.show();
  EXPECT_EQ(child<QPushButton>(dialog, "okbutt")->text(), QString("Done"));
  click(child<QPushButton>(dialog, "cmdselall"));
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{"*a", "*b", "*c"}));
  EXPECT_TRUE(dialog.isVisible());
  click(child<QPushButton>(dialog, "cmdClear"));
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{" a", " b", " c"}));
  clickItem(dialog.list(), 1);
  click(child<QPushButton>(dialog, "quitbutt"));
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(dialog.listResult().listChoice, 0);
  EXPECT_EQ(itemsOf(dialog), (std::vector<std::string>{" a", "*b", " c"}));
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
