#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <set>

// The attract loop in the menu screen's television: the logo title, the cast title, the four
// creature portraits in a new random order every cycle, the high-scores title, then the table's
// rows dropping into place from the lowest rank up in their rank colours. While a game is paused
// it shows the "paused" banner over a small picture of the game instead, until it is reset.
// Pictures are 8-bit BMPs from mm_res; fades scale only their colour table. The clock is
// Timer::Time(), read at every tick (the main window's idle time) while the window is visible.
class Slideshow : public QWidget {
public:
    enum StatesType : std::uint8_t {
        initialState, startingCycle,
        fadingMarrowmereLogoTitleIn, displayingMarrowmereLogoTitle, fadingMarrowmereLogoTitleOut,
        fadingCastTitleIn, displayingCastTitle, fadingCastTitleOut,
        startingToDisplayCreatures, fadingCreature1In, displayingCreature1, crossfadingCreature1out,
        crossfadingCreature1To2, displayingCreature2, crossfadingCreature2out,
        crossfadingCreature2To3, displayingCreature3, crossfadingCreature3out,
        crossfadingCreature3To4, displayingCreature4, fadingCreature4Out,
        startingToDisplayHighScores, fadingHighScoresTitleIn, displayingHighScoresTitle, fadingHighScoresTitleOut,
        startingToDropHighScores, startingDroppingAHighScore, droppingAHighScore, endingDroppingAHighScore,
        displayingHighScores, fadingHighScoresOut, endingCycle,
        displayingPausedGame,
    };

    // The pictures, by identifier: 151 to 158.
    static constexpr int firstPictureID = 151;
    static constexpr int lastPictureID = 158;
    static constexpr int logoTitleID = 153;
    static constexpr int castTitleID = 157;
    static constexpr int highScoresTitleID = 155;
    static constexpr int pausedBannerID = 156;
    static constexpr std::array<int, 4> creaturePictureIDs = {152, 158, 154, 151};

    // The rank's row colour, 1 to 10.
    static QColor RankColor(int rank);
    // How long a state lasts, in seconds (the paused state is held for ever).
    static double StateDuration(StatesType state, int currentFallingIndex);

    explicit Slideshow(QWidget* parent);

    // Moves and shows the window: left, top, width, height.
    void SetSlideShowPos(int left, int top, int width, int height);
    // Called from the main window's idle time in the menu state; wants more idle time.
    bool OnIdle(long lCount);
    // One tick: switches state when the current one has run out, otherwise repaints.
    void SpendTime();
    // Starts again from the beginning (or shows the paused game); each return to the menu.
    void ResetState();
    // Takes a small picture of the paused game for the paused banner.
    void CreateMiniScreenShot();

    StatesType CurrentState() const { return currentState; }
    double StateStartTime() const { return stateStartTime; }
    double StateEndTime() const { return stateEndTime; }
    int CurrentFallingIndex() const { return currentFallingIndex; }
    std::array<int, 4> CreatureOrder() const { return creaturePictures; }
    // The picture the window shows now (the off-screen picture with the current fade).
    QImage Frame();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SwitchState();
    StatesType NextState() const;
    void EnterState();
    void ChooseCreatureDisplayOrder();
    void EraseOffscreenBuffer();
    void CacheHighScores();
    void DrawPictureInOffscreenBuffer(int pictureID);
    void PrepDropHighScores();
    void DropHighScores(double amount);
    void DrawPausedGameStatusInOffscreenBuffer();
    void FreeImages();
    double ElapsedFraction() const;
    bool IsFadeState() const;

    StatesType currentState = initialState;
    double currentTime = 0.0;
    double stateStartTime = 0.0;
    double stateEndTime = 0.0;
    std::array<int, 4> creaturePictures = creaturePictureIDs;
    int currentFallingIndex = 0;
    QImage backBuffer;           // the off-screen picture; null shows black
    QList<QRgb> fadeColors;      // the colours of the last picture drawn, the base of every fade
    QImage miniScreenShot;
    QFont m_font;
    bool m_bFadingOut = false;
    std::set<int> reportedMissingPictures;
};
