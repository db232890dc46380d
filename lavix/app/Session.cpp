// Everything one running lavix holds, grouped by subsystem.
#include "lavix/app/Session.h"

namespace lavix::app {

Session::Session(ui::PromptPort& promptPort, ui::ClipboardPort& clipboardPort, std::string base, char separator)
    : prompts(promptPort), clipboard(clipboardPort), baseFolder(std::move(base)), decimalSeparator(separator) {
  if (baseFolder.empty() || baseFolder.back() != '/') baseFolder += '/';
  data.decimalSeparator = decimalSeparator;
}

void Session::allocateRowArrays() {
  exchange.allocate(data.maxRows);
  calcResult.assign(static_cast<std::size_t>(data.maxRows) + 1, 0.0f);
  diagram.plot.allocate(data.maxRows);
  drawn = {};  // the entries it listed are gone with the arrays
}

void Session::setStatus(const std::string& text) {
  if (text == window.status) return;
  window.status = text;
  prompts.showStatus(text);
}

}  // namespace lavix::app
