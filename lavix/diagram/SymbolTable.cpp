// The symbol table: defaults and the shape tests.
#include "lavix/diagram/SymbolTable.h"

namespace lavix::diagram {

SymbolTable::SymbolTable() {
  for (int s = 0; s < symbolSlots; ++s) selectedSymbol[static_cast<std::size_t>(s)] = static_cast<int16_t>(s);
}

bool SymbolTable::isFilled(int symbol) const {
  if (symbol < 0 || symbol >= symbolSlots) return false;
  return symbolShape[static_cast<std::size_t>(symbol)].find('F') != std::string::npos;
}

bool SymbolTable::isCircle(int symbol) const {
  if (symbol < 0 || symbol >= symbolSlots) return false;
  return symbolShape[static_cast<std::size_t>(symbol)].find("CIR") != std::string::npos;
}

}  // namespace lavix::diagram
