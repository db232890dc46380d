// Placeable Windows Metafile bytes of a recording, and writing them to a file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/graphics/Recording.h"
#include "common/text/TextFile.h"

namespace lavix::graphics {

// Key of the 22-byte placeable header that precedes the metafile.
inline constexpr std::uint32_t placeableKey = 0x9AC6CDD7;
inline constexpr std::int16_t placeableUnitsPerInch = 1000;

// XOR of the header's ten 16-bit words before the checksum (key, handle 0, box, units per
// inch, reserved 0). A 6000 × 4500 box gives 0x521D.
std::uint16_t placeableChecksum(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom,
                                std::int16_t unitsPerInch = placeableUnitsPerInch);

// The 22-byte header for the box 0, 0, right, bottom at 1000 units per inch.
std::array<std::uint8_t, 22> placeableHeader(std::int16_t boxRight, std::int16_t boxBottom);

// The metafile alone (18-byte header, records, end record), in the recording's window with
// anisotropic mapping and a transparent text background. Coordinates beyond 16 bits are
// clamped; a polyline of more than 32767 points is split, a polygon cut there.
std::vector<std::uint8_t> toWindowsMetafile(const Recording& recording);

// The placeable header followed by the metafile.
std::vector<std::uint8_t> toPlaceableWmf(const Recording& recording, std::int16_t boxRight, std::int16_t boxBottom);

// Writes the bytes whole or not at all (a failed write keeps any old file); false when the
// file cannot be written.
bool writePlaceableWmf(const std::string& path, const std::vector<std::uint8_t>& bytes);
bool writePlaceableWmf(const std::string& path, const std::vector<std::uint8_t>& bytes, text::FileError& error);

}  // namespace lavix::graphics
