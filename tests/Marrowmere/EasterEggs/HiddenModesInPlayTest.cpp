#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/PickDialogBox/PickButtonHotSpot.h"
#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"
#include "tests/Support/SoundRecording/SoundRecordingLibrary.h"

#include <string>
#include <vector>

namespace {

// The still pictures of the idle animations on the screen: the 25 lots row by row, then the
// item queue's (-1 where there is none).
std::vector<int> Pictures()
{
    std::vector<int> pictures;
    for (int place = 0; place < 26; ++place) {
        const QuiescentAnimationAction* idle = place < 25
            ? InhabitantsAnimator::VisualElementOf(place / 5, place % 5).quiescentAnimationAction
            : ItemQueueAnimator::CurrentItemAnimation();
        pictures.push_back(idle ? idle->StillPictureID() : -1);
    }
    return pictures;
}

// The game with the four hidden modes registered, on a resource back end that records the
// sounds asked for (it replaces the fixture's, so every block reads as missing).
class HiddenModesInPlayTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        Resource::Initialize(sounds);
        EasterEggs::Initialize();
    }

    // Types the text and then a key of no word during play, as key presses with their
    // characters; the game must go on through the text and pause at that last key.
    static void Play(const std::string& text, bool isNewGame = false)
    {
        for (char character : text + "x") {
            PushCharacter(character);
        }
        (isNewGame ? GamePlay::NewGame : GamePlay::ResumeGame)();
        EXPECT_EQ(GameState::State(), GameState::paused);
        EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0) << text;
    }

    SoundRecordingLibrary* sounds = new SoundRecordingLibrary; // owned by Resource once installed
};

TEST_F(HiddenModesInPlayTest, EachWordSwitchesItsPicturesAtOnceAndBack)
{
    // A flood in the middle (its turn resolved over a few pumps), and death as the item.
    Play("", true);
    InhabitantsAnimator::AnimateFlood(2, 2);
    for (int pump = 0; pump < 5; ++pump) {
        Play("");
    }
    ItemQueueAnimator::AnimateSetCurrentItem(ItemQueue::death, flyer, up);
    Play("");
    const std::vector<int> ordinary = Pictures();
    // The places whose picture is no longer the ordinary one.
    const auto changes = [&ordinary] {
        std::vector<int> changed;
        for (int place = 0; place < 26; ++place) {
            if (Pictures()[place] != ordinary[place]) {
                changed.push_back(place);
            }
        }
        return changed;
    };

    Play("thistlecove");
    EXPECT_EQ(changes(), (std::vector<int>{25})) << "the death item";
    Play("HarborLantern");
    EXPECT_EQ(changes(), (std::vector<int>{12, 25})) << "the flood";
    Play("7kgrid");
    EXPECT_EQ(changes(), (std::vector<int>{0, 4, 7, 11, 12, 13, 17, 20, 24, 25})) << "the animals";
    EXPECT_EQ(sounds->lookups[SoundIDs::EasterEggOpening()], 3);

    Play("7kgridthistlecoveharborlantern");
    EXPECT_EQ(changes(), std::vector<int>{});
    EXPECT_EQ(sounds->lookups[SoundIDs::EasterEggClosing()], 3);

    // A new game starts with every mode off.
    Play("7kgrid");
    Play("", true);
    EXPECT_FALSE(EasterEggs::IsActive(EasterEggs::sevenKGrid));
}

TEST_F(HiddenModesInPlayTest, EveryTwoFiftyDunesAddsAHundredPicksAndOpensThePickButtonOnAnOfferedItem)
{
    Play("250dunes250dunes250dunes", true);
    EXPECT_EQ(ItemQueue::PickCount(), ItemQueueAnimator::startingPickCount + 300);
    EXPECT_TRUE(ItemQueueAnimator::PickButton()->IsActive());

    // While no item is offered the button stays shut.
    ItemQueueAnimator::AnimateUseCurrentItem();
    Play("250dunes");
    EXPECT_EQ(ItemQueue::PickCount(), ItemQueueAnimator::startingPickCount + 400);
    EXPECT_FALSE(ItemQueueAnimator::PickButton()->IsActive());
}

} // namespace
