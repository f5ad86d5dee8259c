#include "Shell/Slideshow/Slideshow.h"

#include "Core/GameState/GameState.h"
#include "Core/Math/Math.h"
#include "Core/Timer/Timer.h"
#include "Shell/ScoreFileIO/ScoreFileIO.h"
#include "Shell/ShellPictures/ShellPictures.h"

#include <QPainter>

#include <cmath>
#include <iostream>
#include <limits>
#include <utility>

namespace {

constexpr const char* pictureNames[] = {
    "SLIDEYUG", "SLIDEMAGMA", "SLIDELOGO", "SLIDEBOOF", "SLIDESCORES", "SLIDEPAUSED", "SLIDESTARRING", "SLIDESAUR",
};

constexpr QRgb rankColors[10] = {
    qRgb(255, 0, 0), qRgb(255, 153, 0), qRgb(204, 255, 0), qRgb(51, 255, 0), qRgb(0, 255, 102),
    qRgb(0, 255, 255), qRgb(0, 102, 255), qRgb(51, 0, 255), qRgb(204, 0, 255), qRgb(255, 0, 153),
};

constexpr double fallSecondsPerRow = 0.02;
constexpr int miniScreenShotWidth = 240;
constexpr int miniScreenShotHeight = 180;

} // namespace

QColor Slideshow::RankColor(int rank)
{
    return rank >= 1 && rank <= 10 ? QColor(rankColors[rank - 1]) : QColor(Qt::white);
}

double Slideshow::StateDuration(StatesType state, int fallingIndex)
{
    switch (state) {
    case fadingMarrowmereLogoTitleIn: case fadingMarrowmereLogoTitleOut:
    case fadingCastTitleIn: case fadingCastTitleOut:
    case fadingCreature1In: case fadingCreature4Out:
    case fadingHighScoresTitleIn: case fadingHighScoresTitleOut: case fadingHighScoresOut:
        return 1.0;
    case displayingMarrowmereLogoTitle: case displayingCastTitle: case displayingHighScoresTitle:
        return 2.0;
    case displayingCreature1: case displayingCreature2: case displayingCreature3: case displayingCreature4:
    case displayingHighScores:
        return 3.0;
    case crossfadingCreature1out: case crossfadingCreature1To2:
    case crossfadingCreature2out: case crossfadingCreature2To3:
    case crossfadingCreature3out: case crossfadingCreature3To4:
        return 0.5;
    case droppingAHighScore:
        return fallSecondsPerRow * fallingIndex;
    case displayingPausedGame:
        return std::numeric_limits<double>::infinity();
    default:
        return 0.0;
    }
}

Slideshow::Slideshow(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    m_font = QFont(QStringLiteral("Comic Sans MS"));
    m_font.setPixelSize(std::max(1, logicalDpiY() / 4));
    m_font.setWeight(QFont::Normal);
    currentTime = Timer::Time();
    SwitchState();
}

void Slideshow::SetSlideShowPos(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    show();
}

bool Slideshow::OnIdle(long)
{
    SpendTime();
    return true;
}

void Slideshow::SpendTime()
{
    if (!isVisible())
        return;
    currentTime = Timer::Time();
    if (currentTime >= stateEndTime)
        SwitchState();
    else
        update();
}

void Slideshow::ResetState()
{
    currentState = initialState;
    currentTime = Timer::Time();
    SwitchState();
}

void Slideshow::CreateMiniScreenShot()
{
    miniScreenShot = ShellPictures::GameScreenShot();
}

Slideshow::StatesType Slideshow::NextState() const
{
    switch (currentState) {
    case initialState:
        return GameState::State() == GameState::paused ? displayingPausedGame : startingCycle;
    case startingToDisplayHighScores:
    case startingToDropHighScores:
        return CScoreFileIO::GetCount() >= 1 ? StatesType(currentState + 1) : startingCycle;
    case endingDroppingAHighScore:
        return currentFallingIndex - 1 > 0 ? startingDroppingAHighScore : displayingHighScores;
    case endingCycle:
        return startingCycle;
    case displayingPausedGame:
        return displayingPausedGame;
    default:
        return StatesType(currentState + 1);
    }
}

void Slideshow::SwitchState()
{
    m_bFadingOut = false;
    const StatesType next = NextState();
    if (currentState == endingDroppingAHighScore)
        --currentFallingIndex;
    currentState = next;
    stateStartTime = currentTime;
    stateEndTime = currentTime + StateDuration(currentState, currentFallingIndex);
    EnterState();
    update();
}

void Slideshow::EnterState()
{
    switch (currentState) {
    case startingCycle:
        EraseOffscreenBuffer();
        ChooseCreatureDisplayOrder();
        break;
    case fadingMarrowmereLogoTitleIn: DrawPictureInOffscreenBuffer(logoTitleID); break;
    case fadingCastTitleIn: DrawPictureInOffscreenBuffer(castTitleID); break;
    case fadingCreature1In: DrawPictureInOffscreenBuffer(creaturePictures[0]); break;
    case crossfadingCreature1To2: DrawPictureInOffscreenBuffer(creaturePictures[1]); break;
    case crossfadingCreature2To3: DrawPictureInOffscreenBuffer(creaturePictures[2]); break;
    case crossfadingCreature3To4: DrawPictureInOffscreenBuffer(creaturePictures[3]); break;
    case fadingHighScoresTitleIn: DrawPictureInOffscreenBuffer(highScoresTitleID); break;
    case fadingMarrowmereLogoTitleOut: case fadingCastTitleOut:
    case crossfadingCreature1out: case crossfadingCreature2out: case crossfadingCreature3out:
    case fadingCreature4Out: case fadingHighScoresTitleOut: case fadingHighScoresOut:
        m_bFadingOut = true;
        break;
    case startingToDisplayCreatures: case startingToDisplayHighScores: case endingCycle:
        EraseOffscreenBuffer();
        break;
    case startingToDropHighScores:
        EraseOffscreenBuffer();
        CacheHighScores();
        PrepDropHighScores();
        break;
    case endingDroppingAHighScore: DropHighScores(1.0); break;
    case displayingPausedGame: DrawPausedGameStatusInOffscreenBuffer(); break;
    default: break;
    }
}

