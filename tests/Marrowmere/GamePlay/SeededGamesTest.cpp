#include "Core/HotSpots/HotSpot.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/GameOverAction/GameOverAction.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"
#include "tests/Support/TurnDriver/TurnDriver.h"
#include "tools/GameDriver/GameDriver.h"

#include <cstring>
#include <random>
#include <tuple>
#include <vector>

namespace {

// What a turn leaves behind that the model alone can tell.
struct Snapshot {
    std::string lots;
    int score;
    Scoring::StatisticsType statistics;
    int picks;

    static Snapshot Now()
    {
        return {GameDriver::DescribeLots(), Scoring::Score(), Scoring::Statistics(), ItemQueue::PickCount()};
    }
    bool operator==(const Snapshot& other) const
    {
        return std::tie(lots, score, picks) == std::tie(other.lots, other.score, other.picks) &&
               std::memcmp(&statistics, &other.statistics, sizeof statistics) == 0;
    }
};

std::ostream& operator<<(std::ostream& out, const Snapshot& snapshot)
{
    return out << "score " << snapshot.score << " turns " << snapshot.statistics.totalTurnsCount << " picks "
               << snapshot.picks << " | " << snapshot.lots;
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

// Every timed lot shows its starvation dial at the time remaining, every flooded lot its flood
// dial, and nothing else has a dial.
void ExpectDialsMatchTheBoard()
{
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const auto& element = InhabitantsAnimator::VisualElementOf(row, column);
            ASSERT_EQ(element.starvationTimerSprite != nullptr, Inhabitants::IsTimed(row, column)) << row << column;
            if (element.starvationTimerSprite != nullptr) {
                EXPECT_EQ(element.starvationTimerSprite->GraphicResourceID(),
                          GraphicIDs::StarvationTimer(Inhabitants::StarvationTimeRemaining(row, column)));
            }
            ASSERT_EQ(element.floodTimerSprite != nullptr, Inhabitants::IsFlooded(row, column)) << row << column;
            if (element.floodTimerSprite != nullptr) {
                EXPECT_EQ(element.floodTimerSprite->GraphicResourceID(),
                          GraphicIDs::FloodTimer(Inhabitants::FloodTimeRemaining(row, column)));
            }
        }
    }
}

TEST_F(SeededGames, ClicksAtLotCentresPlayWholeGamesAsTheModelDoes)
{
    for (const unsigned seed : {3u, 17u, 2024u}) {
        SCOPED_TRACE(seed);
        GameState::SetState(GameState::startingNewGame);
        std::mt19937 random(seed);
        std::vector<GameDriver::Move> accepted;
        std::vector<Snapshot> afterEachMove;
        GameDriver::Move pending;
        Snapshot last;
        std::string startingLots;
        int refusals = 0;
        bool sawGameOver = false;

        GameDriver driver(
            *display,
            [&]() -> std::optional<GameDriver::Move> {
                if (accepted.size() >= 300) {
                    return std::nullopt;
                }
                pending = RandomMove(random);
                return pending;
            },
            [&](GameDriver::Event event) {
                switch (event) {
                case GameDriver::Event::start:
                    last = Snapshot::Now();
                    startingLots = last.lots;
                    break;
                case GameDriver::Event::refused:
                    ++refusals;
                    EXPECT_EQ(Snapshot::Now(), last) << "a refused move changes nothing";
                    break;
                case GameDriver::Event::moved:
                    accepted.push_back(pending);
                    last = Snapshot::Now();
                    afterEachMove.push_back(last);
                    ExpectDialsMatchTheBoard();
                    if (GameState::State() == GameState::playing) {
                        EXPECT_TRUE(ItemQueue::IsAnyItemAvailable()) << "the next item is offered";
                    }
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
        EXPECT_EQ(GameDriver::DescribeLots(), startingLots);
        for (std::size_t index = 0; index < accepted.size(); ++index) {
            const GameDriver::Move& move = accepted[index];
            if (move.throughPick) {
                ASSERT_TRUE(TurnDriver::UsePick(move.item, move.animal, move.direction));
                ASSERT_TRUE(TurnDriver::PlayMove(move.row, move.column).wasPlayed);
            } else {
                ASSERT_TRUE(TurnDriver::PlayItem(move.item, move.animal, move.direction, move.row, move.column).wasPlayed);
            }
            ASSERT_EQ(Snapshot::Now(), afterEachMove[index]) << "after move " << index;
        }
        EXPECT_TRUE(TurnDriver::HasGameEnded());
    }
}

} // namespace
