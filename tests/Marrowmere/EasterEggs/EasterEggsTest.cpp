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

    // Which modes are on, as 0 and 1: thistlecove, harborlantern, 7kgrid, 250dunes.
    static std::string ActiveModes()
    {
        std::string active;
        for (const auto mode : {EasterEggs::thistleCove, EasterEggs::harborLantern, EasterEggs::sevenKGrid,
                                EasterEggs::twoFiftyDunes}) {
            active += EasterEggs::IsActive(mode) ? '1' : '0';
        }
        return active;
    }
};

// Each case types into fresh eggs: which characters some egg took, and which modes are on
// (thistlecove, harborlantern, 7kgrid, 250dunes).
TEST_F(EasterEggsTest, TypingSwitchesExactlyTheCompletedWordsModes)
{
    struct Case {
        std::string typed;
        std::string active;
        std::string taken = "";
    };
    const Case cases[] = {
        {"7kgrid", "0010", "yyyyyy"},
        {"7kgridharborlantern", "0110"},
        {"THISTLECOVE", "1000"}, {"HarborLantern", "0100"}, {"7KGRID", "0010"}, // capitals count as lower case
        {"thistlecovethistlecove", "0000"},   // a toggle word flips its mode
        {"250dunes250dunes", "0001"},         // a persistent word keeps it on
        {"tthistlecove", "0000"},             // the second 't' breaks the word and starts nothing
        {"thistlXecovecove", "0000"},         // a broken word must be typed again from its start
        {"xthistlecove", "1000"}, {"q7kgrid", "0010"},
        {"xyz!", "0000", "nnnn"}, {std::string(1, '\0'), "0000", "n"},
        {"k", "0000", "n"}, {"7k", "0000", "yy"}, // 'k' continues no word until a '7' came first
        {"tharborlantern", "0100", "yyyyyyyyyyyyyy"}, // each egg follows the typing on its own
    };
    for (const Case& c : cases) {
        SetUp();
        const std::string taken = Type(c.typed);
        EXPECT_EQ(ActiveModes(), c.active) << c.typed;
        if (!c.taken.empty()) {
            EXPECT_EQ(taken, c.taken) << c.typed;
        }
    }
}

TEST_F(EasterEggsTest, ActivationsRunOnEveryCompletionAndANewGameSwitchesModesOffButKeepsTyping)
{
    Type("thistlecovethistlecove250dunes250dunes7kgridharbor");
    EXPECT_EQ(activations, (std::vector<std::string>{"thistleCove on", "thistleCove off", "twoFiftyDunes on",
                                                     "twoFiftyDunes on", "sevenKGrid on"}));
    EasterEggs::SetUp();
    EXPECT_EQ(ActiveModes(), "0000");
    Type("lantern");
    EXPECT_EQ(ActiveModes(), "0100");

    EasterEggs::RemoveAllEggs();
    EXPECT_EQ(Type("t"), "n");
    EXPECT_EQ(ActiveModes(), "0000");
    EXPECT_FALSE(EasterEggs::IsActive(static_cast<EasterEggs::NameType>(-1)));
    EasterEggs::AddEgg("az", nullptr, EasterEggs::toggle);  // both ends of the capitals count as lower case
    EXPECT_EQ(Type("AZ"), "yy");
    EXPECT_TRUE(EasterEggs::IsActive(EasterEggs::thistleCove));
}

TEST(EasterEggsEgg, AnEmptyWordIsNeverCompletedAndALongWordIsCut)
{
    static int calls = 0;
    const auto count = [] { ++calls; };
    bool isEggCharacter = true;
    EasterEggs::Egg empty("", count, EasterEggs::toggle);
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

    // Without an activation function the mode still switches; a reset switches it off.
    EasterEggs::Egg silent("ab", nullptr, EasterEggs::toggle);
    silent.CheckInputCharacter('a', isEggCharacter);
    silent.CheckInputCharacter('b', isEggCharacter);
    EXPECT_TRUE(silent.IsActive());
    silent.Reset();
    EXPECT_FALSE(silent.IsActive());
}

}  // namespace
