// What the recalculations keep between commands; the session holds one.
#pragma once

#include "lavix/recalc/CrNiColumns.h"
#include "lavix/recalc/FerricIron.h"
#include "lavix/recalc/RecastTo100.h"

namespace lavix::recalc {

struct RecalcState {
  RecastState recast;       // normFlag, normOn and the appended FeO{t} columns
  IronState iron;           // the ferric/ferrous choice
  CrNiColumns crNi;         // the last findCrNi
  bool pearceDone = false;  // the Pearce columns are appended once per data set

  // Every load and every new matrix.
  void forgetData() {
    recast.forgetData();
    crNi = {};
    pearceDone = false;
  }
};

}  // namespace lavix::recalc
