#pragma once

#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>
#include <vector>

// The one 256-colour palette of the game screen and the pictures remapped to it.
// Entry 0 is white and entry 255 black, fixed; the other 254 are chosen by libimagequant
// from all the art together. See-through pixels are not colours: they stay out of the palette
// and come back as a mask, which becomes skips in the graphic rows.
class GamePalette {
public:
    static constexpr int whiteIndex = 0;
    static constexpr int blackIndex = 255;
    // Pixels of at least this alpha are opaque; the others are see-through.
    static constexpr int opaqueAlpha = 128;

    // A picture in palette indices; opaque[i] is 0 where pixel i is see-through.
    struct IndexedPicture {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> pixels;
        std::vector<std::uint8_t> opaque;
    };

    // Chooses the palette from the opaque pixels of all the pictures (alpha of at least half).
    static GamePalette Choose(const std::vector<QImage>& pictures);

    const std::array<QRgb, 256>& Colors() const { return colors; }

    // The picture in palette indices, dithered. Pixels of less than half alpha are see-through;
    // the others count as opaque in their own colour.
    IndexedPicture Remap(const QImage& picture) const;
    // The indexed picture in full colour again, see-through pixels transparent (for review).
    QImage ToImage(const IndexedPicture& picture) const;

    ~GamePalette();
    GamePalette(GamePalette&& other) noexcept;
    GamePalette& operator=(GamePalette&&) = delete;
    GamePalette(const GamePalette&) = delete;

private:
    GamePalette() = default;

    std::array<QRgb, 256> colors{};
    // libimagequant's remapping state for exactly these colours, and where each of its
    // entries lies in `colors`.
    struct Remapper;
    Remapper* remapper = nullptr;
};
