#pragma once

#include <cstdint>
#include <deque>

#include "Core/Point/Point2D.h"
#include "Core/Rectangle/QuillonRectangle.h"
#include "Core/Resource/ResourceType.h"
#include "Core/SequencedActions/FadeAction.h"

// The one 8-bit paletted screen of the game (static members only). It knows the screen's size
// and whether it has an underlay, publishes the two drawing buffers of the current frame,
// queues the rectangles invalidated in the underlay, and hands every platform matter to one back
// end behind PlatformSpecifics.
//
// A frame: PrepareToRenderToOffscreenBuffer() (the underlay is copied into the off-screen
// buffer), draw the sprites into OffscreenBufferStart(), ShowOffscreenBuffer(). Buffer addresses
// are valid only between a prepare call and the next ShowOffscreenBuffer(), Deactivate(),
// Pause(), Fade() or Release(). Pixels are palette indices, one byte each, rows top to bottom;
// the bytes per row may exceed the width.
//
// Every operation is harmless without a back end or before Reserve(): nothing is drawn.
class DisplayScreen8Bit {
public:
    // One colour of a bitmap's colour table, in the order bitmaps store it.
    struct RGBQuad {
        std::uint8_t blue = 0;
        std::uint8_t green = 0;
        std::uint8_t red = 0;
        std::uint8_t reserved = 0;
    };

    // The platform's display. The screen owns the one instance and deletes it in Finalize().
    class PlatformSpecifics {
    public:
        // Takes the display: a visible picture, an off-screen buffer and, when the screen has
        // one, an underlay, all of the screen's size. False (after a message on standard
        // error) when the display cannot be had.
        virtual bool Reserve() = 0;
        // Gives all of that back; a second call gives nothing back twice.
        virtual void Release() = 0;
        // Takes the display again once the application is active: shows the picture, confines
        // the pointer to the screen and puts it in the middle.
        virtual void Activate() = 0;
        // Lets go of the display while the application is paused.
        virtual void Pause() = 0;
        // Releases the buffer locks.
        virtual void Deactivate() = 0;
        // Shows the screen at brightness level, 0.0 (black) to 1.0 (full).
        virtual void Fade(double level) = 0;
        virtual void SetDefaultColorMap() { SetColorMap(defaultColorMapID); }
        // The palette of CLUT resourceID becomes the screen's, with entry 0 white and 255 black.
        virtual void SetColorMap(ResourceID resourceID) = 0;
        // Fills the off-screen buffer with the underlay and publishes it.
        virtual void PrepareToRenderToOffscreenBuffer() = 0;
        // Publishes the underlay (null and 0 when the screen has none).
        virtual void PrepareToRenderToUnderlayBuffer() = 0;
        virtual void InvalidateOffscreenBuffer(const QuillonRectangle<int>& rectangle) = 0;
        virtual void InvalidateUnderlayBuffer(const QuillonRectangle<int>& rectangle) = 0;
        // Releases the locks and presents the off-screen buffer.
        virtual void ShowOffscreenBuffer() = 0;
        // The pointer in screen pixels; the last position read when it cannot be read now.
        virtual Point2D CursorPosition() = 0;
        // For the screenshot: when *out is null, stores there a new[] copy of the visible
        // picture, Width() x Height() bytes, bottom row first. The caller delete[]s it.
        virtual void GetScreenData(std::uint8_t** out) = 0;
        // When *out is null and a palette is set, stores there a new[] array of the 256
        // palette colours. The caller delete[]s it.
        virtual void GetRGBQUADData(RGBQuad** out) = 0;
        virtual ~PlatformSpecifics() = default;

    protected:
        // Back ends publish and withdraw the drawing buffers through these.
        static void PublishOffscreenBuffer(std::uint8_t* start, int bytesPerRow);
        static void PublishUnderlayBuffer(std::uint8_t* start, int bytesPerRow);
    };

    // A scheduled fade: steps the screen's brightness from startLevel to endLevel over
    // duration seconds and ends with endLevel.
    class FadeAction : public ::FadeAction {
    public:
        FadeAction(double startLevel, double endLevel, double duration);
        void Fade(double level) override;
    };

    // A scheduled fade from black to full brightness.
    class FadeInAction : public FadeAction {
    public:
        explicit FadeInAction(double duration);
    };

    static constexpr ResourceID defaultColorMapID = 1000;
    static constexpr ResourceID defaultScreenDescriptionID = 1000;

    // Installs the back end (the screen owns it from now on). False when backEnd is null, for
    // instance because no display is available; the screen then has no back end.
    static bool Initialize(PlatformSpecifics* backEnd);
    // Deletes the back end, which gives the display back.
    static void Finalize();
    static PlatformSpecifics* PlatformSpecificsInstance() { return platformSpecificsInstance; }

    // Reads the screen description DSC1 resourceID (size and underlay flag), then reserves the
    // display. False, after a message on standard error, when the description is missing or
    // malformed or the display cannot be reserved.
    static bool Reserve(ResourceID resourceID);
    static void Release();
    // The back end's Activate(), then the whole underlay is invalidated.
    static void Activate();
    static void Pause();
    static void Deactivate();
    static void Fade(double level);
    static void SetColorMap(ResourceID resourceID);
    // The back end fills and publishes the off-screen buffer; then the rectangles invalidated
    // in the underlay since the last frame are handed to InvalidateOffscreenBuffer, oldest first.
    static void PrepareToRenderToOffscreenBuffer();
    static void PrepareToRenderToUnderlayBuffer();
    static void InvalidateOffscreenBuffer(const QuillonRectangle<int>& rectangle);
    static void InvalidateUnderlayBuffer(const QuillonRectangle<int>& rectangle);
    static void InvalidateUnderlayBuffer();
    static void ShowOffscreenBuffer();
    static Point2D CursorPosition();

    static QuillonRectangle<int> Bounds() { return bounds; }
    static int Width() { return bounds.Width(); }
    static int Height() { return bounds.Height(); }
    static bool HasUnderlay() { return hasUnderlay; }

    static std::uint8_t* OffscreenBufferStart() { return offscreenBufferStart; }
    static int OffscreenBufferBytesPerRow() { return offscreenBufferBytesPerRow; }
    static std::uint8_t* UnderlayBufferStart() { return underlayBufferStart; }
    static int UnderlayBufferBytesPerRow() { return underlayBufferBytesPerRow; }
    // Rectangles invalidated in the underlay and not yet handed on (oldest first).
    static const std::deque<QuillonRectangle<int>>& DirtyRectangles() { return dirtyRectangles; }

    // Blocking fades: they hold the thread for duration seconds (read from Timer::Time()) and
    // always end on exactly 0.0 (FadeOut) or 1.0 (FadeIn). A duration of 0 or less makes just
    // the two end calls.
    static void FadeOut(double duration);
    static void FadeIn(double duration);

private:
    static PlatformSpecifics* platformSpecificsInstance;
    static QuillonRectangle<int> bounds;
    static bool hasUnderlay;
    static std::uint8_t* offscreenBufferStart;
    static int offscreenBufferBytesPerRow;
    static std::uint8_t* underlayBufferStart;
    static int underlayBufferBytesPerRow;
    static std::deque<QuillonRectangle<int>> dirtyRectangles;
};
