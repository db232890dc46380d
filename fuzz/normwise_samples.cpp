// Fuzzes the normwise sample reader: any bytes as a file, then every sample read is calculated and reported.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/format/NumberFormat.h"
#include "common/ui/PrinterPort.h"
#include "common/ui/SilentPrompts.h"
#include "normwise/CipwForm.h"
#include "normwise/SampleFile.h"

namespace {

using namespace lavix;

class NullPrinter : public ui::PrinterPort {
 public:
  std::optional<std::string> printText(const ui::TextPrintJob&) override { return std::nullopt; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the system's decimal separator and the norm type.
  const char separator = (data[0] & 1) ? ',' : '.';
  const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);
  const normwise::SampleFile file = normwise::readSampleText(content, separator);
  if (file.names.size() != file.oxides.size() || file.names.size() > normwise::kMaxSamples) __builtin_trap();

  ui::SilentPrompts prompts;
  NullPrinter printer;
  normwise::CipwForm form(prompts, printer, ".", separator);
  if (data[0] & 2) form.Option2();
  const std::size_t shown = file.names.size() < 4 ? file.names.size() : 4;
  for (std::size_t s = 0; s < shown; ++s) {
    for (int o = 0; o < lavix::norm::kOxideCount; ++o)
      form.setText("inpt", o, format::shortestText(file.oxides[s][o]));
    form.setText("sample", 0, file.names[s]);
    form.calc();
    (void)form.reportLines();
  }
  return 0;
}
