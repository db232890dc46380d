// Fuzz target: the symbol file reader, in a colour mode and in a keep-colours mode, and the
// drawing of every symbol it leaves in the table.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lavix/diagram/DrawSymbol.h"
#include "lavix/diagram/SymbolFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lavix::diagram;
  std::string_view content(reinterpret_cast<const char*>(data), size);
  SymbolTable table;
  lavix::text::FileError error;
  SymbolReadResult result = readSymbolText(content, "default", table, error);
  if (table.symbolCount < 0 || table.symbolCount > maxSymbolNumber) __builtin_trap();
  for (int s = 0; s < symbolSlots; ++s) {
    auto count = table.symbolVertexCount[static_cast<std::size_t>(s)];
    if (count < 0 || count > maxSymbolVertices) __builtin_trap();
  }
  if (result != SymbolReadResult::complete && error.text.empty()) __builtin_trap();
  table.pendingSymbolSize = 1.7f;
  readSymbolText(content, "resize", table, error);
  lavix::graphics::Recording recording;
  SymbolPainter painter(recording, table, -1);
  for (int s = -symbolSlots; s <= symbolSlots; ++s) {
    painter.draw(s, 30000, -30000);
    drawSymbol(recording, table, s, -30000, 30000, 1);
  }
  return 0;
}
