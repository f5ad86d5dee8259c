#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Sprite.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A sprite that writes its name into a shared log when it is drawn.
class RecordingSprite : public Sprite {
public:
    RecordingSprite(std::string name, int renderingOrderPosition, std::vector<std::string>& log)
        : Sprite(Point2D(0, 0), renderingOrderPosition), name(std::move(name)), log(log)
    {
    }
    int Width() const override { return 1; }
    int Height() const override { return 1; }
    void Render() const override { log.push_back(name); }

private:
    std::string name;
    std::vector<std::string>& log;
};

class SpriteOrder : public ::testing::Test {
protected:
    void TearDown() override { SequencedAction::RemoveAllActions(); }

    std::vector<std::string> RenderedNames()
    {
        log.clear();
        Sprite::RenderAll();
        return log;
    }

    std::unique_ptr<RecordingSprite> Make(const std::string& name, int renderingOrderPosition)
    {
        return std::make_unique<RecordingSprite>(name, renderingOrderPosition, log);
    }

    std::vector<std::string> log;
};

using Names = std::vector<std::string>;

TEST_F(SpriteOrder, LowerLayersFirstOlderFirstAmongEqualsHiddenAndDeletedSkipped)
{
    auto pointer = Make("pointer", 16);
    auto firstTimer = Make("firstTimer", 6);
    auto occupant = Make("occupant", 1);
    auto secondTimer = Make("secondTimer", 6);
    auto thirdTimer = Make("thirdTimer", 6);
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "firstTimer", "secondTimer", "thirdTimer", "pointer"}));

    // A hidden sprite is skipped but keeps its place among its equals.
    secondTimer->Hide();
    EXPECT_FALSE(secondTimer->IsVisible());
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "firstTimer", "thirdTimer", "pointer"}));
    secondTimer->Show();
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "firstTimer", "secondTimer", "thirdTimer", "pointer"}));

    // Deleting some of the equals keeps the others in order; a newcomer goes on top of them.
    firstTimer.reset();
    thirdTimer.reset();
    pointer.reset();
    auto newcomer = Make("newcomer", 6);
    EXPECT_EQ(RenderedNames(), (Names{"occupant", "secondTimer", "newcomer"}));
}

TEST_F(SpriteOrder, ActionsChangeTheSpriteWhenTheirTurnComes)
{
    auto sprite = Make("s", 1);
    SequencedAction::StartNewSequence();
    new WaitAction(0.5);
    new Sprite::HideAction(sprite.get());
    new WaitAction(0.5);
    new Sprite::ChangePositionAction(sprite.get(), Point2D(30, 40));
    new Sprite::ShowAction(sprite.get());

    SequencedAction::HandleNextActions(10.0);
    SequencedAction::HandleNextActions(10.4);
    EXPECT_TRUE(sprite->IsVisible());

    SequencedAction::HandleNextActions(10.5);
    EXPECT_FALSE(sprite->IsVisible());
    EXPECT_EQ(sprite->Position(), Point2D(0, 0));

    // The second wait starts counting at 10.5, when it reached the front.
    SequencedAction::HandleNextActions(10.9);
    EXPECT_FALSE(sprite->IsVisible());
    SequencedAction::HandleNextActions(11.0);
    EXPECT_TRUE(sprite->IsVisible());
    EXPECT_EQ(sprite->Position(), Point2D(30, 40));
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
}

} // namespace
