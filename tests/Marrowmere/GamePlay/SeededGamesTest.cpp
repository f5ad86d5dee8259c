#include "Core/HotSpots/HotSpot.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/GameOverAction/GameOverAction.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"
#include "tests/Support/TurnDriver/TurnDriver.h"
#include "tools/GameDriver/GameDriver.h"

#include <random>
#include <string>
#include <vector>

namespace {

// What a turn leaves behind that the model alone can tell (the statistics are the agreement
// test's business).
std::string Snapshot()
{
    return GameDriver::DescribeLots() + " score " + std::to_string(Scoring::Score()) + " picks " +
           std::to_string(ItemQueue::PickCount());
}

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

TEST_F(SeededGames, ClicksAtLotCentresPlayWholeGamesAsTheModelDoes)
{
    for (const unsigned seed : {3u, 17u, 2024u}) {
        SCOPED_TRACE(seed);
        GameState::SetState(GameState::startingNewGame);
        std::mt19937 random(seed);
        std::vector<GameDriver::Move> accepted;
        std::vector<std::string> snapshots;   // at the start and after each accepted move
        GameDriver::Move pending;
        int refusals = 0;
        bool sawGameOver = false;

        GameDriver driver(
            *display,
            [&]() -> std::optional<GameDriver::Move> {
                if (accepted.size() >= 300) return std::nullopt;
                return pending = RandomMove(random);
            },
            [&](GameDriver::Event event) {
                switch (event) {
                case GameDriver::Event::start:
                    snapshots.push_back(Snapshot());
                    break;
                case GameDriver::Event::refused:
                    ++refusals;
                    EXPECT_EQ(Snapshot(), snapshots.back()) << "a refused move changes nothing";
                    break;
                case GameDriver::Event::moved:
                    accepted.push_back(pending);
                    snapshots.push_back(Snapshot());
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

        // The same moves on the model alone, from the same opening position.
        TurnDriver::NewGame();
        ASSERT_EQ(Snapshot(), snapshots.at(0)) << "the same opening position";
        for (std::size_t index = 0; index < accepted.size(); ++index) {
            const GameDriver::Move& move = accepted[index];
            if (move.throughPick) { ASSERT_TRUE(TurnDriver::UsePick(move.item, move.animal, move.direction)); }
            ASSERT_TRUE((move.throughPick ? TurnDriver::PlayMove(move.row, move.column)
                                          : TurnDriver::PlayItem(move.item, move.animal, move.direction, move.row,
                                                                 move.column)).wasPlayed);
            ASSERT_EQ(Snapshot(), snapshots[index + 1]) << "after move " << index;
        }
        EXPECT_TRUE(TurnDriver::HasGameEnded());
    }
}

} // namespace
