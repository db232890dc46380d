// Look-up of a normalising value by element name.
#include "lavix/data/NormalisationTable.h"

#include <algorithm>

#include "common/text/Text.h"

namespace lavix::data {

bool NormalisationTable::find(const std::string& name, float& found) const {
  const std::size_t count = std::min(element.size(), value.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (text::equalsIgnoreCase(element[i], name)) {
      found = value[i];
      return true;
    }
  }
  found = 0.0f;
  return false;
}

}  // namespace lavix::data
