// A printed table or report shown on the screen: fixed-pitch text in a window of its own.
#include "qtui/TextWindow.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lavix::qtui {

TextWindow::TextWindow(const ui::TextPrintJob& job, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("blank"));
  setWindowTitle(QString::fromStdString(job.title));
  text_ = new QPlainTextEdit;
  text_->setObjectName(QStringLiteral("table"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The table's columns line up only when every character is as wide as the next.
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(9.5);
  text_->setFont(font);
  QString content;
  for (const std::string& line : job.lines) content += QString::fromStdString(line) + u'\n';
  text_->setPlainText(content);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(buttons);
  resize(900, 600);
}

std::optional<std::string> TextWindowPort::printText(const ui::TextPrintJob& job) {
  TextWindow window(job, parent_);
  window.exec();
  return std::nullopt;
}

}  // namespace lavix::qtui
