#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include "Core/SkipDumpRunEncoding/PixelSpans.h"

#include <algorithm>

namespace {

using Code = SkipDumpRunEncoding8Bit::RowCode;

// Where decoded pixels get their values: the element's own bytes, or one fixed colour.
struct OwnColors {
    static void Dump(std::uint8_t* destination, const std::uint8_t* pixels, std::size_t count)
    {
        PixelSpans::Copy(destination, pixels, count);
    }
    static void Run(std::uint8_t* destination, std::uint8_t color, std::size_t count)
    {
        PixelSpans::Fill(destination, color, count);
    }
};

struct SingleColor {
    std::uint8_t color;
    void Dump(std::uint8_t* destination, const std::uint8_t*, std::size_t count) const
    {
        PixelSpans::Fill(destination, color, count);
    }
    void Run(std::uint8_t* destination, std::uint8_t, std::size_t count) const
    {
        PixelSpans::Fill(destination, color, count);
    }
};

// Decodes a whole row. The codes are tested most frequent first (pictures are mostly skips and
// dumps, with a run here and there): a short chain of well-predicted comparisons costs less than
// one jump through a table whose target changes from element to element (the library is built
// without jump tables so that the compiler keeps the chain).
template <typename Pixels>
int DecodeRow(const std::uint8_t* sourceBuffer, std::uint8_t* destination, Pixels pixels)
{
    const std::uint8_t* source = sourceBuffer;
    for (;;) {
        const std::uint8_t code = source[0];
        if (code == Code::dumpMany) {
            const std::size_t count = source[1];
            pixels.Dump(destination, source + 2, count);
            destination += count;
            source += 2 + count;
        } else if (code == Code::skipMany) {
            destination += source[1];
            source += 2;
        } else if (code == Code::endOfRow) {
            return static_cast<int>(source + 1 - sourceBuffer);
        } else if (code == Code::run) {
            const std::size_t count = source[1];
            pixels.Run(destination, source[2], count);
            destination += count;
            source += 3;
        } else if (code == Code::dumpOne) {
            pixels.Dump(destination, source + 1, 1);
            destination += 1;
            source += 2;
        } else if (code == Code::skipOne) {
            destination += 1;
            source += 1;
        } else {
            source += 1; // a code without effect
        }
    }
}

// Decodes one row while hiding its first hiddenCount pixels and writing at most visibleCount.
// The destination column is kept as an index so that skips past the visible end never form a
// pointer outside the buffer.
template <typename Pixels>
class ClippedRowDecoder {
public:
    ClippedRowDecoder(std::uint8_t* destinationBuffer, int hiddenCount, int visibleCount, Pixels pixels)
        : destination(destinationBuffer), hidden(hiddenCount), visible(visibleCount), pixels(pixels)
    {
    }

    int DecodeRow(const std::uint8_t* sourceBuffer)
    {
        const std::uint8_t* source = sourceBuffer;
        for (;;) {
            const std::uint8_t code = source[0];
            if (code == Code::dumpMany) {
                const int count = source[1];
                const Window window = Take(count);
                if (window.written > 0) {
                    pixels.Dump(destination + window.column, source + 2 + window.first,
                                static_cast<std::size_t>(window.written));
                }
                source += 2 + count;
            } else if (code == Code::skipMany) {
                Skip(source[1]);
                source += 2;
            } else if (code == Code::endOfRow) {
                return static_cast<int>(source + 1 - sourceBuffer);
            } else if (code == Code::run) {
                const Window window = Take(source[1]);
                if (window.written > 0) {
                    pixels.Run(destination + window.column, source[2], static_cast<std::size_t>(window.written));
                }
                source += 3;
            } else if (code == Code::dumpOne) {
                const Window window = Take(1);
                if (window.written > 0) {
                    pixels.Dump(destination + window.column, source + 1, 1);
                }
                source += 2;
            } else if (code == Code::skipOne) {
                Skip(1);
                source += 1;
            } else {
                source += 1; // a code without effect
            }
        }
    }

private:
    // The visible part of an element: its first `first` pixels stay hidden, the `written` after
    // them go to the destination from `column` on.
    struct Window {
        int first = 0;
        int written = 0;
        int column = 0;
    };

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

    // Passes an element of count pixels through the clip window and moves past what it writes.
    Window Take(int count)
    {
        Window window;
        if (hidden > 0) {
            if (count <= hidden) {
                hidden -= count;
                return window;
            }
            window.first = hidden;
            hidden = 0;
        }
        if (visible <= 0) {
            return window;
        }
        window.written = std::min(count - window.first, visible);
        window.column = column;
        column += window.written;
        visible -= window.written;
        return window;
    }

    std::uint8_t* destination;
    int hidden;
    int visible;
    Pixels pixels;
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
