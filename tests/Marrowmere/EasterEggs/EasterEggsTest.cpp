#include "Marrowmere/EasterEggs/EasterEggs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Which activation functions ran, in order, and whether their mode was on at that moment.
std::vector<std::string> activations;

template <EasterEggs::NameType mode>
void Record()
{
    static const char* const names[] = {"thistleCove", "harborLantern", "sevenKGrid", "twoFiftyDunes"};
    activations.push_back(std::string(names[mode]) + (EasterEggs::IsActive(mode) ? " on" : " off"));
}

class EasterEggsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        activations.clear();
        EasterEggs::RemoveAllEggs();
        EasterEggs::AddEgg("thistlecove", Record<EasterEggs::thistleCove>, EasterEggs::toggle);
        EasterEggs::AddEgg("harborlantern", Record<EasterEggs::harborLantern>, EasterEggs::toggle);
        EasterEggs::AddEgg("7kgrid", Record<EasterEggs::sevenKGrid>, EasterEggs::toggle);
        EasterEggs::AddEgg("250dunes", Record<EasterEggs::twoFiftyDunes>, EasterEggs::persistent);
    }
    void TearDown() override { EasterEggs::RemoveAllEggs(); }

    // Types the text; returns, per character, whether some egg took it.
    static std::string Type(const std::string& text)
    {
        std::string taken;
        for (char character : text) {
            bool isEasterEggCharacter = false;
            EasterEggs::CheckInputCharacter(character, isEasterEggCharacter);
            taken += isEasterEggCharacter ? 'y' : 'n';
        }
        return taken;
    }
};

TEST_F(EasterEggsTest, EachWordSwitchesOnlyItsOwnMode)
{
    EXPECT_EQ(Type("7kgrid"), "yyyyyy");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::sevenKGrid));
    EXPECT_EQ(activations, (std::vector<std::string>{"sevenKGrid on"}));

    Type("harborlantern");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::harborLantern));
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::sevenKGrid));
}

TEST_F(EasterEggsTest, CapitalsCountAsLowerCase)
{
    Type("THISTLECOVE");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::thistleCove));
    Type("HarborLantern");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::harborLantern));
    Type("7KGRID");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::sevenKGrid));
}

TEST_F(EasterEggsTest, AToggleWordFlipsItsModeAndAPersistentWordKeepsItOn)
{
    Type("thistlecove");
    Type("thistlecove");
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::thistleCove));

    // A persistent word stays on and runs each time.
    Type("250dunes250dunes");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::twoFiftyDunes));
    EXPECT_EQ(activations, (std::vector<std::string>{"thistleCove on", "thistleCove off", "twoFiftyDunes on",
                                                     "twoFiftyDunes on"}));
}

TEST_F(EasterEggsTest, ADoubledFirstLetterOrAWrongLetterSpoilsTheWord)
{
    // The second 't' breaks the word and is not taken as a new start.
    Type("tthistlecove");
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::thistleCove));

    // A broken word must be typed again from its start.
    Type("thistlXecove");
    Type("cove");
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::thistleCove));
    EXPECT_TRUE(activations.empty());
}

TEST_F(EasterEggsTest, AnyOtherCharacterBeforeTheWordDoesNotSpoilIt)
{
    Type("xthistlecove");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::thistleCove));
    Type("q7kgrid");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::sevenKGrid));
}

TEST_F(EasterEggsTest, CharactersThatContinueNoWordAreNotTaken)
{
    EXPECT_EQ(Type("xyz!"), "nnnn");
    EXPECT_EQ(Type(std::string(1, '\0')), "n");
    // 'k' continues no word until a '7' came first.
    EXPECT_EQ(Type("k"), "n");
    EXPECT_EQ(Type("7k"), "yy");
}

TEST_F(EasterEggsTest, EachEggFollowsTheTypingOnItsOwn)
{
    // The 'h' continues "thistlecove" and starts "harborlantern"; the 'a' breaks only the former.
    EXPECT_EQ(Type("tharborlantern"), "yyyyyyyyyyyyyy");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::harborLantern));
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::thistleCove));
}

TEST_F(EasterEggsTest, ANewGameStartsWithAllModesOffButKeepsTypingProgress)
{
    Type("thistlecove7kgrid250dunes");
    ASSERT_TRUE(EasterEggs::IsActive(EasterEggs::thistleCove));
    ASSERT_TRUE(EasterEggs::IsActive(EasterEggs::twoFiftyDunes));
    Type("harbor");

    EasterEggs::SetUp();
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::thistleCove));
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::sevenKGrid));
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::twoFiftyDunes));

    Type("lantern");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::harborLantern));
}

TEST_F(EasterEggsTest, UnregisteredModesAreOff)
{
    EasterEggs::RemoveAllEggs();
    bool isEasterEggCharacter = true;
    EasterEggs::CheckInputCharacter('t', isEasterEggCharacter);
    EXPECT_FALSE(isEasterEggCharacter);
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::thistleCove));
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::twoFiftyDunes));
    EXPECT_FALSE(EasterEggs::IsActive(static_cast<EasterEggs::NameType>(-1)));
}

TEST(EasterEggsEgg, AnEmptyWordIsNeverCompletedAndALongWordIsCut)
{
    int calls = 0;
    static int* counter = nullptr;
    counter = &calls;
    void (*count)() = [] { ++*counter; };

    EasterEggs::Egg empty("", count, EasterEggs::toggle);
    bool isEggCharacter = true;
    empty.CheckInputCharacter('\0', isEggCharacter);
    EXPECT_FALSE(isEggCharacter);
    empty.CheckInputCharacter('\0', isEggCharacter);
    EXPECT_FALSE(empty.IsActive());
    EXPECT_EQ(calls, 0);

    // 40 letters: only the first 31 are kept, so typing those 31 completes it.
    const std::string longWord(40, 'a');
    EasterEggs::Egg cut(longWord.c_str(), count, EasterEggs::persistent);
    for (int i = 0; i < 31; ++i) {
        cut.CheckInputCharacter('a', isEggCharacter);
        EXPECT_TRUE(isEggCharacter);
    }
    EXPECT_TRUE(cut.IsActive());
    EXPECT_EQ(calls, 1);

    // No activation function: the mode still switches.
    EasterEggs::Egg silent("ab", nullptr, EasterEggs::toggle);
    silent.CheckInputCharacter('a', isEggCharacter);
    silent.CheckInputCharacter('b', isEggCharacter);
    EXPECT_TRUE(silent.IsActive());
    silent.Reset();
    EXPECT_FALSE(silent.IsActive());
}

}  // namespace
