// Name look-up in the standard oxide table.
#include "lavix/data/StandardTable.h"

#include "common/text/Text.h"

namespace lavix::data {

int StandardTable::indexOfName(const std::string& name) const {
  const std::string wanted = text::normaliseName(name);
  if (wanted.empty()) return 0;
  for (int k = 1; k <= standardCount; ++k) {
    if (text::normaliseName(stdName[k]) == wanted) return k;
  }
  return 0;
}

}  // namespace lavix::data
