#include "Core/DisplayScreen/DisplayScreen8Bit.h"

#include "Core/Resource/ResourceProblems.h"
#include "Core/Resource/ScreenDescriptionBlock.h"

#include <iostream>
#include <string>

DisplayScreen8Bit::PlatformSpecifics* DisplayScreen8Bit::platformSpecificsInstance = nullptr;
QuillonRectangle<int> DisplayScreen8Bit::bounds;
bool DisplayScreen8Bit::hasUnderlay = false;
std::uint8_t* DisplayScreen8Bit::offscreenBufferStart = nullptr;
int DisplayScreen8Bit::offscreenBufferBytesPerRow = 0;
std::uint8_t* DisplayScreen8Bit::underlayBufferStart = nullptr;
int DisplayScreen8Bit::underlayBufferBytesPerRow = 0;
std::deque<QuillonRectangle<int>> DisplayScreen8Bit::dirtyRectangles;

namespace {

// A screen description larger than this is not a screen anybody has.
constexpr int largestScreenSide = 16384;

} // namespace

void DisplayScreen8Bit::PlatformSpecifics::PublishOffscreenBuffer(std::uint8_t* start, int bytesPerRow)
{
    offscreenBufferStart = start;
    offscreenBufferBytesPerRow = bytesPerRow;
}

void DisplayScreen8Bit::PlatformSpecifics::PublishUnderlayBuffer(std::uint8_t* start, int bytesPerRow)
{
    underlayBufferStart = start;
    underlayBufferBytesPerRow = bytesPerRow;
}

bool DisplayScreen8Bit::Initialize(PlatformSpecifics* backEnd)
{
    Finalize();
    platformSpecificsInstance = backEnd;
    return backEnd != nullptr;
}

void DisplayScreen8Bit::Finalize()
{
    delete platformSpecificsInstance;
    platformSpecificsInstance = nullptr;
    bounds = {};
    hasUnderlay = false;
    offscreenBufferStart = nullptr;
    offscreenBufferBytesPerRow = 0;
    underlayBufferStart = nullptr;
    underlayBufferBytesPerRow = 0;
    dirtyRectangles.clear();
}

bool DisplayScreen8Bit::Reserve(ResourceID resourceID)
{
    if (platformSpecificsInstance == nullptr) {
        std::cerr << "Marrowmere: the display screen cannot be reserved: there is no display.\n";
        return false;
    }
    const ScreenDescriptionBlock description = ScreenDescriptionBlock::Read(resourceID);
    if (!description.isValid) {
        return false;
    }
    if (description.width == 0 || description.height == 0 || description.width > largestScreenSide ||
        description.height > largestScreenSide) {
        ResourceProblems::Report(ResourceType::screenDescription, resourceID,
                                 "a screen of " + std::to_string(description.width) + " x " +
                                     std::to_string(description.height) + " pixels cannot be shown");
        return false;
    }
    bounds = {0, description.width, 0, description.height};
    hasUnderlay = description.hasUnderlay;
    return platformSpecificsInstance->Reserve();
}

void DisplayScreen8Bit::Release()
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->Release();
    }
}

void DisplayScreen8Bit::Activate()
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->Activate();
    }
    InvalidateUnderlayBuffer();
}

void DisplayScreen8Bit::Pause()
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->Pause();
    }
}

void DisplayScreen8Bit::Deactivate()
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->Deactivate();
    }
}

void DisplayScreen8Bit::Fade(double level)
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->Fade(level);
    }
}

void DisplayScreen8Bit::SetColorMap(ResourceID resourceID)
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->SetColorMap(resourceID);
    }
}

void DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer()
{
    if (platformSpecificsInstance == nullptr) {
        return;
    }
    platformSpecificsInstance->PrepareToRenderToOffscreenBuffer();
    while (!dirtyRectangles.empty()) {
        InvalidateOffscreenBuffer(dirtyRectangles.front());
        dirtyRectangles.pop_front();
    }
}

void DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer()
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->PrepareToRenderToUnderlayBuffer();
    }
}

void DisplayScreen8Bit::InvalidateOffscreenBuffer(const QuillonRectangle<int>& rectangle)
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->InvalidateOffscreenBuffer(rectangle);
    }
}

void DisplayScreen8Bit::InvalidateUnderlayBuffer(const QuillonRectangle<int>& rectangle)
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->InvalidateUnderlayBuffer(rectangle);
    }
    dirtyRectangles.push_back(rectangle);
}

void DisplayScreen8Bit::InvalidateUnderlayBuffer()
{
    InvalidateUnderlayBuffer(Bounds());
}

void DisplayScreen8Bit::ShowOffscreenBuffer()
{
    if (platformSpecificsInstance != nullptr) {
        platformSpecificsInstance->ShowOffscreenBuffer();
    }
}

Point2D DisplayScreen8Bit::CursorPosition()
{
    return platformSpecificsInstance != nullptr ? platformSpecificsInstance->CursorPosition() : Point2D{};
}
