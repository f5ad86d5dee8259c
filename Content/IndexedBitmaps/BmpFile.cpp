#include "Content/IndexedBitmaps/BmpFile.h"

#include <stdexcept>

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t colourCount = 256;
// 72 dots per inch, the resolution most tools assume.
constexpr std::uint32_t pixelsPerMetre = 2835;

void Put16(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeBmpFile(const IndexedImage& image)
{
    if (image.width <= 0 || image.height <= 0 || image.colours.size() != colourCount ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
        throw std::invalid_argument("EncodeBmpFile: the picture's size, pixels and colour table do not agree");
    }
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) + 3) & ~3u;
    const std::uint32_t bitsOffset = fileHeaderSize + infoHeaderSize + colourCount * 4;
    const std::uint32_t bitsSize = stride * static_cast<std::uint32_t>(image.height);

    std::vector<std::uint8_t> bytes;
    bytes.reserve(bitsOffset + bitsSize);
    bytes.push_back('B');
    bytes.push_back('M');
    Put32(bytes, bitsOffset + bitsSize);
    Put32(bytes, 0); // two reserved words
    Put32(bytes, bitsOffset);

    Put32(bytes, infoHeaderSize);
    Put32(bytes, static_cast<std::uint32_t>(image.width));
    Put32(bytes, static_cast<std::uint32_t>(image.height)); // positive: rows stored bottom-up
    Put16(bytes, 1);                                         // planes
    Put16(bytes, 8);                                         // bits per pixel
    Put32(bytes, 0);                                         // uncompressed
    Put32(bytes, bitsSize);
    Put32(bytes, pixelsPerMetre);
    Put32(bytes, pixelsPerMetre);
    Put32(bytes, colourCount); // colours used
    Put32(bytes, 0);           // all colours important

    for (const QRgb colour : image.colours) {
        bytes.push_back(static_cast<std::uint8_t>(qBlue(colour)));
        bytes.push_back(static_cast<std::uint8_t>(qGreen(colour)));
        bytes.push_back(static_cast<std::uint8_t>(qRed(colour)));
        bytes.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        bytes.insert(bytes.end(), row, row + image.width);
        bytes.insert(bytes.end(), stride - static_cast<std::uint32_t>(image.width), 0);
    }
    return bytes;
}
