// Everything one running lavix holds, grouped by subsystem.
#include "lavix/app/Session.h"

namespace lavix::app {

Session::Session(ui::PromptPort& promptPort, ui::ClipboardPort& clipboardPort, std::string base, char separator)
    : prompts(promptPort), clipboard(clipboardPort), baseFolder(std::move(base)), decimalSeparator(separator) {
  if (baseFolder.empty() || baseFolder.back() != '/') baseFolder += '/';
  data.decimalSeparator = decimalSeparator;
}

}  // namespace lavix::app
