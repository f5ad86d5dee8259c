#include "Content/ScreenLibrary/ScreenLibrary.h"

namespace {

// The game's one screen: 640 x 480 pixels with an underlay for the background.
std::vector<std::uint8_t> ScreenDescription()
{
    return {0x02, 0x80, 0x01, 0xE0, 0x00, 0x01};
}

} // namespace

void BuildVidLibrary(ContentArchive& archive, const ContentOptions&)
{
    archive.AddBlock(ResourceType::screenDescription, 1000, ScreenDescription());
}
