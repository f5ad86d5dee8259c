// Feeds arbitrary bytes to every reader of resource blocks. The first byte chooses the reader,
// the rest is the block. Under the address sanitizer any read outside the block is a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <streambuf>
#include <vector>

#include "Core/Resource/AnimationBlock.h"
#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/ColorTableBlock.h"
#include "Core/Resource/GraphicBlockHeader.h"
#include "Core/Resource/IdleEventsBlock.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/Resource/ScreenDescriptionBlock.h"
#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

namespace {

class DiscardingBuffer : public std::streambuf {
protected:
    int overflow(int character) override { return character; }
};

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// Checks the rows as a graphic does, then decodes every accepted row, whole and clipped, into a
// buffer of exactly the graphic's width: an accepted row must never write past it.
void FuzzGraphicRows(BlockCursor& cursor)
{
    const GraphicBlockHeader header = GraphicBlockHeader::Parse(cursor);
    if (!header.isValid) {
        Check(header.width == 0 && header.height == 0 && header.imageSize == 0);
        return;
    }
    Check(header.imageStart + header.imageSize == cursor.Begin() + cursor.Size());
    std::vector<std::uint8_t> row(static_cast<std::size_t>(header.width) + 1);
    std::size_t offset = 0;
    const auto available = static_cast<std::size_t>(header.imageSize);
    for (int index = 0; index < header.height; ++index) {
        const std::uint8_t* source = header.imageStart + offset;
        const auto rowSize = SkipDumpRunEncoding8Bit::RowSize(source, available - offset, header.width);
        if (!rowSize) {
            return;
        }
        // The row buffer holds exactly width pixels; the extra byte must stay untouched.
        row.back() = 0xA5;
        std::vector<std::uint8_t> copy(source, source + *rowSize); // decoders must stay inside the row
        Check(SkipDumpRunEncoding8Bit::Decode(copy.data(), row.data()) == *rowSize);
        Check(SkipDumpRunEncoding8Bit::DecodeToNowhere(copy.data()) == *rowSize);
        const int clip = header.width / 3;
        Check(SkipDumpRunEncoding8Bit::DecodeClipped(copy.data(), row.data(), clip, header.width - clip) == *rowSize);
        Check(SkipDumpRunEncoding8Bit::DecodeUsingSingleColorClipped(copy.data(), row.data(), 7, clip, 1) == *rowSize);
        Check(row.back() == 0xA5);
        offset += static_cast<std::size_t>(*rowSize);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static DiscardingBuffer discardingBuffer;
    static std::ostream discarding(&discardingBuffer);
    ResourceProblems::SetOutput(&discarding);
    ResourceProblems::Forget();
    if (size == 0) {
        return 0;
    }
    // A copy of exactly the block's size, so the sanitizer sees every byte beyond it.
    const std::vector<std::uint8_t> block(data + 1, data + size);
    BlockCursor cursor(block.empty() ? nullptr : block.data(), static_cast<int>(block.size()), 0x54455354u, 1);

    switch (data[0] % 6) {
    case 0: {
        const AnimationBlock animation = AnimationBlock::Parse(cursor);
        Check(animation.IsEmpty() || animation.FramePeriod() > 0.0);
        Check(animation.frames.size() * AnimationBlock::frameSize <= block.size());
        break;
    }
    case 1: {
        const IdleEventsBlock table = IdleEventsBlock::Parse(cursor);
        Check(table.events.size() * IdleEventsBlock::smallestEventSize <= block.size());
        break;
    }
    case 2: {
        const ColorTableBlock table = ColorTableBlock::Parse(cursor);
        Check(table.entries.size() * ColorTableBlock::entrySize <= block.size());
        break;
    }
    case 3:
        ScreenDescriptionBlock::Parse(cursor);
        break;
    case 4:
        FuzzGraphicRows(cursor);
        break;
    default:
        // Arbitrary typed reads and moves until the block is used up (moves may go backwards,
        // so the number of steps is bounded).
        for (std::size_t step = 0; step < 4 * block.size() && !cursor.HasFailed() && cursor.Remaining() > 0; ++step) {
            switch (cursor.GetInteger8Bit() % 5) {
            case 0: cursor.GetReal(); break;
            case 1: cursor.GetPoint2D16Bit(); break;
            case 2: cursor.GetInteger32Bit(); break;
            case 3: cursor.Skip(cursor.GetInteger8Bit() - 128); break;
            default: cursor.GetResourceID(); break;
            }
        }
        break;
    }
    return 0;
}
