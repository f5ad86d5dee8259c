#include "Content/GraphicLibrary/GraphicLibrary.h"

#include "Content/GameArt/GameArt.h"
#include "Content/GraphicLibrary/ContactSheets.h"
#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"

#include <algorithm>
#include <map>

namespace {

// The picture cut to the pixels it covers, and the placement moved by the cut. A picture that
// covers nothing keeps one see-through pixel, so every graphic has a row to read.
QImage CropToContent(const QImage& picture, QPoint& placement)
{
    int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(row[x]) >= GamePalette::opaqueAlpha) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        left = top = right = bottom = 0;
    }
    placement += QPoint(left, top);
    return picture.copy(left, top, right - left + 1, bottom - top + 1);
}

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
    std::map<ResourceID, PlacedPicture> pictures;
    std::size_t stillIndex = 0;
    for (const ArtCatalogue::Graphic& graphic : catalogue.Graphics()) {
        QImage painted = graphic.isStill ? stills[stillIndex++] : graphic.paint();
        QPoint placement = graphic.placement;
        if (graphic.cropToContent) {
            painted = CropToContent(painted.convertToFormat(QImage::Format_ARGB32_Premultiplied), placement);
        }
        GamePalette::IndexedPicture picture = palette.Remap(painted);
        archive.AddBlock(ResourceType::graphic, graphic.id, GraphicBlock(picture, placement));
        if (options.WantsContactSheets()) {
            pictures.emplace(graphic.id, PlacedPicture{std::move(picture), placement});
        }
    }
    if (options.WantsContactSheets()) {
        WriteContactSheets(catalogue, palette, pictures, options.sheetFolder);
    }
}
