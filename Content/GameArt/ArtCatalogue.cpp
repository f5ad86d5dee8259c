#include "Content/GameArt/ArtCatalogue.h"

#include <stdexcept>

void ArtCatalogue::AddStill(ResourceID id, QPoint placement, Painter paint, const std::string& group,
                            const std::string& key, bool cropToContent)
{
    if (!graphicIndex.emplace(id, graphics.size()).second) {
        throw std::logic_error("graphic " + std::to_string(id) + " is described twice");
    }
    graphics.push_back({id, placement, std::move(paint), true, group, cropToContent});
    if (!key.empty()) {
        graphicsByKey.emplace(key, id);
    }
}

ResourceID ArtCatalogue::FrameGraphic(const std::string& key, QPoint placement, const Painter& paint,
                                      bool cropToContent)
{
    if (const auto found = graphicsByKey.find(key); found != graphicsByKey.end()) {
        return found->second;
    }
    if (nextFrameGraphicID > lastFrameGraphicID) {
        throw std::logic_error("more animation frames than the frame id range holds");
    }
    const ResourceID id = nextFrameGraphicID++;
    graphicIndex.emplace(id, graphics.size());
    graphics.push_back({id, placement, paint, false, "frames", cropToContent});
    graphicsByKey.emplace(key, id);
    return id;
}

void ArtCatalogue::AddAnimation(Animation animation)
{
    animations.push_back(std::move(animation));
}

void ArtCatalogue::AddIdleTable(IdleTable table)
{
    idleTables.push_back(std::move(table));
}

const ArtCatalogue::Graphic* ArtCatalogue::FindGraphic(ResourceID id) const
{
    const auto found = graphicIndex.find(id);
    return found == graphicIndex.end() ? nullptr : &graphics[found->second];
}
