#include "Core/Sprites/Graphic8BitGroupSprite.h"

#include "Core/Graphic/Graphic8Bit.h"

#include <algorithm>
#include <limits>

Graphic8BitGroupSprite::Graphic8BitGroupSprite(const Point2D& position, int renderingOrderPosition)
    : Sprite(position, renderingOrderPosition)
{
}

Graphic8BitGroupSprite::~Graphic8BitGroupSprite()
{
    RemoveAllGraphics();
}

void Graphic8BitGroupSprite::AddGraphic(ResourceID resourceID, const Point2D& offset)
{
    individualGraphics.push_back({std::make_unique<Graphic8Bit>(resourceID), offset});
}

void Graphic8BitGroupSprite::RemoveAllGraphics()
{
    individualGraphics.clear();
}

namespace {

// The extent of the members along one axis: each member's bounds from `low` to `high`,
// shifted by its offset along that axis.
template <typename Low, typename High, typename Shift>
int Extent(const std::vector<Graphic8BitGroupSprite::IndividualGraphic>& members, Low low, High high, Shift shift)
{
    if (members.empty()) {
        return 0;
    }
    int smallest = std::numeric_limits<int>::max();
    int largest = std::numeric_limits<int>::min();
    for (const auto& member : members) {
        const auto bounds = member.graphic->Bounds();
        smallest = std::min(smallest, low(bounds) + shift(member.offset));
        largest = std::max(largest, high(bounds) + shift(member.offset));
    }
    return largest - smallest;
}

} // namespace

int Graphic8BitGroupSprite::Width() const
{
    return Extent(
        individualGraphics, [](const auto& bounds) { return bounds.left; },
        [](const auto& bounds) { return bounds.right; }, [](const Point2D& offset) { return offset.x; });
}

int Graphic8BitGroupSprite::Height() const
{
    return Extent(
        individualGraphics, [](const auto& bounds) { return bounds.top; },
        [](const auto& bounds) { return bounds.bottom; }, [](const Point2D& offset) { return offset.y; });
}

void Graphic8BitGroupSprite::Render() const
{
    for (const auto& member : individualGraphics) {
        member.graphic->Render(Position() + member.offset, Graphic8Bit::dontErase, Graphic8Bit::offscreen);
    }
}
