// The prompt port answered by the user through Qt dialogs.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "common/ui/Prompts.h"

class QDialog;

namespace lavix::qtui {

// Builds the Qt view of one window model; the view forwards its events to the model and
// closes itself once the model is no longer open.
using FormViewFactory = std::function<std::unique_ptr<QDialog>(ui::FormModel& form, QWidget* parent)>;

class QtPrompts : public ui::PromptPort {
 public:
  // `parent` (may be null, may be set later) owns the dialogs for placement and modality.
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}

  void setParent(QWidget* parent) { parent_ = parent; }
  // The caption of boxes and dialogs that have no title of their own: the program's name.
  void setProgramTitle(std::string title) { programTitle_ = std::move(title); }
  const std::string& programTitle() const { return programTitle_; }
  QWidget* parent() const { return parent_; }

  // The view that runModal builds for windows of this form name.
  void registerForm(const std::string& formName, FormViewFactory factory);
  bool hasForm(const std::string& formName) const { return forms_.count(formName) != 0; }

  // Where showTitle and showStatus go (the main window view sets them).
  void setTitleHandler(std::function<void(const std::string&)> handler) { onTitle_ = std::move(handler); }
  void setStatusHandler(std::function<void(const std::string&)> handler) { onStatus_ = std::move(handler); }

  ui::MessageResult message(const ui::MessageRequest& request) override;
  std::optional<std::string> input(const ui::InputRequest& request) override;
  std::optional<std::vector<std::string>> numbers(const ui::NumbersRequest& request) override;
  int buttons(const ui::ButtonsRequest& request) override;
  ui::ListResult pickList(const ui::ListRequest& request) override;
  std::optional<std::string> openFile(const ui::FileRequest& request) override;
  std::optional<std::string> saveFile(const ui::FileRequest& request) override;
  std::optional<ui::Rgb> colour(const std::string& title, ui::Rgb initial) override;
  std::optional<ui::FontChoice> font(const std::string& title, const ui::FontChoice& initial) override;
  void runModal(ui::FormModel& form) override;
  void showTitle(const std::string& title) override;
  void showStatus(const std::string& text) override;

 private:
  std::optional<std::string> runFileDialog(const ui::FileRequest& request, bool save);
  std::string titleFor(const std::string& title) const { return title.empty() ? programTitle_ : title; }

  QPointer<QWidget> parent_;
  std::string programTitle_ = "Lavix";
  std::map<std::string, FormViewFactory> forms_;
  std::function<void(const std::string&)> onTitle_;
  std::function<void(const std::string&)> onStatus_;
};

// The text shown when a window has no Qt view yet.
std::string formNotAvailableText(const std::string& formName);

}  // namespace lavix::qtui
