#include "Content/GraphicLibrary/GraphicLibrary.h"

#include "Content/GameArt/GameArt.h"
#include "Content/GraphicLibrary/ContactSheets.h"
#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"

#include <map>

namespace {

std::vector<std::uint8_t> GraphicBlock(const GamePalette::IndexedPicture& picture, QPoint placement)
{
    const SkipDumpRunEncoder::Image image{picture.width, picture.height, picture.pixels};
    return SkipDumpRunEncoder::MakeGraphicBlock(image, picture.opaque, placement.x(), placement.y(),
                                                GamePalette::blackIndex);
}

} // namespace

GamePalette ChooseGamePalette(const ArtCatalogue& catalogue, std::vector<QImage>* stills)
{
    std::vector<QImage> painted;
    for (const ArtCatalogue::Graphic& graphic : catalogue.Graphics()) {
        if (graphic.isStill) {
            painted.push_back(graphic.paint());
        }
    }
    GamePalette palette = GamePalette::Choose(painted);
    if (stills != nullptr) {
        *stills = std::move(painted);
    }
    return palette;
}

void BuildGrf1Library(ContentArchive& archive, const ContentOptions& options)
{
    const ArtCatalogue catalogue = GameArtCatalogue();
    std::vector<QImage> stills;
    const GamePalette palette = ChooseGamePalette(catalogue, &stills);
    std::map<ResourceID, GamePalette::IndexedPicture> pictures;
    std::size_t stillIndex = 0;
    for (const ArtCatalogue::Graphic& graphic : catalogue.Graphics()) {
        const QImage painted = graphic.isStill ? stills[stillIndex++] : graphic.paint();
        GamePalette::IndexedPicture picture = palette.Remap(painted);
        archive.AddBlock(ResourceType::graphic, graphic.id, GraphicBlock(picture, graphic.placement));
        if (options.WantsContactSheets()) {
            pictures.emplace(graphic.id, std::move(picture));
        }
    }
    if (options.WantsContactSheets()) {
        WriteContactSheets(catalogue, palette, pictures, options.sheetFolder);
    }
}
