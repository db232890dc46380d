// The symbol table: defaults and the shape tests.
#include "lavix/diagram/SymbolTable.h"

namespace lavix::diagram {

SymbolTable::SymbolTable() {
  for (int s = 0; s < symbolSlots; ++s) selectedSymbol[static_cast<std::size_t>(s)] = static_cast<int16_t>(s);
}

bool SymbolTable::symbolShown(int symbolOfRow) const {
  if (symbolOfRow == -99) return true;
  const int s = symbolOfRow < 0 ? -symbolOfRow : symbolOfRow;
  return s < symbolSlots && selectedSymbol[static_cast<std::size_t>(s)] == s;
}

bool SymbolTable::allSymbolsShown() const {
  for (int s = 0; s <= symbolCount && s < symbolSlots; ++s)
    if (selectedSymbol[static_cast<std::size_t>(s)] != s) return false;
  return true;
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
