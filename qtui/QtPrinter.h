// The printer port on Qt: text reports go to the default printer in a fixed-pitch font.
#pragma once

#include "common/ui/PrinterPort.h"

namespace lavix::qtui {

class QtPrinter : public ui::PrinterPort {
 public:
  std::optional<std::string> printText(const ui::TextPrintJob& job) override;
};

// Text of the failure when the machine has no printer.
inline constexpr const char* noPrinterText = "No printer is installed";

}  // namespace lavix::qtui
