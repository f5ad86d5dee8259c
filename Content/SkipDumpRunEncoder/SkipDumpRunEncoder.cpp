#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"

#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

using Code = SkipDumpRunEncoding8Bit::RowCode;

constexpr std::size_t maximumElementLength = 255;
// An opaque stretch of one colour becomes a run from this length on: 3 bytes instead of 2 + n.
constexpr std::size_t shortestWholeStretchRun = 3;
// Inside a stretch of several colours, a run splits the dump around it, and every element
// costs the decoder a decision while a longer dump costs it almost nothing: equal pixels
// become a run only from this length on, where the bytes saved are worth it.
constexpr std::size_t shortestRunInsideStretch = 32;

void AppendSkip(std::size_t count, std::vector<std::uint8_t>& encoded)
{
    while (count > 0) {
        const std::size_t length = std::min(count, maximumElementLength);
        if (length == 1) {
            encoded.push_back(Code::skipOne);
        } else {
            encoded.push_back(Code::skipMany);
            encoded.push_back(static_cast<std::uint8_t>(length));
        }
        count -= length;
    }
}

void AppendDump(const std::uint8_t* pixels, std::size_t count, std::vector<std::uint8_t>& encoded)
{
    while (count > 0) {
        const std::size_t length = std::min(count, maximumElementLength);
        if (length == 1) {
            encoded.push_back(Code::dumpOne);
        } else {
            encoded.push_back(Code::dumpMany);
            encoded.push_back(static_cast<std::uint8_t>(length));
        }
        encoded.insert(encoded.end(), pixels, pixels + length);
        pixels += length;
        count -= length;
    }
}

void AppendRun(std::uint8_t color, std::size_t count, std::vector<std::uint8_t>& encoded)
{
    while (count > 0) {
        const std::size_t length = std::min(count, maximumElementLength);
        encoded.push_back(Code::run);
        encoded.push_back(static_cast<std::uint8_t>(length));
        encoded.push_back(color);
        count -= length;
    }
}

// Encodes a stretch of opaque pixels: runs where they pay, long dumps in between.
void AppendOpaque(const std::uint8_t* pixels, std::size_t count, std::vector<std::uint8_t>& encoded)
{
    if (count >= shortestWholeStretchRun && std::all_of(pixels, pixels + count, [&](std::uint8_t pixel) {
            return pixel == pixels[0];
        })) {
        AppendRun(pixels[0], count, encoded);
        return;
    }
    std::size_t literalStart = 0;
    std::size_t position = 0;
    while (position < count) {
        std::size_t runEnd = position + 1;
        while (runEnd < count && pixels[runEnd] == pixels[position]) {
            ++runEnd;
        }
        if (runEnd - position >= shortestRunInsideStretch) {
            AppendDump(pixels + literalStart, position - literalStart, encoded);
            AppendRun(pixels[position], runEnd - position, encoded);
            literalStart = runEnd;
        }
        position = runEnd;
    }
    AppendDump(pixels + literalStart, count - literalStart, encoded);
}

void AppendHeaderValue(int value, const char* name, std::vector<std::uint8_t>& block)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        throw std::invalid_argument(std::string("graphic ") + name + " does not fit in 16 bits: " +
                                    std::to_string(value));
    }
    const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    block.push_back(static_cast<std::uint8_t>(bits >> 8));
    block.push_back(static_cast<std::uint8_t>(bits & 0xFF));
}

// One row; isTransparent(i) says whether pixel i of the row is a skip.
template <typename IsTransparent>
void EncodeRowWhere(std::span<const std::uint8_t> row, IsTransparent isTransparent, std::vector<std::uint8_t>& encoded)
{
    std::size_t position = 0;
    while (position < row.size()) {
        std::size_t end = position;
        const bool transparent = isTransparent(position);
        while (end < row.size() && isTransparent(end) == transparent) {
            ++end;
        }
        if (!transparent) {
            AppendOpaque(row.data() + position, end - position, encoded);
        } else if (end < row.size()) {
            AppendSkip(end - position, encoded);
        }
        position = end;
    }
    encoded.push_back(Code::endOfRow);
}

void CheckPixelCount(const SkipDumpRunEncoder::Image& image)
{
    if (image.width < 0 || image.height < 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
        throw std::invalid_argument("image of " + std::to_string(image.width) + " x " +
                                    std::to_string(image.height) + " pixels holds " +
                                    std::to_string(image.pixels.size()) + " pixels");
    }
}

std::vector<std::uint8_t> GraphicHeader(const SkipDumpRunEncoder::Image& image, int left, int top,
                                        std::uint8_t eraseColor)
{
    std::vector<std::uint8_t> block;
    AppendHeaderValue(left, "left", block);
    AppendHeaderValue(top, "top", block);
    AppendHeaderValue(image.width, "width", block);
    AppendHeaderValue(image.height, "height", block);
    block.push_back(eraseColor);
    return block;
}

} // namespace

void SkipDumpRunEncoder::EncodeRow(std::span<const std::uint8_t> row, std::uint8_t transparentIndex,
                                   std::vector<std::uint8_t>& encoded)
{
    EncodeRowWhere(row, [&](std::size_t i) { return row[i] == transparentIndex; }, encoded);
}

std::vector<std::uint8_t> SkipDumpRunEncoder::EncodeImage(const Image& image, std::uint8_t transparentIndex)
{
    CheckPixelCount(image);
    std::vector<std::uint8_t> encoded;
    const auto width = static_cast<std::size_t>(image.width);
    for (int row = 0; row < image.height; ++row) {
        EncodeRow(std::span(image.pixels).subspan(static_cast<std::size_t>(row) * width, width), transparentIndex,
                  encoded);
    }
    return encoded;
}

std::vector<std::uint8_t> SkipDumpRunEncoder::MakeGraphicBlock(const Image& image, std::uint8_t transparentIndex,
                                                               int left, int top, std::uint8_t eraseColor)
{
    std::vector<std::uint8_t> block = GraphicHeader(image, left, top, eraseColor);
    const std::vector<std::uint8_t> rows = EncodeImage(image, transparentIndex);
    block.insert(block.end(), rows.begin(), rows.end());
    return block;
}

std::vector<std::uint8_t> SkipDumpRunEncoder::MakeGraphicBlock(const Image& image,
                                                               std::span<const std::uint8_t> opaque, int left,
                                                               int top, std::uint8_t eraseColor)
{
    CheckPixelCount(image);
    if (opaque.size() != image.pixels.size()) {
        throw std::invalid_argument("opacity mask of " + std::to_string(opaque.size()) + " pixels for an image of " +
                                    std::to_string(image.pixels.size()));
    }
    std::vector<std::uint8_t> block = GraphicHeader(image, left, top, eraseColor);
    const auto width = static_cast<std::size_t>(image.width);
    for (std::size_t start = 0; start < image.pixels.size(); start += width) {
        EncodeRowWhere(std::span(image.pixels).subspan(start, width),
                       [&](std::size_t i) { return opaque[start + i] == 0; }, block);
    }
    return block;
}
