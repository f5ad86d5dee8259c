#include "Core/Sprites/Sprite.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The names of the sprites drawn, in drawing order.
Names drawn;

// A sprite that adds its name to `drawn` when it is drawn.
class RecordingSprite : public Sprite {
public:
    RecordingSprite(std::string name, int renderingOrderPosition)
        : Sprite(Point2D(0, 0), renderingOrderPosition), name(std::move(name))
    {
    }
    int Width() const override { return 1; }
    int Height() const override { return 1; }
    void Render() const override { drawn.push_back(name); }

private:
    std::string name;
};

Names RenderedNames()
{
    drawn.clear();
    Sprite::RenderAll();
    return drawn;
}

TEST(SpriteOrder, LowerLayersFirstOlderFirstAmongEqualsHiddenAndDeletedSkipped)
{
    auto pointer = std::make_unique<RecordingSprite>("pointer", 16);
    auto first = std::make_unique<RecordingSprite>("first", 6);
    auto occupant = std::make_unique<RecordingSprite>("occupant", 1);
    auto second = std::make_unique<RecordingSprite>("second", 6);
    auto third = std::make_unique<RecordingSprite>("third", 6);
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "first", "second", "third", "pointer"}));

    // A hidden sprite is skipped but keeps its place among its equals.
    second->Hide();
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "first", "third", "pointer"}));
    second->Show();
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "first", "second", "third", "pointer"}));

    // Deleting some of the equals keeps the others in order; a newcomer goes on top of them.
    first.reset();
    third.reset();
    pointer.reset();
    auto newcomer = std::make_unique<RecordingSprite>("newcomer", 6);
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "second", "newcomer"}));
}

} // namespace
