// Six analyses of SiO2 and rock type for the selection window's view (the batch runs read the
// same rows from tests/select/scripts/files/select.txt).
#pragma once

#include "lavix/data/DataStore.h"

namespace lavix::testing {

// Rows: SiO2 100, 9.5, 45, "", 52, 1E1; Type basalt, Andesite, 1, andesite, Basalt, basalt;
// Kcode 1, 2, 3, 1, 2, 3.
inline void fillSelectData(data::DataStore& store) {
  store.allocate(40, 3);
  store.columnCount = 3;
  store.columnName[1] = "SiO2";
  store.columnName[2] = "Type";
  store.columnName[3] = "Fe[2]O[3]";
  const char* sio2[] = {"100", "9.5", "45", "", "52", "1E1"};
  const char* type[] = {"basalt", "Andesite", "1", "andesite", "Basalt", "basalt"};
  for (int r = 1; r <= 6; ++r) {
    const auto row = static_cast<std::size_t>(r);
    store.setCell(r, 1, sio2[r - 1]);
    store.setCell(r, 2, type[r - 1]);
    store.kcode[row] = static_cast<int16_t>((r - 1) % 3 + 1);
    store.totalFactor[row] = 1;
  }
  store.rowCount = 6;
}

}  // namespace lavix::testing
