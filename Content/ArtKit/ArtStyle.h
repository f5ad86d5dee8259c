#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The one drawing style of every picture the builder makes (game screen, shell pages,
// portraits): a warm paper ground, dark plum ink for outlines and words, rounded panels and
// a round, friendly typeface. Pictures drawn from these names look like one family.
namespace ArtStyle {

inline const QColor ink{0x2E, 0x22, 0x38};        // outlines, words, arrows
inline const QColor paper{0xFB, 0xF3, 0xE2};      // panels and dialogs
inline const QColor paperShade{0xE8, 0xD6, 0xB4}; // panel edges, pressed buttons
inline const QColor highlight{0xFF, 0xC8, 0x3D};  // selection, pointers, the score
inline const QColor meadow{0x8F, 0xC0, 0x5A};     // a lot's grass
inline const QColor meadowDark{0x5E, 0x8F, 0x3A}; // lot edges, the board's frame
inline const QColor water{0x3F, 0x8E, 0xD8};
inline const QColor waterLight{0xA8, 0xD8, 0xF8};
inline const QColor danger{0xD9, 0x48, 0x3B};
inline const QColor disabled{0xA8, 0xA0, 0x98};

// The colour that marks each species wherever it appears: flyers, swimmers, grazers, cannibals.
inline const QColor speciesColors[4] = {{0x5B, 0xA8, 0xF0}, {0x2F, 0xB5, 0x9C}, {0xF0, 0x9A, 0x3A}, {0xE0, 0x4F, 0x6A}};

constexpr double outlineWidth = 2.0;
constexpr double cornerRadius = 8.0;

// The round typeface of all words, at a pixel size; bold for headings.
QFont TextFont(int pixelSize, bool bold = false);
// The family names of the emoji font and of the typeface, as Qt asks for them.
QString EmojiFamily();

} // namespace ArtStyle
