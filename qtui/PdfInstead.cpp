// Printing without a printer: the page can be saved as a PDF file instead.
#include "qtui/PdfInstead.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>


namespace lavix::qtui {

std::optional<QString> askPdfInstead(QWidget* parent, const QString& programTitle) {
  if (!parent) parent = QApplication::activeWindow();
  const auto answer = QMessageBox::question(parent, programTitle, QString::fromUtf8(noPrinterQuestion),
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer != QMessageBox::Yes) return std::nullopt;
  QString path = QFileDialog::getSaveFileName(parent, programTitle, QString(), QString::fromUtf8(pdfFilter));
  if (path.isEmpty()) return std::nullopt;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  return path;
}

}  // namespace lavix::qtui
