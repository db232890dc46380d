// Reference-isotope sums of the isotope systems that mix by isotope amounts.
#include "lavix/models/IsotopeAmounts.h"

namespace lavix::models {

double referenceIsotopeSum(IsotopeSystem system, double r, double leadRatioSum) {
  switch (system) {
    case IsotopeSystem::sr86: return r + 9.432;
    case IsotopeSystem::nd144: return 1 + 6.256157635 * r;
    case IsotopeSystem::hf177: return 1 + 15.4449 * r;
    case IsotopeSystem::os186: return r + 61.66;
    case IsotopeSystem::os188: return r + 7.398;
    case IsotopeSystem::pb204: return 1 + leadRatioSum;
    case IsotopeSystem::none: break;
  }
  return 1;
}

}  // namespace lavix::models
