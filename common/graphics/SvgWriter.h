// SVG 1.1 text of a recording, byte for byte the same for the same recording (golden files).
#pragma once

#include <cstdint>
#include <string>

#include "common/graphics/Recording.h"

namespace lavix::graphics {

// `width` and `height` are the picture's size in page units (written in inches); the
// viewBox is the recording's window, so coordinates stay in page units.
std::string toSvg(const Recording& recording, std::int32_t width, std::int32_t height);

}  // namespace lavix::graphics
