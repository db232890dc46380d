// The prompt port over Qt dialogs: each call runs one modal dialog and returns its answer.
#include "qtui/QtPrompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>

#include "qtui/Dialogs.h"

namespace lavix::qtui {

namespace {
QString qs(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

std::string formNotAvailableText(const std::string& formName) {
  return "The window " + formName + " is not available in this version.";
}

void QtPrompts::registerForm(const std::string& formName, FormViewFactory factory) {
  forms_[formName] = std::move(factory);
}

ui::MessageResult QtPrompts::message(const ui::MessageRequest& request) {
  ui::MessageRequest titled = request;
  titled.title = titleFor(request.title);
  auto box = buildMessageBox(titled, parent_);
  box->exec();
  return messageResultOf(*box, request.buttons);
}

std::optional<std::string> QtPrompts::input(const ui::InputRequest& request) {
  QInputDialog dialog(parent_);
  dialog.setObjectName(QStringLiteral("inputbox"));
  dialog.setWindowTitle(QString::fromStdString(titleFor(request.title)));
  dialog.setLabelText(qs(request.prompt));
  dialog.setTextValue(qs(request.preset));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}

std::optional<std::vector<std::string>> QtPrompts::numbers(const ui::NumbersRequest& request) {
  ui::NumbersRequest titled = request;
  titled.title = titleFor(request.title);
  NumbersDialog dialog(titled, parent_);
  dialog.exec();
  return dialog.answer();
}

int QtPrompts::buttons(const ui::ButtonsRequest& request) {
  if (request.choices.empty()) return 0;
  // The menu's title is also its heading: only the window caption falls back to the name.
  ButtonMenuDialog dialog(request, parent_);
  if (request.title.empty()) dialog.setWindowTitle(QString::fromStdString(programTitle_));
  dialog.exec();
  return dialog.choice();
}

ui::ListResult QtPrompts::pickList(const ui::ListRequest& request) {
  ListPickerDialog dialog(request, parent_);
  if (request.title.empty()) dialog.setWindowTitle(QString::fromStdString(programTitle_));
  dialog.exec();
  return dialog.listResult();
}

std::optional<std::string> QtPrompts::runFileDialog(const ui::FileRequest& request, bool save) {
  ui::FileRequest titled = request;
  titled.title = titleFor(request.title);
  auto dialog = buildFileDialog(titled, save, parent_);
  if (dialog->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog->selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
  return files.front().toStdString();
}

std::optional<std::string> QtPrompts::openFile(const ui::FileRequest& request) { return runFileDialog(request, false); }

std::optional<std::string> QtPrompts::saveFile(const ui::FileRequest& request) { return runFileDialog(request, true); }

std::optional<ui::Rgb> QtPrompts::colour(const std::string& title, ui::Rgb initial) {
  const QColor chosen =
      QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue), parent_, qs(titleFor(title)));
  if (!chosen.isValid()) return std::nullopt;
  return ui::Rgb{chosen.red(), chosen.green(), chosen.blue()};
}

std::optional<ui::FontChoice> QtPrompts::font(const std::string& title, const ui::FontChoice& initial) {
  QFont start(qs(initial.name));
  if (initial.size > 0) start.setPointSizeF(initial.size);
  start.setBold(initial.bold);
  start.setItalic(initial.italic);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, start, parent_, qs(titleFor(title)));
  if (!ok) return std::nullopt;
  ui::FontChoice result;
  result.name = chosen.family().toStdString();
  result.size = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : initial.size;
  result.bold = chosen.bold();
  result.italic = chosen.italic();
  return result;
}

void QtPrompts::runModal(ui::FormModel& form) {
  const auto found = forms_.find(form.formName());
  if (found == forms_.end() || !found->second) {
    message({formNotAvailableText(form.formName()), {}, ui::MessageButtons::Ok, ui::MessageIcon::Information});
    return;
  }
  std::unique_ptr<QDialog> view = found->second(form, parent_);
  if (!view) return;
  view->exec();
}

void QtPrompts::showTitle(const std::string& title) {
  if (onTitle_) onTitle_(title);
}

void QtPrompts::showStatus(const std::string& text) {
  if (onStatus_) onStatus_(text);
}

}  // namespace lavix::qtui
