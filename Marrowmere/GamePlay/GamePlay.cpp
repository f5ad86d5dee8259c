#include "Marrowmere/GamePlay/GamePlay.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/GameState/GameState.h"
#include "Core/Graphic/Graphic8Bit.h"
#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/SystemCursor/SystemCursor.h"
#include "Core/Timer/Timer.h"
#include "Marrowmere/DispatchUserInputAction/DispatchUserInputAction.h"
#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/HotSpots/BackgroundHotSpot.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/RenderAllAction/RenderAllAction.h"
#include "Marrowmere/ScoringAnimator/ScoringAnimator.h"
#include "Marrowmere/Tutorial/Tutorial.h"

#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/PickDialogBox/PickDialogBox.h"

bool GamePlay::isGameInProgress = false;
bool GamePlay::isBackgroundMusicActive = true;
bool GamePlay::isBackgroundDrawn = false;
BackgroundHotSpot* GamePlay::backgroundHotSpot = nullptr;
std::unique_ptr<Sound> GamePlay::backgroundMusic;
SequencedAction::SequencedActionHandler* GamePlay::fadeInSequence = nullptr;
std::function<void()> GamePlay::pumpObserver;

// The last action of the fade-in's sequence: the sequence is about to run out, so its handle
// is dropped before the scheduler destroys it.
class GamePlay::FadeInFinishedAction : public SequencedAction {
public:
    void operator()() override
    {
        GamePlay::fadeInSequence = nullptr;
        delete this;
    }
};

void GamePlay::Finalize()
{
    if (isGameInProgress) {
        TakeDown();
    }
}

void GamePlay::NewGame()
{
    if (isGameInProgress) {
        TakeDown();
    }
    SetUp();
    PlayGame();
}

void GamePlay::ResumeGame()
{
    if (!isGameInProgress) {
        // A loop without the input dispatch could never end.
        GameState::SetState(GameState::idle);
        return;
    }
    PlayGame();
}

void GamePlay::SetUp()
{
    EasterEggs::SetUp();
    InhabitantsAnimator::SetUp();
    ScoringAnimator::SetUp();
    ItemQueueAnimator::SetUp();
    PickDialogBox::SetUp();
    if (Tutorial::IsActive()) {
        Tutorial::SetUp();
    }
    DrawBackgroundOnce();
    backgroundHotSpot = new BackgroundHotSpot;
    SetUpSequencedActions();
    isGameInProgress = true;
}

void GamePlay::DrawBackgroundOnce()
{
    if (isBackgroundDrawn) {
        return;
    }
    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    Graphic8Bit(GraphicIDs::Background()).RenderToUnderlay();
    isBackgroundDrawn = true;
}

void GamePlay::SetUpSequencedActions()
{
    // Sequences run in creation order: every pump moves the cursor, then draws the frame, then
    // reads input; the subsystems' sequences made before run earlier, every later one after.
    SequencedAction::StartNewSequence();
    new SpriteCursorAction(GraphicIDs::Cursor(CursorType::arrow), cursorRenderingOrderPosition);
    SequencedAction::StartNewSequence();
    new RenderAllAction;
    SequencedAction::StartNewSequence();
    new DispatchUserInputAction;
}

void GamePlay::TakeDown()
{
    delete backgroundHotSpot;
    backgroundHotSpot = nullptr;
    if (Tutorial::IsActive()) {
        Tutorial::TakeDown();
    }
    PickDialogBox::TakeDown();
    ItemQueueAnimator::TakeDown();
    ScoringAnimator::TakeDown();
    InhabitantsAnimator::TakeDown();
    EasterEggs::TakeDown();
    fadeInSequence = nullptr;
    SequencedAction::RemoveAllActions();
    isGameInProgress = false;
}

void GamePlay::StartFadeIn()
{
    SequencedAction::StartNewSequence();
    fadeInSequence = SequencedAction::CurrentSequence();
    new DisplayScreen8Bit::FadeInAction(fadeDuration);
    if (isBackgroundMusicActive && !Tutorial::IsActive()) {
        backgroundMusic = std::make_unique<Sound>(SoundIDs::BackgroundMusic());
        new Sound::StartPlayingLoopedAction(backgroundMusic.get(), 1.0, 0.0);
    }
    new FadeInFinishedAction;
}

void GamePlay::CancelFadeIn()
{
    if (fadeInSequence != nullptr) {
        delete fadeInSequence;
        fadeInSequence = nullptr;
    }
}

void GamePlay::PlayGame()
{
    Timer::Resume();
    SystemCursor::Hide();
    DisplayScreen8Bit::SetColorMap(DisplayScreen8Bit::defaultColorMapID);
    DisplayScreen8Bit::Activate();
    StartFadeIn();
    GameState::SetState(GameState::playing);

    while (GameState::State() == GameState::playing || GameState::State() == GameState::endingGame) {
        SequencedAction::HandleNextActions(Timer::PausableTime());
        if (pumpObserver) {
            pumpObserver();
        }
    }

    // A tutorial game cannot be paused: whatever stops its loop ends it.
    if (Tutorial::IsActive()) {
        GameState::SetState(GameState::gameOver);
    }
    if (GameState::State() == GameState::gameOver) {
        TakeDown();
    }
    CancelFadeIn();
    backgroundMusic.reset();
    DisplayScreen8Bit::FadeOut(fadeDuration);
    SystemCursor::Show();
    Timer::Pause();
}
