#pragma once

#include "Content/IndexedBitmaps/IndexedImage.h"

#include <cstdint>
#include <vector>

// The bytes of an uncompressed 8-bit Windows bitmap file: the 14-byte file header, the 40-byte
// information header, the 256-entry colour table and the rows bottom-up, each padded to four
// bytes. Every field that is free (resolution, reserved words) has a fixed value, so the same
// picture always gives the same bytes.
std::vector<std::uint8_t> EncodeBmpFile(const IndexedImage& image);
