#include "Content/GraphicLibrary/ContactSheets.h"

#include "Content/ArtKit/ArtStyle.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace {

const QColor sheetGround{0x8F, 0xC0, 0x5A};
constexpr int labelHeight = 14;

void Save(const QImage& sheet, const std::filesystem::path& path)
{
    if (!sheet.save(QString::fromStdString(path.string()))) {
        throw std::runtime_error("cannot write contact sheet " + path.string());
    }
}

void WriteStillSheets(const ArtCatalogue& catalogue, const GamePalette& palette,
                      const std::map<ResourceID, PlacedPicture>& pictures,
                      const std::filesystem::path& folder)
{
    std::map<std::string, std::vector<const ArtCatalogue::Graphic*>> groups;
    for (const ArtCatalogue::Graphic& graphic : catalogue.Graphics()) {
        if (graphic.isStill) {
            groups[graphic.group].push_back(&graphic);
        }
    }
    for (const auto& [group, graphics] : groups) {
        int cellWidth = 0, cellHeight = 0;
        for (const auto* graphic : graphics) {
            const PlacedPicture& placed = pictures.at(graphic->id);
            cellWidth = std::max(cellWidth, placed.placement.x() + placed.picture.width);
            cellHeight = std::max(cellHeight, placed.placement.y() + placed.picture.height);
        }
        cellWidth = std::max(cellWidth + 8, 60);
        cellHeight += 8 + labelHeight;
        const int columns = std::max(1, std::min<int>(static_cast<int>(graphics.size()), 1400 / cellWidth));
        const int rows = (static_cast<int>(graphics.size()) + columns - 1) / columns;
        QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_ARGB32);
        sheet.fill(sheetGround);
        QPainter painter(&sheet);
        painter.setFont(ArtStyle::TextFont(11, true));
        for (std::size_t index = 0; index < graphics.size(); ++index) {
            const int x = static_cast<int>(index % columns) * cellWidth;
            const int y = static_cast<int>(index / columns) * cellHeight;
            painter.setPen(sheetGround.darker(130));
            painter.drawRect(x, y, cellWidth - 1, cellHeight - 1);
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, y, cellWidth, labelHeight), Qt::AlignCenter, QString::number(graphics[index]->id));
            const PlacedPicture& placed = pictures.at(graphics[index]->id);
            // Pictures keep their placement in the cell when it is positive (lots' pictures),
            // so cut-down stills still show where they sit.
            const QPoint at(std::max(0, placed.placement.x()), std::max(0, placed.placement.y()));
            painter.drawImage(QPoint(x + 4, y + labelHeight + 4) + at, palette.ToImage(placed.picture));
        }
        std::string name = group;
        std::replace(name.begin(), name.end(), ' ', '-');
        Save(sheet, folder / ("stills-" + name + ".png"));
    }
}

// Animations are drawn on a 3 x 3 lot ground so that moving frames show where they go.
void WriteAnimationSheets(const ArtCatalogue& catalogue, const GamePalette& palette,
                          const std::map<ResourceID, PlacedPicture>& pictures,
                          const std::filesystem::path& folder)
{
    constexpr int cell = 3 * 88 / 2;
    constexpr int perSheet = 24;
    constexpr int maximumFrames = 14;
    const auto& animations = catalogue.Animations();
    for (std::size_t first = 0; first < animations.size(); first += perSheet) {
        const std::size_t count = std::min<std::size_t>(perSheet, animations.size() - first);
        QImage sheet(160 + maximumFrames * cell, static_cast<int>(count) * cell, QImage::Format_ARGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        painter.setFont(ArtStyle::TextFont(11, true));
        for (std::size_t row = 0; row < count; ++row) {
            const ArtCatalogue::Animation& animation = animations[first + row];
            const int y = static_cast<int>(row) * cell;
            painter.setPen(Qt::black);
            painter.drawText(QRect(4, y, 152, cell), Qt::AlignVCenter | Qt::TextWordWrap,
                             QString("%1\n%2").arg(animation.id).arg(QString::fromStdString(animation.name)));
            for (std::size_t frame = 0; frame < animation.frames.size() && frame < maximumFrames; ++frame) {
                QImage ground(3 * 88, 3 * 88, QImage::Format_ARGB32);
                ground.fill(sheetGround);
                QPainter groundPainter(&ground);
                groundPainter.setPen(sheetGround.darker(125));
                for (int line = 0; line <= 3; ++line) {
                    groundPainter.drawLine(line * 88, 0, line * 88, 264);
                    groundPainter.drawLine(0, line * 88, 264, line * 88);
                }
                const ArtCatalogue::Frame& shown = animation.frames[frame];
                const PlacedPicture& placed = pictures.at(shown.graphic);
                const QPoint at = QPoint(88 + 2, 88 + 2) + shown.offset + placed.placement;
                groundPainter.drawImage(at, palette.ToImage(placed.picture));
                groundPainter.end();
                painter.drawImage(QRect(160 + static_cast<int>(frame) * cell, y, cell, cell), ground);
            }
        }
        Save(sheet, folder / ("animations-" + std::to_string(first / perSheet + 1) + ".png"));
    }
}

} // namespace

void WriteContactSheets(const ArtCatalogue& catalogue, const GamePalette& palette,
                        const std::map<ResourceID, PlacedPicture>& pictures,
                        const std::filesystem::path& folder)
{
    WriteStillSheets(catalogue, palette, pictures, folder);
    WriteAnimationSheets(catalogue, palette, pictures, folder);
}
