// The generic dialogs (`inputfrm`, `butt`, `menulst`) and the message box, as Qt dialogs that
// tests can build, drive and read back without running them modally.
#pragma once

#include <QDialog>
#include <QMessageBox>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/Prompts.h"

class QFileDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lavix::qtui {

// The caption every window of the program shows when its caller gives no title.
inline constexpr const char* programTitle = "Lavix";
QString windowTitleFor(const std::string& title);

// `inputfrm`: one label (`lab(i)`) and one box (`inpt(i)`) per prompt, i from 0, presets
// filled; `okbut` accepts, `canbut` rejects.
class NumbersDialog : public QDialog {
  Q_OBJECT
 public:
  NumbersDialog(const ui::NumbersRequest& request, QWidget* parent = nullptr);

  // The texts of the boxes as they stand.
  std::vector<std::string> texts() const;
  // texts() after OK, nullopt after Cancel or while still open.
  std::optional<std::vector<std::string>> answer() const;

 private:
  std::vector<QLineEdit*> boxes_;
};

// `butt`: one button `choice(i)` per choice, i from 1. A click, the button's mnemonic or the
// choice's key letter picks it. Closing the window otherwise picks the last choice, which by
// convention is the way out (Quit).
class ButtonMenuDialog : public QDialog {
  Q_OBJECT
 public:
  ButtonMenuDialog(const ui::ButtonsRequest& request, QWidget* parent = nullptr);

  // 1..n once chosen; 0 while nothing was chosen yet.
  int choice() const { return choice_; }
  void choose(int choice);
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int choiceForKey(QChar key) const;

  std::vector<QPushButton*> buttons_;
  QString keyLetters_;
  int choice_ = 0;
};

// `menulst`: the list `lst` with marked items, `cmdselall` "All", `cmdClear` "Clear",
// `okbutt` ("OK" or "Done") and `quitbutt` "Quit". A click or a double click on an item
// (or Space on the current one) toggles its mark and makes it the listChoice.
class ListPickerDialog : public QDialog {
  Q_OBJECT
 public:
  ListPickerDialog(const ui::ListRequest& request, QWidget* parent = nullptr);

  // The items with their marks and listChoice as they stand (0 after Quit or closing).
  ui::ListResult listResult() const;
  QListWidget* list() const { return list_; }
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void toggle(QListWidgetItem* item);
  void markAll(bool marked);

  QListWidget* list_ = nullptr;
  int listChoice_ = 0;
};

// A message box for the request: text as plain text, title or the program's name, buttons and
// icon. Escape and the title bar give Cancel, or No where there is no Cancel.
std::unique_ptr<QMessageBox> buildMessageBox(const ui::MessageRequest& request, QWidget* parent = nullptr);
// The answer of a box after it closed; a box closed without a button counts as its escape.
ui::MessageResult messageResultOf(const QMessageBox& box, ui::MessageButtons buttons);

// A file dialog set up for the request: filters converted, the filter at filterIndex selected,
// starting in `folder` with `defaultName`; open requires an existing file when mustExist, save
// asks before replacing only when confirmOverwrite.
std::unique_ptr<QFileDialog> buildFileDialog(const ui::FileRequest& request, bool save, QWidget* parent = nullptr);

}  // namespace lavix::qtui
