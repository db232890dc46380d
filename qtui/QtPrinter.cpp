// Prints plain-text reports on the default printer, breaking pages where the lines run out.
#include "qtui/QtPrinter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace lavix::qtui {

namespace {

// Draws the lines page after page; false when the device would not start painting.
bool paintLines(QPagedPaintDevice& device, const QRect& page, const ui::TextPrintJob& job) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // Column alignment of the report needs every character the same width.
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(9);
  painter.setFont(font);
  const QFontMetrics metrics(font, &device);
  const int lineHeight = metrics.lineSpacing();
  int y = metrics.ascent();
  for (const std::string& line : job.lines) {
    if (y > page.height()) {
      device.newPage();
      y = metrics.ascent();
    }
    painter.drawText(0, y, QString::fromStdString(line));
    y += lineHeight;
  }
  return painter.end();
}

}  // namespace

bool writeTextPdf(const ui::TextPrintJob& job, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  bool painted = false;
  {
    QPdfWriter writer(&file);
    writer.setTitle(QString::fromStdString(job.title));
    writer.setResolution(300);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    painted = paintLines(writer, writer.pageLayout().paintRectPixels(writer.resolution()), job);
  }
  if (!painted) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

std::optional<std::string> QtPrinter::printText(const ui::TextPrintJob& job) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const std::optional<QString> pdf = askPdf_ ? askPdf_() : std::nullopt;
    if (!pdf) return std::nullopt;
    if (!writeTextPdf(job, *pdf)) return "cannot write " + pdf->toStdString();
    return std::nullopt;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QString::fromStdString(job.title));
  if (!paintLines(printer, printer.pageLayout().paintRectPixels(printer.resolution()), job))
    return std::string("The printer could not start the job");
  return std::nullopt;
}

}  // namespace lavix::qtui
