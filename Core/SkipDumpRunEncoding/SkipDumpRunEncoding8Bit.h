#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The row code of 8-bit pictures. A row is a sequence of elements, each opened by one code byte,
// ending with code 0:
//   0            end of row
//   1            skip 1 pixel
//   2 N          skip N pixels
//   3 P          dump 1 pixel of index P
//   4 N P1..PN   dump N pixels of the given indices
//   5 N P        run of N pixels of index P
//   6..255       passed over without effect
// Skipped pixels are transparent: the destination keeps what it held. Pixels after the last
// element are untouched as well.
//
// Every decoder decodes one row starting at sourceBuffer and returns the number of source bytes
// the row occupies, its end code included. The decoders trust their data (they are called in the
// inner drawing loop); RowSize checks a row against the bytes that are really there beforehand.
class SkipDumpRunEncoding8Bit {
public:
    enum RowCode : std::uint8_t {
        endOfRow = 0,
        skipOne = 1,
        skipMany = 2,
        dumpOne = 3,
        dumpMany = 4,
        run = 5,
    };

    // Writes the dumped and run pixels from destinationBuffer onward.
    static int Decode(const std::uint8_t* sourceBuffer, std::uint8_t* destinationBuffer);

    // Writes only the pixels of row columns clipAtStartCount ... clipAtStartCount +
    // maximumToDecodeCount - 1, the first of them at destinationBuffer; never more than
    // maximumToDecodeCount pixels in all.
    static int DecodeClipped(const std::uint8_t* sourceBuffer, std::uint8_t* destinationBuffer,
                             int clipAtStartCount, int maximumToDecodeCount);

    // As Decode and DecodeClipped, but every written pixel gets decodeColor.
    static int DecodeUsingSingleColor(const std::uint8_t* sourceBuffer, std::uint8_t* destinationBuffer,
                                      std::uint8_t decodeColor);
    static int DecodeUsingSingleColorClipped(const std::uint8_t* sourceBuffer, std::uint8_t* destinationBuffer,
                                             std::uint8_t decodeColor, int clipAtStartCount,
                                             int maximumToDecodeCount);

    // Only measures the row.
    static int DecodeToNowhere(const std::uint8_t* sourceBuffer);

    // The row's size in bytes when it is well formed: its end code and every element lie within
    // the availableBytes from sourceBuffer, and its elements cover no more than width pixels.
    // Nothing when it is not. Never reads outside the available bytes.
    static std::optional<int> RowSize(const std::uint8_t* sourceBuffer, std::size_t availableBytes, int width);
};
