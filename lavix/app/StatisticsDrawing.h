// The kept regression lines and distribution curves drawn over the current diagram.
#pragma once

#include "common/graphics/Recording.h"

namespace lavix::app {

class Session;

// Each kept line in the curve pen, cut at the frame.
void drawStatisticsLines(const Session& session, graphics::Recording& recording);

}  // namespace lavix::app
