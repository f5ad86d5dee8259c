#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <algorithm>
#include <cstring>

namespace {

// Where a decoded pixel's value comes from: the element's own bytes, or one fixed colour.
struct OwnColors {
    std::uint8_t operator()(const std::uint8_t* pixel) const { return *pixel; }
};

struct SingleColor {
    std::uint8_t color;
    std::uint8_t operator()(const std::uint8_t*) const { return color; }
};

template <typename ColorOf>
int DecodeRow(const std::uint8_t* sourceBuffer, std::uint8_t* destinationBuffer, ColorOf colorOf)
{
    const std::uint8_t* source = sourceBuffer;
    std::uint8_t* destination = destinationBuffer;
    for (;;) {
        switch (*source++) {
        case SkipDumpRunEncoding8Bit::endOfRow:
            return static_cast<int>(source - sourceBuffer);
        case SkipDumpRunEncoding8Bit::skipOne:
            destination += 1;
            break;
        case SkipDumpRunEncoding8Bit::skipMany:
            destination += *source++;
            break;
        case SkipDumpRunEncoding8Bit::dumpOne:
            *destination++ = colorOf(source);
            source += 1;
            break;
        case SkipDumpRunEncoding8Bit::dumpMany: {
            const int count = *source++;
            for (int i = 0; i < count; ++i) {
                destination[i] = colorOf(source + i);
            }
            destination += count;
            source += count;
            break;
        }
        case SkipDumpRunEncoding8Bit::run: {
            const int count = *source++;
            std::memset(destination, colorOf(source), static_cast<std::size_t>(count));
            destination += count;
            source += 1;
            break;
        }
        default:
            break;
        }
    }
}

// Decodes one row while hiding its first hiddenCount pixels and writing at most visibleCount.
// The destination column is kept as an index so that skips past the visible end never form a
// pointer outside the buffer.
template <typename ColorOf>
class ClippedRowDecoder {
public:
    ClippedRowDecoder(std::uint8_t* destinationBuffer, int hiddenCount, int visibleCount, ColorOf colorOf)
        : destination(destinationBuffer), hidden(hiddenCount), visible(visibleCount), colorOf(colorOf)
    {
    }

    int DecodeRow(const std::uint8_t* sourceBuffer)
    {
        const std::uint8_t* source = sourceBuffer;
        for (;;) {
            switch (*source++) {
            case SkipDumpRunEncoding8Bit::endOfRow:
                return static_cast<int>(source - sourceBuffer);
            case SkipDumpRunEncoding8Bit::skipOne:
                Skip(1);
                break;
            case SkipDumpRunEncoding8Bit::skipMany:
                Skip(*source++);
                break;
            case SkipDumpRunEncoding8Bit::dumpOne:
                Write(source, 1, 1);
                source += 1;
                break;
            case SkipDumpRunEncoding8Bit::dumpMany: {
                const int count = *source++;
                Write(source, count, 1);
                source += count;
                break;
            }
            case SkipDumpRunEncoding8Bit::run: {
                const int count = *source++;
                Write(source, count, 0);
                source += 1;
                break;
            }
            default:
                break;
            }
        }
    }

private:
    void Skip(int count)
    {
        if (hidden > 0) {
            if (count <= hidden) {
                hidden -= count;
                return;
            }
            count -= hidden;
            hidden = 0;
        }
        column += count;
        visible -= count;
    }

    // Writes the visible part of an element of count pixels; pixel i is at pixels + i * step
    // (step 1 for a dump, 0 for a run).
    void Write(const std::uint8_t* pixels, int count, int step)
    {
        int first = 0;
        if (hidden > 0) {
            if (count <= hidden) {
                hidden -= count;
                return;
            }
            first = hidden;
            hidden = 0;
        }
        if (visible <= 0) {
            return;
        }
        const int written = std::min(count - first, visible);
        for (int i = 0; i < written; ++i) {
            destination[column + i] = colorOf(pixels + (first + i) * step);
        }
        column += written;
        visible -= written;
    }

    std::uint8_t* destination;
    int hidden;
    int visible;
    ColorOf colorOf;
    int column = 0;
};

} // namespace

int SkipDumpRunEncoding8Bit::Decode(const std::uint8_t* sourceBuffer, std::uint8_t* destinationBuffer)
{
    return DecodeRow(sourceBuffer, destinationBuffer, OwnColors{});
}

int SkipDumpRunEncoding8Bit::DecodeClipped(const std::uint8_t* sourceBuffer, std::uint8_t* destinationBuffer,
                                           int clipAtStartCount, int maximumToDecodeCount)
{
    return ClippedRowDecoder(destinationBuffer, clipAtStartCount, maximumToDecodeCount, OwnColors{})
        .DecodeRow(sourceBuffer);
}

int SkipDumpRunEncoding8Bit::DecodeUsingSingleColor(const std::uint8_t* sourceBuffer,
                                                    std::uint8_t* destinationBuffer, std::uint8_t decodeColor)
{
    return DecodeRow(sourceBuffer, destinationBuffer, SingleColor{decodeColor});
}

int SkipDumpRunEncoding8Bit::DecodeUsingSingleColorClipped(const std::uint8_t* sourceBuffer,
                                                           std::uint8_t* destinationBuffer,
                                                           std::uint8_t decodeColor, int clipAtStartCount,
                                                           int maximumToDecodeCount)
{
    return ClippedRowDecoder(destinationBuffer, clipAtStartCount, maximumToDecodeCount, SingleColor{decodeColor})
        .DecodeRow(sourceBuffer);
}

int SkipDumpRunEncoding8Bit::DecodeToNowhere(const std::uint8_t* sourceBuffer)
{
    const std::uint8_t* source = sourceBuffer;
    for (;;) {
        switch (*source++) {
        case endOfRow:
            return static_cast<int>(source - sourceBuffer);
        case skipMany:
        case dumpOne:
            source += 1;
            break;
        case dumpMany:
            source += 1 + *source;
            break;
        case run:
            source += 2;
            break;
        default:
            break;
        }
    }
}

std::optional<int> SkipDumpRunEncoding8Bit::RowSize(const std::uint8_t* sourceBuffer, std::size_t availableBytes,
                                                    int width)
{
    std::size_t position = 0;
    long covered = 0;
    // Each element: the bytes it occupies after its code byte and the pixels it covers.
    while (position < availableBytes) {
        const std::uint8_t code = sourceBuffer[position++];
        std::size_t operandBytes = 0;
        long pixels = 0;
        switch (code) {
        case endOfRow:
            return static_cast<int>(position);
        case skipOne:
            pixels = 1;
            break;
        case skipMany:
        case dumpOne:
        case dumpMany:
        case run:
            if (position >= availableBytes) {
                return std::nullopt;
            }
            pixels = code == dumpOne ? 1 : sourceBuffer[position];
            operandBytes = code == skipMany || code == dumpOne ? 1 : code == run ? 2 : 1 + pixels;
            break;
        default:
            break;
        }
        if (operandBytes > availableBytes - position) {
            return std::nullopt;
        }
        position += operandBytes;
        covered += pixels;
        if (covered > width) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}
