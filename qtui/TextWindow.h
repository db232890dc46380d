// A printed table or report shown on the screen: fixed-pitch text in a window of its own.
#pragma once

#include <QDialog>

#include "common/ui/PrinterPort.h"

class QPlainTextEdit;

namespace lavix::qtui {

// `blank` showing text: the lines, read-only and unwrapped, in a fixed-pitch font of 9.5
// points, with a Close button.
class TextWindow : public QDialog {
  Q_OBJECT
 public:
  TextWindow(const ui::TextPrintJob& job, QWidget* parent = nullptr);
  QPlainTextEdit* textBox() const { return text_; }

 private:
  QPlainTextEdit* text_ = nullptr;
};

// The printer port whose "page" is that window, shown modally over `parent`.
class TextWindowPort : public ui::PrinterPort {
 public:
  explicit TextWindowPort(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  std::optional<std::string> printText(const ui::TextPrintJob& job) override;

 private:
  QWidget* parent_;
};

}  // namespace lavix::qtui
