// PNG files of rendered pictures, encoded for speed.
#include "qtui/PngEncoder.h"

#include <array>
#include <cstdint>

namespace lavix::qtui {

namespace {

std::uint32_t crc32(const char* data, qsizetype size, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  for (qsizetype i = 0; i < size; ++i) crc = table[(crc ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (crc >> 8);
  return crc;
}

void appendBigEndian(QByteArray& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

void appendChunk(QByteArray& out, const char* type, const char* data, qsizetype size) {
  appendBigEndian(out, static_cast<std::uint32_t>(size));
  const qsizetype start = out.size();
  out.append(type, 4);
  out.append(data, size);
  appendBigEndian(out, crc32(out.constData() + start, size + 4, 0xFFFFFFFFu) ^ 0xFFFFFFFFu);
}

}  // namespace

QByteArray encodePng(const QImage& source) {
  const QImage image = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
  const int width = image.width(), height = image.height();
  QByteArray rows(static_cast<qsizetype>(height) * (1 + 3 * static_cast<qsizetype>(width)), Qt::Uninitialized);
  char* out = rows.data();
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const auto* above = y > 0 ? reinterpret_cast<const QRgb*>(image.constScanLine(y - 1)) : nullptr;
    *out++ = 2;  // filter "Up": each byte less the byte above it
    for (int x = 0; x < width; ++x) {
      const QRgb up = above ? above[x] : 0;
      *out++ = static_cast<char>(qRed(row[x]) - qRed(up));
      *out++ = static_cast<char>(qGreen(row[x]) - qGreen(up));
      *out++ = static_cast<char>(qBlue(row[x]) - qBlue(up));
    }
  }
  const QByteArray deflated = qCompress(rows, 1);  // a zlib stream after a 4-byte length

  QByteArray png("\x89PNG\r\n\x1A\n", 8);
  png.reserve(deflated.size() + 64);
  QByteArray header;
  appendBigEndian(header, static_cast<std::uint32_t>(width));
  appendBigEndian(header, static_cast<std::uint32_t>(height));
  header.append("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, adaptive filters, no interlace
  appendChunk(png, "IHDR", header.constData(), header.size());
  appendChunk(png, "IDAT", deflated.constData() + 4, deflated.size() - 4);
  appendChunk(png, "IEND", nullptr, 0);
  return png;
}

}  // namespace lavix::qtui
