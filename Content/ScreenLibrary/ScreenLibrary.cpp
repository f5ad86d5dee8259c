#include "Content/ScreenLibrary/ScreenLibrary.h"

#include "Content/GameArt/GameArt.h"
#include "Content/GraphicLibrary/GraphicLibrary.h"

namespace {

constexpr ResourceID screenID = 1000;

void AppendInteger16(std::vector<std::uint8_t>& block, int value)
{
    block.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    block.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

// The game's one screen: 640 x 480 pixels with an underlay for the background.
std::vector<std::uint8_t> ScreenDescription()
{
    std::vector<std::uint8_t> block;
    AppendInteger16(block, 640);
    AppendInteger16(block, 480);
    AppendInteger16(block, 1);
    return block;
}

// The palette: four ignored bytes, an ignored 16-bit value, the highest index, then per entry
// an ignored 16-bit value and red, green and blue in the low bytes of 16-bit values.
std::vector<std::uint8_t> ColorLookupTable(const GamePalette& palette)
{
    std::vector<std::uint8_t> block(6, 0);
    AppendInteger16(block, static_cast<int>(palette.Colors().size()) - 1);
    for (std::size_t entry = 0; entry < palette.Colors().size(); ++entry) {
        const QRgb color = palette.Colors()[entry];
        AppendInteger16(block, static_cast<int>(entry));
        AppendInteger16(block, qRed(color));
        AppendInteger16(block, qGreen(color));
        AppendInteger16(block, qBlue(color));
    }
    return block;
}

} // namespace

void BuildVidLibrary(ContentArchive& archive, const ContentOptions&)
{
    archive.AddBlock(ResourceType::screenDescription, screenID, ScreenDescription());
    archive.AddBlock(ResourceType::colorLookupTable, screenID, ColorLookupTable(ChooseGamePalette(GameArtCatalogue())));
}