void Slideshow::ChooseCreatureDisplayOrder()
{
    creaturePictures = creaturePictureIDs;
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < 4; ++i)
            std::swap(creaturePictures[i], creaturePictures[RandomNumber(0, 3)]);
}

void Slideshow::FreeImages()
{
    backBuffer = QImage();
    miniScreenShot = QImage();
}

void Slideshow::EraseOffscreenBuffer()
{
    FreeImages();
    update();
}

void Slideshow::CacheHighScores()
{
    currentFallingIndex = CScoreFileIO::GetCount();
}

void Slideshow::DrawPictureInOffscreenBuffer(int pictureID)
{
    if (pictureID < firstPictureID || pictureID > lastPictureID)
        return;
    const QImage picture = ShellPictures::LoadLibraryBitmap(pictureNames[pictureID - firstPictureID], pictureID);
    if (picture.isNull()) {
        // Reported once, not at every cycle: the loop goes on with nothing new drawn.
        if (reportedMissingPictures.insert(pictureID).second)
            std::cerr << "Marrowmere: slideshow picture " << pictureNames[pictureID - firstPictureID]
                      << " (" << pictureID << ") could not be loaded from mm_res\n";
        return;
    }
    backBuffer = ShellPictures::StretchIndexed(picture, width(), height());
    fadeColors = backBuffer.colorTable();
}

void Slideshow::PrepDropHighScores()
{
    FreeImages();
    backBuffer = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    backBuffer.fill(Qt::black);
}

void Slideshow::DropHighScores(double amount)
{
    if (backBuffer.format() != QImage::Format_RGB32)
        return;
    const _tagHSFileBlock* entry = CScoreFileIO::GetEntry(currentFallingIndex);
    if (entry == nullptr)
        return;
    const int rowHeight = height() / 10;
    const int top = RoundToInteger((currentFallingIndex * amount - 1.0) * rowHeight);
    QPainter painter(&backBuffer);
    painter.fillRect(0, 0, backBuffer.width(), top + rowHeight, Qt::black);
    painter.setFont(m_font);
    painter.setPen(RankColor(currentFallingIndex));
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(QRect(8, top, 34 - 8, rowHeight), flags | Qt::AlignHCenter, QString::number(entry->ordinal));
    painter.drawText(QRect(40, top, 218 - 40, rowHeight), flags | Qt::AlignLeft,
        QString::fromLatin1(entry->hsRecord.pPlayerName));
    painter.drawText(QRect(221, top, 312 - 221, rowHeight), flags | Qt::AlignRight,
        QString::number(entry->hsRecord.nScore));
}

void Slideshow::DrawPausedGameStatusInOffscreenBuffer()
{
    const QImage shot = miniScreenShot;
    FreeImages();
    backBuffer = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    backBuffer.fill(Qt::black);
    const QImage banner = ShellPictures::LoadLibraryBitmap(pictureNames[pausedBannerID - firstPictureID]);
    QPainter painter(&backBuffer);
    if (banner.isNull()) {
        if (!shot.isNull())
            painter.drawImage(backBuffer.rect(), shot);
        return;
    }
    if (!shot.isNull())
        painter.drawImage(QRect(width() / 2 - miniScreenShotWidth / 2, banner.height(), miniScreenShotWidth,
                              miniScreenShotHeight), shot);
    painter.drawImage(QRect(0, 0, width(), banner.height()), banner);
}

double Slideshow::ElapsedFraction() const
{
    const double length = stateEndTime - stateStartTime;
    if (!(length > 0.0) || std::isinf(length))
        return 1.0;
    return std::clamp((currentTime - stateStartTime) / length, 0.0, 1.0);
}

bool Slideshow::IsFadeState() const
{
    switch (currentState) {
    case fadingMarrowmereLogoTitleIn: case fadingMarrowmereLogoTitleOut:
    case fadingCastTitleIn: case fadingCastTitleOut:
    case fadingCreature1In: case crossfadingCreature1out: case crossfadingCreature1To2:
    case crossfadingCreature2out: case crossfadingCreature2To3:
    case crossfadingCreature3out: case crossfadingCreature3To4: case fadingCreature4Out:
    case fadingHighScoresTitleIn: case fadingHighScoresTitleOut: case fadingHighScoresOut:
        return true;
    default:
        return false;
    }
}

QImage Slideshow::Frame()
{
    QImage frame(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    frame.fill(Qt::black);
    if (currentState == droppingAHighScore)
        DropHighScores(ElapsedFraction());
    if (backBuffer.isNull())
        return frame;
    QPainter painter(&frame);
    if (!IsFadeState()) {
        painter.drawImage(0, 0, backBuffer);
        return frame;
    }
    const double amount = m_bFadingOut ? 1.0 - ElapsedFraction() : ElapsedFraction();
    if (backBuffer.format() == QImage::Format_Indexed8) {
        // Only the colour table changes; the pixel values stay.
        QImage faded = backBuffer;
        faded.setColorTable(ShellPictures::ScaledColorTable(fadeColors, amount));
        painter.drawImage(0, 0, faded);
    } else {
        painter.drawImage(0, 0, backBuffer);
        painter.fillRect(frame.rect(), QColor(0, 0, 0, RoundToInteger(255 * (1.0 - amount))));
    }
    return frame;
}

void Slideshow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Frame());
}
