// PNG files of rendered pictures, encoded for speed.
#pragma once

#include <QByteArray>
#include <QImage>

namespace lavix::qtui {

// The image as an 8-bit RGB PNG (any alpha dropped). Every row is filtered with "Up", which
// turns a picture's flat areas into zeros, and deflated at level 1: several times faster than
// the image writer's choice of filter per row, for a file of about the same size.
QByteArray encodePng(const QImage& image);

}  // namespace lavix::qtui
