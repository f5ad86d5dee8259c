#include "Core/HotSpots/HotSpot.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/GameOverAction/GameOverAction.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"
#include "tests/Support/AnimatedBoard/ReferenceBoard.h"
#include "tools/GameDriver/GameDriver.h"

#include <optional>
#include <random>

namespace {

// Random items on random lots, mostly animals as the game offers them, now and then through a
// pick; a lot that cannot take its item refuses it.
GameDriver::Move RandomMove(std::mt19937& random)
{
    const auto draw = [&random](int last) { return std::uniform_int_distribution<int>(0, last)(random); };
    const int item = draw(9) < 7 ? ItemQueue::animal : draw(5);
    return {static_cast<ItemQueue::ItemType>(item), static_cast<ObjectType>(draw(3)),
            static_cast<DirectionType>(draw(3)), draw(4), draw(4), ItemQueue::PickCount() > 0 && draw(5) == 0};
}

class SeededGames : public GameFixture {};

TEST_F(SeededGames, ClicksAtLotCentresPlayWholeGamesAsTheReferenceBoardDoes)
{
    for (const unsigned seed : {3u, 17u, 2024u}) {
        SCOPED_TRACE(seed);
        GameState::SetState(GameState::startingNewGame);
        std::mt19937 random(seed);
        ReferenceBoard::Coverage coverage;
        ReferenceBoard reference(coverage);
        GameDriver::Move pending;
        int accepted = 0;
        int refusals = 0;
        bool sawGameOver = false;

        GameDriver driver(
            *display,
            [&]() -> std::optional<GameDriver::Move> {
                if (accepted >= 300) return std::nullopt;
                return pending = RandomMove(random);
            },
            [&](GameDriver::Event event) {
                switch (event) {
                case GameDriver::Event::start:
                    EXPECT_EQ(reference.DifferenceFromGame(), "") << "the opening position";
                    break;
                case GameDriver::Event::refused:
                    ++refusals;
                    EXPECT_EQ(reference.DifferenceFromGame(), "") << "a refused move changes nothing";
                    break;
                case GameDriver::Event::moved:
                    ++accepted;
                    if (pending.throughPick) {
                        reference.UsePick();
                    }
                    reference.Play(pending.item, pending.animal, pending.direction, pending.row, pending.column);
                    ASSERT_EQ(reference.DifferenceFromGame(), "") << "after move " << accepted;
                    break;
                case GameDriver::Event::gameOver:
                    sawGameOver = true;
                    ASSERT_NE(GameOverAction::Instance(), nullptr);
                    EXPECT_EQ(GameOverAction::Instance()->ReasonSprite().GraphicResourceID(),
                              GameOverAction::ReasonGraphicResourceID());
                    break;
                }
            });
        driver.PlayGame();

        // Played to the end, dismissed by a key, and taken down without a trace.
        EXPECT_TRUE(sawGameOver);
        EXPECT_GT(refusals, 0);
        EXPECT_EQ(GameState::State(), GameState::gameOver);
        EXPECT_FALSE(GamePlay::IsGameInProgress());
        EXPECT_EQ(Sprite::LiveSpriteCount(), 0u);
        EXPECT_EQ(HotSpot::LiveHotSpotCount(), 0u);
        EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
        EXPECT_TRUE(reference.IsOver());
    }
}

} // namespace
