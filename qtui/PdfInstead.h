// Printing without a printer: the page can be saved as a PDF file instead.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace lavix::qtui {

inline constexpr const char* noPrinterQuestion =
    "No printer is installed.\nSave the page as a PDF file instead?";
inline constexpr const char* pdfFilter = "PDF documents (*.pdf)";

// Asks whether to save as PDF and where; nullopt when the user declines or cancels.
using PdfPathAsker = std::function<std::optional<QString>()>;

// The question, then a file dialog for the PDF (".pdf" added to a name without it), both
// captioned with the program's name.
std::optional<QString> askPdfInstead(QWidget* parent, const QString& programTitle);

}  // namespace lavix::qtui
