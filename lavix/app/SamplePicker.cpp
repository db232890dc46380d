// One sample chosen from a list of rows.
#include "lavix/app/SamplePicker.h"

#include "lavix/app/Session.h"

namespace lavix::app {

SamplePick pickSample(Session& s, const std::string& title, const std::vector<int>& rows,
                      const std::string& extraItem) {
  std::vector<std::string> items;
  for (int row : rows) items.push_back(" " + s.data.sampleName[static_cast<std::size_t>(row)]);
  if (!extraItem.empty()) items.push_back(" " + extraItem);
  const int chosen = s.exchange.pickFromList(s.prompts, title, items);
  if (chosen >= 1 && chosen <= static_cast<int>(rows.size())) return {rows[static_cast<std::size_t>(chosen - 1)], false};
  return {0, !extraItem.empty() && chosen == static_cast<int>(rows.size()) + 1};
}

}  // namespace lavix::app
