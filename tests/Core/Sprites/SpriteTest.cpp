#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Sprite.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// A sprite that writes its name into a shared log when it is drawn.
class RecordingSprite : public Sprite {
public:
    RecordingSprite(std::string name, int renderingOrderPosition, Names& log)
        : Sprite(Point2D(0, 0), renderingOrderPosition), name(std::move(name)), log(log)
    {
    }
    int Width() const override { return 1; }
    int Height() const override { return 1; }
    void Render() const override { log.push_back(name); }

private:
    std::string name;
    Names& log;
};

class SpriteOrder : public ::testing::Test {
protected:
    void TearDown() override { SequencedAction::RemoveAllActions(); }

    Names RenderedNames()
    {
        log.clear();
        Sprite::RenderAll();
        return log;
    }
    std::unique_ptr<RecordingSprite> Make(const std::string& name, int layer)
    {
        return std::make_unique<RecordingSprite>(name, layer, log);
    }

    Names log;
};

TEST_F(SpriteOrder, LowerLayersFirstOlderFirstAmongEqualsHiddenAndDeletedSkipped)
{
    auto pointer = Make("pointer", 16);
    auto first = Make("first", 6);
    auto occupant = Make("occupant", 1);
    auto second = Make("second", 6);
    auto third = Make("third", 6);
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
    auto newcomer = Make("newcomer", 6);
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "second", "newcomer"}));
}

TEST_F(SpriteOrder, ActionsChangeTheSpriteWhenTheirTurnComes)
{
    auto sprite = Make("s", 1);
    SequencedAction::StartNewSequence();
    new Sprite::HideAction(sprite.get());
    new WaitAction(0.5);
    new Sprite::ChangePositionAction(sprite.get(), Point2D(30, 40));
    new Sprite::ShowAction(sprite.get());
    SequencedAction::HandleNextActions(10.0);
    EXPECT_FALSE(sprite->IsVisible());
    EXPECT_EQ(sprite->Position(), Point2D(0, 0));
    SequencedAction::HandleNextActions(10.5);
    EXPECT_TRUE(sprite->IsVisible());
    EXPECT_EQ(sprite->Position(), Point2D(30, 40));
}

} // namespace
