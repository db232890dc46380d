// The printer port: pages of text sent to the default printer, or to the transcript in batch mode.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/ui/Transcript.h"

namespace lavix::ui {

// A report printed as plain lines in a fixed-pitch font; the printer breaks pages itself.
struct TextPrintJob {
  std::string title;               // the job's name in the print queue
  std::vector<std::string> lines;  // without line ends
};

class PrinterPort {
 public:
  virtual ~PrinterPort() = default;
  // nullopt when the job was sent; otherwise why not ("No printer is installed" ...).
  virtual std::optional<std::string> printText(const TextPrintJob& job) = 0;
};

// Batch mode: the page goes to the transcript as "print: TITLE" followed by its lines.
class ScriptedPrinter : public PrinterPort {
 public:
  explicit ScriptedPrinter(Transcript& transcript) : transcript_(transcript) {}
  std::optional<std::string> printText(const TextPrintJob& job) override {
    transcript_.shown("print", job.title);
    transcript_.block(job.lines);
    return std::nullopt;
  }

 private:
  Transcript& transcript_;
};

}  // namespace lavix::ui
