// The printer port on Qt: text reports go to the default printer in a fixed-pitch font.
#pragma once

#include <QString>

#include <string>

#include "common/ui/PrinterPort.h"
#include "qtui/PdfInstead.h"

namespace lavix::qtui {

// Without a printer the report may be saved as a PDF instead (asked with the program's name).
class QtPrinter : public ui::PrinterPort {
 public:
  explicit QtPrinter(QString programTitle = QStringLiteral("Lavix"))
      : askPdf_([programTitle] { return askPdfInstead(nullptr, programTitle); }) {}
  void setPdfAsker(PdfPathAsker asker) { askPdf_ = std::move(asker); }
  std::optional<std::string> printText(const ui::TextPrintJob& job) override;

 private:
  PdfPathAsker askPdf_;
};

// Text of the failure when the machine has no printer.
inline constexpr const char* noPrinterText = "No printer is installed";

// The report as a PDF file (pages broken where the lines run out), replacing an old file
// only when complete; false when it cannot be written.
bool writeTextPdf(const ui::TextPrintJob& job, const QString& path);

}  // namespace lavix::qtui
