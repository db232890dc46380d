// Prints plain-text reports on the default printer, breaking pages where the lines run out.
#include "qtui/QtPrinter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace lavix::qtui {

std::optional<std::string> QtPrinter::printText(const ui::TextPrintJob& job) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::string(noPrinterText);
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(job.title));
  QPainter painter;
  if (!painter.begin(&printer)) return std::string("The printer could not start the job");
  // Column alignment of the report needs every character the same width.
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(9);
  painter.setFont(font);
  const QFontMetrics metrics(font, &printer);
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const int lineHeight = metrics.lineSpacing();
  int y = metrics.ascent();
  for (const std::string& line : job.lines) {
    if (y > page.height()) {
      printer.newPage();
      y = metrics.ascent();
    }
    painter.drawText(0, y, QString::fromStdString(line));
    y += lineHeight;
  }
  painter.end();
  return std::nullopt;
}

}  // namespace lavix::qtui
